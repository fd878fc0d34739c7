#include <array>
#include <exception>

#include "common/Text.h"
#include "view/PayToEditor.h"

namespace xkr {
namespace {

// An id that is the plain decimal form of a number came from the host; temporary ids of
// entries added in the editor never are, and only those may be deleted here.
bool isPlainNumber(std::string_view id) {
    return text::shortestDecimal(text::leadingNumber(id)) == id;
}

}  // namespace

// Traps every failure: the entries added before it stay, and the steps after it do not run.
void PayToEditor::FillContactList() {
    ListView& list = m_form.lstContacts;
    ListView::UpdateBatch batch(list);
    try {
        PayToTable& table = m_state.table;
        list.clearItems();
        // The marks' positions, and the selection, went with the old entries.
        m_state.primaryMarksBefore.clear();
        disableCommandsWithoutSelection();
        if (table.recordCount() == 0)
            return;
        // Each row read and each entry written whole, not column by column.
        list.reserveItems(table.recordCount());
        std::array<std::string_view, layout::entryFieldMap.size()> columns;
        for (table.moveFirst(); !table.eof(); table.moveNext()) {
            const auto row = table.values();
            for (const layout::FieldMapEntry& map : layout::entryFieldMap)
                columns[map.column] = row[map.field];
            list.addItem(columns);
        }
        list.setSortKey(layout::column::serialSortKey);
        list.setSortOrder(0);
        for (int i = 0; i < static_cast<int>(layout::textBoxCount); ++i) {
            m_form.txtContact(i).setText("");
        }
        if (m_state.modeFlag) {
            // In add and edit mode the button is Cancel, which must stay a way out.
            if (inMode(layout::caption::add))
                m_form.cmdEdit.setEnabled(false);
            m_form.cmdDelete.setEnabled(false);
        }
    } catch (const std::exception&) {
    }
}

void PayToEditor::lstContacts_Click() {
    ListView& list = m_form.lstContacts;
    const auto selected = list.selectedIndex();
    if (!selected)
        return;

    // Copies: showing the entry raises events, and nothing may read the list entry mid-change.
    std::array<std::string, layout::entryFieldMap.size()> columns;
    for (const layout::FieldMapEntry& map : layout::entryFieldMap) {
        columns[map.column] = std::string(list.column(*selected, map.column));
    }

    if (m_state.modeFlag) {
        m_form.cmdEdit.setEnabled(true);
        // Delete belongs to browse mode: when Edit reloads the entry, it stays disabled.
        m_form.cmdDelete.setEnabled(!isPlainNumber(columns[layout::column::id]) &&
                                    inMode(layout::caption::add));
    } else {
        m_form.cmdEdit.setEnabled(false);
        m_form.cmdDelete.setEnabled(false);
    }

    for (const layout::FieldMapEntry& map : layout::entryFieldMap) {
        const std::string& value = columns[map.column];
        switch (map.control) {
            case layout::EntryControl::None:
                break;
            case layout::EntryControl::TextBox:
                m_form.txtContact(map.textIndex).setText(value);
                break;
            case layout::EntryControl::Country:
                selectByCode(m_form.cboContactCountry, value);
                break;
            case layout::EntryControl::State:
                selectByCode(m_form.cboContactState, value);
                break;
            case layout::EntryControl::Term:
                selectByCode(m_form.cboContactType, value);
                break;
            case layout::EntryControl::Active:
                m_form.ChkActive.setValue(text::trim(value) == layout::noText ? 0 : 1);
                break;
            case layout::EntryControl::Default:
                setPrimaryBoxGuarded(text::trim(value) == layout::noText ? 0 : 1);
                break;
        }
    }
}

// Traps every failure and returns silently.
void PayToEditor::lstContacts_ColumnClick(std::size_t headerPosition1) {
    try {
        ListView& list = m_form.lstContacts;
        const auto column = static_cast<std::int16_t>(headerPosition1 - 1);
        if (list.sortKey() != column) {
            list.setSortKey(column);
        } else {
            list.setSortOrder(list.sortOrder() == 0 ? 1 : 0);
        }
    } catch (const std::exception&) {
    }
}

// Selects the first item whose code equals the text read as a number; a text that is no
// number matches nothing, and then the selection stays as it was.
void PayToEditor::selectByCode(ComboBox& combo, std::string_view code) {
    const auto number = text::toNumber(text::trim(code));
    if (!number)
        return;
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.itemData(i) == *number) {
            combo.setListIndex(i);
            return;
        }
    }
}

// Setting the box raises its click handling, which must not take this for the user's change.
void PayToEditor::setPrimaryBoxGuarded(int value) {
    m_state.primaryGuard = true;
    try {
        m_form.ChkDefault.setValue(value);
    } catch (...) {
        m_state.primaryGuard = false;
        throw;
    }
    m_state.primaryGuard = false;
}

}  // namespace xkr
