#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "view/UserActions.h"

namespace xkr::test {
namespace {

using user::Outcome;
using Ids = std::vector<std::string>;

TEST(Startup, HeadersVersionAndButtons) {
    VendorPayTo control;
    const auto& headers = control.form().lstContacts.columnHeaders();
    ASSERT_EQ(headers.size(), 19u);
    const std::vector<std::string> texts{"VendorPayToID", "Name",     "Serial",   "Street1",
                                         "Street2",       "City",     "Country",  "State",
                                         "PostalCode",    "Phone",    "FAX",      "Email",
                                         "Active",        "Phone2",   "Cell",     "DefaultPayTo",
                                         "DefaultTerms",  "Exported", "AddressID"};
    for (std::size_t k = 0; k < headers.size(); ++k) {
        EXPECT_EQ(headers[k].text, texts[k]) << k;
        // Widths are divided in double precision: an integer division gives 836 and 2221.
        const double expected = k == 1   ? 3950.0
                                : k == 2 ? 836.4705882352941
                                : k == 5 ? 2221.875
                                         : 0.0;
        EXPECT_DOUBLE_EQ(headers[k].width, expected) << "column " << k;
    }
    const EditorForm& form = control.form();
    EXPECT_EQ(form.lblVersionNumber.caption(), "Version number: 2.0.2");
    EXPECT_FALSE(form.cmdAdd.enabled());
    EXPECT_FALSE(form.cmdEdit.enabled());
    EXPECT_FALSE(form.cmdDelete.enabled());
    EXPECT_EQ(form.cmdAdd.caption(), "Add");
    EXPECT_EQ(control.ChangedDefault(), "");
    EXPECT_EQ(control.loadStatus(), "");
}

class LoadingTest : public ControlTest {};

TEST_F(LoadingTest, ListIsSortedBySerialAndCombosHoldTheLookups) {
    load(standardData());
    EXPECT_EQ(listIds(), (Ids{"123", "456", "007"}));
    EXPECT_EQ(list().sortKey(), 2);
    EXPECT_EQ(list().sortOrder(), 0);
    EXPECT_FALSE(list().selectedIndex().has_value());

    const ComboBox& country = form().cboContactCountry;
    ASSERT_EQ(country.listCount(), 3);
    const std::vector<std::string> names{"Others", "USA", "Canada"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(country.itemText(i), names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(country.itemData(i), i);
    }
    const ComboBox& terms = form().cboContactType;
    ASSERT_EQ(terms.listCount(), 2);
    EXPECT_EQ(terms.itemText(1), "COD  -  on delivery");
    EXPECT_EQ(terms.itemData(1), 7);
    EXPECT_EQ(form().cboContactState.listCount(), 0);
    EXPECT_EQ(control.table().recordCount(), 3u);
}

TEST_F(LoadingTest, RepeatedLoadsLeaveThreeCountriesAndNoSelection) {
    for (int round = 0; round < 3; ++round) {
        load(standardData());
        clickId("007");  // leaves a country, a state and a term selected
        load(standardData());
        EXPECT_EQ(form().cboContactCountry.listCount(), 3) << "round " << round;
        EXPECT_EQ(form().cboContactType.listCount(), 2);
        EXPECT_EQ(form().cboContactCountry.listIndex(), -1);
        EXPECT_EQ(form().cboContactState.listIndex(), -1);
        EXPECT_EQ(form().cboContactState.listCount(), 0);
        EXPECT_EQ(form().cboContactType.listIndex(), -1);
        EXPECT_FALSE(list().selectedIndex().has_value());
        EXPECT_EQ(list().itemCount(), 3u);
        EXPECT_EQ(control.table().recordCount(), 3u);
    }
}

TEST_F(LoadingTest, ABlankTextChangesNothing) {
    load(standardData());
    clickId("456");
    control.LetContactAddress("   ", "x", "y", "z");
    EXPECT_EQ(listIds(), (Ids{"123", "456", "007"}));
    EXPECT_EQ(box(0).text(), "Gamma Depot");
    // The separators were kept from the real load: an added entry still exports with them.
    addEntry("Kept", "30");
    EXPECT_EQ(exported().size(), 1u);
}

struct FillRow {
    const char* name;
    bool modeFlag;
    bool emptyTable;
    bool buttonsEnabledAfter;
    bool boxesEmptiedAfter;
};

class FillContactListTest : public ControlTest, public ::testing::WithParamInterface<FillRow> {};

TEST_P(FillContactListTest, ButtonsAndBoxesAfterALoad) {
    const FillRow& row = GetParam();
    load(standardData());
    addEntry("Added", "30");
    if (!row.modeFlag)
        control.LetVendorIDNMode(77, false);
    clickId("000-N");
    ASSERT_EQ(form().cmdEdit.enabled(), row.modeFlag);
    ASSERT_EQ(form().cmdDelete.enabled(), row.modeFlag);
    ASSERT_EQ(box(0).text(), "Added");

    ContactData data = row.emptyTable ? ContactData().standardLookups() : standardData();
    load(data);

    EXPECT_EQ(list().itemCount(), row.emptyTable ? 0u : 3u);
    EXPECT_EQ(form().cmdEdit.enabled(), row.buttonsEnabledAfter);
    EXPECT_EQ(form().cmdDelete.enabled(), row.buttonsEnabledAfter);
    EXPECT_EQ(box(0).text(), row.boxesEmptiedAfter ? "" : "Added");
    EXPECT_EQ(box(8).text(), row.boxesEmptiedAfter ? "" : "30");
    EXPECT_EQ(form().cmdAdd.enabled(), row.modeFlag) << "a load leaves Add alone";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FillContactListTest,
    ::testing::Values(FillRow{"ModeTrueDisablesEditAndDelete", true, false, false, true},
                      // An empty table stops the rebuild before the boxes and buttons.
                      FillRow{"ModeTrueEmptyTableLeavesThem", true, true, true, false},
                      FillRow{"ModeFalseKeepsThemDisabled", false, false, false, true}),
    RowName());

struct ShownRow {
    const char* name;
    std::vector<std::string> clicks;
    int country;
    std::string state;
    int term;
    int active;
    int primary;
};

class ListClickTest : public ControlTest, public ::testing::WithParamInterface<ShownRow> {};

TEST_P(ListClickTest, ShowsTheEntryWithTheStateOfItsOwnCountry) {
    const ShownRow& row = GetParam();
    load(standardData()
             .add(entry("900", "Nowhere", "30").set(fCountry, "9").set(fState, "11"))
             .add(entry("901", "Blank codes", "31")
                      .set(fCountry, "")
                      .set(fState, "x")
                      .set(fDefaultTerms, "")));
    for (const std::string& id : row.clicks) clickId(id);
    const EditorForm& f = form();
    EXPECT_EQ(f.cboContactCountry.listIndex(), row.country);
    EXPECT_EQ(f.cboContactState.text(), row.state);
    EXPECT_EQ(f.cboContactType.listIndex(), row.term);
    EXPECT_EQ(f.ChkActive.value(), row.active);
    EXPECT_EQ(f.ChkDefault.value(), row.primary);
    EXPECT_EQ(box(0).text(), column(row.clicks.back(), 1));
    EXPECT_EQ(box(8).text(), column(row.clicks.back(), 2));
    EXPECT_EQ(box(4).text(), "75001");
    EXPECT_EQ(control.ChangedDefault(), "") << "showing an entry is not a user change";
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ListClickTest,
    ::testing::Values(
        // The state is searched after the country refilled the states: searching first would
        // miss Quebec in the USA list and then land on Ontario.
        ShownRow{"UsaThenCanada", {"123", "007"}, 2, "Quebec", 1, 0, 0},
        ShownRow{"CanadaThenUsa", {"007", "456"}, 1, "Ohio", 0, 1, 0},
        ShownRow{"Primary", {"456", "123"}, 1, "Texas", 0, 1, 1},
        // An unknown country keeps the previous one, and the state search runs over its states.
        ShownRow{"UnknownCountryKeepsPrevious", {"123", "900"}, 1, "Ohio", 0, 1, 0},
        // No country change means no refill: the state that matches nothing stays as it was.
        ShownRow{"UnknownCountryAfterCanada", {"007", "900"}, 2, "Quebec", 0, 1, 0},
        ShownRow{"EmptyCodesMatchNothing", {"007", "901"}, 2, "Quebec", 1, 1, 0}),
    RowName());

struct ActiveRow {
    const char* name;
    std::string text;
    int expected;
};

class ActiveColumnTest : public ControlTest, public ::testing::WithParamInterface<ActiveRow> {};

TEST_P(ActiveColumnTest, OnlyAZeroLeavesActiveUnchecked) {
    load(ContactData()
             .add(entry("1", "Other", "01").set(fActive, GetParam().expected ? "0" : "-1"))
             .add(entry("2", "Probe", "02").set(fActive, GetParam().text))
             .standardLookups());
    clickId("1");
    clickId("2");
    EXPECT_EQ(form().ChkActive.value(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ActiveColumnTest,
                         ::testing::Values(ActiveRow{"MinusOne", "-1", 1}, ActiveRow{"One", "1", 1},
                                           ActiveRow{"Empty", "", 1}, ActiveRow{"Zero", "0", 0},
                                           ActiveRow{"ZeroAfterSpace", " 0", 0},
                                           ActiveRow{"ZeroBeforeSpace", "0 ", 0}),
                         RowName());

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
    load(ContactData().add(entry(row.id, "Probe", "01")).standardLookups());
    control.LetVendorIDNMode(77, row.modeFlag);
    clickId(row.id);
    EXPECT_EQ(form().cmdEdit.enabled(), row.edit);
    EXPECT_EQ(form().cmdDelete.enabled(), row.del);
    EXPECT_EQ(box(0).text(), "Probe") << "the entry is shown in every mode";
}

INSTANTIATE_TEST_SUITE_P(
    Ids, DeleteRuleTest,
    ::testing::Values(DeleteRow{"PlainNumber", "123", true, true, false},
                      DeleteRow{"LeadingZeros", "007", true, true, true},
                      DeleteRow{"Negative", "-5", true, true, false},
                      DeleteRow{"TemporaryId", "000-N", true, true, true},
                      DeleteRow{"TrailingLetters", "12a", true, true, true},
                      DeleteRow{"NoNumber", "abc", true, true, true},
                      DeleteRow{"ViewOnlyPlainNumber", "123", false, false, false},
                      DeleteRow{"ViewOnlyTemporaryId", "000-N", false, false, false}),
    RowName());

TEST_F(LoadingTest, ClickingTheListWithoutASelectionChangesNothing) {
    load(standardData());
    EXPECT_EQ(user::clickList(list()), Outcome::Done);
    EXPECT_EQ(box(0).text(), "");
    EXPECT_FALSE(form().cmdEdit.enabled());
    EXPECT_EQ(form().cboContactCountry.listIndex(), -1);
}

struct HeaderStep {
    std::size_t header;  // 1-based, as the user clicks it
    std::int16_t key;
    std::int32_t order;
    Ids ids;
};

TEST_F(LoadingTest, ColumnClicksFlipOnlyOnTheSameColumn) {
    load(standardData());
    // Names: Acme 123, Beta 007, Gamma 456. Cities: Austin 456, Springfield 123, Toronto 007.
    const std::vector<HeaderStep> steps{
        {2, 1, 0, {"123", "007", "456"}},  // Name in the current (ascending) direction
        {2, 1, 1, {"456", "007", "123"}},  // Name again flips
        {6, 5, 1, {"007", "123", "456"}},  // City keeps descending
        {6, 5, 0, {"456", "123", "007"}},  // City again flips
        {3, 2, 0, {"123", "456", "007"}},  // Serial keeps ascending
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const HeaderStep& step = steps[i];
        ASSERT_EQ(user::clickHeader(list(), step.header), Outcome::Done);
        EXPECT_EQ(list().sortKey(), step.key) << "step " << i;
        EXPECT_EQ(list().sortOrder(), step.order) << "step " << i;
        EXPECT_EQ(listIds(), step.ids) << "step " << i;
    }
}

TEST_F(LoadingTest, SerialsSortAsText) {
    load(ContactData()
             .add(entry("a", "A", "5"))
             .add(entry("b", "B", "20"))
             .add(entry("c", "C", "09"))
             .add(entry("d", "D", "01"))
             .standardLookups());
    EXPECT_EQ(listIds(), (Ids{"d", "c", "b", "a"}));
}

struct StaleRow {
    const char* name;
    std::string text;
    bool stops;
    Ids ids;  // the list after the load, in serial order
    int terms;
    int countries;
};

// Texts whose load empties the table and then meets trouble (or, for "termEmpty", none).
std::string stopAfterEmptying(const std::string& what) {
    if (what == "tables")
        return "x|y;#";
    ContactData data;
    if (what == "wide") {
        data.add(entry("W1", "Fine", "01"))
            .add(entry("W2", std::string(51, 'n'), "02"))
            .add(entry("W3", "Later", "03"));
        return data.standardLookups().text();
    }
    if (what == "fields") {
        data.add(entry("F1", "Fine", "01"))
            .addRaw(entry("F2", "Long", "02").set(fIsUpdated, "").text() + "|extra")
            .add(entry("F3", "Later", "03"));
        return data.standardLookups().text();
    }
    data.add(entry("T1", "One", "01")).add(entry("T2", "Two", "02"));
    if (what == "termFewFields")
        data.term({"3", "Net", "30"}).term({"5", "only"});
    if (what == "termNotNumber")
        data.term({"x", "a", "b"});
    return data.state({"10", "1", "TX", "Texas"}).text();
}

class StaleListTest : public ControlTest, public ::testing::WithParamInterface<StaleRow> {};

// Once the table was emptied, the list is rebuilt even when the load stops early: an entry
// left over from the previous load has no row, and an Update of it would be dropped silently.
TEST_P(StaleListTest, TheListIsRebuiltFromTheTable) {
    const StaleRow& row = GetParam();
    load(standardData());
    clickId("007");
    control.LetContactAddress(row.text, fieldSep, recordSep, tableSep);

    EXPECT_EQ(control.loadStatus().empty(), !row.stops) << control.loadStatus();
    EXPECT_EQ(listIds(), row.ids);
    EXPECT_EQ(control.table().recordCount(), row.ids.size());
    EXPECT_FALSE(list().selectedIndex().has_value());
    EXPECT_EQ(form().cboContactType.listCount(), row.terms);
    EXPECT_EQ(form().cboContactCountry.listCount(), row.countries);

    load(standardData());
    EXPECT_EQ(control.loadStatus(), "") << "a load that goes through clears the reason";
}

INSTANTIATE_TEST_SUITE_P(
    Stops, StaleListTest,
    ::testing::Values(
        StaleRow{"NotThreeTables", stopAfterEmptying("tables"), true, {}, 2, 3},
        // The too-wide row stays with the fields written before the name: only its id.
        StaleRow{"ValueTooWide", stopAfterEmptying("wide"), true, {"W2", "W1"}, 2, 3},
        StaleRow{"TwentyTwoFields", stopAfterEmptying("fields"), true, {"F1", "F2"}, 2, 3},
        // A failing term record stops the lookup filling: the terms before it stay (a code
        // that is no number fails after its item was added), the countries are never added.
        StaleRow{"TermWithTwoFields", stopAfterEmptying("termFewFields"), true, {"T1", "T2"}, 1, 0},
        StaleRow{
            "TermCodeNotANumber", stopAfterEmptying("termNotNumber"), true, {"T1", "T2"}, 1, 0},
        // An empty term table is no failure: the load goes through with an empty term list.
        StaleRow{
            "TermTableWithoutRecord", stopAfterEmptying("termEmpty"), false, {"T1", "T2"}, 0, 3}),
    RowName());

TEST_F(LoadingTest, AnEntryShownAfterAnEarlyStopCanStillBeUpdated) {
    load(standardData());
    control.LetContactAddress(stopAfterEmptying("termFewFields"), fieldSep, recordSep, tableSep);
    load(standardData());
    clickId("456");
    ASSERT_EQ(user::press(form().cmdEdit), Outcome::Done);
    ASSERT_EQ(user::type(box(2), "Suite 4"), Outcome::Done);
    ASSERT_EQ(user::press(form().cmdAdd), Outcome::Done);
    const auto records = exported();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0][fVendorPayToID], "456");
    EXPECT_EQ(records[0][fStreet2], "Suite 4");
}

}  // namespace
}  // namespace xkr::test
