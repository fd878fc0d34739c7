#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "TableTestSupport.h"

namespace xkr {
namespace {

using test::expectValueOrThrow;

// LookupIndex matches the key as exact text, LookupText as a number. Both take the first match,
// and a field that is missing, or no number where one is needed, throws.
TEST(Lookup, FirstMatchGivesItsField) {
    const Lookup lookup = {{"10", "A", "2.5"},
                           {"2e1", "B", "40000"},
                           {"30", "A", "x"},
                           {" 40 ", "C", "-7"},
                           {"50", "D"}};
    using Index = std::optional<std::int16_t>;
    const std::vector<std::tuple<const char*, std::string, std::int16_t, std::int16_t, Index>>
        indexRows = {{"first of two matches", "A", 1, 0, 10},
                     {"result rounds half to even", "10", 0, 2, 2},
                     {"no match", "a", 1, 0, 0},
                     {"spaces count", "40", 0, 1, 0},
                     {"result is no number", "30", 0, 2, std::nullopt},
                     {"result beyond 16 bits", "2e1", 0, 2, std::nullopt},
                     {"result position missing", "D", 1, 2, std::nullopt},
                     {"negative search position", "A", -1, 0, std::nullopt}};
    for (const auto& [name, key, search, result, expected] : indexRows) {
        expectValueOrThrow(name, expected,
                           [&] { return LookupIndex(lookup, key, search, result); });
    }
    using Text = std::optional<std::string>;
    const std::vector<std::tuple<const char*, std::int16_t, std::int16_t, std::int16_t, Text>>
        textRows = {{"spaces around the number", 40, 0, 1, "C"},
                    {"numeric, not textual", 20, 0, 1, "B"},
                    {"no match", 99, 0, 1, ""},
                    {"searched field is no number", 1, 1, 0, std::nullopt},
                    {"result position missing", 50, 0, 2, std::nullopt}};
    for (const auto& [name, key, search, result, expected] : textRows) {
        expectValueOrThrow(name, expected, [&] { return LookupText(lookup, key, search, result); });
    }
    const Lookup textBeforeMatch = {{"7", "x"}, {"n/a", "y"}, {"9", "z"}};
    EXPECT_EQ(LookupText(textBeforeMatch, 7, 0, 1), "x") << "the search stops at the first match";
    EXPECT_THROW(LookupText(textBeforeMatch, 9, 0, 1), VendorPayToError);
}

}  // namespace
}  // namespace xkr
