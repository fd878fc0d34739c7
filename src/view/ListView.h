#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/PackedFields.h"
#include "view/Controls.h"

namespace xkr {

struct ColumnHeader {
    std::string text;
    double width;  // twips
};

// A report-view list: column headers, entries with a text (column 0) and sub-items, at most one
// selected entry, and a sort column and direction that reorder the entries whenever either is
// set. Positions are 0-based here; hosts that count from 1 convert at their edge.
class ListView : public Control {
public:
    static constexpr std::size_t maxColumns = 20;

    ListView(FocusManager& focus, std::string name, double width);

    double width() const { return m_width; }

    void addColumnHeader(std::string text, double width);
    const std::vector<ColumnHeader>& columnHeaders() const { return m_headers; }

    void clearItems();
    // Room for that many entries, so that adding them moves none.
    void reserveItems(std::size_t count);
    // Appended at the end; returns its position. The columns are the entry's text and its
    // first sub-items, in order.
    std::size_t addItem(std::span<const std::string_view> columns);
    std::size_t addItem(std::string_view text) { return addItem(std::span(&text, 1)); }
    void removeItem(std::size_t position);
    std::size_t itemCount() const { return m_order.size(); }
    std::string_view itemText(std::size_t position) const;
    // Column k of an entry: 0 is its text, k >= 1 its sub-item k.
    std::string_view column(std::size_t position, std::size_t k) const;
    void setSubItem(std::size_t position, std::size_t k, std::string_view text);

    std::optional<std::size_t> selectedIndex() const;
    void select(std::optional<std::size_t> position);

    std::int16_t sortKey() const { return m_sortKey; }
    std::int32_t sortOrder() const { return m_sortOrder; }
    void setSortKey(std::int16_t key);
    void setSortOrder(std::int32_t order);

    // Whether the user can reach the list: false also takes the focus from it.
    bool available() const { return enabled(); }
    void setAvailable(bool available) { setEnabled(available); }
    bool hideSelection() const { return m_hideSelection; }
    void setHideSelection(bool hide);
    Colour backColour() const { return m_backColour; }
    void setBackColour(Colour colour);

    // User operations; each is refused (false) while the list is not available.
    bool userSelectAndClick(std::size_t position);
    bool userClick();
    bool userClickHeader(std::size_t position1);  // 1-based, as the event reports it

    std::function<void()> onClick;
    std::function<void(std::size_t position1)> onColumnClick;

    // Raised when entries are added, removed, reordered or rewritten; `changed` covers the rest.
    Signal itemsChanged;

    // Holds back itemsChanged until the outermost batch ends, so that a routine that rewrites
    // thousands of entries costs a front end one refresh.
    class UpdateBatch {
    public:
        explicit UpdateBatch(ListView& list);
        ~UpdateBatch();
        UpdateBatch(const UpdateBatch&) = delete;
        UpdateBatch& operator=(const UpdateBatch&) = delete;

    private:
        ListView& m_list;
    };

    std::size_t memoryBytes() const;

private:
    struct Item {
        PackedFields<maxColumns> columns;
        std::uint32_t serial;  // stays with the entry through sorting; names the selection
    };

    struct SortState {
        std::size_t key;
        bool descending;
    };

    std::size_t slotAt(std::size_t position) const;
    const Item& item(std::size_t position) const { return m_items[slotAt(position)]; }
    void reorder();
    bool sortBy(const SortState& sort);
    // A list sorted one way becomes sorted the other way (view/TextSort.h).
    void reverseEqualRuns(std::size_t key);
    std::vector<std::string_view> sortKeys(std::size_t key) const;
    // Rearranges the entries: order[i] is the display position that moves to position i.
    void applyOrder(const std::vector<std::size_t>& order);
    void itemsDirty();

    double m_width;
    std::vector<ColumnHeader> m_headers;
    // Entries stay where they were added; sorting permutes only their slots in m_order (display
    // position -> slot), so a header click moves 4 bytes an entry instead of the whole entry.
    std::vector<Item> m_items;
    std::vector<std::uint32_t> m_order;
    // The order the display is known to be in; unknown after entries are added or rewritten.
    std::optional<SortState> m_sortedAs;
    std::uint32_t m_nextSerial = 0;
    std::optional<std::uint32_t> m_selected;
    std::int16_t m_sortKey = 0;
    std::int32_t m_sortOrder = 0;
    bool m_hideSelection = true;
    Colour m_backColour = windowBackground;
    int m_batchDepth = 0;
    bool m_batchDirty = false;
};

}  // namespace xkr
