#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "view/EditorForm.h"
#include "view/EditorState.h"
#include "view/Layout.h"
#include "view/MessageBox.h"
#include "view/Version.h"

namespace xkr {

// The editor routines. Each keeps the failure handling its caller relies on: routines that trap
// say so; the others let a failure pass to their caller. Each group lives in the file named
// beside it.
class PayToEditor {
public:
    // Keeps references to all three: whoever owns them keeps them alive longer than the editor.
    PayToEditor(EditorState& state, EditorForm& form, const MessageBoxFunction& messageBox);

    // Start-up: PayToEditor.cpp
    void UserControl_Initialize(const VersionRecord& version);

    // Lookup lists: LookupLists.cpp
    void FillLookupLists();
    void cboContactCountry_Click();
    void FillStateList(const std::string& ptCountry);
    void cboContactType_Click() {}

    // Address list: AddressList.cpp
    void FillContactList();
    void lstContacts_Click();
    void lstContacts_ColumnClick(std::size_t headerPosition1);

    // Modes and commands: EditModes.cpp
    void SetEditMode(bool tbEditable, bool tbNew);
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    // An entry left unsaved in add or edit mode: the primary marks and the primary-change
    // marker return to what they were when Add or Edit was pressed, so the host sees no change.
    void DiscardPrimaryChanges();

    // Entry checks: EntryValidation.cpp
    bool ValidateEntry();
    void txtContact_Validate(int index, bool& cancel);
    void ChkActive_Validate(bool& cancel);
    void ChkDefault_Click();

    // Saving: EntrySaving.cpp
    void SaveEntry(bool tbNew);
    std::string NextNewPayToID();

private:
    bool inMode(std::string_view cmdAddCaption) const;
    void beginEntry();
    void focusAfterCommand();
    void setPrimaryMark(std::size_t position, std::string_view mark);
    void disableCommandsWithoutSelection();
    void selectByCode(ComboBox& combo, std::string_view code);
    void setPrimaryBoxGuarded(int value);
    void refuse(std::string_view message, Control* focusTarget);
    void refuseSerial(std::string_view message, bool& cancel);
    bool confirm(std::string_view question);
    bool confirmPostalCode();
    std::string_view chosenStateCode() const;
    Control& panelControl(const layout::FieldMapEntry& entry);
    std::string panelValue(const layout::FieldMapEntry& entry);
    std::string pendingNewPayToID() const;

    EditorState& m_state;
    EditorForm& m_form;
    const MessageBoxFunction& m_messageBox;
};

}  // namespace xkr
