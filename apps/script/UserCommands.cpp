#include "UserCommands.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ControlArgs.h"
#include "Inspector.h"
#include "OutputText.h"
#include "view/UserActions.h"

namespace xkr::script {
namespace {

using user::Outcome;

// Prints the line for an outcome the user notices; a cancelled focus move shows nothing of
// its own (the validation that kept the focus has already spoken).
void report(std::ostream& out, Outcome outcome, const Control& target,
            std::string_view noTargetLine) {
    if (outcome == Outcome::Blocked)
        out << "blocked: " << target.displayName() << '\n';
    if (outcome == Outcome::NoTarget)
        out << noTargetLine << '\n';
}

std::string noTarget(std::string_view kind, std::string_view given) {
    return "no " + std::string(kind) + ": " + escapeText(given);
}

void focus(EditorForm& form, LineArgs& args, std::ostream& out) {
    Control& target = controlArg(form, args);
    args.end();
    report(out, user::moveFocus(target), target, {});
}

void tabKey(EditorForm& form, LineArgs& args, std::ostream& out, bool forward) {
    args.end();
    user::tab(form, forward);
    showFocus(out, form);
}

void tab(EditorForm& form, LineArgs& args, std::ostream& out) {
    tabKey(form, args, out, true);
}

void backtab(EditorForm& form, LineArgs& args, std::ostream& out) {
    tabKey(form, args, out, false);
}

void press(EditorForm& form, LineArgs& args, std::ostream& out) {
    CommandButton& button = buttonArg(form, args);
    args.end();
    report(out, user::press(button), button, {});
}

void type(EditorForm& form, LineArgs& args, std::ostream& out) {
    TextBox& box = textBoxArg(form, args);
    const std::string text = args.text();
    report(out, user::type(box, text), box, {});
}

// The item is looked for once the focus is on the combo, as a person would look at its list.
void pickWhere(ComboBox& combo, std::string_view given, std::ostream& out,
               int (*indexOf)(const ComboBox&, std::string_view)) {
    Outcome outcome = user::moveFocus(combo);
    if (outcome == Outcome::Done)
        outcome = user::pick(combo, indexOf(combo, given));
    report(out, outcome, combo, noTarget("item", given));
}

int indexOfText(const ComboBox& combo, std::string_view text) {
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.itemText(i) == text)
            return i;
    }
    return -1;
}

int indexOfPosition(const ComboBox& combo, std::string_view given) {
    const std::int64_t position = toWholeNumber(given, "item position");
    return position >= 0 && position < combo.listCount() ? static_cast<int>(position) : -1;
}

void pick(EditorForm& form, LineArgs& args, std::ostream& out) {
    ComboBox& combo = comboArg(form, args);
    const std::string text = args.text();
    pickWhere(combo, text, out, indexOfText);
}

void pickIndex(EditorForm& form, LineArgs& args, std::ostream& out) {
    ComboBox& combo = comboArg(form, args);
    const std::string given = args.word("I");
    args.end();
    toWholeNumber(given, "item position");  // a malformed position is a script error
    pickWhere(combo, given, out, indexOfPosition);
}

void click(EditorForm& form, LineArgs& args, std::ostream& out) {
    CheckBox& box = checkArg(form, args);
    args.end();
    report(out, user::click(box), box, {});
}

void clickEntryWhere(EditorForm& form, std::string_view given, std::ostream& out,
                     std::optional<std::size_t> (*positionOf)(const ListView&, std::string_view)) {
    ListView& list = form.lstContacts;
    Outcome outcome = user::moveFocus(list);
    if (outcome == Outcome::Done) {
        const std::optional<std::size_t> position = positionOf(list, given);
        outcome = user::clickEntry(list, position.value_or(list.itemCount()));
    }
    report(out, outcome, list, noTarget("entry", given));
}

std::optional<std::size_t> positionOfId(const ListView& list, std::string_view id) {
    for (std::size_t i = 0; i < list.itemCount(); ++i) {
        if (list.itemText(i) == id)
            return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> positionOfRow(const ListView& list, std::string_view given) {
    const std::int64_t row = toWholeNumber(given, "row");
    if (row < 1 || row > static_cast<std::int64_t>(list.itemCount()))
        return std::nullopt;
    return static_cast<std::size_t>(row - 1);
}

void clickEntry(EditorForm& form, LineArgs& args, std::ostream& out) {
    const std::string id = args.word("ID");
    args.end();
    clickEntryWhere(form, id, out, positionOfId);
}

void clickRow(EditorForm& form, LineArgs& args, std::ostream& out) {
    const std::string given = args.word("N");
    args.end();
    toWholeNumber(given, "row");
    clickEntryWhere(form, given, out, positionOfRow);
}

void clickList(EditorForm& form, LineArgs& args, std::ostream& out) {
    args.end();
    report(out, user::clickList(form.lstContacts), form.lstContacts, {});
}

void clickHeader(EditorForm& form, LineArgs& args, std::ostream& out) {
    const std::string given = args.word("N");
    args.end();
    const std::int64_t header = toWholeNumber(given, "header");
    const std::size_t position = header < 1 ? 0 : static_cast<std::size_t>(header);
    report(out, user::clickHeader(form.lstContacts, position), form.lstContacts,
           noTarget("header", given));
}

struct UserCommand {
    std::string_view name;
    void (*run)(EditorForm&, LineArgs&, std::ostream&);
};

constexpr std::array<UserCommand, 12> userCommands{{
    {"focus", focus},
    {"tab", tab},
    {"backtab", backtab},
    {"press", press},
    {"type", type},
    {"pick", pick},
    {"pick-index", pickIndex},
    {"click", click},
    {"click-entry", clickEntry},
    {"click-row", clickRow},
    {"click-list", clickList},
    {"click-header", clickHeader},
}};

}  // namespace

bool runUserAction(std::string_view command, LineArgs& args, EditorForm& form, std::ostream& out) {
    for (const UserCommand& entry : userCommands) {
        if (entry.name == command) {
            entry.run(form, args, out);
            return true;
        }
    }
    return false;
}

}  // namespace xkr::script
