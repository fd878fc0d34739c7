#pragma once

#include <cstddef>
#include <string_view>

#include "view/Controls.h"
#include "view/EditorForm.h"
#include "view/ListView.h"

// What a person does at the form, each as one step: the focus moves first (raising the
// validation of the control that loses it), then the action. Every front end reaches the
// editor through these: the scripted host and the tests call them, the Qt bindings call them
// from real mouse and key events (a click on a button: press, which runs cmdAdd_Click).
namespace xkr::user {

enum class Outcome {
    Done,       // the action ran
    Blocked,    // the target is disabled or locked
    Cancelled,  // the control losing the focus kept it: nothing else happened
    NoTarget,   // no item, entry or header at that position
};

Outcome moveFocus(Control& target);
// Tab (forward) or Shift+Tab: the user's focus move to EditorForm::nextTabStop.
Outcome tab(EditorForm& form, bool forward);
// Tab in a skin embedded among a host's controls: NoTarget where the move would wrap around an
// end of the form, so the skin passes the focus on to the host instead.
Outcome tabWithinForm(EditorForm& form, bool forward);
Outcome press(CommandButton& button);
// Escape: Cancel in add and edit mode; NoTarget in browse mode.
Outcome escape(EditorForm& form);
// The focus leaves the form for a widget of the host's.
Outcome leaveForm(EditorForm& form);
Outcome type(TextBox& box, std::string_view text);
Outcome pick(ComboBox& combo, int index);
Outcome click(CheckBox& box);
// A click on the caption of an input: the click on the input when it is a check box, as
// people expect of a check box's text; NoTarget for any other caption.
Outcome clickCaption(EditorForm& form, std::string_view labelName);
Outcome clickEntry(ListView& list, std::size_t position);
Outcome clickList(ListView& list);
Outcome clickHeader(ListView& list, std::size_t position1);

}  // namespace xkr::user
