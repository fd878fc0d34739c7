#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "common/Error.h"
#include "common/Text.h"

namespace xkr::text {
namespace {

TEST(TextTrim, RemovesSpacesOnly) {
    struct Row {
        const char* name;
        std::string text;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"untouched", "abc", "abc"},
        {"both ends", "  a b  ", "a b"},
        {"inner spaces kept", "a  b", "a  b"},
        {"only spaces", "   ", ""},
        {"empty", "", ""},
        {"tab is not a space", "\ta\t", "\ta\t"},
        {"newline is not a space", " a\n", "a\n"},
        {"no-break space is not a space", "\xC2\xA0x ", "\xC2\xA0x"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(trim(row.text), row.expected) << row.name;
    }
}

TEST(TextToNumber, AcceptsOnlyWholeNumbers) {
    struct Row {
        const char* name;
        std::string text;
        std::optional<double> expected;
    };
    const std::vector<Row> rows = {
        {"integer", "42", 42},
        {"negative", "-7", -7},
        {"plus sign", "+5", 5},
        {"spaces around", "  12  ", 12},
        {"trailing point", "1.", 1},
        {"leading point", ".5", 0.5},
        {"exponent", "1e3", 1000},
        {"upper-case signed exponent", "2E-2", 0.02},
        {"zero", "0", 0},
        {"empty", "", std::nullopt},
        {"spaces only", "  ", std::nullopt},
        {"trailing sign", "5-", std::nullopt},
        {"lone sign", "-", std::nullopt},
        {"lone point", ".", std::nullopt},
        {"exponent without digits", "1e", std::nullopt},
        {"two signs", "+-5", std::nullopt},
        {"inner space", "1 2", std::nullopt},
        {"two points", "1.2.3", std::nullopt},
        {"decimal comma", "1,5", std::nullopt},
        {"hexadecimal", "0x10", std::nullopt},
        {"infinity word", "inf", std::nullopt},
        {"nan word", "nan", std::nullopt},
        {"tab is not trimmed", "\t5", std::nullopt},
        {"trailing letter", "12a", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(toNumber(row.text), row.expected) << row.name;
        EXPECT_EQ(isNumeric(row.text), row.expected.has_value()) << row.name;
    }
}

TEST(TextLeadingNumber, TakesTheLongestLeadingNumber) {
    struct Row {
        const char* name;
        std::string text;
        double expected;
    };
    const std::vector<Row> rows = {
        {"digits then letters", "12abc", 12},
        {"leading spaces", "   -3.5x", -3.5},
        {"no number", "abc", 0},
        {"empty", "", 0},
        {"spaces only", "   ", 0},
        {"exponent counts", "1e3x", 1000},
        {"incomplete exponent is not part of it", "1e", 1},
        {"second point ends it", "1.2.3", 1.2},
        {"leading point", ".5.", 0.5},
        {"signed point", "+.5", 0.5},
        {"lone sign", "-", 0},
        {"lone point", ".", 0},
        {"serial with trailing point", "7.", 7},
        {"number after a letter is not leading", "x12", 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(leadingNumber(row.text), row.expected) << row.name;
    }
}

// std::nullopt: the conversion must throw VendorPayToError.
template <typename Int>
struct IntRow {
    const char* name;
    std::string text;
    std::optional<Int> expected;
};

template <typename Int, typename Convert>
void checkConversions(const std::vector<IntRow<Int>>& rows, Convert convert) {
    for (const IntRow<Int>& row : rows) {
        if (row.expected) {
            try {
                EXPECT_EQ(convert(row.text), *row.expected) << row.name;
            } catch (const VendorPayToError& error) {
                ADD_FAILURE() << row.name << ": threw " << error.what();
            }
        } else {
            EXPECT_THROW(convert(row.text), VendorPayToError) << row.name;
        }
    }
}

TEST(TextToInt32, RoundsHalfToEvenAndRefusesOutOfRange) {
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    checkConversions<std::int32_t>(
        {
            {"half rounds down to even", "2.5", 2},
            {"half rounds up to even", "3.5", 4},
            {"negative half to zero", "-0.5", 0},
            {"positive half to zero", "0.5", 0},
            {"negative half to even", "-1.5", -2},
            {"below half", "2.4999", 2},
            {"maximum", "2147483647", max},
            {"minimum", "-2147483648", min},
            // Rounding to even lands inside the range here; a check before rounding refuses it.
            {"half below the minimum rounds into range", "-2147483648.5", min},
            {"half below the maximum", "2147483646.5", 2147483646},
            {"half above the maximum rounds out of range", "2147483647.5", std::nullopt},
            {"one above the maximum", "2147483648", std::nullopt},
            {"one below the minimum", "-2147483649", std::nullopt},
            {"exponent", "1e3", 1000},
            {"large exponent", "1e10", std::nullopt},
            {"spaces around", " 7 ", 7},
            {"empty", "", std::nullopt},
            {"spaces only", "  ", std::nullopt},
            {"letters", "abc", std::nullopt},
            {"trailing sign", "5-", std::nullopt},
        },
        [](std::string_view text) { return toInt32(text); });
}

TEST(TextToInt16, RoundsHalfToEvenAndRefusesOutOfRange) {
    checkConversions<std::int16_t>(
        {
            {"maximum", "32767", 32767},
            {"minimum", "-32768", -32768},
            {"half above the maximum overflows", "32767.5", std::nullopt},
            {"half below the maximum", "32766.5", 32766},
            {"half below the minimum rounds to it", "-32768.5", -32768},
            {"one above the maximum", "32768", std::nullopt},
            {"one below the minimum", "-32769", std::nullopt},
            // Wraps to a small number if the range is checked after a narrowing cast.
            {"beyond 16 bits", "65537", std::nullopt},
            {"half rounds down to even", "2.5", 2},
            {"half rounds up to even", "3.5", 4},
            {"negative half to zero", "-0.5", 0},
            {"trailing point", "1.", 1},
            {"leading point", ".5", 0},
            {"plus sign", "+5", 5},
            {"not a number", "x", std::nullopt},
            {"empty", "", std::nullopt},
        },
        [](std::string_view text) { return toInt16(text); });
}

TEST(TextRoundToInt, RefusesValuesWithoutAWholeNumber) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    // NaN fails every comparison, so a range check written as "value < min || value > max"
    // lets it through to an undefined cast.
    for (const double value : {nan, inf, -inf}) {
        EXPECT_THROW(roundToInt32(value), VendorPayToError) << value;
        EXPECT_THROW(roundToInt16(value), VendorPayToError) << value;
    }
    EXPECT_EQ(roundToInt32(-2.5), -2);
    EXPECT_EQ(roundToInt16(5.5), 6);
}

TEST(TextZeroPadded, PadsToAtLeastTheDigits) {
    struct Row {
        std::int64_t value;
        int digits;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {0, 3, "000"},     {7, 3, "007"},       {42, 3, "042"},  {999, 3, "999"},
        {1000, 3, "1000"}, {32767, 3, "32767"}, {-5, 3, "-005"}, {-1234, 3, "-1234"},
        {5, 1, "5"},       {5, 5, "00005"},     {0, 0, "0"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(zeroPadded(row.value, row.digits), row.expected)
            << row.value << " with " << row.digits << " digits";
    }
}

TEST(TextCharCount, CountsCodePointsAndEachInvalidByte) {
    struct Row {
        const char* name;
        std::string text;
        std::size_t expected;
    };
    const std::vector<Row> rows = {
        {"ascii", "abc", 3},
        {"empty", "", 0},
        {"two-byte letter", "M\xC3\xBCller", 6},
        {"three-byte euro", "\xE2\x82\xAC", 1},
        {"four-byte emoji", "\xF0\x9F\x98\x80", 1},
        {"highest code point", "\xF4\x8F\xBF\xBF", 1},
        {"embedded NUL", std::string("a\0b", 3), 3},
        {"lone continuation byte", "\x80", 1},
        {"invalid byte between letters",
         "a\xFF"
         "b",
         3},
        {"truncated two-byte at the end", "a\xC3", 2},
        {"truncated three-byte at the end", "\xE2\x82", 2},
        {"truncated four-byte at the end", "\xF0\x9F\x98", 3},
        {"truncated three-byte before a letter",
         "\xE2\x82"
         "A",
         3},
        {"overlong two-byte slash", "\xC0\xAF", 2},
        {"overlong three-byte slash", "\xE0\x80\xAF", 3},
        {"overlong four-byte slash", "\xF0\x80\x80\xAF", 4},
        {"UTF-16 surrogate", "\xED\xA0\x80", 3},
        {"above the highest code point", "\xF4\x90\x80\x80", 4},
        {"lead byte F5", "\xF5\x80\x80\x80", 4},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(charCount(row.text), row.expected) << row.name;
    }
}

TEST(TextLeftChars, NeverSplitsACharacter) {
    struct Row {
        const char* name;
        std::string text;
        std::size_t maxChars;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"two-byte letters", "M\xC3\xBCller", 3, "M\xC3\xBCl"},
        {"none", "abc", 0, ""},
        {"more than the text", "abc", 10, "abc"},
        {"empty", "", 3, ""},
        {"four-byte character whole", "\xF0\x9F\x98\x80x", 1, "\xF0\x9F\x98\x80"},
        {"invalid bytes one each", "\xE2\x82x", 1, "\xE2"},
        {"truncated sequence at the end", "a\xF0\x9F", 5, "a\xF0\x9F"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(leftChars(row.text, row.maxChars), row.expected) << row.name;
    }
}

TEST(TextShortestDecimal, ReadsBackAsTheSameValue) {
    struct Row {
        double value;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {7, "7"},
        {-5, "-5"},
        {0.1, "0.1"},
        {0.5, "0.5"},
        {836.4705882352941, "836.4705882352941"},
        {1.0 / 3, "0.3333333333333333"},
        {2147483647, "2147483647"},
        {-32768, "-32768"},
    };
    for (const Row& row : rows) {
        const std::string text = shortestDecimal(row.value);
        EXPECT_EQ(text, row.expected);
        EXPECT_EQ(toNumber(text), row.value) << text;
    }
}

}  // namespace
}  // namespace xkr::text
