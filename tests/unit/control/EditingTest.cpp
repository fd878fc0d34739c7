#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "view/PayToEditor.h"
#include "view/UserActions.h"

namespace xkr::test {
namespace {

using user::Outcome;
using Ids = std::vector<std::string>;

struct ModeRow {
    const char* name;
    std::vector<std::string> steps;
    std::string addCaption;  // "Add", "Save" or "Update"
    std::string nameShown;
};

class ModeTableTest : public ControlTest, public ::testing::WithParamInterface<ModeRow> {};

// Starts from a selected added entry (Delete enabled) and a list sorted by name descending,
// so that every switch must reset the buttons and the sorting.
TEST_P(ModeTableTest, WhatEachSwitchLeavesBehind) {
    const ModeRow& row = GetParam();
    load(standardData());
    addEntry("Added", "30");
    clickId("000-N");
    ASSERT_EQ(user::clickHeader(list(), 2), Outcome::Done);
    ASSERT_EQ(user::clickHeader(list(), 2), Outcome::Done);
    perform(row.steps);

    const EditorForm& f = form();
    const bool browse = row.addCaption == "Add";
    EXPECT_EQ(f.cmdAdd.caption(), row.addCaption);
    EXPECT_EQ(f.cmdEdit.caption(), browse ? "Edit" : "Cancel");
    EXPECT_EQ(f.cmdEdit.enabled(), !browse);
    // Also in edit mode, where reloading the selected entry would otherwise enable it.
    EXPECT_FALSE(f.cmdDelete.enabled());
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(box(i).locked(), browse) << "box " << i;
        EXPECT_EQ(box(i).backColour(), browse ? buttonFace : windowBackground) << "box " << i;
    }
    EXPECT_EQ(box(0).text(), row.nameShown);
    EXPECT_EQ(box(8).enabled(), row.addCaption == "Save");
    EXPECT_EQ(f.ChkDefault.enabled(), !browse);
    EXPECT_EQ(f.cboContactType.backColour(), browse ? buttonFace : windowBackground);
    EXPECT_EQ(list().available(), browse);
    EXPECT_EQ(list().hideSelection(), browse);
    EXPECT_EQ(list().sortKey() * 10 + list().sortOrder(), 20) << "by serial, ascending";
    if (row.nameShown.empty()) {
        EXPECT_EQ(box(8).text(), "");
        EXPECT_EQ(f.ChkActive.value() * 10 + f.ChkDefault.value(), 10) << "Active, not Primary";
        EXPECT_EQ(f.cboContactCountry.listIndex() + f.cboContactType.listIndex(), -2);
        EXPECT_EQ(f.cboContactState.listCount(), 0);
    }
    EXPECT_EQ(control.ChangedDefault(), "") << "resetting Primary Pay To is no user change";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Switches, ModeTableTest, ::testing::Values(
    ModeRow{"Add", {"add"}, "Save", ""},
    ModeRow{"EditReloadsTheSelection", {"edit"}, "Update", "Added"},
    ModeRow{"CancelAdd", {"add", "type", "cancel"}, "Add", ""},
    ModeRow{"CancelEdit", {"edit", "type", "cancel"}, "Add", ""},
    ModeRow{"RefusedSaveKeepsTyping", {"add", "type", "save"}, "Save", "Typed"},
    // The entry keeps its own serial, which the list holds: a duplicate check refuses this.
    ModeRow{"UpdateIsNotCheckedForDuplicates", {"edit", "type", "update"}, "Add", ""}), RowName());
// clang-format on

const std::string fifty(50, 'n');
const char* const longName = "Contact Name cannot be longer than 50 characters.";
const char* const badTerm = "Vendor Term cannot be stored for this entry.";
const char* const duplicate = "Serial number already exists !";
const char* const numbersOnly = "Field Serial # can accept only numbers !";
const char* const range = "Only numbers in range [01 - 09] and [20 - 99] please !";
const char* const txt = "txtContact";

struct SaveRow {
    const char* name;
    std::map<int, std::string> boxes{};  // over the complete entry; "" leaves a box empty
    int country = 2;                     // item positions; -1: not picked
    int state = 1;
    int term = 1;
    const char* message = nullptr;  // nullptr: saved
    const char* focusName = "";
    int focusIndex = -1;
};

class SaveCheckTest : public ControlTest, public ::testing::WithParamInterface<SaveRow> {};

// One refusal box at a time, in the order the checks run, with the focus on the field; a
// refused save writes neither a list entry nor a row.
TEST_P(SaveCheckTest, RefusesOneFieldAtATimeAndWritesNothing) {
    const SaveRow& row = GetParam();
    load(contactText(standardEntries(), {{"3", "Net 30", "30 days"},
                                         {"7", "COD", "on delivery"},
                                         {"10000", "Too", "big"},
                                         {"-1000", "Too", "small"},
                                         {"9999", "Largest", "fits"},
                                         {"-999", "Smallest", "fits"}}));
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    std::map<int, std::string> boxes{{0, "New"}, {1, "9 Elm St"}, {3, "Montreal"}, {8, "30"}};
    for (const auto& [index, text] : row.boxes) boxes[index] = text;
    const std::string serial = boxes[8];
    boxes.erase(8);
    for (const auto& [index, text] : boxes) {
        if (!text.empty()) {
            ASSERT_EQ(user::type(box(index), text), Outcome::Done);
        }
    }
    const std::pair<ComboBox*, int> picks[] = {{&form().cboContactCountry, row.country},
                                               {&form().cboContactState, row.state},
                                               {&form().cboContactType, row.term}};
    for (const auto& [combo, index] : picks) {
        if (index >= 0) {
            ASSERT_EQ(user::pick(*combo, index), Outcome::Done);
        }
    }
    if (!serial.empty()) {  // typed last: the serial rule runs when Save takes the focus
        ASSERT_EQ(user::type(box(8), serial), Outcome::Done);
    }
    messages.clear();
    user::press(form().cmdAdd);

    if (row.message == nullptr) {
        EXPECT_EQ(messages.size(), 0u);
        ASSERT_EQ(exported().size(), 1u);
        const std::string saved = exported()[0][fPayToSerial];
        EXPECT_TRUE(saved.size() == 2 && std::isdigit(saved[0]) && std::isdigit(saved[1])) << saved;
        return;
    }
    EXPECT_EQ(messages, Fields{std::string("Information Required (64): ") + row.message});
    EXPECT_EQ(form().focus.focused(), form().findControl(row.focusName, row.focusIndex));
    if (row.focusIndex == 8) {
        EXPECT_EQ(box(8).selStart(), 0u);
        EXPECT_EQ(box(8).selLength(), box(8).text().size()) << "the whole serial is selected";
    }
    EXPECT_EQ(form().cmdAdd.caption(), "Save");
    EXPECT_EQ(list().itemCount(), 3u);
    EXPECT_EQ(control.table().recordCount(), 3u);
    EXPECT_EQ(control.GetContactAddress(), "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Entries, SaveCheckTest, ::testing::Values(
    SaveRow{"Complete"},
    SaveRow{"NoName", {{0, ""}, {8, ""}}, 2, 1, 1, "Contact Name has not been provided.", txt, 0},
    SaveRow{"NameOfSpaces", {{0, "   "}}, 2, 1, 1, "Contact Name has not been provided.", txt, 0},
    SaveRow{"NoStreet1", {{1, ""}, {3, ""}}, 2, 1, 1, "Contact Street 1 has not been provided.", txt, 1},
    SaveRow{"NoCity", {{3, ""}}, -1, -1, -1, "Contact City has not been provided.", txt, 3},
    SaveRow{"NoCountry", {}, -1, -1, -1, "Contact Country has not been provided.", "cboContactCountry"},
    // "Others" has no states, so none can be picked.
    SaveRow{"NoStateForOthers", {}, 0, -1, -1, "Contact State has not been provided.", "cboContactState"},
    SaveRow{"NoTerm", {{8, ""}}, 2, 1, -1, "Vendor Term has not been provided.", "cboContactType"},
    SaveRow{"NoSerial", {{8, ""}}, 2, 1, 1, "Serial Number has not been provided.", txt, 8},
    SaveRow{"NameOfFifty", {{0, fifty}}},
    SaveRow{"NameOfFiftyOne", {{0, fifty + "n"}, {8, "20"}}, 2, 1, 1, longName, txt, 0},
    SaveRow{"NameSpacesCount", {{0, " " + fifty}}, 2, 1, 1, longName, txt, 0},
    SaveRow{"RequiredBeforeLength", {{0, fifty + "n"}, {3, ""}}, 2, 1, 1, "Contact City has not been provided.", txt, 3},
    SaveRow{"LengthBeforeSeparator", {{0, fifty + "|"}}, 2, 1, 1, longName, txt, 0},
    SaveRow{"FieldSeparator", {{0, "a|b"}}, 2, 1, 1, "Field Name contains a reserved separator.", txt, 0},
    SaveRow{"RecordSeparator", {{5, "555;1"}}, 2, 1, 1, "Field Phone contains a reserved separator.", txt, 5},
    SaveRow{"TableSeparator", {{10, "#1"}}, 2, 1, 1, "Field Cell contains a reserved separator.", txt, 10},
    SaveRow{"PostalCodeSeparator", {{4, "A;1"}}, 2, 1, 1, "Field Postal Code contains a reserved separator.", txt, 4},
    SaveRow{"LowestBoxFirst", {{9, "x|"}, {2, "y|"}}, 2, 1, 1, "Field Street2 contains a reserved separator.", txt, 2},
    SaveRow{"SeparatorBeforeTerm", {{6, "#"}}, 2, 1, 2, "Field FAX contains a reserved separator.", txt, 6},
    SaveRow{"TermAboveRange", {{8, "20"}}, 2, 1, 2, badTerm, "cboContactType"},
    SaveRow{"TermBelowRange", {}, 2, 1, 3, badTerm, "cboContactType"},
    SaveRow{"TermAtTop", {}, 2, 1, 4}, SaveRow{"TermAtBottom", {}, 2, 1, 5},
    SaveRow{"DuplicateSerial", {{8, "20"}}, 2, 1, 1, duplicate, txt, 8},
    // "9" becomes "09" when the focus leaves the box, before Save compares it.
    SaveRow{"DuplicateAfterPadding", {{8, "9"}}, 2, 1, 1, duplicate, txt, 8},
    SaveRow{"SerialPadded", {{8, "5"}}}, SaveRow{"SerialNinetyNine", {{8, "99"}}},
    // The box admits two characters: " 7 " arrives as " 7", is trimmed and padded.
    SaveRow{"SerialSpacedSeven", {{8, " 7 "}}},
    SaveRow{"SerialZero", {{8, "0"}}, 2, 1, 1, range, txt, 8}, SaveRow{"SerialDoubleZero", {{8, "00"}}, 2, 1, 1, range, txt, 8},
    SaveRow{"SerialTen", {{8, "10"}}, 2, 1, 1, range, txt, 8}, SaveRow{"SerialNineteen", {{8, "19"}}, 2, 1, 1, range, txt, 8},
    SaveRow{"SerialLetters", {{8, "ab"}}, 2, 1, 1, numbersOnly, txt, 8}, SaveRow{"SerialSpaces", {{8, "  "}}, 2, 1, 1, numbersOnly, txt, 8}), RowName());
// clang-format on

class SavingTest : public ControlTest {};

// Cancelled adds take no id, the vendor id is the one at the time of the save, and no load
// resets the counter.
TEST_F(SavingTest, TemporaryIdsCountOnAcrossLoads) {
    load(standardData());
    addEntry("First", "30");
    perform({"add", "entry", "cancel"});
    control.LetVendorIDNMode(1234, true);
    addEntry("Second", "32");
    auto records = exported();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0][fVendorPayToID], "000-N");
    EXPECT_EQ(records[0][fVendorID], "77");
    EXPECT_EQ(records[1][fVendorPayToID], "001-N");
    EXPECT_EQ(records[1][fVendorID], "1234");
    load(standardData());
    addEntry("Third", "30");
    records = exported();
    ASSERT_EQ(records.size(), 1u) << "a load keeps no added row";
    EXPECT_EQ(records[0][fVendorPayToID], "002-N");
}

struct ReportRow {
    const char* name;
    std::vector<std::string> steps;
    std::string expected;
};

class ChangedDefaultTest : public ControlTest, public ::testing::WithParamInterface<ReportRow> {};

TEST_P(ChangedDefaultTest, ReportsThePrimaryOfTheListOnceTheBoxWasChanged) {
    load(standardData());
    perform(GetParam().steps);
    EXPECT_EQ(control.ChangedDefault(), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ChangedDefaultTest, ::testing::Values(
    ReportRow{"NoClick", {"456", "edit", "update"}, ""},
    ReportRow{"AnotherEntrySaved", {"456", "edit", "primary", "update"}, "456"},
    ReportRow{"NewEntrySaved", {"add", "primary", "entry", "save"}, "000-N"},
    // Checked and unchecked in add mode: the old primary lost its mark, none is left.
    ReportRow{"CheckedThenUnchecked", {"add", "primary", "primary", "entry", "save"}, ""},
    // A cancel puts the marks and the marker back: the host hears of no change.
    ReportRow{"ChangedThenCancelled", {"007", "edit", "primary", "cancel"}, ""},
    ReportRow{"SavedThenChangedThenCancelled", {"add", "primary", "entry", "save", "add", "primary", "cancel"}, "000-N"},
    // Nothing resets the marker: a later load reports the new list's primary entry.
    ReportRow{"ChangedThenReloaded", {"add", "primary", "entry", "save", "reload"}, "123"},
    ReportRow{"ChangedThenReloadedWithoutPrimary", {"add", "primary", "entry", "save", "reloadNoPrimary"}, ""}),
    RowName());
// clang-format on

}  // namespace
}  // namespace xkr::test
