// The postal-code facts: the published examples fit their country and state, and wrong codes
// are found. How the editor asks about them and stores them is in the golden story.
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
    const char* typed;
    Finding finding;
};

// The published examples, each with a state whose prefixes it has; wrong codes after them.
const Row rows[] = {
    {"us", usa, "CA", "95014", Finding::Fits},
    {"us with four more digits", usa, "VA", "22162-1010", Finding::Fits},
    {"ca", canada, "QC", "H3Z 2Y7", Finding::Fits},
    {"ca 2", canada, "BC", "V8X 3X4", Finding::Fits},
    {"ca 3", canada, "AB", "T0L 1K0", Finding::Fits},
    {"ca in Ontario", canada, "ON", "K1A 0B1", Finding::Fits},
    {"ca in Quebec by a three-character prefix", canada, "QC", "K1A 0B1", Finding::Fits},
    // "14" inside the code is New York's prefix, but not at its start.
    {"us code of another state", usa, "NY", "95014", Finding::NotTheState},
    {"us four digits", usa, "CA", "9021", Finding::NotTheFormat},
    {"us four more digits cut short", usa, "CA", "95014-101", Finding::NotTheFormat},
    {"us letter O for a zero", usa, "CA", "95O14", Finding::NotTheFormat},
    {"us letter between the parts", usa, "CA", "95014X1010", Finding::NotTheFormat},
    {"us letter in the four more", usa, "CA", "95014-1O10", Finding::NotTheFormat},
    {"ca prefix of a neighbour", canada, "NU", "X1A 2P7", Finding::NotTheState},
    {"ca letter that no code starts with", canada, "ON", "D1A 1A1", Finding::NotTheFormat},
    {"ca two spaces", canada, "ON", "K1A  0B1", Finding::NotTheFormat},
};

TEST(PostalCodes, FindsCodesOfAnotherFormatOrState) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(postal::check(row.country, row.stateCode, "", row.typed).finding, row.finding);
    }
}

}  // namespace
}  // namespace xkr
