#include "view/ListView.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "common/Error.h"

namespace xkr {
namespace {

// Texts sort case-insensitively (ASCII letters folded), byte by byte otherwise.
unsigned char fold(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 32) : u;
}

int compareText(std::string_view a, std::string_view b, std::size_t from = 0) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = from; i < n; ++i) {
        const unsigned char x = fold(a[i]);
        const unsigned char y = fold(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// A stable most-significant-byte radix sort of positions by their folded texts: a header click
// on a new column sorts 32,767 entries in about a millisecond, where comparison sorting takes
// many times that on texts that share long prefixes.
class RadixSorter {
public:
    RadixSorter(const std::vector<std::string_view>& keys, bool descending)
        : m_keys(keys), m_descending(descending) {}

    void sort(std::vector<std::size_t>& order) {
        m_buffer.resize(order.size());
        sortRange(order, 0, order.size(), 0);
    }

private:
    static constexpr std::size_t smallRange = 32;
    static constexpr std::size_t bucketCount = 257;  // 0: the text ends here; 1 + byte

    std::size_t bucket(std::size_t position, std::size_t depth) const {
        const std::string_view key = m_keys[position];
        return depth < key.size() ? 1 + std::size_t{fold(key[depth])} : 0;
    }

    bool before(std::size_t a, std::size_t b, std::size_t depth) const {
        const int c = compareText(m_keys[a], m_keys[b], depth);
        return m_descending ? c > 0 : c < 0;
    }

    void sortRange(std::vector<std::size_t>& order, std::size_t begin, std::size_t end,
                   std::size_t depth) {
        if (end - begin <= smallRange) {
            // Insertion sort moves an entry only past strictly greater ones: stable.
            for (std::size_t i = begin + 1; i < end; ++i) {
                const std::size_t current = order[i];
                std::size_t j = i;
                for (; j > begin && before(current, order[j - 1], depth); --j) {
                    order[j] = order[j - 1];
                }
                order[j] = current;
            }
            return;
        }
        std::array<std::size_t, bucketCount + 1> start{};
        for (std::size_t i = begin; i < end; ++i) ++start[slot(bucket(order[i], depth)) + 1];
        // A byte that every text of the range shares (a common prefix) needs no distribution.
        const std::size_t shared = slot(bucket(order[begin], depth));
        if (start[shared + 1] == end - begin) {
            if (shared != slot(0)) sortRange(order, begin, end, depth + 1);
            return;
        }
        for (std::size_t b = 1; b <= bucketCount; ++b) start[b] += start[b - 1];
        std::array<std::size_t, bucketCount> next{};
        std::copy(start.begin(), start.end() - 1, next.begin());
        for (std::size_t i = begin; i < end; ++i) {
            m_buffer[begin + next[slot(bucket(order[i], depth))]++] = order[i];
        }
        std::copy(m_buffer.begin() + static_cast<std::ptrdiff_t>(begin),
                  m_buffer.begin() + static_cast<std::ptrdiff_t>(end),
                  order.begin() + static_cast<std::ptrdiff_t>(begin));
        for (std::size_t b = 0; b < bucketCount; ++b) {
            const std::size_t from = begin + start[b];
            const std::size_t to = begin + start[b + 1];
            // The texts of the end-of-text bucket are equal: they keep their order.
            const bool ended = slot(0) == b;
            if (to - from > 1 && !ended) sortRange(order, from, to, depth + 1);
        }
    }

    // Where a bucket goes: ascending puts ended texts first, descending last.
    std::size_t slot(std::size_t bucketIndex) const {
        return m_descending ? bucketCount - 1 - bucketIndex : bucketIndex;
    }

    const std::vector<std::string_view>& m_keys;
    bool m_descending;
    std::vector<std::size_t> m_buffer;
};

}  // namespace

ListView::ListView(FocusManager& focus, std::string name, double width)
    : Control(focus, std::move(name)), m_width(width) {}

void ListView::addColumnHeader(std::string text, double width) {
    if (m_headers.size() == maxColumns) throw VendorPayToError(name() + ": too many columns");
    m_headers.push_back({std::move(text), width});
    notify();
}

void ListView::clearItems() {
    m_items.clear();
    m_selected.reset();
    itemsDirty();
    notify();
}

std::size_t ListView::addItem(std::string_view text) {
    Item entry{{}, m_nextSerial++};
    entry.columns.set(0, text);
    m_items.push_back(std::move(entry));
    itemsDirty();
    return m_items.size() - 1;
}

void ListView::removeItem(std::size_t position) {
    const Item& entry = item(position);
    if (m_selected == entry.serial) m_selected.reset();
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(position));
    itemsDirty();
    notify();
}

std::string_view ListView::itemText(std::size_t position) const { return column(position, 0); }

std::string_view ListView::column(std::size_t position, std::size_t k) const {
    return item(position).columns.get(k);
}

void ListView::setSubItem(std::size_t position, std::size_t k, std::string_view text) {
    if (k == 0 || k >= maxColumns) {
        throw VendorPayToError(name() + ": no sub-item " + std::to_string(k));
    }
    item(position);
    m_items[position].columns.set(k, text);
    itemsDirty();
}

std::optional<std::size_t> ListView::selectedIndex() const {
    if (!m_selected) return std::nullopt;
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].serial == *m_selected) return i;
    }
    return std::nullopt;
}

void ListView::select(std::optional<std::size_t> position) {
    if (position) {
        m_selected = item(*position).serial;
    } else {
        m_selected.reset();
    }
    notify();
}

void ListView::setSortKey(std::int16_t key) {
    if (key < 0 || static_cast<std::size_t>(key) >= maxColumns) {
        throw VendorPayToError(name() + ": no column " + std::to_string(key) + " to sort by");
    }
    m_sortKey = key;
    reorder();
    notify();
}

void ListView::setSortOrder(std::int32_t order) {
    if (order != 0 && order != 1) throw VendorPayToError(name() + ": sort order is 0 or 1");
    m_sortOrder = order;
    reorder();
    notify();
}

void ListView::setHideSelection(bool hide) {
    if (m_hideSelection == hide) return;
    m_hideSelection = hide;
    notify();
}

void ListView::setBackColour(Colour colour) {
    if (m_backColour == colour) return;
    m_backColour = colour;
    notify();
}

bool ListView::userSelectAndClick(std::size_t position) {
    if (!enabled()) return false;
    select(position);
    if (onClick) onClick();
    return true;
}

bool ListView::userClick() {
    if (!enabled()) return false;
    if (onClick) onClick();
    return true;
}

bool ListView::userClickHeader(std::size_t position1) {
    if (!enabled()) return false;
    if (position1 < 1 || position1 > m_headers.size()) {
        throw VendorPayToError(name() + ": no column header " + std::to_string(position1));
    }
    if (onColumnClick) onColumnClick(position1);
    return true;
}

ListView::UpdateBatch::UpdateBatch(ListView& list) : m_list(list) { ++m_list.m_batchDepth; }

ListView::UpdateBatch::~UpdateBatch() {
    if (--m_list.m_batchDepth == 0 && m_list.m_batchDirty) {
        m_list.m_batchDirty = false;
        m_list.itemsChanged.raise();
    }
}

std::size_t ListView::memoryBytes() const {
    std::size_t bytes = m_items.capacity() * sizeof(Item);
    for (const Item& entry : m_items) bytes += entry.columns.byteSize();
    return bytes;
}

const ListView::Item& ListView::item(std::size_t position) const {
    if (position >= m_items.size()) {
        throw VendorPayToError(name() + ": no entry at position " + std::to_string(position));
    }
    return m_items[position];
}

// Sorting is stable, and cheap when the list is nearly in order: after an entry is appended
// to a sorted list only that entry is placed, so a save costs a merge, not a full sort.
void ListView::reorder() {
    const auto key = static_cast<std::size_t>(m_sortKey);
    const bool descending = m_sortOrder == 1;
    std::vector<std::string_view> keys;
    keys.reserve(m_items.size());
    for (const Item& item : m_items) keys.push_back(item.columns.get(key));
    auto before = [&keys, descending](std::size_t a, std::size_t b) {
        const int c = compareText(keys[a], keys[b]);
        return descending ? c > 0 : c < 0;
    };
    std::vector<std::size_t> order(m_items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto sortedEnd = std::is_sorted_until(order.begin(), order.end(), before);
    if (sortedEnd == order.end()) return;
    auto after = [&before](std::size_t a, std::size_t b) { return before(b, a); };
    if (std::is_sorted(order.begin(), order.end(), after)) {
        // A click on the sorted column flips the direction: taking the runs of equal texts
        // from the back gives the stable order in one pass instead of a sort.
        order.clear();
        for (std::size_t end = keys.size(); end > 0;) {
            std::size_t start = end - 1;
            while (start > 0 && compareText(keys[start - 1], keys[end - 1]) == 0) --start;
            for (std::size_t i = start; i < end; ++i) order.push_back(i);
            end = start;
        }
    } else {
        // Entries appended to a sorted list (a save) only need sorting among themselves and one
        // merge. Positions are sorted, and each entry moved once afterwards: moving the entries
        // themselves through the sort costs several times more at 32,767 entries.
        const auto unsorted = static_cast<std::size_t>(order.end() - sortedEnd);
        if (unsorted <= 64) {
            std::stable_sort(sortedEnd, order.end(), before);
            std::inplace_merge(order.begin(), sortedEnd, order.end(), before);
        } else {
            RadixSorter(keys, descending).sort(order);
        }
    }
    std::vector<Item> sorted;
    sorted.reserve(m_items.size());
    for (std::size_t position : order) sorted.push_back(std::move(m_items[position]));
    m_items = std::move(sorted);
    itemsDirty();
}

void ListView::itemsDirty() {
    if (m_batchDepth > 0) {
        m_batchDirty = true;
    } else {
        itemsChanged.raise();
    }
}

}  // namespace xkr
