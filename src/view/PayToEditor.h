#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "table/ContactDataText.h"
#include "table/Lookup.h"
#include "table/PayToTable.h"
#include "view/EditorForm.h"
#include "view/Layout.h"

namespace xkr {

// The modal message box: text, title and style flags in, the pressed button out.
using MessageBoxFunction =
    std::function<int(const std::string& text, const std::string& title, int style)>;

namespace msgbox {
inline constexpr int information = 64;    // OK button, information icon
inline constexpr int yesNoQuestion = 36;  // Yes and No, question icon, Yes the default
inline constexpr int ok = 1;
inline constexpr int yes = 6;
inline constexpr int no = 7;
}  // namespace msgbox

// The component's version numbers, shown in the version line.
struct VersionRecord {
    std::int16_t major;
    std::int16_t minor;
    std::int16_t revision;
};

// The control's state that outlives a single routine.
struct EditorState {
    PayToTable table;
    Separators separators;
    Lookup termLookup;
    Lookup stateLookup;
    bool modeFlag = false;            // the host's tbMode: entries may be added and changed
    std::int32_t vendorId = 0;        // the host's plVendorID, written into new rows
    std::int16_t newIdCounter = 0;    // numbers the temporary ids; nothing resets it
    std::string primaryChangeMarker;  // "Changed" once the user changed Primary Pay To
    bool primaryGuard = false;        // set while code itself sets Primary Pay To
    // What an entry left unsaved must put back: the list's primary marks as they were before
    // the Primary Pay To box changed them (list position, old text), and the marker as it was
    // when Add or Edit was pressed. Positions hold while an entry is typed: the list can be
    // neither sorted nor changed then, and a reload empties the record.
    std::vector<std::pair<std::size_t, std::string>> primaryMarksBefore;
    std::string primaryChangeMarkerBefore;
};

// The editor routines. Each keeps the failure handling its caller relies on: routines that trap
// say so; the others let a failure pass to their caller.
class PayToEditor {
public:
    PayToEditor(EditorState& state, EditorForm& form, const MessageBoxFunction& messageBox);

    // Start-up
    void UserControl_Initialize(const VersionRecord& version);

    // Lookup lists
    void FillLookupLists();
    void cboContactCountry_Click();
    void FillStateList(const std::string& ptCountry);
    void cboContactType_Click() {}

    // Address list
    void FillContactList();
    void lstContacts_Click();
    void lstContacts_ColumnClick(std::size_t headerPosition1);

    // Modes and commands
    void SetEditMode(bool tbEditable, bool tbNew);
    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    // An entry left unsaved in add or edit mode: the primary marks and the primary-change
    // marker return to what they were when Add or Edit was pressed, so the host sees no change.
    void DiscardPrimaryChanges();

    // Entry checks
    bool ValidateEntry();
    void txtContact_Validate(int index, bool& cancel);
    void ChkActive_Validate(bool& cancel);
    void ChkDefault_Click();

    // Saving
    void SaveEntry(bool tbNew);
    std::string NextNewPayToID();

private:
    bool inMode(std::string_view cmdAddCaption) const;
    void beginEntry();
    void setPrimaryMark(std::size_t position, std::string_view mark);
    void disableCommandsWithoutSelection();
    void selectByCode(ComboBox& combo, std::string_view code);
    void setPrimaryBoxGuarded(int value);
    void refuse(const std::string& message, Control* focusTarget);
    void refuseSerial(const std::string& message, bool& cancel);
    std::string panelValue(const layout::FieldMapEntry& entry) const;

    EditorState& m_state;
    EditorForm& m_form;
    const MessageBoxFunction& m_messageBox;
};

}  // namespace xkr
