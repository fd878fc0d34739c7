// The list's reorder takes shortcuts (a flipped direction reverses runs of equal texts instead
// of sorting, a list known to be in order is not sorted again, entries are reached through a
// slot table that removals patch); random lists with many equal texts check it against a plain
// stable sort, and the selection against the entry it named.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "RowName.h"
#include "view/FocusManager.h"
#include "view/ListView.h"

namespace xkr {
namespace {

std::string folded(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return out;
}

std::vector<std::string> entryOrder(const ListView& list) {
    std::vector<std::string> order;
    for (std::size_t i = 0; i < list.itemCount(); ++i) order.emplace_back(list.itemText(i));
    return order;
}

struct OrderCase {
    const char* name;
    std::size_t entries;
    std::vector<std::string> texts;  // drawn for every column: few texts, many ties
};

class ListOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(ListOrder, MatchesStableSortAfterEveryChange) {
    const OrderCase& c = GetParam();
    std::mt19937 random(7);
    FocusManager focus;
    ListView list(focus, "lstContacts", 7110);
    for (int k = 0; k < 4; ++k) list.addColumnHeader(std::to_string(k), 100);
    std::vector<std::vector<std::string>> columns;
    auto append = [&] {
        std::string id = "e";
        id += std::to_string(columns.size());
        const std::size_t position = list.addItem(id);
        std::vector<std::string>& texts = columns.emplace_back(1, id);
        for (std::size_t k = 1; k < 4; ++k) {
            texts.push_back(c.texts[random() % c.texts.size()]);
            list.setSubItem(position, k, texts[k]);
        }
    };
    for (std::size_t e = 0; e < c.entries; ++e) append();
    for (int change = 0; change < 60; ++change) {
        // Flipping the direction of the current column and re-sorting after an entry was
        // appended, removed or rewritten take shortcuts; changing the column is the full sort.
        // Each must give what a stable sort of the previous order gives.
        if (change % 3 == 2)
            append();
        if (change % 5 == 1 && list.itemCount() > 0)
            list.removeItem(random() % list.itemCount());
        if (change % 7 == 3 && list.itemCount() > 0) {
            const std::size_t position = random() % list.itemCount();
            const std::size_t k = 1 + random() % 3;
            std::string& text =
                columns[std::stoul(std::string(list.itemText(position)).substr(1))][k];
            text = c.texts[random() % c.texts.size()];
            list.setSubItem(position, k, text);
        }
        std::string selectedId;
        if (list.itemCount() > 0) {
            const std::size_t position = random() % list.itemCount();
            list.select(position);
            selectedId = list.itemText(position);
        }
        std::vector<std::string> expected = entryOrder(list);
        const auto key = static_cast<std::int16_t>(1 + random() % 3);
        const auto direction = static_cast<std::int32_t>(random() % 2);
        if (change % 3 == 0) {
            list.setSortKey(key);
        } else if (change % 3 == 1) {
            list.setSortOrder(direction);
        } else {
            list.setSortKey(list.sortKey());
        }
        const auto sortKey = static_cast<std::size_t>(list.sortKey());
        const bool descending = list.sortOrder() == 1;
        std::stable_sort(
            expected.begin(), expected.end(), [&](const std::string& a, const std::string& b) {
                const std::string x = folded(columns[std::stoul(a.substr(1))][sortKey]);
                const std::string y = folded(columns[std::stoul(b.substr(1))][sortKey]);
                return descending ? y < x : x < y;
            });
        ASSERT_EQ(entryOrder(list), expected) << "change " << change;
        if (!selectedId.empty()) {
            ASSERT_TRUE(list.selectedIndex().has_value()) << "change " << change;
            EXPECT_EQ(list.itemText(*list.selectedIndex()), selectedId) << "change " << change;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ListOrder,
    testing::Values(OrderCase{"Empty", 0, {"a"}}, OrderCase{"One", 1, {"a", "b"}},
                    OrderCase{"AllEqual", 50, {"x"}},
                    OrderCase{"CaseFolded", 200, {"a", "A", "b", "B", "ab", ""}},
                    OrderCase{"ManyTies", 2000, {"01", "02", "20", "99", "1", "b"}},
                    OrderCase{"LongSharedPrefixes",
                              300,
                              {"Pay-to name 0001", "pay-to NAME 0001", "Pay-to name 00010",
                               "Pay-to name 0002", "Pay-to name 000", "Pay-to name 0001 "}},
                    // Few entries are compared whole, prefixes a word at a time: a word that
                    // differs by one byte value must not pass for equal, or the bytes after
                    // it, in the other order, decide.
                    OrderCase{"WordsOneByteApart",
                              12,
                              {"Pay-to 1 zz", "Pay-to 2 aa", "pay-to 0 ZZ", "Pay-to 1", "Pay-to 2",
                               "Pay-to name 0001 z", "Pay-to name 0002 a"}}),
    test::RowName());

}  // namespace
}  // namespace xkr
