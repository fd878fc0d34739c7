#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "view/UserActions.h"

namespace xkr::test {
namespace {

using user::Outcome;
using Ids = std::vector<std::string>;

TEST(Startup, ColumnHeadersAndTheirWidths) {
    VendorPayTo control;
    const auto& headers = control.form().lstContacts.columnHeaders();
    const Ids texts{"VendorPayToID", "Name",         "Serial",   "Street1",    "Street2",
                    "City",          "Country",      "State",    "PostalCode", "Phone",
                    "FAX",           "Email",        "Active",   "Phone2",     "Cell",
                    "DefaultPayTo",  "DefaultTerms", "Exported", "AddressID"};
    ASSERT_EQ(headers.size(), texts.size());
    for (std::size_t k = 0; k < headers.size(); ++k) {
        EXPECT_EQ(headers[k].text, texts[k]);
        // Divided in double precision: an integer division gives 836 and 2221.
        const double width = k == 1 ? 3950.0 : k == 2 ? 836.4705882352941 : k == 5 ? 2221.875 : 0;
        EXPECT_DOUBLE_EQ(headers[k].width, width) << "column " << k;
    }
}

struct FillRow {
    const char* name;
    bool modeFlag;
    bool emptyTable;
    bool buttonsAfter;
    bool boxesEmptied;
};

class FillContactListTest : public ControlTest, public ::testing::WithParamInterface<FillRow> {};

TEST_P(FillContactListTest, ButtonsAndBoxesAfterALoad) {
    const FillRow& row = GetParam();
    load(standardData());
    addEntry("Added", "30");
    control.LetVendorIDNMode(77, row.modeFlag);
    clickId("000-N");
    ASSERT_EQ(form().cmdDelete.enabled(), row.modeFlag);
    load(row.emptyTable ? contactText({}) : standardData());
    EXPECT_EQ(list().itemCount(), row.emptyTable ? 0u : 3u);
    EXPECT_EQ(form().cmdEdit.enabled(), row.buttonsAfter);
    EXPECT_EQ(form().cmdDelete.enabled(), row.buttonsAfter);
    EXPECT_EQ(box(0).text(), row.boxesEmptied ? "" : "Added");
    EXPECT_EQ(box(8).text(), row.boxesEmptied ? "" : "30");
    EXPECT_EQ(form().cmdAdd.enabled(), row.modeFlag) << "a load leaves Add alone";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Modes, FillContactListTest, ::testing::Values(
    FillRow{"ModeTrueDisablesEditAndDelete", true, false, false, true},
    // An empty table stops the rebuild before the boxes; Edit and Delete went with the
    // selection.
    FillRow{"ModeTrueEmptyTableLeavesTheBoxes", true, true, false, false},
    FillRow{"ModeFalseKeepsThemDisabled", false, false, false, true}), RowName());
// clang-format on

struct ShownRow {
    const char* name;
    Ids clicks;
    int country;
    std::string state;
    int term;
    int active;
    int primary;
};

class ListClickTest : public ControlTest, public ::testing::WithParamInterface<ShownRow> {};

TEST_P(ListClickTest, ShowsTheEntryWithTheStateOfItsOwnCountry) {
    const ShownRow& row = GetParam();
    std::vector<EntryRecord> entries = standardEntries();
    entries.push_back(entry("900", "Nowhere", "30").set(fCountry, "9").set(fState, "11"));
    entries.push_back(
        entry("901", "Blank", "31").set(fCountry, "").set(fState, "x").set(fDefaultTerms, ""));
    for (const char* active : {"1", "", " 0", "0 "})
        entries.push_back(entry(std::string("A") + active, "Active", "40").set(fActive, active));
    load(contactText(entries));
    for (const std::string& id : row.clicks) clickId(id);
    const EditorForm& f = form();
    EXPECT_EQ(f.cboContactCountry.listIndex(), row.country);
    EXPECT_EQ(f.cboContactState.text(), row.state);
    EXPECT_EQ(f.cboContactType.listIndex(), row.term);
    EXPECT_EQ(f.ChkActive.value(), row.active);
    EXPECT_EQ(f.ChkDefault.value(), row.primary);
    EXPECT_EQ(box(4).text(), "75001");
    EXPECT_EQ(list().column(*list().selectedIndex(), 1), box(0).text());
    EXPECT_EQ(control.ChangedDefault(), "") << "showing an entry is not a user change";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Entries, ListClickTest, ::testing::Values(
    // The state is searched after the country refilled the states: searching first would miss
    // Quebec in the USA list and then land on Ontario.
    ShownRow{"UsaThenCanada", {"123", "007"}, 2, "Quebec", 1, 0, 0},
    ShownRow{"CanadaThenUsa", {"007", "456"}, 1, "Ohio", 0, 1, 0},
    ShownRow{"PrimaryAfterAnother", {"456", "123"}, 1, "Texas", 0, 1, 1},
    // An unknown country keeps the previous one, and the state search runs over its states.
    ShownRow{"UnknownCountryKeepsPrevious", {"123", "900"}, 1, "Ohio", 0, 1, 0},
    // No country change means no refill: a state that matches nothing stays as it was.
    ShownRow{"UnknownCountryAfterCanada", {"007", "900"}, 2, "Quebec", 0, 1, 0},
    ShownRow{"EmptyCodesMatchNothing", {"007", "901"}, 2, "Quebec", 1, 1, 0},
    // Only a zero, spaces trimmed, leaves Active unchecked; each follows an opposite value.
    ShownRow{"ActiveOne", {"007", "A1"}, 1, "Texas", 0, 1, 0},
    ShownRow{"ActiveEmpty", {"007", "A"}, 1, "Texas", 0, 1, 0},
    ShownRow{"ActiveSpaceZero", {"123", "A 0"}, 1, "Texas", 0, 0, 0},
    ShownRow{"ActiveZeroSpace", {"123", "A0 "}, 1, "Texas", 0, 0, 0}), RowName());
// clang-format on

struct DeleteRow {
    const char* name;
    std::string id;
    bool modeFlag;
    bool edit;
    bool del;
};

class DeleteRuleTest : public ControlTest, public ::testing::WithParamInterface<DeleteRow> {};

TEST_P(DeleteRuleTest, OnlyIdsThatAreNotPlainNumbersMayBeDeleted) {
    const DeleteRow& row = GetParam();
    load(contactText({entry(row.id, "Probe", "01")}));
    control.LetVendorIDNMode(77, row.modeFlag);
    clickId(row.id);
    EXPECT_EQ(form().cmdEdit.enabled(), row.edit);
    EXPECT_EQ(form().cmdDelete.enabled(), row.del);
    EXPECT_EQ(box(0).text(), "Probe") << "the entry is shown in every mode";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ids, DeleteRuleTest, ::testing::Values(
    DeleteRow{"PlainNumber", "123", true, true, false},
    DeleteRow{"LeadingZeros", "007", true, true, true},
    DeleteRow{"Negative", "-5", true, true, false},
    DeleteRow{"TemporaryId", "000-N", true, true, true},
    DeleteRow{"TrailingLetters", "12a", true, true, true},
    DeleteRow{"NoNumber", "abc", true, true, true},
    DeleteRow{"ViewOnlyPlainNumber", "123", false, false, false},
    DeleteRow{"ViewOnlyTemporaryId", "000-N", false, false, false}), RowName());
// clang-format on

struct StaleRow {
    const char* name;
    std::string text;
    Ids ids;  // the list after the load, in serial order
    int terms;
    int countries;
};

class StaleListTest : public ControlTest, public ::testing::WithParamInterface<StaleRow> {};

// Once the table was emptied, the list is rebuilt even when the load stops early: an entry
// left over from the previous load has no row, and an Update of it would be dropped silently.
TEST_P(StaleListTest, TheListIsRebuiltFromTheTable) {
    const StaleRow& row = GetParam();
    load(standardData());
    clickId("007");
    load(row.text);
    EXPECT_NE(control.loadStatus(), "");
    EXPECT_EQ(listIds(), row.ids);
    EXPECT_EQ(control.table().recordCount(), row.ids.size());
    EXPECT_FALSE(list().selectedIndex().has_value());
    EXPECT_EQ(form().cboContactType.listCount(), row.terms);
    EXPECT_EQ(form().cboContactCountry.listCount(), row.countries);
    load(standardData());
    EXPECT_EQ(control.loadStatus(), "") << "a load that goes through clears the reason";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Stops, StaleListTest, ::testing::Values(
    StaleRow{"NotThreeTables", "x|y;#", {}, 2, 3},
    // The too-wide row keeps the fields written before the name: only its id.
    StaleRow{"ValueTooWide", contactText({entry("W1", "Fine", "01"),
        entry("W2", std::string(51, 'n'), "02"), entry("W3", "Later", "03")}), {"W2", "W1"}, 2, 3},
    // The terms before the failing record stay; the countries are never added.
    StaleRow{"TermWithTwoFields", contactText({entry("T1", "One", "01")}, {{"3", "a", "b"}, {"5", "c"}}),
        {"T1"}, 1, 0}), RowName());
// clang-format on

}  // namespace
}  // namespace xkr::test
