#include "view/UserActions.h"

namespace xkr::user {

Outcome moveFocus(Control& target) {
    switch (target.focusManager().userMoveFocus(target)) {
        case FocusMove::Moved:
        case FocusMove::AlreadyThere:
            return Outcome::Done;
        case FocusMove::Blocked:
            return Outcome::Blocked;
        case FocusMove::Cancelled:
            break;
    }
    return Outcome::Cancelled;
}

Outcome tab(EditorForm& form, bool forward) {
    const EditorForm::TabStop stop = form.nextTabStop(forward);
    if (stop.control == nullptr)
        return Outcome::NoTarget;
    return moveFocus(*stop.control);
}

Outcome press(CommandButton& button) {
    const Outcome focus = moveFocus(button);
    if (focus != Outcome::Done)
        return focus;
    return button.userClick() ? Outcome::Done : Outcome::Blocked;
}

Outcome type(TextBox& box, std::string_view text) {
    const Outcome focus = moveFocus(box);
    if (focus != Outcome::Done)
        return focus;
    return box.userReplaceText(text) ? Outcome::Done : Outcome::Blocked;
}

Outcome pick(ComboBox& combo, int index) {
    const Outcome focus = moveFocus(combo);
    if (focus != Outcome::Done)
        return focus;
    if (combo.locked())
        return Outcome::Blocked;
    if (index < 0 || index >= combo.listCount())
        return Outcome::NoTarget;
    return combo.userPick(index) ? Outcome::Done : Outcome::Blocked;
}

Outcome click(CheckBox& box) {
    const Outcome focus = moveFocus(box);
    if (focus != Outcome::Done)
        return focus;
    return box.userClick() ? Outcome::Done : Outcome::Blocked;
}

Outcome clickEntry(ListView& list, std::size_t position) {
    const Outcome focus = moveFocus(list);
    if (focus != Outcome::Done)
        return focus;
    if (position >= list.itemCount())
        return Outcome::NoTarget;
    return list.userSelectAndClick(position) ? Outcome::Done : Outcome::Blocked;
}

Outcome clickList(ListView& list) {
    const Outcome focus = moveFocus(list);
    if (focus != Outcome::Done)
        return focus;
    return list.userClick() ? Outcome::Done : Outcome::Blocked;
}

Outcome clickHeader(ListView& list, std::size_t position1) {
    if (!list.available())
        return Outcome::Blocked;
    if (position1 < 1 || position1 > list.columnHeaders().size())
        return Outcome::NoTarget;
    return list.userClickHeader(position1) ? Outcome::Done : Outcome::Blocked;
}

}  // namespace xkr::user
