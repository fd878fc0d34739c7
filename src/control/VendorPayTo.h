#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/Error.h"
#include "table/PayToTable.h"
#include "view/EditorForm.h"
#include "view/PayToEditor.h"

namespace xkr {

// The pay-to addresses control of one vendor. A host loads the entries with
// LetContactAddress, sets the vendor and mode with LetVendorIDNMode, lets the user work in the
// form, and collects the result with GetContactAddress and ChangedDefault. A public method that
// fails throws VendorPayToError; a failure that leaves an event routine raised by a user
// operation throws EventError.
class VendorPayTo {
public:
    VendorPayTo();   // runs UserControl_Initialize
    ~VendorPayTo();  // runs UserControl_Terminate
    VendorPayTo(const VendorPayTo&) = delete;
    VendorPayTo& operator=(const VendorPayTo&) = delete;

    void LetContactAddress(const std::string& ptContactData, const std::string& ptFieldSeparator,
                           const std::string& ptRecordSeparator,
                           const std::string& ptTableSeparator);
    std::string GetContactAddress();
    void LetVendorIDNMode(std::int32_t plVendorID, bool tbMode);
    std::string ChangedDefault();
    // Switches the postal-code check of Save and Update on or off; off until a host switches it
    // on.
    void LetPostalCodeCheck(bool tbCheck);

    // The host's settings as they stand.
    std::int32_t vendorId() const { return m_state.vendorId; }
    bool mode() const { return m_state.modeFlag; }
    bool postalCodeCheck() const { return m_state.postalCodeCheck; }

    // Why the last load stopped early; empty when it went through or before any load. A blank
    // text is no load and leaves it as it was.
    const std::string& loadStatus() const { return m_loadStatus; }

    // The form, for front ends: they mirror its controls and call their user operations.
    EditorForm& form() { return m_form; }
    const EditorForm& form() const { return m_form; }
    const PayToTable& table() const { return m_state.table; }

    // Replaces how message boxes are shown (a dialog in a widget, a recorder in tests). The
    // default answers every box with its default button.
    void setMessageBox(MessageBoxFunction messageBox);

    // Bytes held by the table and the list entries.
    std::size_t memoryBytes() const;

private:
    class CallScope;
    template <typename Routine>
    void raiseEvent(const char* name, Routine&& routine);
    template <auto routine>
    auto eventRoutine(const char* name);
    void wireEvents();
    void UserControl_Terminate() noexcept;

    EditorState m_state;
    EditorForm m_form;
    MessageBoxFunction m_messageBox;
    // Refers to the three members above: declared after them, it is built after them and ends
    // before them. Keep it below them.
    PayToEditor m_editor;
    std::string m_loadStatus;
    int m_callDepth = 0;
};

}  // namespace xkr
