#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "view/PayToEditor.h"
#include "view/UserActions.h"

namespace xkr::test {
namespace {

using user::Outcome;
using Ids = std::vector<std::string>;

enum class Act { Add, Edit, Cancel, TypeName, Save };

struct ModeRow {
    const char* name;
    std::vector<Act> acts;
    std::string addCaption;  // "Add", "Save" or "Update"
    std::string nameShown;
};

class ModeTableTest : public ControlTest, public ::testing::WithParamInterface<ModeRow> {
protected:
    void perform(Act act) {
        switch (act) {
            case Act::Add:
            case Act::Save:
                ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
                break;
            case Act::Edit:
            case Act::Cancel:
                ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
                break;
            case Act::TypeName:
                ASSERT_EQ(user::type(box(0), "Typed"), Outcome::Done);
                break;
        }
    }
};

// Starts from an added entry that is selected (so Delete is enabled) and a list sorted by name
// descending, so that every switch must reset buttons and sorting.
TEST_P(ModeTableTest, WhatEachSwitchLeavesBehind) {
    const ModeRow& row = GetParam();
    load(standardData());
    addEntry("Added", "30");
    clickId("000-N");
    ASSERT_TRUE(form().cmdDelete.enabled());
    ASSERT_EQ(user::clickHeader(list(), 2), Outcome::Done);
    ASSERT_EQ(user::clickHeader(list(), 2), Outcome::Done);
    ASSERT_EQ(list().sortOrder(), 1);

    for (Act act : row.acts) perform(act);

    const EditorForm& f = form();
    const bool browse = row.addCaption == "Add";
    const bool adding = row.addCaption == "Save";
    EXPECT_EQ(f.cmdAdd.caption(), row.addCaption);
    EXPECT_TRUE(f.cmdAdd.enabled());
    EXPECT_EQ(f.cmdEdit.caption(), browse ? "Edit" : "Cancel");
    EXPECT_EQ(f.cmdEdit.enabled(), !browse);
    // Also in edit mode, where reloading the selected entry would otherwise enable it.
    EXPECT_FALSE(f.cmdDelete.enabled());
    for (int i = 0; i < 11; ++i) {
        const TextBox& b = f.txtContact(i);
        if (i != 0 && i != 1 && i != 3 && i != 8) {
            EXPECT_EQ(b.text(), "") << "box " << i;
        }
        EXPECT_EQ(b.locked(), browse) << "box " << i;
        EXPECT_EQ(b.backColour(), browse ? buttonFace : windowBackground) << "box " << i;
    }
    EXPECT_EQ(f.txtContact(0).text(), row.nameShown);
    EXPECT_EQ(f.txtContact(8).enabled(), adding);
    EXPECT_EQ(f.ChkActive.enabled(), !browse);
    EXPECT_EQ(f.ChkDefault.enabled(), !browse);
    for (const ComboBox* combo : {&f.cboContactCountry, &f.cboContactState, &f.cboContactType}) {
        EXPECT_EQ(combo->backColour(), browse ? buttonFace : windowBackground) << combo->name();
        EXPECT_FALSE(combo->locked()) << combo->name();
    }
    EXPECT_EQ(list().available(), browse);
    EXPECT_EQ(list().hideSelection(), browse);
    EXPECT_EQ(list().backColour(), browse ? windowBackground : buttonFace);
    EXPECT_EQ(list().sortKey(), 2);
    EXPECT_EQ(list().sortOrder(), 0);
    if (row.nameShown.empty()) {
        EXPECT_EQ(f.ChkActive.value(), 1);
        EXPECT_EQ(f.ChkDefault.value(), 0);
        EXPECT_EQ(f.cboContactCountry.listIndex(), -1);
        EXPECT_EQ(f.cboContactState.listIndex(), -1);
        EXPECT_EQ(f.cboContactState.listCount(), 0);
        EXPECT_EQ(f.cboContactType.listIndex(), -1);
    }
    EXPECT_EQ(control.ChangedDefault(), "") << "resetting Primary Pay To is no user change";
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ModeTableTest,
    ::testing::Values(
        ModeRow{"Add", {Act::Add}, "Save", ""},
        ModeRow{"EditReloadsTheSelection", {Act::Edit}, "Update", "Added"},
        ModeRow{"CancelAdd", {Act::Add, Act::TypeName, Act::Cancel}, "Add", ""},
        ModeRow{"CancelEdit", {Act::Edit, Act::TypeName, Act::Cancel}, "Add", ""},
        ModeRow{"RefusedSaveKeepsTyping", {Act::Add, Act::TypeName, Act::Save}, "Save", "Typed"}),
    RowName());

class CommandsTest : public ControlTest {};

TEST_F(CommandsTest, CancelStoresNothing) {
    load(standardData());
    clickId("456");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    ASSERT_EQ(user::type(box(0), "Changed name"), Outcome::Done);
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    EXPECT_EQ(column("456", 1), "Gamma Depot");
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    typeEntry("Never saved", "30");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    EXPECT_EQ(list().itemCount(), 3u);
    EXPECT_EQ(control.GetContactAddress(), "");
}

TEST_F(CommandsTest, TheListIsOutOfReachWhileAnEntryIsTyped) {
    load(standardData());
    clickId("123");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    EXPECT_EQ(user::clickEntry(list(), positionOf("007")), Outcome::Blocked);
    EXPECT_EQ(user::clickHeader(list(), 2), Outcome::Blocked);
    EXPECT_EQ(user::press(form().cmdDelete), Outcome::Blocked);
    EXPECT_EQ(box(0).text(), "Acme Main");
}

struct DeleteRow {
    const char* name;
    int answer;
    int addedEntries;  // entries added before the delete; the first one is deleted
    bool removed;
};

class DeleteCommandTest : public ControlTest, public ::testing::WithParamInterface<DeleteRow> {};

TEST_P(DeleteCommandTest, AsksAndRemovesTheRowAndTheEntryOnYesOnly) {
    const DeleteRow& row = GetParam();
    load(ContactData().standardLookups());
    for (int i = 0; i < row.addedEntries; ++i)
        addEntry("Added " + std::to_string(i), std::to_string(30 + i));
    clickId("000-N");
    const std::size_t entriesBefore = list().itemCount();
    messages.clear();
    messages.answerNext(row.answer);

    ASSERT_EQ(user::press(form().cmdDelete), Outcome::Done);

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "Do you want to delete the selected Address?");
    EXPECT_EQ(messages.shown()[0].title, "Information Validation");
    EXPECT_EQ(messages.shown()[0].style, 36);
    const std::size_t expected = row.removed ? entriesBefore - 1 : entriesBefore;
    EXPECT_EQ(list().itemCount(), expected);
    EXPECT_EQ(control.table().recordCount(), expected);
    const std::vector<std::vector<std::string>> records = exported();
    EXPECT_EQ(records.size(), expected);
    for (const auto& record : records) {
        if (row.removed) {
            EXPECT_NE(record[fVendorPayToID], "000-N");
        }
    }
    EXPECT_EQ(box(0).text(), row.removed ? "" : "Added 0");
    EXPECT_EQ(form().cmdDelete.enabled(), !row.removed);
    EXPECT_EQ(form().cmdEdit.enabled(), !(row.removed && expected == 0));
    EXPECT_TRUE(form().cmdAdd.enabled());
    EXPECT_EQ(form().cmdAdd.caption(), "Add");
}

INSTANTIATE_TEST_SUITE_P(Answers, DeleteCommandTest,
                         ::testing::Values(DeleteRow{"NoKeepsEverything", msgbox::no, 2, false},
                                           DeleteRow{"YesRemoves", msgbox::yes, 2, true},
                                           DeleteRow{"YesRemovesTheLast", msgbox::yes, 1, true}),
                         RowName());

TEST_F(CommandsTest, ViewOnlyModeDuringAddDiscardsTheTyping) {
    load(standardData());
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    typeEntry("Discarded", "30");
    control.LetVendorIDNMode(77, false);
    EXPECT_EQ(form().cmdAdd.caption(), "Add");
    EXPECT_EQ(form().cmdEdit.caption(), "Edit");
    EXPECT_FALSE(form().cmdAdd.enabled());
    EXPECT_FALSE(form().cmdEdit.enabled());
    EXPECT_EQ(box(0).text(), "");
    EXPECT_EQ(box(8).text(), "");
    EXPECT_TRUE(box(0).locked());
    EXPECT_EQ(control.GetContactAddress(), "") << "view only exports nothing";

    control.LetVendorIDNMode(77, true);
    EXPECT_TRUE(form().cmdAdd.enabled());
    EXPECT_EQ(box(0).text(), "");
    EXPECT_EQ(list().itemCount(), 3u);
    EXPECT_EQ(control.GetContactAddress(), "") << "nothing of the typing was stored";
}

TEST_F(CommandsTest, ModeTrueDuringAddKeepsTheTyping) {
    load(standardData());
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    ASSERT_EQ(user::type(box(0), "Kept"), Outcome::Done);
    control.LetVendorIDNMode(99, true);
    EXPECT_EQ(form().cmdAdd.caption(), "Save");
    EXPECT_EQ(form().cmdEdit.caption(), "Cancel");
    EXPECT_EQ(box(0).text(), "Kept");
}

TEST_F(CommandsTest, ExportBeforeAnyLoadFailsOnlyWithTheModeFlagTrue) {
    EXPECT_THROW(control.GetContactAddress(), VendorPayToError);
    control.LetVendorIDNMode(77, false);
    EXPECT_EQ(control.GetContactAddress(), "");
}

}  // namespace
}  // namespace xkr::test
