#include "view/ListView.h"

#include <algorithm>

#include "common/Error.h"
#include "view/TextSort.h"

namespace xkr {

ListView::ListView(FocusManager& focus, std::string name, double width)
    : Control(focus, std::move(name)), m_width(width) {}

void ListView::addColumnHeader(std::string text, double width) {
    if (m_headers.size() == maxColumns)
        throw VendorPayToError(name() + ": too many columns");
    if (m_headers.empty())
        m_headers.reserve(maxColumns);  // one allocation for the headers of every control
    m_headers.push_back({std::move(text), width});
    notify();
}

void ListView::clearItems() {
    m_items.clear();
    m_order.clear();
    m_sortedAs.reset();
    m_selected.reset();
    itemsDirty();
    notify();
}

void ListView::reserveItems(std::size_t count) {
    m_items.reserve(count);
    m_order.reserve(count);
}

std::size_t ListView::addItem(std::span<const std::string_view> columns) {
    Item entry{{}, 0};
    entry.columns.assign(columns);
    entry.serial = m_nextSerial++;
    m_order.push_back(static_cast<std::uint32_t>(m_items.size()));
    m_items.push_back(std::move(entry));
    m_sortedAs.reset();
    itemsDirty();
    return m_order.size() - 1;
}

void ListView::removeItem(std::size_t position) {
    const std::size_t slot = slotAt(position);
    if (m_selected == m_items[slot].serial)
        m_selected.reset();
    m_order.erase(m_order.begin() + static_cast<std::ptrdiff_t>(position));
    // The last slot fills the hole, so no other entry moves in storage.
    const auto last = static_cast<std::uint32_t>(m_items.size() - 1);
    if (slot != last) {
        m_items[slot] = std::move(m_items.back());
        *std::find(m_order.begin(), m_order.end(), last) = static_cast<std::uint32_t>(slot);
    }
    m_items.pop_back();
    itemsDirty();
    notify();
}

std::string_view ListView::itemText(std::size_t position) const {
    return column(position, 0);
}

std::string_view ListView::column(std::size_t position, std::size_t k) const {
    return item(position).columns.get(k);
}

void ListView::setSubItem(std::size_t position, std::size_t k, std::string_view text) {
    if (k == 0 || k >= maxColumns) {
        throw VendorPayToError(name() + ": no sub-item " + std::to_string(k));
    }
    m_items[slotAt(position)].columns.set(k, text);
    m_sortedAs.reset();
    itemsDirty();
}

std::optional<std::size_t> ListView::selectedIndex() const {
    if (!m_selected)
        return std::nullopt;
    const auto entry = std::find_if(m_items.begin(), m_items.end(),
                                    [this](const Item& i) { return i.serial == *m_selected; });
    if (entry == m_items.end())
        return std::nullopt;
    const auto slot = static_cast<std::uint32_t>(entry - m_items.begin());
    return static_cast<std::size_t>(std::find(m_order.begin(), m_order.end(), slot) -
                                    m_order.begin());
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
    if (order != 0 && order != 1)
        throw VendorPayToError(name() + ": sort order is 0 or 1");
    m_sortOrder = order;
    reorder();
    notify();
}

void ListView::setHideSelection(bool hide) {
    if (m_hideSelection == hide)
        return;
    m_hideSelection = hide;
    notify();
}

void ListView::setBackColour(Colour colour) {
    if (m_backColour == colour)
        return;
    m_backColour = colour;
    notify();
}

bool ListView::userSelectAndClick(std::size_t position) {
    if (!enabled())
        return false;
    select(position);
    if (onClick)
        onClick();
    return true;
}

bool ListView::userClick() {
    if (!enabled())
        return false;
    if (onClick)
        onClick();
    return true;
}

bool ListView::userClickHeader(std::size_t position1) {
    if (!enabled())
        return false;
    if (position1 < 1 || position1 > m_headers.size()) {
        throw VendorPayToError(name() + ": no column header " + std::to_string(position1));
    }
    if (onColumnClick)
        onColumnClick(position1);
    return true;
}

ListView::UpdateBatch::UpdateBatch(ListView& list) : m_list(list) {
    ++m_list.m_batchDepth;
}

ListView::UpdateBatch::~UpdateBatch() {
    if (--m_list.m_batchDepth == 0 && m_list.m_batchDirty) {
        m_list.m_batchDirty = false;
        m_list.itemsChanged.raise();
    }
}

std::size_t ListView::memoryBytes() const {
    std::size_t bytes =
        m_items.capacity() * sizeof(Item) + m_order.capacity() * sizeof(std::uint32_t);
    for (const Item& entry : m_items) bytes += entry.columns.byteSize();
    return bytes;
}

std::size_t ListView::slotAt(std::size_t position) const {
    if (position >= m_order.size()) {
        throw VendorPayToError(name() + ": no entry at position " + std::to_string(position));
    }
    return m_order[position];
}

// The order is remembered until entries are added or rewritten, so a click on the sorted column
// only flips it and a repeated one costs nothing.
void ListView::reorder() {
    const SortState wanted{static_cast<std::size_t>(m_sortKey), m_sortOrder == 1};
    if (m_sortedAs && m_sortedAs->key == wanted.key) {
        if (m_sortedAs->descending == wanted.descending)
            return;
        reverseEqualRuns(wanted.key);
    } else if (!sortBy(wanted)) {
        m_sortedAs = wanted;
        return;
    }
    m_sortedAs = wanted;
    itemsDirty();
}

// False when the entries were in order already.
bool ListView::sortBy(const SortState& sort) {
    const std::optional<std::vector<std::size_t>> order =
        stableTextOrder(sortKeys(sort.key), sort.descending);
    if (!order)
        return false;
    applyOrder(*order);
    return true;
}

void ListView::reverseEqualRuns(std::size_t key) {
    applyOrder(reversedTextOrder(sortKeys(key)));
}

std::vector<std::string_view> ListView::sortKeys(std::size_t key) const {
    std::vector<std::string_view> keys;
    keys.reserve(m_order.size());
    for (std::uint32_t slot : m_order) keys.push_back(m_items[slot].columns.get(key));
    return keys;
}

void ListView::applyOrder(const std::vector<std::size_t>& order) {
    std::vector<std::uint32_t> slots;
    slots.reserve(order.size());
    for (std::size_t position : order) slots.push_back(m_order[position]);
    m_order = std::move(slots);
}

void ListView::itemsDirty() {
    if (m_batchDepth > 0) {
        m_batchDirty = true;
    } else {
        itemsChanged.raise();
    }
}

}  // namespace xkr
