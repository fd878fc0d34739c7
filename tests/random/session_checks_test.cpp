#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RowName.h"
#include "random/ExportCheck.h"
#include "random/HostScript.h"

namespace xkr::session {
namespace {

struct CutCase {
    const char* name;
    std::vector<std::string_view> separators;
    bool clean;
};

class SeparatorsCutCleanly : public testing::TestWithParam<CutCase> {};

TEST_P(SeparatorsCutCleanly, Decides) {
    EXPECT_EQ(separatorsCutCleanly(GetParam().separators), GetParam().clean);
}

// A separator that can overlap itself or another ("aa", "ab" then "ba") lets a field end
// form a separator early; if these passed, the export checks would report false faults.
INSTANTIATE_TEST_SUITE_P(Rules, SeparatorsCutCleanly,
                         testing::Values(CutCase{"Distinct", {"|", "~", "^"}, true},
                                         CutCase{"MultiCharacter", {"<>", "\r\n", "#"}, true},
                                         CutCase{"Empty", {"|", "", "^"}, false},
                                         CutCase{"Same", {"|", "|", "^"}, false},
                                         CutCase{"OneInsideAnother", {"|", "~|~", "^"}, false},
                                         CutCase{"OverlapsItself", {"aa", "~", "^"}, false},
                                         CutCase{"OverlapsAnother", {"ab", "ba", "^"}, false},
                                         CutCase{"Utf8", {"\xC2\xA7", "\xE2\x82\xAC", "^"}, true}),
                         test::RowName());

RowValues changedRow(const std::string& id) {
    RowValues row;
    row[fVendorPayToID] = id;
    row[fPayToName] = "Main";
    row[fIsUpdated] = "N";
    return row;
}

struct ShapeCase {
    const char* name;
    std::string exported;
    bool accepted;
};

class ExportShape : public testing::TestWithParam<ShapeCase> {};

// The checker itself must see the faults it is there to find.
TEST_P(ExportShape, Judges) {
    const Separators separators{"|", "~", "^"};
    const std::vector<RowValues> rows{changedRow("000-N"), RowValues{}, changedRow("7")};
    const std::string problem = checkExportShape(GetParam().exported, separators, rows);
    EXPECT_EQ(problem.empty(), GetParam().accepted) << problem;
}

const std::string kSixteenEmpty = "||||||||||||||||||";
INSTANTIATE_TEST_SUITE_P(
    Faults, ExportShape,
    testing::Values(
        ShapeCase{"Sound", "000-N|Main" + kSixteenEmpty + "~7|Main" + kSixteenEmpty + "~", true},
        ShapeCase{"NoFinalSeparator", "000-N|Main" + kSixteenEmpty + "~7|Main" + kSixteenEmpty,
                  false},
        ShapeCase{"NineteenFields", "000-N|Main" + kSixteenEmpty + "~7|Main|||||||||||||||||~",
                  false},
        ShapeCase{
            "UnchangedRowExported",
            "000-N|Main" + kSixteenEmpty + "~|" + kSixteenEmpty + "|~7|Main" + kSixteenEmpty + "~",
            false},
        ShapeCase{"RowsSwapped", "7|Main" + kSixteenEmpty + "~000-N|Main" + kSixteenEmpty + "~",
                  false}),
    test::RowName());

struct EscapeCase {
    const char* name;
    std::string input;
    std::string word;
    std::string text;
};

class ScriptEscapes : public testing::TestWithParam<EscapeCase> {};

// A word with a raw space would be cut into two arguments, and a raw line feed would end the
// script line: either makes the replay do something else than the failing session did.
TEST_P(ScriptEscapes, Writes) {
    EXPECT_EQ(escapeWord(GetParam().input), GetParam().word);
    EXPECT_EQ(escapeText(GetParam().input), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Bytes, ScriptEscapes,
                         testing::Values(EscapeCase{"Plain", "a|b", "a|b", "a|b"},
                                         EscapeCase{"Space", "a b", "a\\x20b", "a b"},
                                         EscapeCase{"TrailingSpace", "a ", "a\\x20", "a\\x20"},
                                         EscapeCase{"Backslash", "a\\b", "a\\\\b", "a\\\\b"},
                                         EscapeCase{"LineBreak", "\r\n", "\\x0D\\x0A",
                                                    "\\x0D\\x0A"},
                                         EscapeCase{"Utf8", "\xC3\xBC", "\\xC3\\xBC", "\\xC3\\xBC"},
                                         EscapeCase{"Empty", "", "", ""}),
                         test::RowName());

}  // namespace
}  // namespace xkr::session
