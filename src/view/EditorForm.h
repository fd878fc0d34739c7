#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "view/Controls.h"
#include "view/FocusManager.h"
#include "view/ListView.h"

namespace xkr {

// Every control of the editor with its design-time state, and the focus among them.
class EditorForm {
public:
    EditorForm();
    EditorForm(const EditorForm&) = delete;
    EditorForm& operator=(const EditorForm&) = delete;

    FocusManager focus;
    ListView lstContacts;
    CommandButton cmdAdd;
    CommandButton cmdEdit;
    CommandButton cmdDelete;
    ComboBox cboContactCountry;
    ComboBox cboContactState;
    ComboBox cboContactType;
    CheckBox ChkDefault;
    CheckBox ChkActive;
    Label lblVersionNumber;

    TextBox& txtContact(int index);
    const TextBox& txtContact(int index) const;

    // The control named so (txtContact with its element index); nullptr for an unknown name.
    Control* findControl(std::string_view name, int index = -1);
    // The focusable controls in tab order.
    std::vector<Control*> tabOrder();

    struct TabStop {
        Control* control;  // nullptr when no control is enabled
        bool wrapped;      // the stop lies past an end of the tab order
    };
    // Where Tab (forward) or Shift+Tab moves the focus: the next or previous control in tab
    // order that is enabled, wrapping around; with no focus the first or the last such control.
    TabStop nextTabStop(bool forward);

private:
    template <std::size_t... Index>
    std::array<TextBox, sizeof...(Index)> makeTextBoxes(std::index_sequence<Index...>);

    std::array<TextBox, 11> m_txtContact;
};

}  // namespace xkr
