#include "common/Text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "common/Error.h"

namespace xkr::text {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number that starts at text[pos] (sign, digits, point, exponent), 0 if none.
// Only complete parts count: "1e" is the number 1 followed by "e".
std::size_t numberLength(std::string_view text, std::size_t pos) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t expStart = j;
        while (j < text.size() && isDigit(text[j])) ++j;
        if (j > expStart)
            i = j;
    }
    return i - pos;
}

std::optional<double> parseNumber(std::string_view number) {
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return negative ? -value : value;
}

// Length of the valid UTF-8 sequence at text[pos], or 1 for a byte that starts none.
std::size_t sequenceLength(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 1;
    }
    if (pos + length > text.size())
        return 1;
    if (byte(pos + 1) < low || byte(pos + 1) > high)
        return 1;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF)
            return 1;
    }
    return length;
}

template <typename Int>
Int roundChecked(double value) {
    const double rounded = std::nearbyint(value);  // the default rounding mode ties to even
    if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
          rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
        throw VendorPayToError("number out of range: " + shortestDecimal(value));
    }
    return static_cast<Int>(rounded);
}

template <typename Int>
Int convertChecked(std::string_view text) {
    const auto value = toNumber(text);
    if (!value)
        throw VendorPayToError("not a number: \"" + std::string(text) + "\"");
    return roundChecked<Int>(*value);
}

}  // namespace

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<double> toNumber(std::string_view text) {
    const std::string_view body = trim(text);
    if (body.empty() || numberLength(body, 0) != body.size())
        return std::nullopt;
    return parseNumber(body);
}

bool isNumeric(std::string_view text) {
    return toNumber(text).has_value();
}

double leadingNumber(std::string_view text) {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return 0;
    const std::size_t length = numberLength(text, start);
    if (length == 0)
        return 0;
    return parseNumber(text.substr(start, length)).value_or(0);
}

std::int32_t toInt32(std::string_view text) {
    return convertChecked<std::int32_t>(text);
}
std::int16_t toInt16(std::string_view text) {
    return convertChecked<std::int16_t>(text);
}
std::int32_t roundToInt32(double value) {
    return roundChecked<std::int32_t>(value);
}
std::int16_t roundToInt16(double value) {
    return roundChecked<std::int16_t>(value);
}

std::string shortestDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string zeroPadded(std::int64_t value, int digits) {
    // The magnitude is taken unsigned: negating the lowest value would overflow.
    const auto magnitudeValue =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string magnitude = std::to_string(magnitudeValue);
    digits = std::max(digits, 0);
    if (magnitude.size() < static_cast<std::size_t>(digits)) {
        magnitude.insert(0, static_cast<std::size_t>(digits) - magnitude.size(), '0');
    }
    return value < 0 ? "-" + magnitude : magnitude;
}

std::size_t charCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += sequenceLength(text, pos)) ++count;
    return count;
}

std::string_view leftChars(std::string_view text, std::size_t maxChars) {
    std::size_t pos = 0;
    for (std::size_t count = 0; pos < text.size() && count < maxChars; ++count) {
        pos += sequenceLength(text, pos);
    }
    return text.substr(0, pos);
}

std::string concat(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (std::string_view piece : pieces) size += piece.size();
    std::string text;
    text.reserve(size);
    for (std::string_view piece : pieces) text += piece;
    return text;
}

}  // namespace xkr::text
