#include "table/Lookup.h"

#include "common/Error.h"
#include "common/Text.h"

namespace xkr {
namespace {

const std::string& field(const LookupRecord& record, std::int16_t position) {
    if (position < 0 || static_cast<std::size_t>(position) >= record.size()) {
        throw VendorPayToError("lookup record has no field " + std::to_string(position));
    }
    return record[static_cast<std::size_t>(position)];
}

}  // namespace

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
        const std::string& searched = field(record, searchPosition);
        const auto number = text::toNumber(searched);
        if (!number)
            throw VendorPayToError("lookup field is not a number: " + searched);
        if (*number == key)
            return field(record, resultPosition);
    }
    return {};
}

}  // namespace xkr
