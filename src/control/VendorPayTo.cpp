#include "control/VendorPayTo.h"

#include <exception>
#include <utility>

#include "table/ContactDataText.h"
#include "view/Layout.h"
#include "view/Version.h"

namespace xkr {
namespace {

int defaultButton(const std::string&, const std::string&, int style) {
    return (style & msgbox::buttonsMask) == msgbox::yesNoButtons ? msgbox::yes : msgbox::ok;
}

}  // namespace

// Marks a call into the control in progress, so that an event raised inside it is not taken
// for one that the host's event loop delivered.
class VendorPayTo::CallScope {
public:
    explicit CallScope(VendorPayTo& control) : m_depth(control.m_callDepth) { ++m_depth; }
    ~CallScope() { --m_depth; }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;
    bool outermost() const { return m_depth == 1; }

private:
    int& m_depth;
};

// An event routine that the host's event loop raised, and that fails, reaches the host as an
// EventError naming it; one raised inside the control's own code fails its caller as usual.
template <typename Routine>
void VendorPayTo::raiseEvent(const char* name, Routine&& routine) {
    CallScope scope(*this);
    if (!scope.outermost()) {
        routine();
        return;
    }
    try {
        routine();
    } catch (const EventError&) {
        throw;
    } catch (const std::exception& error) {
        throw EventError(name, error.what());
    }
}

// A handler that holds no more than the control and the routine's name, which std::function
// keeps without allocating: a control wires twenty of them.
template <auto routine>
auto VendorPayTo::eventRoutine(const char* name) {
    return
        [this, name](auto&&... args) { raiseEvent(name, [&] { (m_editor.*routine)(args...); }); };
}

VendorPayTo::VendorPayTo() : m_messageBox(defaultButton), m_editor(m_state, m_form, m_messageBox) {
    m_editor.UserControl_Initialize(componentVersion());
    wireEvents();
}

VendorPayTo::~VendorPayTo() {
    UserControl_Terminate();
}

void VendorPayTo::wireEvents() {
    m_form.lstContacts.onClick = eventRoutine<&PayToEditor::lstContacts_Click>("lstContacts_Click");
    m_form.lstContacts.onColumnClick =
        eventRoutine<&PayToEditor::lstContacts_ColumnClick>("lstContacts_ColumnClick");
    m_form.cboContactCountry.onClick =
        eventRoutine<&PayToEditor::cboContactCountry_Click>("cboContactCountry_Click");
    m_form.cboContactType.onClick =
        eventRoutine<&PayToEditor::cboContactType_Click>("cboContactType_Click");
    m_form.cmdAdd.onClick = eventRoutine<&PayToEditor::cmdAdd_Click>("cmdAdd_Click");
    m_form.cmdEdit.onClick = eventRoutine<&PayToEditor::cmdEdit_Click>("cmdEdit_Click");
    m_form.cmdDelete.onClick = eventRoutine<&PayToEditor::cmdDelete_Click>("cmdDelete_Click");
    m_form.ChkDefault.onClick = eventRoutine<&PayToEditor::ChkDefault_Click>("ChkDefault_Click");
    m_form.ChkActive.onValidate =
        eventRoutine<&PayToEditor::ChkActive_Validate>("ChkActive_Validate");
    for (int i = 0; i < static_cast<int>(layout::textBoxCount); ++i) {
        m_form.txtContact(i).onValidate = [this, i](bool& cancel) {
            raiseEvent("txtContact_Validate", [&] { m_editor.txtContact_Validate(i, cancel); });
        };
    }
}

// Traps every failure and reports nothing to the host; hosts that want to know why a load
// stopped early read loadStatus().
void VendorPayTo::LetContactAddress(const std::string& ptContactData,
                                    const std::string& ptFieldSeparator,
                                    const std::string& ptRecordSeparator,
                                    const std::string& ptTableSeparator) {
    CallScope scope(*this);
    LoadResult result =
        loadContactData(ptContactData, {ptFieldSeparator, ptRecordSeparator, ptTableSeparator},
                        m_state.table, m_state.separators, m_state.termLookup, m_state.stateLookup);
    if (result.blank)
        return;
    m_loadStatus = std::move(result.stopReason);
    if (m_loadStatus.empty()) {
        try {
            m_editor.FillLookupLists();
        } catch (const std::exception& error) {
            m_loadStatus = error.what();
        }
    }
    // Rebuilt whenever the table was emptied, also after an early stop: the list must never
    // show an entry whose row is gone, or edits to it would be dropped without a word.
    if (result.tableEmptied)
        m_editor.FillContactList();
}

// Traps nothing: before the first load the table is closed and the call fails.
std::string VendorPayTo::GetContactAddress() {
    CallScope scope(*this);
    if (!m_state.modeFlag)
        return {};
    return exportChangedRows(m_state.table, m_state.separators.field, m_state.separators.record);
}

// Traps nothing; the two members are stored before any control is touched.
void VendorPayTo::LetVendorIDNMode(std::int32_t plVendorID, bool tbMode) {
    CallScope scope(*this);
    m_state.modeFlag = tbMode;
    m_state.vendorId = plVendorID;
    if (tbMode) {
        m_form.cmdAdd.setEnabled(true);
    } else {
        m_editor.DiscardPrimaryChanges();
        m_editor.SetEditMode(false, false);
        m_form.cmdAdd.setEnabled(false);
    }
}

// Cannot fail; the next Save or Update checks with the new setting.
void VendorPayTo::LetPostalCodeCheck(bool tbCheck) {
    m_state.postalCodeCheck = tbCheck;
}

// Answers from the list, which also carries primary marks not yet saved into the table.
std::string VendorPayTo::ChangedDefault() {
    CallScope scope(*this);
    if (m_state.primaryChangeMarker != "Changed")
        return m_state.primaryChangeMarker;
    const ListView& list = m_form.lstContacts;
    const std::size_t count = list.itemCount();
    for (std::size_t i = 0; i < count; ++i) {
        if (list.column(i, layout::column::defaultPayTo) == layout::yesText)
            return std::string(list.itemText(i));
    }
    return {};
}

void VendorPayTo::setMessageBox(MessageBoxFunction messageBox) {
    m_messageBox = messageBox ? std::move(messageBox) : MessageBoxFunction(defaultButton);
}

std::size_t VendorPayTo::memoryBytes() const {
    return m_state.table.memoryBytes() + m_form.lstContacts.memoryBytes();
}

void VendorPayTo::UserControl_Terminate() noexcept {
    try {
        if (m_state.table.state() == PayToTable::stateOpen)
            m_state.table.close();
    } catch (const std::exception&) {
    }
}

}  // namespace xkr
