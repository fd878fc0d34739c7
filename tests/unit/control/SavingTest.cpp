#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "view/UserActions.h"

namespace xkr::test {
namespace {

using user::Outcome;
using Ids = std::vector<std::string>;

class SavingTest : public ControlTest {
protected:
    void edit(const std::string& id, int boxIndex, const std::string& text) {
        clickId(id);
        ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
        ASSERT_EQ(user::type(box(boxIndex), text), Outcome::Done);
        ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
        ASSERT_EQ(form().cmdAdd.caption(), "Add") << "the update was refused";
    }
    Ids exportedIds() {
        Ids ids;
        for (const auto& record : exported()) ids.push_back(record.at(fVendorPayToID));
        return ids;
    }
};

TEST_F(SavingTest, ANewEntryIsWrittenToTheListAndTheRow) {
    load(standardData());
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    typeEntry("New Vendor", "3");
    ASSERT_EQ(user::type(box(2), "  Suite 4"), Outcome::Done);
    ASSERT_EQ(user::type(box(10), "555-0199"), Outcome::Done);
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    EXPECT_EQ(control.table().value("IsUpdated"), "N");

    const auto records = exported();
    ASSERT_EQ(records.size(), 1u);
    const std::vector<std::string> expected{
        "000-N", "New Vendor", "03", "9 Elm St", "  Suite 4", "Montreal", "2", "21", "", "",
        "",      "",           "",   "555-0199", "-1",        "0",        "7", "",   "", "77"};
    EXPECT_EQ(records[0], expected);
    // The list entry carries the same values in the columns of the field map.
    const std::vector<std::pair<std::size_t, std::string>> columns{
        {1, "New Vendor"}, {2, "03"}, {4, "  Suite 4"}, {6, "2"}, {7, "21"}, {12, "-1"},
        {14, "555-0199"},  {15, "0"}, {16, "7"},        {17, ""}, {18, ""}};
    for (const auto& [k, text] : columns) EXPECT_EQ(column("000-N", k), text) << "column " << k;
    EXPECT_EQ(listIds(), (Ids{"123", "000-N", "456", "007"})) << "sorted by serial again";
}

TEST_F(SavingTest, TemporaryIdsSurviveCancelledAddsAndReloads) {
    load(standardData());
    addEntry("First", "30");
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    typeEntry("Cancelled", "31");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    addEntry("Second", "32");
    EXPECT_EQ(exportedIds(), (Ids{"000-N", "001-N"}));
    load(standardData());
    addEntry("Third", "30");
    EXPECT_EQ(exportedIds(), (Ids{"002-N"})) << "a load neither keeps the rows nor resets the ids";
}

TEST_F(SavingTest, ChangingAnAddedEntryTurnsNIntoS) {
    load(standardData());
    addEntry("Added", "30");
    edit("000-N", 0, "Renamed");
    EXPECT_EQ(control.table().value("IsUpdated"), "S");
    const auto records = exported();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][fVendorPayToID], "000-N");
    EXPECT_EQ(records[0][fPayToName], "Renamed");
    EXPECT_EQ(records[0][fVendorID], "77");
}

TEST_F(SavingTest, ChangingALoadedEntryKeepsWhatTheEditorDoesNotOwn) {
    load(ContactData()
             .add(entry("123", "Acme", "01")
                      .set(fDefaultPayTo, "-1")
                      .set(fVendorID, "5")
                      .set(fExported, "-1"))
             .standardLookups());
    control.LetVendorIDNMode(1234, true);
    edit("123", 7, "a@b.c");
    edit("123", 5, "555-0111");
    EXPECT_EQ(control.table().value("IsUpdated"), "S");
    const auto records = exported();
    ASSERT_EQ(records.size(), 1u) << "changed twice, exported once";
    EXPECT_EQ(records[0][fEmail], "a@b.c");
    EXPECT_EQ(records[0][fPhone], "555-0111");
    EXPECT_EQ(records[0][fVendorID], "5");
    EXPECT_EQ(records[0][fExported], "-1");
    EXPECT_EQ(records[0][fAddressID], "A1");
    EXPECT_EQ(records[0][fPayToSerial], "01");
}

TEST_F(SavingTest, ExportAfterAddingChangingAndDeleting) {
    load(standardData().add(entry("900", "Marked", "40").set(fIsUpdated, "X")));
    addEntry("Deleted later", "30");
    addEntry("Kept", "31");
    control.LetVendorIDNMode(1234, true);
    addEntry("Other vendor", "32");
    edit("456", 1, "2 Side St");
    clickId("000-N");
    ASSERT_EQ(user::press(form().cmdDelete), Outcome::Done);

    const auto records = exported();
    // Table order: loaded rows in text order, then added rows in the order they were saved.
    // A loaded row that carried a change marker is exported although nobody changed it.
    ASSERT_EQ(exportedIds(), (Ids{"456", "900", "001-N", "002-N"}));
    for (const auto& record : records) EXPECT_EQ(record.size(), 20u);
    EXPECT_EQ(records[0][fStreet1], "2 Side St");
    EXPECT_EQ(records[2][fVendorID], "77");
    EXPECT_EQ(records[3][fVendorID], "1234") << "the vendor id at the time of the save";
    EXPECT_EQ(control.GetContactAddress(), control.GetContactAddress()) << "markers stay";
}

enum class Step { Click, Edit, Add, Toggle, Cancel, Update, Save, Reload, ReloadNoPrimary };

struct ReportRow {
    const char* name;
    bool primaryLoaded;
    std::vector<std::pair<Step, std::string>> steps;
    std::string expected;
};

class ChangedDefaultTest : public SavingTest, public ::testing::WithParamInterface<ReportRow> {
protected:
    void perform(Step step, const std::string& id) {
        switch (step) {
            case Step::Click:
                clickId(id);
                break;
            case Step::Edit:
            case Step::Cancel:
                ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
                break;
            case Step::Add:
            case Step::Update:
                ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
                break;
            case Step::Toggle:
                ASSERT_EQ(user::click(form().ChkDefault), Outcome::Done);
                break;
            case Step::Save:
                typeEntry("New", "30");
                ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
                break;
            case Step::Reload:
                load(standardData());
                break;
            case Step::ReloadNoPrimary:
                load(ContactData().add(entry("1", "None", "01")).standardLookups());
                break;
        }
    }
};

TEST_P(ChangedDefaultTest, ReportsThePrimaryOfTheListOnceTheBoxWasChanged) {
    load(GetParam().primaryLoaded ? standardData()
                                  : ContactData().add(entry("1", "None", "01")).standardLookups());
    for (const auto& [step, id] : GetParam().steps) perform(step, id);
    EXPECT_EQ(control.ChangedDefault(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangedDefaultTest,
    ::testing::Values(
        ReportRow{
            "NoClick", true, {{Step::Click, "456"}, {Step::Edit, ""}, {Step::Update, ""}}, ""},
        ReportRow{"NoClickNoPrimary", false, {}, ""},
        ReportRow{"AnotherEntrySaved",
                  true,
                  {{Step::Click, "456"}, {Step::Edit, ""}, {Step::Toggle, ""}, {Step::Update, ""}},
                  "456"},
        ReportRow{"NewEntrySaved",
                  true,
                  {{Step::Add, ""}, {Step::Toggle, ""}, {Step::Save, ""}},
                  "000-N"},
        ReportRow{"CheckedThenUnchecked",
                  true,
                  {{Step::Add, ""}, {Step::Toggle, ""}, {Step::Toggle, ""}, {Step::Cancel, ""}},
                  ""},
        ReportRow{"ChangedThenCancelled",
                  true,
                  {{Step::Click, "007"}, {Step::Edit, ""}, {Step::Toggle, ""}, {Step::Cancel, ""}},
                  "007"},
        // Nothing resets the marker: a later load reports the new list's primary entry.
        ReportRow{"ChangedThenReloaded",
                  true,
                  {{Step::Click, "007"},
                   {Step::Edit, ""},
                   {Step::Toggle, ""},
                   {Step::Cancel, ""},
                   {Step::Reload, ""}},
                  "123"},
        ReportRow{
            "ChangedThenReloadedWithoutPrimary",
            true,
            {{Step::Add, ""}, {Step::Toggle, ""}, {Step::Cancel, ""}, {Step::ReloadNoPrimary, ""}},
            ""}),
    RowName());

// Update with nothing selected (Edit stays enabled after a delete) must not write any row or
// entry, nor fail the click: the serial box is empty and disabled, so the check refuses.
TEST_F(SavingTest, UpdateWithNoSelectedEntryWritesNothing) {
    load(standardData());
    addEntry("Gone", "30");
    clickId("000-N");
    ASSERT_EQ(user::press(form().cmdDelete), Outcome::Done);
    ASSERT_TRUE(form().cmdEdit.enabled());
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    EXPECT_EQ(box(0).text(), "");
    EXPECT_EQ(user::click(form().ChkDefault), Outcome::Done) << "no entry to mark: no failure";
    EXPECT_EQ(column("123", 15), "0");
    ASSERT_FALSE(box(8).enabled());
    typeEntry("Typed", "");
    messages.clear();
    EXPECT_NO_THROW(user::press(form().cmdAdd));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Serial Number has not been provided."});
    EXPECT_EQ(form().cmdAdd.caption(), "Update");
    EXPECT_EQ(listIds(), (Ids{"123", "456", "007"}));
    EXPECT_EQ(control.table().recordCount(), 3u);
    EXPECT_EQ(control.GetContactAddress(), "");
}

TEST_F(SavingTest, UpdateOfAnEntryLoadedWithoutSerialWritesNothing) {
    load(ContactData().add(entry("1", "No serial", "").set(fDefaultPayTo, "-1")).standardLookups());
    clickId("1");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    ASSERT_EQ(user::type(box(0), "Renamed"), Outcome::Done);
    messages.clear();
    EXPECT_NO_THROW(user::press(form().cmdAdd));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Serial Number has not been provided."});
    EXPECT_EQ(form().cmdAdd.caption(), "Update");
    EXPECT_EQ(column("1", 1), "No serial");
    EXPECT_EQ(control.GetContactAddress(), "");
}

}  // namespace
}  // namespace xkr::test
