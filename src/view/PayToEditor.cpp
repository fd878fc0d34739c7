#include "view/PayToEditor.h"

#include "common/Text.h"
#include "table/PayToFields.h"
#include "view/Layout.h"

namespace xkr {

PayToEditor::PayToEditor(EditorState& state, EditorForm& form, const MessageBoxFunction& messageBox)
    : m_state(state), m_form(form), m_messageBox(messageBox) {}

void PayToEditor::UserControl_Initialize(const VersionRecord& version) {
    ListView& list = m_form.lstContacts;
    const double listWidth = text::roundToInt16(list.width());
    for (const layout::FieldMapEntry& entry : layout::entryFieldMap) {
        const double width = entry.widthDivisor == 0 ? 0 : listWidth / entry.widthDivisor;
        list.addColumnHeader(std::string(entry.header), width);
    }
    const std::string number = std::to_string(version.major) + "." + std::to_string(version.minor) +
                               "." + std::to_string(version.revision);
    m_form.lblVersionNumber.setCaption(texts::compose(texts::Id::versionNumber, {number}));
    appendPayToFields(m_state.table);
    m_form.cmdDelete.setEnabled(false);
    m_form.cmdEdit.setEnabled(false);
    m_state.primaryChangeMarker.clear();
    m_state.primaryGuard = false;
}

// The mode is told by the caption of cmdAdd (layout::caption).
bool PayToEditor::inMode(std::string_view cmdAddCaption) const {
    return m_form.cmdAdd.caption() == cmdAddCaption;
}

}  // namespace xkr
