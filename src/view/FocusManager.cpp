#include "view/FocusManager.h"

#include "common/Error.h"
#include "view/Controls.h"

namespace xkr {

FocusMove FocusManager::userMoveFocus(Control& target) {
    if (m_focused == &target)
        return FocusMove::AlreadyThere;
    if (!target.enabled())
        return FocusMove::Blocked;
    if (target.causesValidation && !validationLetsGo())
        return FocusMove::Cancelled;
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
    if (m_focused == nullptr || !m_focused->onValidate)
        return true;
    bool cancel = false;
    m_focused->onValidate(cancel);
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
