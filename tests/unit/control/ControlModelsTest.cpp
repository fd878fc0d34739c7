#include <vector>

#include <gtest/gtest.h>

#include "common/Error.h"
#include "view/Controls.h"
#include "view/FocusManager.h"
#include "view/ListView.h"

namespace xkr {
namespace {

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
    const int beforeLock = changes;
    combo.setLocked(true);
    EXPECT_GT(changes, beforeLock) << "the Qt combo would still take the user's pick";
    EXPECT_FALSE(combo.userPick(2));
    EXPECT_EQ(combo.listIndex(), 0);
    const int beforeClear = changes;
    combo.clear();
    EXPECT_GT(changes, beforeClear);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "");
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

// The bindings keep their subscriptions in moved connections, and drop them with the controls.
TEST(SignalModel, AMovedConnectionSubscribesAndAnEndedOneNoLonger) {
    Signal signal;
    int calls = 0;
    Signal::Connection kept;
    kept = signal.connect([&] { ++calls; });
    {
        const Signal::Connection ended = signal.connect([&] { calls += 10; });
    }
    signal.raise();
    EXPECT_EQ(calls, 1);
}

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
