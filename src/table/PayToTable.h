#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/PackedFields.h"

namespace xkr {

// The in-memory table of pay-to entries: declared text fields with widths in characters, rows
// in the order they entered, a cursor with an end position. Every operation on a closed table,
// and every undeclared field name or position, throws VendorPayToError.
class PayToTable {
public:
    // Room for the 21 pay-to fields; every row reserves an offset for each.
    static constexpr std::size_t maxFields = 24;
    static constexpr int stateClosed = 0;
    static constexpr int stateOpen = 1;

    // Declares a field at the end of the field list; only before the table is first opened.
    void appendField(std::string name, std::size_t widthInChars);
    std::size_t fieldCount() const { return m_fields.size(); }
    const std::string& fieldName(std::size_t position) const;
    std::size_t fieldWidth(std::size_t position) const;
    // The position of a declared field; throws for an undeclared name.
    std::size_t fieldPosition(std::string_view name) const;

    void open();
    void close();  // discards the rows
    int state() const { return m_open ? stateOpen : stateClosed; }

    std::size_t recordCount() const;
    void moveFirst();
    void moveNext();
    bool eof() const;
    void addNew();         // appends a row with no value in any field and makes it current
    void deleteCurrent();  // MoveNext then reaches the row that followed the deleted one
    // Deletes every row at once: what deleting row by row does, without its quadratic cost.
    void deleteAllRows();
    // Room for that many rows, so that adding them moves none.
    void reserveRows(std::size_t count);

    // The first row, counted from the start, whose field holds exactly the value.
    std::optional<std::size_t> findFirst(std::size_t position, std::string_view value) const;
    // Makes a row current; recordCount() is the end position.
    void moveTo(std::size_t row);

    // Field values of the current row. A field with no value reads as the empty text.
    std::string_view value(std::string_view name) const;
    std::string_view value(std::size_t position) const;
    bool hasValue(std::size_t position) const;
    // Every field of the current row at once, by position: what value() gives for each.
    std::array<std::string_view, maxFields> values() const;
    // A field of any row, read without moving the cursor.
    std::string_view valueAt(std::size_t row, std::size_t position) const;
    // Writing a text longer than the field's width throws and stores nothing.
    void setValue(std::string_view name, std::string_view text);
    void setValue(std::size_t position, std::string_view text);

    // Keeps a copy of the text while the table has rows, for rows to read their values from.
    // keptTextPadding readable bytes follow the copy, for scanners that read whole blocks.
    static constexpr std::size_t keptTextPadding = 64;
    std::string_view keepText(std::string_view text);
    // Writes the values into fields 0, 1, ... of the current row, which must have no values yet.
    // The values are consecutive pieces of a kept text, `gap` bytes apart (a record cut at its
    // field separator); the row reads them there instead of holding copies. Like writing them
    // one by one, the values before a failing one stay written; one past the last field throws,
    // but a value that does not fit is an expected refusal when loading a damaged text: the
    // reason comes back, empty when every value was written.
    std::string setValues(std::span<const std::string_view> values, std::size_t gap);

    // Whether the text fits the field; lets callers check a whole row before the first write.
    bool fits(std::size_t position, std::string_view text) const;

    std::size_t memoryBytes() const;

private:
    using Row = PackedFields<maxFields>;
    struct Field {
        std::string name;
        std::size_t width;
    };

    void clearRows();  // with the cursor and the kept texts
    void requireOpen() const;
    const Row& currentRow() const;
    Row& currentRow();
    std::size_t checkedPosition(std::size_t position) const;
    std::string tooLong(std::size_t position) const;

    std::vector<Field> m_fields;
    std::vector<Row> m_rows;
    // Shared, so that a copy of the table keeps alive what its copied rows read.
    std::vector<std::shared_ptr<const char[]>> m_keptTexts;
    std::size_t m_keptBytes = 0;
    std::size_t m_cursor = 0;
    // After Delete the cursor stands on the row that followed, which MoveNext must not skip.
    bool m_deletedAtCursor = false;
    bool m_open = false;
    bool m_everOpened = false;
};

}  // namespace xkr
