#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "OutputText.h"
#include "RowName.h"
#include "ScriptHost.h"
#include "ScriptLine.h"

namespace xkr::script {
namespace {

struct EscapeRow {
    const char* name;
    std::string raw;
    std::optional<std::string> decoded;  // nullopt: a script error
};

class DecodeEscapes : public testing::TestWithParam<EscapeRow> {};

TEST_P(DecodeEscapes, DecodesOrRefuses) {
    const EscapeRow& row = GetParam();
    if (row.decoded) {
        EXPECT_EQ(decodeEscapes(row.raw), *row.decoded);
    } else {
        EXPECT_THROW(decodeEscapes(row.raw), ScriptError);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, DecodeEscapes,
                         testing::Values(EscapeRow{"Plain", "a b|c", "a b|c"},
                                         EscapeRow{"Named", R"(\\\t\n\r)", "\\\t\n\r"},
                                         // \x00 must give one NUL byte, not end the text
                                         EscapeRow{"NulByte", R"(a\x00b)", std::string("a\0b", 3)},
                                         EscapeRow{"HexEitherCase", R"(\x7e\x7E\xC3\xA9)",
                                                   "~~\xC3\xA9"},
                                         // a decoded backslash must not start a second escape
                                         EscapeRow{"EscapedBackslashThenX", R"(\\x41)", "\\x41"},
                                         EscapeRow{"UnknownLetter", R"(\q)", std::nullopt},
                                         EscapeRow{"TrailingBackslash", "abc\\", std::nullopt},
                                         EscapeRow{"OneHexDigit", R"(\x4)", std::nullopt},
                                         EscapeRow{"NonHexDigit", R"(\x4G)", std::nullopt},
                                         EscapeRow{"UpperCaseNamed", R"(\N)", std::nullopt}),
                         test::RowName());

struct PrintRow {
    const char* name;
    std::string text;
    std::string printed;
};

class EscapeText : public testing::TestWithParam<PrintRow> {};

TEST_P(EscapeText, FollowsThePrintingRule) {
    EXPECT_EQ(escapeText(GetParam().text), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EscapeText,
    testing::Values(PrintRow{"Plain", "Main St 5", "Main St 5"},
                    PrintRow{"Reserved", "\\\"|", R"(\x5C\x22\x7C)"},
                    PrintRow{"ControlBytesUpperHex", std::string("\0\t\n\x1F\x7F", 5),
                             R"(\x00\x09\x0A\x1F\x7F)"},
                    // bytes of UTF-8 characters pass through; a signed char must not be
                    // taken for a control byte
                    PrintRow{"Utf8Unchanged", "M\xC3\xBCller \xFF", "M\xC3\xBCller \xFF"},
                    PrintRow{"SpaceAndTilde", " ~ ", " ~ "}),
    test::RowName());

TEST(ColourName, NamesTheTwoSystemColours) {
    EXPECT_EQ(colourName(0x80000005), "window");
    EXPECT_EQ(colourName(0x8000000F), "face");
    EXPECT_EQ(colourName(0x00FF00AB), "0x00FF00AB");
}

struct SplitRow {
    const char* name;
    std::string line;
    std::vector<std::string> words;  // read one after the other
    std::string text;                // then the rest of the line
};

class LineSplitting : public testing::TestWithParam<SplitRow> {};

TEST_P(LineSplitting, WordsThenRestOfLine) {
    const SplitRow& row = GetParam();
    LineArgs args(row.line);
    std::vector<std::string> words;
    for (std::size_t i = 0; i < row.words.size(); ++i) words.push_back(args.word("arg"));
    EXPECT_EQ(words, row.words);
    EXPECT_EQ(args.text(), row.text);
    EXPECT_NO_THROW(args.end());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LineSplitting,
    testing::Values(
        // two spaces delimit an empty argument: the table separator here
        SplitRow{"EmptyArgument", "load-text | ~  1|A~^x", {"|", "~", ""}, "1|A~^x"},
        SplitRow{"TextKeepsSpaces",
                 "pick cboContactType Net 30  -  30 days ",
                 {"cboContactType"},
                 "Net 30  -  30 days "},
        SplitRow{"EscapedSpaceStaysInWord", R"(click-entry a\x20b)", {"a b"}, ""},
        SplitRow{"EmptyTextAfterSpace", "type 0 ", {"0"}, ""},
        SplitRow{"NoTextAtAll", "type 0", {"0"}, ""}),
    test::RowName());

TEST(LineArgs, MissingWordAndLeftoverArgumentAreScriptErrors) {
    LineArgs missing("vendor 12");
    missing.word("ID");
    EXPECT_THROW(missing.word("MODE"), ScriptError);

    LineArgs leftover("export now");
    EXPECT_THROW(leftover.end(), ScriptError);
}

struct QuestionRow {
    const char* name;
    int style;
    std::vector<bool> queued;
    std::string printed;
    int button;
};

class MessageBoxes : public testing::TestWithParam<QuestionRow> {};

TEST_P(MessageBoxes, PrintAndAnswer) {
    const QuestionRow& row = GetParam();
    std::ostringstream out;
    MessageRecorder recorder(out);
    for (bool yes : row.queued) recorder.queueAnswer(yes);
    EXPECT_EQ(recorder.show("Text", "Title", row.style), row.button);
    EXPECT_EQ(out.str(), row.printed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MessageBoxes,
    testing::Values(
        QuestionRow{"InformationIsOk", 64, {}, "message(64): Title: Text\n", 1},
        // a message box must not use up an answer meant for the next question
        QuestionRow{"InformationKeepsQueue", 64, {false}, "message(64): Title: Text\n", 1},
        QuestionRow{"QuestionDefaultYes", 36, {}, "question(36): Title: Text -> yes\n", 6},
        QuestionRow{"QuestionQueuedNo", 36, {false, true}, "question(36): Title: Text -> no\n", 7},
        QuestionRow{"SecondButtonDefault", 36 + 256, {}, "question(292): Title: Text -> no\n", 7}),
    test::RowName());

TEST(MessageBoxes, AnswersAreUsedOnceInOrder) {
    std::ostringstream out;
    MessageRecorder recorder(out);
    recorder.queueAnswer(false);
    recorder.queueAnswer(true);
    EXPECT_EQ(recorder.show("Q", "T", 36), 7);
    EXPECT_EQ(recorder.show("Q", "T", 36), 6);
    EXPECT_EQ(recorder.show("Q", "T", 36), 6);
}

struct ScriptErrorRow {
    const char* name;
    std::string script;  // the failing line is always line 2; line 3 must not run
    std::string reason;
};

class ScriptErrors : public testing::TestWithParam<ScriptErrorRow> {};

TEST_P(ScriptErrors, StopAtTheLineWithStatusTwo) {
    const ScriptErrorRow& row = GetParam();
    std::ostringstream out;
    std::ostringstream err;
    ScriptHost host(out, ".");
    const int status = host.run("echo first\n" + row.script + "\necho never\n", err);
    EXPECT_EQ(status, exitScriptError);
    EXPECT_EQ(out.str(), "first\n");
    EXPECT_EQ(err.str(), "vendorpayto-script: line 2: " + row.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScriptErrors,
    testing::Values(
        ScriptErrorRow{"UnknownCommand", "jump 3", "unknown command jump"},
        // a leading space leaves the command word empty
        ScriptErrorRow{"IndentedCommand", " echo x", "unknown command "},
        ScriptErrorRow{"MissingMode", "vendor 12", "missing argument MODE"},
        ScriptErrorRow{"BadMode", "vendor 12 yes", "MODE must be true or false"},
        ScriptErrorRow{"VendorOutOfRange", "vendor 2147483648 true",
                       "vendor id out of the 32-bit range: 2147483648"},
        ScriptErrorRow{"VendorNotNumber", "vendor 12a true", "malformed vendor id: 12a"},
        ScriptErrorRow{"TooManyArguments", "show focus now", "unexpected argument after show"},
        ScriptErrorRow{"NoSuchTextBox", "type 11 x", "no control txtContact 11"},
        ScriptErrorRow{"NotAButton", "press lstContacts", "not a button: lstContacts"},
        ScriptErrorRow{"NotACombo", "pick ChkActive x", "not a combo: ChkActive"},
        ScriptErrorRow{"NotACheck", "click cmdAdd", "not a check box: cmdAdd"},
        ScriptErrorRow{"UnknownControl", "focus txtName", "not a control: txtName"},
        ScriptErrorRow{"RowNotNumber", "click-row two", "malformed row: two"},
        ScriptErrorRow{"IndexNotNumber", "pick-index cboContactType x",
                       "malformed item position: x"},
        ScriptErrorRow{"BadAnswer", "answer maybe", "answer must be yes or no"},
        ScriptErrorRow{"NothingToShow", "show everything", "nothing to show called everything"},
        ScriptErrorRow{"EscapeInArgument", R"(click-entry a\z)", R"(unknown escape \z)"},
        // a folder is not a readable data file
        ScriptErrorRow{"FolderAsFile", "load | ~ ^ .", "cannot read file ."}),
    test::RowName());

TEST(ScriptHost, CommentsAndBlankLinesCountAsLines) {
    std::ostringstream out;
    std::ostringstream err;
    ScriptHost host(out, ".");
    EXPECT_EQ(host.run("# comment\n\n   \n  # indented comment\nbad", err), exitScriptError);
    EXPECT_EQ(err.str(), "vendorpayto-script: line 5: unknown command bad\n");
}

TEST(ScriptHost, RecreateStartsAFreshControlLife) {
    std::ostringstream out;
    std::ostringstream err;
    ScriptHost host(out, ".");
    const std::string add =
        "press cmdAdd\ntype 0 N\ntype 1 S\ntype 3 C\npick cboContactCountry USA\n"
        "pick-index cboContactType 0\ntype 8 07\npress cmdAdd\nexport\n";
    const std::string load = "load-text | ~ ^ ^3|T|t~^10|1|IL|Illinois~\nvendor 1 true\n";
    ASSERT_EQ(host.run(load + add + "recreate\nexport\n" + load + add, err), exitOk) << err.str();
    const std::string exported =
        "export: 000-N\\x7CN\\x7C07\\x7CS\\x7C\\x7CC\\x7C1\\x7C10"
        "\\x7C\\x7C\\x7C\\x7C\\x7C\\x7C\\x7C-1\\x7C0\\x7C3\\x7C\\x7C"
        "\\x7C1~\n";
    // the second life numbers its first new entry 000-N again, and starts view-only
    EXPECT_EQ(out.str(), exported + "export: \n" + exported);
}

}  // namespace
}  // namespace xkr::script
