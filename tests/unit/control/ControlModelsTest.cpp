#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ControlFixture.h"
#include "common/Error.h"
#include "view/Controls.h"
#include "view/FocusManager.h"
#include "view/ListView.h"

namespace xkr {
namespace {

TEST(ComboBoxModel, SettingTheListIndexRaisesClickEveryTime) {
    FocusManager focus;
    ComboBox combo(focus, "cbo");
    for (const char* text : {"a", "b", "c"}) combo.addItem(text);
    std::vector<int> seen;
    combo.onClick = [&] { seen.push_back(combo.listIndex()); };

    // The same index twice and -1 twice must each raise the click: the state list relies on
    // the country click to clear it also when nothing changed.
    for (int index : {1, 1, -1, -1, 0}) combo.setListIndex(index);

    EXPECT_EQ(seen, (std::vector<int>{1, 1, -1, -1, 0}));
    EXPECT_EQ(combo.text(), "a");
    combo.setListIndex(-1);
    EXPECT_EQ(combo.text(), "") << "no selection shows no text";
}

TEST(ComboBoxModel, ClearDropsTheSelectionAndUserPickIsRefusedWhenLocked) {
    FocusManager focus;
    ComboBox combo(focus, "cbo");
    combo.addItem("x");
    combo.setItemData(combo.newIndex(), -42);
    combo.setListIndex(0);
    EXPECT_EQ(combo.itemData(0), -42);
    combo.clear();
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.listCount(), 0);

    combo.addItem("y");
    combo.setLocked(true);
    EXPECT_FALSE(combo.userPick(0));
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_THROW(combo.setListIndex(5), VendorPayToError);
}

struct CheckRow {
    const char* name;
    int initial;
    int set;
    int expectedClicks;
};

class CheckBoxModel : public ::testing::TestWithParam<CheckRow> {};

TEST_P(CheckBoxModel, ClickOnlyOnChange) {
    const CheckRow& row = GetParam();
    FocusManager focus;
    CheckBox box(focus, "chk");
    box.setValue(row.initial);
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setValue(row.set);
    EXPECT_EQ(clicks, row.expectedClicks);
    EXPECT_EQ(box.value(), row.set);
}

INSTANTIATE_TEST_SUITE_P(Values, CheckBoxModel,
                         ::testing::Values(CheckRow{"UncheckedToChecked", 0, 1, 1},
                                           CheckRow{"CheckedToUnchecked", 1, 0, 1},
                                           CheckRow{"CheckedStaysChecked", 1, 1, 0},
                                           CheckRow{"UncheckedStaysUnchecked", 0, 0, 0}),
                         test::RowName());

TEST(CheckBoxModel, UserClickTogglesAndIsRefusedWhenDisabled) {
    FocusManager focus;
    CheckBox box(focus, "chk");
    EXPECT_TRUE(box.userClick());
    EXPECT_EQ(box.value(), 1);
    EXPECT_TRUE(box.userClick());
    EXPECT_EQ(box.value(), 0);
    box.setEnabled(false);
    EXPECT_FALSE(box.userClick());
    EXPECT_EQ(box.value(), 0);
}

TEST(TextBoxModel, UserTextIsCutToTheLimitInCharactersAndRefusedWhenLockedOrDisabled) {
    FocusManager focus;
    TextBox box(focus, "txt", 0, 3);
    EXPECT_TRUE(box.userReplaceText("abcdef"));
    EXPECT_EQ(box.text(), "abc");
    // A byte-based cut would split the two-byte characters.
    EXPECT_TRUE(box.userReplaceText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"));
    EXPECT_EQ(box.text(), "\xC3\xA9\xC3\xA9\xC3\xA9");
    box.setLocked(true);
    EXPECT_FALSE(box.userReplaceText("x"));
    box.setLocked(false);
    box.setEnabled(false);
    EXPECT_FALSE(box.userReplaceText("x"));
    EXPECT_EQ(box.text(), "\xC3\xA9\xC3\xA9\xC3\xA9");
}

class FocusModel : public ::testing::Test {
protected:
    FocusModel() : a(focus, "a", 0, 10), b(focus, "b", 1, 10) {
        a.onValidate = [this](bool& cancel) {
            validatedA += 1;
            cancel = cancelA;
        };
        b.onValidate = [this](bool&) { validatedB += 1; };
    }
    FocusManager focus;
    TextBox a;
    TextBox b;
    int validatedA = 0;
    int validatedB = 0;
    bool cancelA = false;
};

TEST_F(FocusModel, AUserMoveValidatesOnlyTheControlThatLosesTheFocus) {
    a.SetFocus();
    EXPECT_EQ(validatedA, 0) << "code moves raise no validation";
    EXPECT_EQ(focus.userMoveFocus(b), FocusMove::Moved);
    EXPECT_EQ(validatedA, 1);
    EXPECT_EQ(validatedB, 0);
    EXPECT_EQ(focus.userMoveFocus(b), FocusMove::AlreadyThere);
    EXPECT_EQ(validatedB, 0);
    EXPECT_TRUE(b.hasFocus());
}

TEST_F(FocusModel, ACancelledValidationKeepsTheFocus) {
    a.SetFocus();
    cancelA = true;
    EXPECT_EQ(focus.userMoveFocus(b), FocusMove::Cancelled);
    EXPECT_TRUE(a.hasFocus());
    cancelA = false;
    EXPECT_EQ(focus.userMoveFocus(b), FocusMove::Moved);
}

TEST_F(FocusModel, DisabledTargetsAreBlockedAndThrowOnSetFocus) {
    a.SetFocus();
    b.setEnabled(false);
    EXPECT_EQ(focus.userMoveFocus(b), FocusMove::Blocked);
    EXPECT_EQ(validatedA, 0) << "a blocked move must not validate";
    EXPECT_THROW(b.SetFocus(), VendorPayToError);
    EXPECT_TRUE(a.hasFocus());
}

TEST_F(FocusModel, DisablingTheFocusedControlLeavesNoFocus) {
    a.SetFocus();
    a.setEnabled(false);
    EXPECT_EQ(focus.focused(), nullptr);
    EXPECT_EQ(focus.userMoveFocus(b), FocusMove::Moved);
    EXPECT_EQ(validatedA, 0) << "a control without the focus is not validated";
}

class ListViewModel : public ::testing::Test {
protected:
    ListViewModel() : list(focus, "lst", 7110) {
        for (int k = 0; k < 3; ++k) list.addColumnHeader("c" + std::to_string(k), 100);
    }
    void add(const char* id, const char* key) { list.setSubItem(list.addItem(id), 1, key); }
    std::vector<std::string> ids() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < list.itemCount(); ++i) out.emplace_back(list.itemText(i));
        return out;
    }
    FocusManager focus;
    ListView list;
};

struct SortRow {
    const char* name;
    std::int16_t key;
    std::int32_t order;
    std::vector<std::string> expected;
};

class ListViewSort : public ListViewModel, public ::testing::WithParamInterface<SortRow> {};

TEST_P(ListViewSort, OrdersByKeyAndDirectionKeepingTiesInPlace) {
    add("p", "b");
    add("q", "a");
    add("r", "b");
    add("s", "c");
    list.setSortKey(GetParam().key);
    list.setSortOrder(GetParam().order);
    EXPECT_EQ(ids(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ListViewSort,
    ::testing::Values(SortRow{"TextAscending", 0, 0, {"p", "q", "r", "s"}},
                      SortRow{"TextDescending", 0, 1, {"s", "r", "q", "p"}},
                      // p and r share "b": a stable sort keeps p before r either way.
                      SortRow{"SubItemAscending", 1, 0, {"q", "p", "r", "s"}},
                      SortRow{"SubItemDescending", 1, 1, {"s", "p", "r", "q"}}),
    test::RowName());

TEST_F(ListViewModel, SelectionFollowsItsEntryThroughSortingAndRemoval) {
    add("p", "c");
    add("q", "a");
    add("r", "b");
    list.select(0);
    list.setSortKey(1);
    ASSERT_TRUE(list.selectedIndex().has_value());
    EXPECT_EQ(list.itemText(*list.selectedIndex()), "p");
    list.setSortOrder(1);
    EXPECT_EQ(list.itemText(*list.selectedIndex()), "p");
    list.removeItem(*list.selectedIndex());
    EXPECT_FALSE(list.selectedIndex().has_value());
    list.select(0);
    list.clearItems();
    EXPECT_FALSE(list.selectedIndex().has_value());
}

TEST_F(ListViewModel, UpdateBatchEmitsItemsChangedOnceAtTheOutermostEnd) {
    int emitted = 0;
    list.itemsChanged.connect([&] { ++emitted; });
    {
        ListView::UpdateBatch outer(list);
        {
            ListView::UpdateBatch inner(list);
            add("p", "b");
            add("q", "a");
        }
        EXPECT_EQ(emitted, 0) << "an inner batch must not flush";
        list.setSortKey(1);
    }
    EXPECT_EQ(emitted, 1);
    { ListView::UpdateBatch idle(list); }
    EXPECT_EQ(emitted, 1) << "a batch without changes emits nothing";
}

TEST_F(ListViewModel, UserOperationsAreRefusedWhileTheListIsNotAvailable) {
    add("p", "a");
    int clicks = 0;
    std::vector<std::size_t> headers;
    list.onClick = [&] { ++clicks; };
    list.onColumnClick = [&](std::size_t position1) { headers.push_back(position1); };
    EXPECT_TRUE(list.userSelectAndClick(0));
    EXPECT_TRUE(list.userClickHeader(2));
    list.setAvailable(false);
    EXPECT_FALSE(list.userClick());
    EXPECT_FALSE(list.userClickHeader(1));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(headers, std::vector<std::size_t>{2});
}

}  // namespace
}  // namespace xkr
