// The postal-code facts: the published examples fit their country and state, wrong codes are
// found, and a Canadian code is stored in upper case with one space once it has the format.
#include <gtest/gtest.h>

#include "view/Layout.h"
#include "view/PostalCodes.h"

namespace xkr {
namespace {

using postal::Finding;
constexpr std::int32_t usa = layout::country::usa;
constexpr std::int32_t canada = layout::country::canada;

struct Row {
    const char* name;
    std::int32_t country;
    const char* stateCode;
    const char* stateName;
    const char* typed;
    Finding finding;
    const char* stored = nullptr;  // nullptr: the typed text, unchanged
};

// The published examples, each with a state whose prefixes it has; wrong codes after them.
const Row rows[] = {
    {"us", usa, "CA", "", "95014", Finding::Fits},
    {"us with four more digits", usa, "VA", "", "22162-1010", Finding::Fits},
    {"ca", canada, "QC", "", "H3Z 2Y7", Finding::Fits},
    {"ca 2", canada, "BC", "", "V8X 3X4", Finding::Fits},
    {"ca 3", canada, "AB", "", "T0L 1K0", Finding::Fits},
    {"ca in Ontario", canada, "ON", "", "K1A 0B1", Finding::Fits},
    {"ca in Quebec by a three-character prefix", canada, "QC", "", "K1A 0B1", Finding::Fits},
    {"ca lower case without the space", canada, "ON", "", " k1a0b1 ", Finding::Fits, "K1A 0B1"},
    {"us state known by its name", usa, "", "california", " 90210", Finding::Fits},
    {"us unknown state: format only", usa, "XX", "Atlantis", "00000", Finding::Fits},
    // "14" inside the code is New York's prefix, but not at its start.
    {"us code of another state", usa, "NY", "", "95014", Finding::NotTheState},
    {"us four digits", usa, "CA", "", "9021", Finding::NotTheFormat},
    {"us four more digits cut short", usa, "CA", "", "95014-101", Finding::NotTheFormat},
    {"ca prefix of a neighbour", canada, "NU", "", "X1A 2P7", Finding::NotTheState},
    {"ca code of another province", canada, "ON", "", "h3z2y7", Finding::NotTheState, "H3Z 2Y7"},
    {"ca letter that no code starts with", canada, "ON", "", "D1A 1A1", Finding::NotTheFormat},
    {"ca two spaces", canada, "ON", "", "K1A  0B1", Finding::NotTheFormat},
    {"ca wrong format and province: the format", canada, "QC", "", "m5v2t", Finding::NotTheFormat},
    {"others not checked", layout::country::others, "", "", "12", Finding::Fits},
    {"blank code not checked", usa, "CA", "", "  ", Finding::Fits},
};

TEST(PostalCodes, FindsWrongCodesAndStoresCanadianCodesInOneForm) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const postal::Verdict verdict =
            postal::check(row.country, row.stateCode, row.stateName, row.typed);
        EXPECT_EQ(verdict.finding, row.finding);
        EXPECT_EQ(verdict.stored, row.stored != nullptr ? row.stored : row.typed);
    }
}

}  // namespace
}  // namespace xkr
