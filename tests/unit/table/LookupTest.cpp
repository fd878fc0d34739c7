#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/Error.h"
#include "table/Lookup.h"

namespace xkr {
namespace {

const Lookup lookup = {
    {"10", "A", "2.5"}, {"20", "B", "40000"}, {"30", "A", "x"}, {" 40 ", "C", "-7"}, {"50", "D"},
};

TEST(LookupIndex, FirstExactTextMatchGivesItsFieldAsANumber) {
    struct Row {
        const char* name;
        std::string key;
        std::int16_t search;
        std::int16_t result;
        std::optional<std::int16_t> expected;  // nullopt: throws
    };
    const std::vector<Row> rows = {
        {"first of two matches", "A", 1, 0, 10},
        {"later entry", "C", 1, 2, -7},
        {"result rounds half to even", "10", 0, 2, 2},
        {"no match", "Z", 1, 0, 0},
        {"case-sensitive", "a", 1, 0, 0},
        {"exact: spaces count", "40", 0, 1, 0},
        {"empty key", "", 1, 0, 0},
        {"result is not a number", "30", 0, 2, std::nullopt},
        {"result beyond 16 bits", "20", 0, 2, std::nullopt},
        // The fifth entry has two fields: reading its third must fail, not read past the end.
        {"result position missing in the matched entry", "D", 1, 2, std::nullopt},
        {"negative search position", "A", -1, 0, std::nullopt},
    };
    for (const Row& row : rows) {
        if (row.expected) {
            EXPECT_EQ(LookupIndex(lookup, row.key, row.search, row.result), *row.expected)
                << row.name;
        } else {
            EXPECT_THROW(LookupIndex(lookup, row.key, row.search, row.result), VendorPayToError)
                << row.name;
        }
    }
    EXPECT_EQ(LookupIndex({}, "A", 1, 0), 0) << "empty lookup";
}

TEST(LookupText, FirstNumericMatchGivesItsFieldAsText) {
    struct Row {
        const char* name;
        const Lookup& lookup;
        std::int16_t key;
        std::int16_t search;
        std::int16_t result;
        std::optional<std::string> expected;  // nullopt: throws
    };
    const Lookup equalNumbers = {{"1", "first"}, {"1.0", "second"}};
    const Lookup textBeforeMatch = {{"7", "x"}, {"n/a", "y"}, {"9", "z"}};
    const Lookup exponent = {{"2e1", "twenty"}};
    const Lookup empty;
    const std::vector<Row> rows = {
        {"plain match", lookup, 20, 0, 1, "B"},
        {"spaces around the number", lookup, 40, 0, 1, "C"},
        {"no match", lookup, 99, 0, 1, ""},
        {"first of two equal numbers", equalNumbers, 1, 0, 1, "first"},
        {"numeric, not textual", exponent, 20, 0, 1, "twenty"},
        {"search stops at the first match", textBeforeMatch, 7, 0, 1, "x"},
        {"a field that is no number fails", textBeforeMatch, 9, 0, 1, std::nullopt},
        {"searched field is no number", lookup, 1, 1, 0, std::nullopt},
        {"result position missing", lookup, 50, 0, 2, std::nullopt},
        {"empty lookup", empty, 1, 0, 1, ""},
    };
    for (const Row& row : rows) {
        if (row.expected) {
            EXPECT_EQ(LookupText(row.lookup, row.key, row.search, row.result), *row.expected)
                << row.name;
        } else {
            EXPECT_THROW(LookupText(row.lookup, row.key, row.search, row.result), VendorPayToError)
                << row.name;
        }
    }
}

}  // namespace
}  // namespace xkr
