#include "ControlArgs.h"

#include <string>

#include "OutputText.h"
#include "view/Layout.h"

namespace xkr::script {
namespace {

[[noreturn]] void notA(std::string_view kind, std::string_view name) {
    throw ScriptError("not " + std::string(kind) + ": " + escapeText(name));
}

}  // namespace

TextBox& textBoxArg(EditorForm& form, LineArgs& args) {
    const std::string n = args.word("N");
    const std::int64_t index = toWholeNumber(n, "txtContact index");
    if (index < 0 || index >= static_cast<std::int64_t>(layout::textBoxCount)) {
        throw ScriptError("no control txtContact " + n);
    }
    return form.txtContact(static_cast<int>(index));
}

Control& controlArg(EditorForm& form, LineArgs& args) {
    const std::string name = args.word("CONTROL");
    if (name == "txtContact")
        return textBoxArg(form, args);
    Control* control = form.findControl(name);
    if (control == nullptr)
        notA("a control", name);
    return *control;
}

ComboBox* findCombo(EditorForm& form, std::string_view name) {
    for (ComboBox* combo : {&form.cboContactCountry, &form.cboContactState, &form.cboContactType}) {
        if (combo->name() == name)
            return combo;
    }
    return nullptr;
}

CheckBox* findCheck(EditorForm& form, std::string_view name) {
    for (CheckBox* box : {&form.ChkActive, &form.ChkDefault}) {
        if (box->name() == name)
            return box;
    }
    return nullptr;
}

CommandButton* findButton(EditorForm& form, std::string_view name) {
    for (CommandButton* button : {&form.cmdAdd, &form.cmdEdit, &form.cmdDelete}) {
        if (button->name() == name)
            return button;
    }
    return nullptr;
}

ComboBox& comboArg(EditorForm& form, LineArgs& args) {
    const std::string name = args.word("COMBO");
    ComboBox* combo = findCombo(form, name);
    if (combo == nullptr)
        notA("a combo", name);
    return *combo;
}

CheckBox& checkArg(EditorForm& form, LineArgs& args) {
    const std::string name = args.word("CHECK");
    CheckBox* box = findCheck(form, name);
    if (box == nullptr)
        notA("a check box", name);
    return *box;
}

CommandButton& buttonArg(EditorForm& form, LineArgs& args) {
    const std::string name = args.word("BUTTON");
    CommandButton* button = findButton(form, name);
    if (button == nullptr)
        notA("a button", name);
    return *button;
}

}  // namespace xkr::script
