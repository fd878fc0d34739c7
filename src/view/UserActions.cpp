#include "view/UserActions.h"

#include "view/Layout.h"

namespace xkr::user {
namespace {

Outcome accepted(bool done) {
    return done ? Outcome::Done : Outcome::Blocked;
}

// The focus moves to the target first; the action runs only once the target has it.
template <typename Action>
Outcome focusThen(Control& target, Action action) {
    const Outcome focus = moveFocus(target);
    return focus == Outcome::Done ? action() : focus;
}

}  // namespace

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

Outcome tabWithinForm(EditorForm& form, bool forward) {
    const EditorForm::TabStop stop = form.nextTabStop(forward);
    if (stop.control == nullptr || stop.wrapped)
        return Outcome::NoTarget;
    return moveFocus(*stop.control);
}

Outcome press(CommandButton& button) {
    return focusThen(button, [&] { return accepted(button.userClick()); });
}

Outcome escape(EditorForm& form) {
    if (form.cmdEdit.caption() != layout::caption::cancel)
        return Outcome::NoTarget;
    return press(form.cmdEdit);
}

Outcome leaveForm(EditorForm& form) {
    return form.focus.userMoveOut() == FocusMove::Cancelled ? Outcome::Cancelled : Outcome::Done;
}

Outcome type(TextBox& box, std::string_view text) {
    return focusThen(box, [&] { return accepted(box.userReplaceText(text)); });
}

Outcome pick(ComboBox& combo, int index) {
    return focusThen(combo, [&] {
        if (combo.locked())
            return Outcome::Blocked;
        if (index < 0 || index >= combo.listCount())
            return Outcome::NoTarget;
        return accepted(combo.userPick(index));
    });
}

Outcome click(CheckBox& box) {
    return focusThen(box, [&] { return accepted(box.userClick()); });
}

Outcome clickCaption(EditorForm& form, std::string_view labelName) {
    for (const layout::Item& item : layout::items) {
        if (item.label != labelName || item.kind != layout::Kind::CheckBox)
            continue;
        return click(static_cast<CheckBox&>(*form.findControl(item.name, item.index)));
    }
    return Outcome::NoTarget;
}

Outcome clickEntry(ListView& list, std::size_t position) {
    return focusThen(list, [&] {
        if (position >= list.itemCount())
            return Outcome::NoTarget;
        return accepted(list.userSelectAndClick(position));
    });
}

Outcome clickList(ListView& list) {
    return focusThen(list, [&] { return accepted(list.userClick()); });
}

Outcome clickHeader(ListView& list, std::size_t position1) {
    if (!list.available())
        return Outcome::Blocked;
    if (position1 < 1 || position1 > list.columnHeaders().size())
        return Outcome::NoTarget;
    return accepted(list.userClickHeader(position1));
}

}  // namespace xkr::user
