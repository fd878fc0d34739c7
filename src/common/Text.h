#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Text and number conversions shared by every layer. Texts are UTF-8; "spaces" means U+0020.
namespace xkr::text {

// Removes leading and trailing spaces (U+0020 only).
std::string_view trim(std::string_view text);

// The value of a text that reads as a number as a whole: optional spaces, an optional sign,
// digits with at most one decimal point (at least one digit), an optional exponent, optional
// spaces. Anything else, the empty text and a text of spaces included, is no number.
std::optional<double> toNumber(std::string_view text);
bool isNumeric(std::string_view text);

// The number formed by the longest leading part of the text that reads as a decimal number
// (after leading spaces); 0 when the text starts with none.
double leadingNumber(std::string_view text);

// Whole-number conversions: round half to even; a text that is no number, or a value out of
// range, throws VendorPayToError.
std::int32_t toInt32(std::string_view text);
std::int16_t toInt16(std::string_view text);
std::int32_t roundToInt32(double value);
std::int16_t roundToInt16(double value);

// The shortest decimal text that reads back as the same double ("7", "-5", "836.4705882352941").
std::string shortestDecimal(double value);

// The number format "000": at least three digits, zero-padded, a minus sign before them.
std::string zeroPadded(std::int64_t value, int digits = 3);

// Number of characters (code points); each byte that is not part of a valid UTF-8 sequence
// counts as one character.
std::size_t charCount(std::string_view text);

// The first maxChars characters of the text, counted as charCount does.
std::string_view leftChars(std::string_view text, std::size_t maxChars);

// The pieces joined, in one allocation: for messages built where damaged input is common.
std::string concat(std::initializer_list<std::string_view> pieces);

}  // namespace xkr::text
