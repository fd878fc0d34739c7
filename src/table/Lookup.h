#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace xkr {

// The term or state records of the last load: one entry per record, each the record's first
// fields. The control reads four; a record keeps eight, so that a damaged record of millions of
// fields costs no more than its text.
inline constexpr std::size_t maxLookupFields = 8;

class Lookup;

// One record of a lookup, read in place; valid while the lookup is unchanged.
class LookupRecord {
public:
    std::size_t size() const { return m_count; }
    // position < size().
    std::string_view operator[](std::size_t position) const;

private:
    friend class Lookup;
    LookupRecord(const Lookup& lookup, std::size_t firstField, std::size_t count)
        : m_lookup(&lookup), m_firstField(firstField), m_count(count) {}

    const Lookup* m_lookup;
    std::size_t m_firstField;
    std::size_t m_count;
};

// The fields of every record lie back to back in one text: a table of thousands of records
// costs a few allocations, not one or more a record.
class Lookup {
public:
    // Enough of an iterator for a range-based for.
    class Iterator {
    public:
        LookupRecord operator*() const { return (*m_lookup)[m_record]; }
        Iterator& operator++() {
            ++m_record;
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_record == other.m_record; }

    private:
        friend class Lookup;
        Iterator(const Lookup& lookup, std::size_t record) : m_lookup(&lookup), m_record(record) {}

        const Lookup* m_lookup;
        std::size_t m_record;
    };

    Lookup() = default;
    // Records written out, for building a lookup by hand.
    Lookup(std::initializer_list<std::initializer_list<std::string_view>> records);

    // Empties the lookup and makes room for that many records of that many bytes in all.
    void reset(std::size_t records, std::size_t bytes);
    // Appends a record of the first maxLookupFields fields.
    void add(std::span<const std::string_view> fields);

    std::size_t size() const { return m_recordEnds.size(); }
    LookupRecord operator[](std::size_t record) const;
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }

    bool operator==(const Lookup& other) const = default;

private:
    friend class LookupRecord;

    std::string m_text;                     // every field's bytes, back to back
    std::vector<std::size_t> m_fieldEnds;   // where each field ends in m_text
    std::vector<std::size_t> m_recordEnds;  // where each record ends in m_fieldEnds
};

// The field at resultPosition of the first entry whose field at searchPosition equals key
// exactly, as a 16-bit whole number; 0 when none matches. Throws when that field is no number.
std::int16_t LookupIndex(const Lookup& lookup, std::string_view key, std::int16_t searchPosition,
                         std::int16_t resultPosition);

// The field at resultPosition of the first entry whose field at searchPosition reads as the
// number key; the empty text when none matches. A searched field that is no number throws.
std::string LookupText(const Lookup& lookup, std::int16_t key, std::int16_t searchPosition,
                       std::int16_t resultPosition);

}  // namespace xkr
