#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace xkr {

// How many bytes past the end of its text splitPaddedAt may read.
inline constexpr std::size_t paddedSplitOverread = 63;

// Splits at every occurrence of a one-byte separator, as splitAt does, testing 64 bytes at a
// time: the fields of a record are a few bytes long, and a search call per field costs more
// than the field. The paddedSplitOverread bytes after the text must be readable. Like splitAt,
// cuts at the first maxCuts occurrences at most, the last piece then being the rest of the text;
// the scan ends with the block that holds the first occurrence past them.
void splitPaddedAt(std::string_view text, char separator, std::vector<std::string_view>& pieces,
                   std::size_t maxCuts = SIZE_MAX);

}  // namespace xkr
