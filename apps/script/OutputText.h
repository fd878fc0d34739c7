#pragma once

#include <string>
#include <string_view>

#include "view/Colours.h"

// How the host writes what it shows: one escaping rule for every printed text, and the fixed
// words for flags and colours.
namespace xkr::script {

// Control bytes, 0x7F, backslash, double quote and vertical bar become \xHH (upper-case hex),
// so that every printed item stays on one line and quoted texts and joined columns stay
// unambiguous.
std::string escapeText(std::string_view text);

// The text escaped and in double quotes.
std::string quoted(std::string_view text);

const char* yesNo(bool value);

// "window", "face", or 0x and eight upper-case hex digits.
std::string colourName(Colour colour);

}  // namespace xkr::script
