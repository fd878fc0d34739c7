#include "view/FocusManager.h"

#include "common/Error.h"
#include "view/Controls.h"

namespace xkr {

FocusMove FocusManager::userMoveFocus(Control& target) {
    if (m_focused == &target)
        return FocusMove::AlreadyThere;
    if (!target.enabled())
        return FocusMove::Blocked;
    if (m_focused != nullptr && m_focused->onValidate) {
        bool cancel = false;
        m_focused->onValidate(cancel);
        if (cancel)
            return FocusMove::Cancelled;
    }
    // Validation may have disabled the target (or moved the focus itself).
    if (!target.enabled())
        return FocusMove::Blocked;
    setFocused(&target);
    return FocusMove::Moved;
}

void FocusManager::codeSetFocus(Control& target) {
    if (!target.enabled()) {
        throw VendorPayToError("SetFocus: " + target.displayName() + " is disabled");
    }
    setFocused(&target);
}

void FocusManager::controlDisabled(const Control& control) {
    if (m_focused == &control)
        setFocused(nullptr);
}

void FocusManager::setFocused(Control* control) {
    if (m_focused == control)
        return;
    m_focused = control;
    changed.raise();
}

}  // namespace xkr
