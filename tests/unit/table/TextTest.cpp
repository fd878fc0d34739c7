#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "TableTestSupport.h"
#include "common/Text.h"

namespace xkr::text {
namespace {

using test::expectValueOrThrow;
constexpr std::nullopt_t none = std::nullopt;

// Each text: its value as a whole number (toNumber), and its longest leading number.
TEST(Text, NumberReading) {
    // clang-format off
    const std::vector<std::tuple<std::string, std::optional<double>, double>> rows = {
        {"42", 42, 42}, {"  -7  ", -7, -7}, {"+5", 5, 5}, {"1.", 1, 1}, {".5", 0.5, 0.5},
        {"2E-2", 0.02, 0.02}, {"", none, 0}, {"  ", none, 0}, {"-", none, 0}, {".", none, 0},
        {"1e", none, 1}, {"1.2.3", none, 1.2}, {"1 2", none, 1}, {"1,5", none, 1},
        {"0x10", none, 0}, {"inf", none, 0}, {"nan", none, 0}, {"\t5", none, 0},
        {"1e3x", none, 1000}, {"x12", none, 0}, {"+-5", none, 0}};
    // clang-format on
    for (const auto& [text, whole, leading] : rows) {
        EXPECT_EQ(toNumber(text), whole) << '"' << text << '"';
        EXPECT_EQ(isNumeric(text), whole.has_value()) << '"' << text << '"';
        EXPECT_EQ(leadingNumber(text), leading) << '"' << text << '"';
    }
}

// Rounding is half to even, and the range is checked after rounding, before any narrowing cast.
TEST(Text, WholeNumberConversions) {
    constexpr auto max32 = std::numeric_limits<std::int32_t>::max();
    constexpr auto min32 = std::numeric_limits<std::int32_t>::min();
    using Row = std::tuple<std::string, std::optional<std::int32_t>, std::optional<std::int16_t>>;
    // clang-format off
    const std::vector<Row> rows = {
        {"2.5", 2, 2}, {"3.5", 4, 4}, {"-0.5", 0, 0}, {"-1.5", -2, -2}, {" 7 ", 7, 7},
        {"1e3", 1000, 1000}, {"32767", 32767, 32767}, {"32767.5", 32768, none},
        {"-32768.5", -32768, -32768}, {"-32769", -32769, none},
        {"65537", 65537, none},  // wraps to 1 when narrowed before the check
        {"2147483647", max32, none}, {"-2147483648.5", min32, none},
        {"2147483647.5", none, none}, {"-2147483649", none, none}, {"1e10", none, none},
        {"", none, none}, {"5-", none, none}};
    // clang-format on
    for (const auto& [text, as32, as16] : rows) {
        expectValueOrThrow("32-bit " + text, as32, [&] { return toInt32(text); });
        expectValueOrThrow("16-bit " + text, as16, [&] { return toInt16(text); });
    }
    // NaN fails every comparison, so a range check of the form "v < min || v > max" passes it.
    for (const double value :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_THROW(roundToInt32(value), VendorPayToError) << value;
        EXPECT_THROW(roundToInt16(-value), VendorPayToError) << value;
    }
}

TEST(Text, NumberFormatting) {
    EXPECT_EQ(zeroPadded(7) + zeroPadded(1000) + zeroPadded(-5), "0071000-005");
    EXPECT_EQ(zeroPadded(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(zeroPadded(5, -1), "5");
    for (const double value : {-5.0, 0.1, 836.4705882352941, 1.0 / 3}) {
        EXPECT_EQ(toNumber(shortestDecimal(value)), value) << shortestDecimal(value);
    }
    EXPECT_EQ(shortestDecimal(7) + shortestDecimal(0.1), "70.1");
}

// Widths count characters: a valid sequence is one, each byte of an invalid one is one.
TEST(Text, CharacterCounting) {
    const std::vector<std::tuple<const char*, std::string, std::size_t, std::string>> rows = {
        {"two-byte letter", "M\xC3\xBCller", 6, "M\xC3\xBC"},
        {"four-byte emoji", "\xF0\x9F\x98\x80x", 2, "\xF0\x9F\x98\x80x"},
        {"embedded NUL", std::string("a\0b", 3), 3, std::string("a\0", 2)},
        {"lone continuation byte", "\x80", 1, "\x80"},
        {"truncated sequence", "\xE2\x82!", 3, "\xE2\x82"},
        {"overlong slash", "\xC0\xAF", 2, "\xC0\xAF"},
        {"overlong three-byte slash", "\xE0\x80\xAF", 3, "\xE0\x80"},
        {"truncated four-byte at the end", "\xF0\x9F\x98", 3, "\xF0\x9F"},
        {"lead byte F5", "\xF5\x80\x80\x80", 4, "\xF5\x80"},
        {"UTF-16 surrogate", "\xED\xA0\x80", 3, "\xED\xA0"},
        {"above the highest code point", "\xF4\x90\x80\x80", 4, "\xF4\x90"},
        {"highest code point", "\xF4\x8F\xBF\xBF", 1, "\xF4\x8F\xBF\xBF"},
        {"empty", "", 0, ""}};
    for (const auto& [name, text, count, firstTwo] : rows) {
        EXPECT_EQ(charCount(text), count) << name;
        EXPECT_EQ(leftChars(text, 2), firstTwo) << name;
    }
}

}  // namespace
}  // namespace xkr::text
