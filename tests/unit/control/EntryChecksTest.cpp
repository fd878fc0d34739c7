#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "view/UserActions.h"

namespace xkr::test {
namespace {

using user::Outcome;

const char* const numbersOnly = "Field Serial # can accept only numbers !";
const char* const range = "Only numbers in range [01 - 09] and [20 - 99] please !";

class EntryChecksTest : public ControlTest {
protected:
    void startAdd() {
        load(standardData());
        ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
        messages.clear();
    }
    Control* focused() { return form().focus.focused(); }
    void expectOnlyRefusal(const std::string& text) {
        ASSERT_EQ(messages.shown().size(), 1u) << "one box per refusal";
        EXPECT_EQ(messages.shown()[0].text, text);
        EXPECT_EQ(messages.shown()[0].title, "Information Required");
        EXPECT_EQ(messages.shown()[0].style, 64);
    }
};

struct RequiredStep {
    const char* fix;  // what the user does before pressing Save
    const char* message;
    const char* focusName;
    int focusIndex;
};

TEST_F(EntryChecksTest, RequiredFieldsAreReportedOneAtATimeInOrder) {
    startAdd();
    const std::vector<RequiredStep> steps{
        {"nothing", "Contact Name has not been provided.", "txtContact", 0},
        {"name of spaces", "Contact Name has not been provided.", "txtContact", 0},
        {"name", "Contact Street 1 has not been provided.", "txtContact", 1},
        {"street1", "Contact City has not been provided.", "txtContact", 3},
        {"city", "Contact Country has not been provided.", "cboContactCountry", -1},
        {"country without states", "Contact State has not been provided.", "cboContactState", -1},
        {"country with states", "Vendor Term has not been provided.", "cboContactType", -1},
        {"term", "Serial Number has not been provided.", "txtContact", 8},
    };
    EditorForm& f = form();
    for (const RequiredStep& step : steps) {
        const std::string fix = step.fix;
        Outcome done = Outcome::Done;
        if (fix == "name of spaces")
            done = user::type(box(0), "   ");
        if (fix == "name")
            done = user::type(box(0), "Name");
        if (fix == "street1")
            done = user::type(box(1), "Street");
        if (fix == "city")
            done = user::type(box(3), "City");
        if (fix == "country without states")
            done = user::pick(f.cboContactCountry, 0);
        if (fix == "country with states")
            done = user::pick(f.cboContactCountry, 2);
        if (fix == "term")
            done = user::pick(f.cboContactType, 0);
        ASSERT_EQ(done, Outcome::Done) << step.fix;
        messages.clear();
        ASSERT_EQ(user::press(f.cmdAdd), Outcome::Done) << step.fix;
        expectOnlyRefusal(step.message);
        EXPECT_EQ(focused(), f.findControl(step.focusName, step.focusIndex)) << step.fix;
        EXPECT_EQ(f.cmdAdd.caption(), "Save");
    }
    ASSERT_EQ(user::type(box(8), "30"), Outcome::Done);
    messages.clear();
    ASSERT_EQ(user::press(f.cmdAdd), Outcome::Done);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(f.cmdAdd.caption(), "Add");
    EXPECT_EQ(list().itemCount(), 4u);
}

struct SerialRow {
    const char* name;
    std::string typed;
    const char* message;  // nullptr: accepted
    std::string stored;   // the box's text afterwards
};

class SerialRuleTest : public EntryChecksTest, public ::testing::WithParamInterface<SerialRow> {};

TEST_P(SerialRuleTest, LeavingTheSerialBox) {
    const SerialRow& row = GetParam();
    startAdd();
    ASSERT_EQ(user::type(box(8), row.typed), Outcome::Done);
    const Outcome moved = user::moveFocus(box(0));
    EXPECT_EQ(box(8).text(), row.stored);
    if (row.message == nullptr) {
        EXPECT_EQ(moved, Outcome::Done);
        EXPECT_TRUE(messages.shown().empty());
        EXPECT_TRUE(box(0).hasFocus());
    } else {
        EXPECT_EQ(moved, Outcome::Cancelled);
        expectOnlyRefusal(row.message);
        EXPECT_TRUE(box(8).hasFocus());
        EXPECT_EQ(box(8).selStart(), 0u);
        EXPECT_EQ(box(8).selLength(), row.stored.size()) << "the whole serial is selected";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Serials, SerialRuleTest,
    ::testing::Values(
        SerialRow{"OneDigitIsPadded", "5", nullptr, "05"},
        SerialRow{"ZeroFive", "05", nullptr, "05"}, SerialRow{"Nine", "09", nullptr, "09"},
        SerialRow{"Twenty", "20", nullptr, "20"}, SerialRow{"NinetyNine", "99", nullptr, "99"},
        // The box admits two characters: " 7 " arrives as " 7", trimmed and padded.
        SerialRow{"SpacedSeven", " 7 ", nullptr, "07"}, SerialRow{"Zero", "0", range, "0"},
        SerialRow{"DoubleZero", "00", range, "00"}, SerialRow{"Ten", "10", range, "10"},
        SerialRow{"Fifteen", "15", range, "15"}, SerialRow{"Nineteen", "19", range, "19"},
        SerialRow{"Letters", "ab", numbersOnly, "ab"}, SerialRow{"Empty", "", numbersOnly, ""},
        SerialRow{"Spaces", "  ", numbersOnly, "  "}),
    RowName());

TEST_F(EntryChecksTest, AButtonPressedAfterARefusedSerialDoesNotRun) {
    startAdd();
    typeEntry("New", "15");
    messages.clear();
    EXPECT_EQ(user::press(form().cmdAdd), Outcome::Cancelled);
    expectOnlyRefusal(range);
    EXPECT_EQ(form().cmdAdd.caption(), "Save");
    EXPECT_EQ(list().itemCount(), 3u);
    EXPECT_EQ(user::press(form().cmdEdit), Outcome::Cancelled) << "Cancel is refused alike";
    EXPECT_EQ(form().cmdEdit.caption(), "Cancel");
    EXPECT_EQ(box(0).text(), "New");
}

struct DuplicateRow {
    const char* name;
    std::string listedSerial;
    std::string typed;
    bool refused;
};

class DuplicateSerialTest : public EntryChecksTest,
                            public ::testing::WithParamInterface<DuplicateRow> {};

TEST_P(DuplicateSerialTest, ComparedAsTextAfterPadding) {
    const DuplicateRow& row = GetParam();
    load(ContactData().add(entry("1", "Listed", row.listedSerial)).standardLookups());
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    typeEntry("New", row.typed);
    messages.clear();
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    if (row.refused) {
        expectOnlyRefusal("Serial number already exists !");
        EXPECT_TRUE(box(8).hasFocus());
        EXPECT_EQ(box(8).selLength(), 2u);
        EXPECT_EQ(list().itemCount(), 1u);
    } else {
        EXPECT_TRUE(messages.shown().empty());
        EXPECT_EQ(list().itemCount(), 2u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Serials, DuplicateSerialTest,
    ::testing::Values(DuplicateRow{"SameText", "30", "30", true},
                      // "5" becomes "05" when the focus leaves the box, before Save runs.
                      DuplicateRow{"TypedFiveMeetsListedZeroFive", "05", "5", true},
                      DuplicateRow{"ListedFiveIsNotZeroFive", "5", "5", false},
                      DuplicateRow{"Different", "30", "31", false}),
    RowName());

TEST_F(EntryChecksTest, EditModeDoesNotCheckForDuplicates) {
    load(standardData());
    clickId("456");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    messages.clear();
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(form().cmdAdd.caption(), "Add");
}

TEST_F(EntryChecksTest, PrimaryInAddModeMovesTheMarkOnlyInTheList) {
    startAdd();
    ASSERT_EQ(user::click(form().ChkActive), Outcome::Done);
    ASSERT_EQ(form().ChkActive.value(), 0);
    ASSERT_EQ(user::click(form().ChkDefault), Outcome::Done);
    EXPECT_EQ(form().ChkActive.value(), 1) << "a primary entry is active";
    EXPECT_EQ(column("123", 15), "0") << "the old primary loses its mark at once";
    typeEntry("New primary", "30");
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    EXPECT_EQ(column("000-N", 15), "-1");
    EXPECT_EQ(control.ChangedDefault(), "000-N");
    // The old primary's row keeps its value and is not marked for export.
    const auto records = exported();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][fDefaultPayTo], "-1");
    EXPECT_EQ(records[0][fActive], "-1");
}

TEST_F(EntryChecksTest, CheckingAndUncheckingPrimaryInAddModeLeavesNoPrimary) {
    startAdd();
    ASSERT_EQ(user::click(form().ChkDefault), Outcome::Done);
    ASSERT_EQ(user::click(form().ChkDefault), Outcome::Done);
    typeEntry("New", "30");
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    for (const std::string& id : listIds()) EXPECT_EQ(column(id, 15), "0") << id;
    EXPECT_EQ(control.ChangedDefault(), "");
}

TEST_F(EntryChecksTest, PrimaryInEditModeMarksTheEditedEntryAtOnceAndSurvivesCancel) {
    load(standardData());
    clickId("007");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    ASSERT_EQ(form().ChkActive.value(), 0);
    ASSERT_EQ(user::click(form().ChkDefault), Outcome::Done);
    EXPECT_EQ(column("007", 15), "-1");
    EXPECT_EQ(column("123", 15), "0");
    EXPECT_EQ(form().ChkActive.value(), 1);
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);  // Cancel
    EXPECT_EQ(column("007", 15), "-1");
    EXPECT_EQ(column("123", 15), "0");
    EXPECT_EQ(control.ChangedDefault(), "007");
    EXPECT_EQ(control.GetContactAddress(), "") << "the table was not touched";
}

TEST_F(EntryChecksTest, UpdateWithoutAnyPrimaryIsRefusedUntilItIsCheckedAgain) {
    load(standardData());
    clickId("123");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    ASSERT_EQ(user::click(form().ChkDefault), Outcome::Done);
    EXPECT_EQ(column("123", 15), "0");
    messages.clear();
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    expectOnlyRefusal("At least one Pay-To entry must be assigned as Primary !");
    EXPECT_EQ(form().cmdAdd.caption(), "Update");
    EXPECT_EQ(control.GetContactAddress(), "");

    ASSERT_EQ(user::click(form().ChkDefault), Outcome::Done);
    messages.clear();
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(form().cmdAdd.caption(), "Add");
    EXPECT_EQ(control.ChangedDefault(), "123");
}

struct ActiveRow {
    const char* name;
    std::string id;
    bool kept;
};

class ActiveRuleTest : public EntryChecksTest, public ::testing::WithParamInterface<ActiveRow> {};

TEST_P(ActiveRuleTest, APrimaryEntryStaysActive) {
    load(standardData());
    clickId(GetParam().id);
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    ASSERT_EQ(form().ChkActive.value(), 1);
    ASSERT_EQ(user::click(form().ChkActive), Outcome::Done);
    ASSERT_EQ(form().ChkActive.value(), 0);
    messages.clear();
    const Outcome moved = user::moveFocus(box(0));
    EXPECT_TRUE(messages.shown().empty()) << "the rule shows no message";
    if (GetParam().kept) {
        EXPECT_EQ(moved, Outcome::Cancelled);
        EXPECT_EQ(form().ChkActive.value(), 1);
        EXPECT_TRUE(form().ChkActive.hasFocus());
    } else {
        EXPECT_EQ(moved, Outcome::Done);
        EXPECT_EQ(form().ChkActive.value(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, ActiveRuleTest,
                         ::testing::Values(ActiveRow{"Primary", "123", true},
                                           ActiveRow{"NotPrimary", "456", false}),
                         RowName());

struct StorableRow {
    const char* name;
    std::vector<std::pair<int, std::string>> boxes;  // overrides after a complete entry
    int termIndex;
    const char* message;  // nullptr: saved
    const char* focusName;
    int focusIndex;
};

class StorableValuesTest : public EntryChecksTest,
                           public ::testing::WithParamInterface<StorableRow> {};

// Values that would break the saved row or the exported text are refused before anything is
// written, with the usual refusal box and the focus on the field.
TEST_P(StorableValuesTest, RefusedBeforeTheSave) {
    const StorableRow& row = GetParam();
    load(standardData()
             .term({"10000", "Too", "big"})
             .term({"-1000", "Too", "small"})
             .term({"9999", "Largest", "fits"})
             .term({"-999", "Smallest", "fits"}));
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    typeEntry("New", "30");
    for (const auto& [index, text] : row.boxes)
        ASSERT_EQ(user::type(box(index), text), Outcome::Done);
    ASSERT_EQ(user::pick(form().cboContactType, row.termIndex), Outcome::Done);
    messages.clear();
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    if (row.message == nullptr) {
        EXPECT_TRUE(messages.shown().empty());
        EXPECT_EQ(list().itemCount(), 4u);
        return;
    }
    expectOnlyRefusal(row.message);
    EXPECT_EQ(focused(), form().findControl(row.focusName, row.focusIndex));
    EXPECT_EQ(form().cmdAdd.caption(), "Save");
    EXPECT_EQ(list().itemCount(), 3u);
    EXPECT_EQ(control.table().recordCount(), 3u);
    EXPECT_EQ(control.GetContactAddress(), "");
}

const std::string fifty(50, 'n');
const char* const longName = "Contact Name cannot be longer than 50 characters.";
const char* const badTerm = "Vendor Term cannot be stored for this entry.";

INSTANTIATE_TEST_SUITE_P(
    Values, StorableValuesTest,
    ::testing::Values(
        StorableRow{"NameOfFifty", {{0, fifty}}, 1, nullptr, "", -1},
        StorableRow{"NameOfFiftyOne", {{0, fifty + "n"}}, 1, longName, "txtContact", 0},
        StorableRow{"NameWithSpacesCounted", {{0, " " + fifty}}, 1, longName, "txtContact", 0},
        StorableRow{"RequiredFieldsFirst",
                    {{0, fifty + "n"}, {3, ""}},
                    1,
                    "Contact City has not been provided.",
                    "txtContact",
                    3},
        StorableRow{"LengthBeforeSeparator", {{0, fifty + "|"}}, 1, longName, "txtContact", 0},
        StorableRow{"FieldSeparatorInName",
                    {{0, "a|b"}},
                    1,
                    "Field Name contains a reserved separator.",
                    "txtContact",
                    0},
        StorableRow{"RecordSeparatorInPhone",
                    {{5, "555;1"}},
                    1,
                    "Field Phone contains a reserved separator.",
                    "txtContact",
                    5},
        StorableRow{"TableSeparatorInCell",
                    {{10, "#1"}},
                    1,
                    "Field Cell contains a reserved separator.",
                    "txtContact",
                    10},
        StorableRow{"SeparatorInEmail",
                    {{7, "a|b@x"}},
                    1,
                    "Field E-Mail contains a reserved separator.",
                    "txtContact",
                    7},
        StorableRow{"SeparatorInPostalCode",
                    {{4, "A;1"}},
                    1,
                    "Field Postal Code contains a reserved separator.",
                    "txtContact",
                    4},
        StorableRow{"LowestBoxFirst",
                    {{9, "x|"}, {2, "y|"}},
                    1,
                    "Field Street2 contains a reserved separator.",
                    "txtContact",
                    2},
        StorableRow{"SeparatorBeforeTerm",
                    {{6, "#"}},
                    2,
                    "Field FAX contains a reserved separator.",
                    "txtContact",
                    6},
        StorableRow{"TermAboveRange", {}, 2, badTerm, "cboContactType", -1},
        StorableRow{"TermBelowRange", {}, 3, badTerm, "cboContactType", -1},
        StorableRow{"TermAtTop", {}, 4, nullptr, "", -1},
        StorableRow{"TermAtBottom", {}, 5, nullptr, "", -1}),
    RowName());

}  // namespace
}  // namespace xkr::test
