#include "table/Lookup.h"

#include <algorithm>

#include "common/Error.h"
#include "common/Text.h"

namespace xkr {
namespace {

// The state table holds four fields a record, the term table three.
constexpr std::size_t usualFieldsPerRecord = 4;

std::string_view field(const LookupRecord& record, std::int16_t position) {
    if (position < 0 || static_cast<std::size_t>(position) >= record.size()) {
        throw VendorPayToError("lookup record has no field " + std::to_string(position));
    }
    return record[static_cast<std::size_t>(position)];
}

}  // namespace

std::string_view LookupRecord::operator[](std::size_t position) const {
    const std::vector<std::size_t>& ends = m_lookup->m_fieldEnds;
    const std::size_t at = m_firstField + position;
    const std::size_t begin = at == 0 ? 0 : ends[at - 1];
    return std::string_view(m_lookup->m_text).substr(begin, ends[at] - begin);
}

Lookup::Lookup(std::initializer_list<std::initializer_list<std::string_view>> records) {
    for (const auto& fields : records) add(fields);
}

void Lookup::reset(std::size_t records, std::size_t bytes) {
    m_text.clear();
    m_fieldEnds.clear();
    m_recordEnds.clear();
    m_text.reserve(bytes);
    m_fieldEnds.reserve(records * usualFieldsPerRecord);
    m_recordEnds.reserve(records);
}

void Lookup::add(std::span<const std::string_view> fields) {
    for (std::string_view text : fields.first(std::min(fields.size(), maxLookupFields))) {
        m_text += text;
        m_fieldEnds.push_back(m_text.size());
    }
    m_recordEnds.push_back(m_fieldEnds.size());
}

LookupRecord Lookup::operator[](std::size_t record) const {
    const std::size_t first = record == 0 ? 0 : m_recordEnds[record - 1];
    return {*this, first, m_recordEnds[record] - first};
}

std::int16_t LookupIndex(const Lookup& lookup, std::string_view key, std::int16_t searchPosition,
                         std::int16_t resultPosition) {
    for (const LookupRecord& record : lookup) {
        if (field(record, searchPosition) == key) {
            return text::toInt16(field(record, resultPosition));
        }
    }
    return 0;
}

std::string LookupText(const Lookup& lookup, std::int16_t key, std::int16_t searchPosition,
                       std::int16_t resultPosition) {
    for (const LookupRecord& record : lookup) {
        const std::string_view searched = field(record, searchPosition);
        const auto number = text::toNumber(searched);
        if (!number)
            throw VendorPayToError("lookup field is not a number: " + std::string(searched));
        if (*number == key)
            return std::string(field(record, resultPosition));
    }
    return {};
}

}  // namespace xkr
