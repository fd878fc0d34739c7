#pragma once

#include <cstddef>
#include <string_view>

#include "view/Controls.h"
#include "view/ListView.h"

// What a person does at the form, each as one step: the focus moves first (raising the
// validation of the control that loses it), then the action. The scripted host and the tests
// call these; the Qt binding performs the same two halves from real mouse and key events.
namespace xkr::user {

enum class Outcome {
    Done,       // the action ran
    Blocked,    // the target is disabled or locked
    Cancelled,  // the control losing the focus kept it: nothing else happened
    NoTarget,   // no item, entry or header at that position
};

Outcome moveFocus(Control& target);
Outcome press(CommandButton& button);
Outcome type(TextBox& box, std::string_view text);
Outcome pick(ComboBox& combo, int index);
Outcome click(CheckBox& box);
Outcome clickEntry(ListView& list, std::size_t position);
Outcome clickList(ListView& list);
Outcome clickHeader(ListView& list, std::size_t position1);

}  // namespace xkr::user
