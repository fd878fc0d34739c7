#include <array>
#include <limits>
#include <optional>

#include "common/Error.h"
#include "common/Text.h"
#include "view/PayToEditor.h"
#include "view/TextTable.h"

namespace xkr {

Control& PayToEditor::panelControl(const layout::FieldMapEntry& entry) {
    switch (entry.control) {
        case layout::EntryControl::TextBox:
            return m_form.txtContact(entry.textIndex);
        case layout::EntryControl::Country:
            return m_form.cboContactCountry;
        case layout::EntryControl::State:
            return m_form.cboContactState;
        case layout::EntryControl::Term:
            return m_form.cboContactType;
        case layout::EntryControl::Active:
            return m_form.ChkActive;
        case layout::EntryControl::Default:
            return m_form.ChkDefault;
        case layout::EntryControl::None:
            break;
    }
    throw VendorPayToError("column " + std::to_string(entry.column) + " has no panel control");
}

// What the table stores of a control: a box's text, a combo item's code, a check box's yes or no.
std::string PayToEditor::panelValue(const layout::FieldMapEntry& entry) {
    const Control& control = panelControl(entry);
    if (const auto* box = dynamic_cast<const TextBox*>(&control))
        return box->text();
    if (const auto* combo = dynamic_cast<const ComboBox*>(&control))
        return std::to_string(combo->itemData(combo->listIndex()));
    const bool checked = dynamic_cast<const CheckBox&>(control).value() == 1;
    return std::string(checked ? layout::yesText : layout::noText);
}

std::string PayToEditor::pendingNewPayToID() const {
    return text::zeroPadded(m_state.newIdCounter) + "-N";
}

// The id is built before the counter moves on, so the failure at the limit happens before
// anything is written and the counter stays at its limit.
std::string PayToEditor::NextNewPayToID() {
    std::string id = pendingNewPayToID();
    if (m_state.newIdCounter == std::numeric_limits<std::int16_t>::max()) {
        throw VendorPayToError("the new-id counter is at its limit of 32767");
    }
    ++m_state.newIdCounter;
    return id;
}

// Traps nothing. Every value is taken and checked against its field before the first write, so
// a failure leaves neither a list entry without its row nor a row or entry written in part.
void PayToEditor::SaveEntry(bool tbNew) {
    ListView& list = m_form.lstContacts;
    PayToTable& table = m_state.table;
    std::optional<std::size_t> entry;
    if (!tbNew) {
        entry = list.selectedIndex();
        if (!entry)
            throw VendorPayToError("no entry is selected");
        table.moveTo(
            table.findFirst(fVendorPayToID, list.itemText(*entry)).value_or(table.recordCount()));
        if (table.eof())
            return;
    }

    struct Write {
        const layout::FieldMapEntry* map;
        std::string value;
    };
    // The record as the host will get it back: the row's values (none for a new entry) with
    // this save's values written over them.
    std::array<std::string, exportedFieldCount> record;
    for (std::size_t field = 0; !tbNew && field < exportedFieldCount; ++field)
        record[field] = table.value(field);
    const std::string vendorId = std::to_string(m_state.vendorId);
    if (tbNew) {
        record[fVendorPayToID] = pendingNewPayToID();
        record[fVendorID] = vendorId;
    }
    std::vector<Write> writes;
    for (const layout::FieldMapEntry& map : layout::entryFieldMap) {
        if (map.control == layout::EntryControl::None)
            continue;
        Write write{&map, panelValue(map)};
        if (!table.fits(map.field, write.value)) {
            throw VendorPayToError("the value for " + std::string(payToFields[map.field].name) +
                                   " does not fit its field");
        }
        record[map.field] = write.value;
        writes.push_back(std::move(write));
    }
    // The checks name a typed value that would split the record; what they cannot name (a
    // separator that is a digit, "-" or "N", which the ids and codes the control makes up hold)
    // leaves the entry unsaved, and the mode on, rather than the host's text split.
    const std::string_view marker = tbNew ? "N" : "S";
    if (!readsBack(record, m_state.separators) ||
        !heldSeparator(marker, m_state.separators).empty()) {
        refuse(texts::english(texts::Id::entryWouldSplit), nullptr);
        throw VendorPayToError("the entry's record would not read back with these separators");
    }

    ListView::UpdateBatch batch(list);
    if (tbNew) {
        const std::string id = NextNewPayToID();
        entry = list.addItem(id);
        table.addNew();
        table.setValue(fVendorPayToID, id);
        table.setValue(fVendorID, vendorId);
    }
    table.setValue(fIsUpdated, marker);
    for (const Write& write : writes) {
        list.setSubItem(*entry, write.map->column, write.value);
        table.setValue(write.map->field, write.value);
    }
}

}  // namespace xkr
