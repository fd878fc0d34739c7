#include <vector>

#include <gtest/gtest.h>

#include "RowName.h"
#include "common/Error.h"
#include "view/Controls.h"
#include "view/FocusManager.h"
#include "view/ListView.h"

namespace xkr {
namespace {

using test::RowName;

// The state list relies on the country click to clear it also when nothing changed: a combo
// that skips the click for the same index or for -1 leaves a stale state list.
TEST(ComboBoxModel, EverySetRaisesClickAndLockedRefusesTheUser) {
    FocusManager focus;
    ComboBox combo(focus, "cbo");
    // A front end that is not told keeps showing the previous country's states.
    int changes = 0;
    const Signal::Connection counting = combo.changed.connect([&] { ++changes; });
    for (const char* text : {"a", "b", "c"}) combo.addItem(text);
    EXPECT_EQ(changes, 3);
    std::vector<int> seen;
    combo.onClick = [&] { seen.push_back(combo.listIndex()); };
    for (int index : {1, 1, -1, -1, 0}) combo.setListIndex(index);
    EXPECT_EQ(seen, (std::vector<int>{1, 1, -1, -1, 0}));
    // The count itself is one past the last item: a loosened bound reads past the items.
    for (int outside : {3, 5, -2}) {
        EXPECT_THROW(combo.setListIndex(outside), VendorPayToError) << outside;
        EXPECT_THROW(combo.itemText(outside), VendorPayToError) << outside;
    }
    EXPECT_EQ(seen.size(), 5U) << "a refused index raised a click";
    combo.setLocked(true);
    EXPECT_FALSE(combo.userPick(2));
    EXPECT_EQ(combo.listIndex(), 0);
    const int beforeClear = changes;
    combo.clear();
    EXPECT_GT(changes, beforeClear);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "");
}

TEST(CheckBoxModel, ClickOnlyOnChangeAndNoUserClickWhenDisabled) {
    struct Row {
        int initial, set, clicks;
    };
    for (const Row row : {Row{0, 1, 1}, Row{1, 0, 1}, Row{1, 1, 0}, Row{0, 0, 0}}) {
        FocusManager focus;
        CheckBox box(focus, "chk");
        box.setValue(row.initial);
        int clicks = 0;
        box.onClick = [&] { ++clicks; };
        box.setValue(row.set);
        EXPECT_EQ(clicks, row.clicks) << row.initial << " to " << row.set;
        box.setEnabled(false);
        EXPECT_FALSE(box.userClick());
        EXPECT_EQ(box.value(), row.set);
    }
}

TEST(TextBoxModel, UserTextIsCutInCharactersAndRefusedWhenLocked) {
    FocusManager focus;
    TextBox box(focus, "txt", 0, 3);
    // A byte-based cut would split the two-byte characters.
    EXPECT_TRUE(box.userReplaceText("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"));
    EXPECT_EQ(box.text(), "\xC3\xA9\xC3\xA9\xC3\xA9");
    box.setLocked(true);
    EXPECT_FALSE(box.userReplaceText("x"));
    EXPECT_EQ(box.text(), "\xC3\xA9\xC3\xA9\xC3\xA9");
}

struct FocusRow {
    const char* name;
    bool cancel;  // the losing box keeps the focus
    bool targetDisabled;
    bool sourceDisabled;  // disabled after it took the focus
    FocusMove move;
    int validations;
};

class FocusModel : public ::testing::TestWithParam<FocusRow> {};

TEST_P(FocusModel, OnlyAUserMoveAwayFromTheFocusedControlValidates) {
    const FocusRow& row = GetParam();
    FocusManager focus;
    TextBox a(focus, "a", 0, 10);
    TextBox b(focus, "b", 1, 10);
    int validations = 0;
    a.onValidate = [&](bool& cancel) {
        ++validations;
        cancel = row.cancel;
    };
    b.onValidate = [&](bool&) { ADD_FAILURE() << "the gaining control was validated"; };
    a.SetFocus();  // a move by code raises no validation
    b.setEnabled(!row.targetDisabled);
    a.setEnabled(!row.sourceDisabled);
    if (row.targetDisabled) {
        EXPECT_THROW(b.SetFocus(), VendorPayToError);
    }
    EXPECT_EQ(focus.userMoveFocus(b), row.move);
    EXPECT_EQ(b.hasFocus(), row.move == FocusMove::Moved);
    if (b.hasFocus()) {
        EXPECT_EQ(focus.userMoveFocus(b), FocusMove::AlreadyThere);
    }
    EXPECT_EQ(validations, row.validations);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Moves, FocusModel, ::testing::Values(
    FocusRow{"Moves", false, false, false, FocusMove::Moved, 1},
    FocusRow{"CancelKeeps", true, false, false, FocusMove::Cancelled, 1},
    FocusRow{"DisabledTargetBlocksWithoutValidation", false, true, false, FocusMove::Blocked, 0},
    // Disabling the focused control leaves no focus, so nothing is validated.
    FocusRow{"DisabledSourceIsNotValidated", true, false, true, FocusMove::Moved, 0}), RowName());
// clang-format on

TEST(ListViewModel, NestedBatchesEmitItemsChangedOnceAtTheOutermostEnd) {
    FocusManager focus;
    ListView list(focus, "lst", 7110);
    list.addColumnHeader("id", 100);
    list.addColumnHeader("key", 100);
    int emitted = 0;
    const Signal::Connection counting = list.itemsChanged.connect([&] { ++emitted; });
    {
        ListView::UpdateBatch outer(list);
        {
            ListView::UpdateBatch inner(list);
            list.setSubItem(list.addItem("p"), 1, "b");
            list.setSubItem(list.addItem("q"), 1, "a");
        }
        EXPECT_EQ(emitted, 0) << "an inner batch must not flush";
        list.setSortKey(1);
    }
    EXPECT_EQ(emitted, 1);
    list.setSortOrder(1);
    EXPECT_EQ(emitted, 2) << "a reorder that the views are not told of is never repainted";
    list.setSubItem(0, 1, "c");
    EXPECT_EQ(emitted, 3) << "an edited entry would keep its old text on screen";
    EXPECT_THROW(list.column(0, ListView::maxColumns), VendorPayToError);
    { ListView::UpdateBatch idle(list); }
    EXPECT_EQ(emitted, 3) << "a batch without changes emits nothing";
}

}  // namespace
}  // namespace xkr
