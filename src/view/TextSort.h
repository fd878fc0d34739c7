#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// How the list orders texts: case-insensitively (ASCII letters folded), byte by byte otherwise,
// and stably. Orders are positions into the keys.
namespace xkr {

// Negative, zero or positive as `a` sorts before, with or after `b`; the bytes before `from`
// are known to be equal.
int compareText(std::string_view a, std::string_view b, std::size_t from = 0);

// The stable order of the keys, ascending or descending; nothing when they are in that order
// already.
std::optional<std::vector<std::size_t>> stableTextOrder(const std::vector<std::string_view>& keys,
                                                        bool descending);

// Keys sorted one way put into the stable order of the other way.
std::vector<std::size_t> reversedTextOrder(const std::vector<std::string_view>& keys);

}  // namespace xkr
