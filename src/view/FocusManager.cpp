#include "view/FocusManager.h"

#include "common/Error.h"
#include "view/Controls.h"

namespace xkr {

FocusMove FocusManager::userMoveFocus(Control& target) {
    if (m_focused == &target)
        return FocusMove::AlreadyThere;
    if (!target.enabled())
        return FocusMove::Blocked;
    if (&target == m_unvalidated) {
        // Back to the control whose check was due: there is nothing to check.
    } else if (target.causesValidation) {
        if (!validationLetsGo())
            return FocusMove::Cancelled;
    } else if (m_unvalidated == nullptr && m_focused != nullptr && m_focused->onValidate) {
        // The check waits for the next move to a control that causes it: a value left for
        // Cancel is still checked if the user goes on elsewhere instead.
        m_unvalidated = m_focused;
    }
    // Validation may have disabled the target (or moved the focus itself).
    if (!target.enabled())
        return FocusMove::Blocked;
    setFocused(&target);
    return FocusMove::Moved;
}

FocusMove FocusManager::userMoveOut() {
    if (m_focused == nullptr)
        return FocusMove::AlreadyThere;
    if (!validationLetsGo())
        return FocusMove::Cancelled;
    setFocused(nullptr);
    return FocusMove::Moved;
}

bool FocusManager::validationLetsGo() {
    Control* leaving = m_unvalidated != nullptr ? m_unvalidated : m_focused;
    m_unvalidated = nullptr;
    if (leaving == nullptr || !leaving->onValidate)
        return true;
    bool cancel = false;
    leaving->onValidate(cancel);
    // A control that refuses keeps the focus, or gets it back when it was waiting.
    if (cancel && leaving != m_focused && leaving->enabled())
        setFocused(leaving);
    return !cancel;
}

void FocusManager::codeSetFocus(Control& target) {
    if (!target.enabled()) {
        throw VendorPayToError("SetFocus: " + target.displayName() + " is disabled");
    }
    // Told also when the model's focus stays: the front end's focus may have moved away (to a
    // host widget) and must come back.
    if (m_focused == &target)
        changed.raise();
    setFocused(&target);
}

void FocusManager::controlDisabled(const Control& control) {
    // A disabled control's value is being reset by code: there is nothing left to check.
    if (m_unvalidated == &control)
        m_unvalidated = nullptr;
    if (m_focused == &control)
        setFocused(nullptr);
}

void FocusManager::setFocused(Control* control) {
    if (control == m_unvalidated)
        m_unvalidated = nullptr;
    if (m_focused == control)
        return;
    m_focused = control;
    changed.raise();
}

}  // namespace xkr
