// How the separator message spells a separator, and the one-pass filling of parts.
#include <gtest/gtest.h>

#include "view/TextTable.h"

namespace xkr {
namespace {

struct Row {
    const char* separator;
    const char* spelled;
};

const Row rows[] = {
    {"|", "“|”"},
    {"%%", "“%%”"},
    {" ", "a space"},
    {"\t", "a tab"},
    {"\n", "a line break"},
    {"\r\n", "a line break"},
    {"\r", "a line break"},
    {"\x01", "the control character U+0001"},
    {"%%\n", "“%%” followed by a line break"},
    {"a b", "“a” followed by a space followed by “b”"},
    {"\n\n", "a line break followed by a line break"},
};

TEST(TextTable, SeparatorsAreSpelledSoAPersonCanReadThem) {
    for (const Row& row : rows) EXPECT_EQ(texts::separatorText(row.separator), row.spelled);
}

TEST(TextTable, APartThatLooksLikeAPlaceholderStaysAsTyped) {
    EXPECT_EQ(texts::compose(texts::Id::postalNotOfState, {"%2", "Ohio"}),
              "Postal Code %2 is not a postal code of Ohio. Store it anyway?");
}

}  // namespace
}  // namespace xkr
