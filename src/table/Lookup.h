#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xkr {

// The term or state records of the last load: one entry per record, each the record's first
// fields. The control reads four; a record keeps eight, so that a damaged record of millions of
// fields costs no more than its text.
inline constexpr std::size_t maxLookupFields = 8;
using LookupRecord = std::vector<std::string>;
using Lookup = std::vector<LookupRecord>;

// The field at resultPosition of the first entry whose field at searchPosition equals key
// exactly, as a 16-bit whole number; 0 when none matches. Throws when that field is no number.
std::int16_t LookupIndex(const Lookup& lookup, std::string_view key, std::int16_t searchPosition,
                         std::int16_t resultPosition);

// The field at resultPosition of the first entry whose field at searchPosition reads as the
// number key; the empty text when none matches. A searched field that is no number throws.
std::string LookupText(const Lookup& lookup, std::int16_t key, std::int16_t searchPosition,
                       std::int16_t resultPosition);

}  // namespace xkr
