#pragma once

#include "view/Signal.h"

namespace xkr {

class Control;

enum class FocusMove {
    Moved,         // the target has the focus now
    AlreadyThere,  // the target had the focus: nothing ran
    Blocked,       // the target is disabled: nothing ran
    Cancelled,     // the control losing the focus refused to let it go
};

// Knows which control has the focus. A move made by the user raises the validation of the
// control that loses the focus, which may cancel it; a move made by code raises nothing.
class FocusManager {
public:
    Control* focused() const { return m_focused; }

    FocusMove userMoveFocus(Control& target);
    // The user's move to a widget outside the form: validation runs as for any move, and when
    // it lets go no control has the focus.
    FocusMove userMoveOut();
    // SetFocus from the control's own code: throws when the target is disabled.
    void codeSetFocus(Control& target);
    // A control that becomes disabled cannot keep the focus.
    void controlDisabled(const Control& control);

    Signal changed;

private:
    void setFocused(Control* control);
    // Runs the validation of the control being left, or of the one whose check is due; false
    // when it keeps the focus.
    bool validationLetsGo();

    Control* m_focused = nullptr;
    // The control left for one that causes no validation (Cancel), whose check is still due.
    Control* m_unvalidated = nullptr;
};

}  // namespace xkr
