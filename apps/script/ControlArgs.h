#pragma once

#include "ScriptLine.h"
#include "view/EditorForm.h"

// Control names as a script writes them ("txtContact 3", "cboContactCountry", ...), read from
// the line and resolved on the form; a name of the wrong kind is a script error.
namespace xkr::script {

TextBox& textBoxArg(EditorForm& form, LineArgs& args);  // reads N of "txtContact N"
Control& controlArg(EditorForm& form, LineArgs& args);
ComboBox& comboArg(EditorForm& form, LineArgs& args);
CheckBox& checkArg(EditorForm& form, LineArgs& args);
CommandButton& buttonArg(EditorForm& form, LineArgs& args);

// The same resolution for a name already read; nullptr when it names no such control.
ComboBox* findCombo(EditorForm& form, std::string_view name);
CheckBox* findCheck(EditorForm& form, std::string_view name);
CommandButton* findButton(EditorForm& form, std::string_view name);

}  // namespace xkr::script
