#include <exception>

#include "common/Error.h"
#include "view/PayToEditor.h"

namespace xkr {

// Traps nothing. The order of the steps is the order in which their events are raised.
void PayToEditor::SetEditMode(bool tbEditable, bool tbNew) {
    const Colour fieldColour = tbEditable ? windowBackground : buttonFace;
    for (int i = 0; i < static_cast<int>(layout::textBoxCount); ++i) {
        TextBox& box = m_form.txtContact(i);
        box.setText("");
        box.setBackColour(fieldColour);
        box.setLocked(!tbEditable);
    }
    m_form.ChkDefault.setEnabled(tbEditable);
    m_form.ChkActive.setEnabled(tbEditable);
    setPrimaryBoxGuarded(0);
    m_form.ChkActive.setValue(1);
    m_form.cboContactCountry.setListIndex(-1);
    m_form.cboContactState.setListIndex(-1);
    m_form.cboContactType.setListIndex(-1);
    m_form.txtContact(layout::serialBox).setEnabled(false);

    ListView& list = m_form.lstContacts;
    if (tbEditable) {
        m_form.cmdAdd.setCaption(
            std::string(tbNew ? layout::caption::save : layout::caption::update));
        if (!m_form.cmdAdd.enabled())
            m_form.cmdAdd.setEnabled(true);
        m_form.cmdEdit.setCaption(std::string(layout::caption::cancel));
        m_form.cmdDelete.setEnabled(false);
        m_form.cmdEdit.setEnabled(true);
    } else {
        m_form.cmdAdd.setCaption(std::string(layout::caption::add));
        m_form.cmdEdit.setCaption(std::string(layout::caption::edit));
        m_form.cmdDelete.setEnabled(false);
        m_form.cmdEdit.setEnabled(false);
    }
    for (ComboBox* combo :
         {&m_form.cboContactCountry, &m_form.cboContactState, &m_form.cboContactType}) {
        combo->setBackColour(fieldColour);
    }
    // While an entry is typed the list is out of reach: its click routine does not look at the
    // mode and would load another entry into the fields.
    list.setAvailable(!tbEditable);
    list.setHideSelection(!tbEditable);
    list.setBackColour(tbEditable ? buttonFace : windowBackground);
    list.setSortKey(layout::column::serialSortKey);
    list.setSortOrder(0);
}

// Traps every failure: the command ends silently, keeping what was done.
void PayToEditor::cmdAdd_Click() {
    try {
        if (inMode(layout::caption::add)) {
            beginEntry();
            SetEditMode(true, true);
            m_form.txtContact(layout::serialBox).setEnabled(true);
            m_form.txtContact(layout::nameBox).SetFocus();
            return;
        }
        const bool isNew = inMode(layout::caption::save);
        if (!ValidateEntry())
            return;
        SaveEntry(isNew);
        SetEditMode(false, false);
        focusAfterCommand();
    } catch (const std::exception&) {
    }
}

// Traps every failure.
void PayToEditor::cmdEdit_Click() {
    try {
        if (inMode(layout::caption::add)) {
            beginEntry();
            SetEditMode(true, false);
            lstContacts_Click();
            m_form.txtContact(layout::nameBox).SetFocus();
        } else {
            DiscardPrimaryChanges();
            SetEditMode(false, false);
            focusAfterCommand();
        }
    } catch (const std::exception&) {
    }
}

// Traps nothing: a failure passes to whoever raised the click.
void PayToEditor::cmdDelete_Click() {
    if (!confirm(texts::english(texts::Id::deleteQuestion)))
        return;
    ListView& list = m_form.lstContacts;
    const auto selected = list.selectedIndex();
    if (!selected)
        throw VendorPayToError("no entry is selected");
    PayToTable& table = m_state.table;
    table.moveTo(
        table.findFirst(fVendorPayToID, list.itemText(*selected)).value_or(table.recordCount()));
    if (table.eof())
        return;
    table.deleteCurrent();
    list.removeItem(*selected);
    for (int i = 0; i < static_cast<int>(layout::textBoxCount); ++i) {
        m_form.txtContact(i).setText("");
    }
    if (list.itemCount() == 0) {
        m_form.cmdEdit.setEnabled(false);
        m_form.cmdAdd.setEnabled(true);
    }
    m_form.cmdDelete.setEnabled(false);
    disableCommandsWithoutSelection();
    focusAfterCommand();
}

// The focus goes where the user can go on: the list when it has a selected entry, else Add;
// never a box that was just cleared or locked.
void PayToEditor::focusAfterCommand() {
    ListView& list = m_form.lstContacts;
    if (list.selectedIndex() && list.available()) {
        list.SetFocus();
    } else if (m_form.cmdAdd.enabled()) {
        m_form.cmdAdd.SetFocus();
    }
}

void PayToEditor::beginEntry() {
    m_state.primaryMarksBefore.clear();
    m_state.primaryChangeMarkerBefore = m_state.primaryChangeMarker;
}

void PayToEditor::DiscardPrimaryChanges() {
    if (inMode(layout::caption::add))
        return;
    ListView& list = m_form.lstContacts;
    ListView::UpdateBatch batch(list);
    auto& before = m_state.primaryMarksBefore;
    for (const auto& [position, mark] : before) {
        if (position < list.itemCount())
            list.setSubItem(position, layout::column::defaultPayTo, mark);
    }
    before.clear();
    m_state.primaryChangeMarker = m_state.primaryChangeMarkerBefore;
}

// Edit and Delete act on the selected entry; with none they wait for the next selection.
// Cancel shares Edit's button and stays.
void PayToEditor::disableCommandsWithoutSelection() {
    if (!inMode(layout::caption::add) || m_form.lstContacts.selectedIndex())
        return;
    m_form.cmdEdit.setEnabled(false);
    m_form.cmdDelete.setEnabled(false);
}

}  // namespace xkr
