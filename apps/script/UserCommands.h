#pragma once

#include <ostream>
#include <string_view>

#include "ScriptLine.h"
#include "view/EditorForm.h"

namespace xkr::script {

// Runs a user-action line (focus, press, type, pick, pick-index, click, click-entry, click-row,
// click-list, click-header) through the controls' user operations only, and prints what the
// user would notice: blocked targets and missing items. Returns false for any other command.
// A failure that leaves an event routine passes on as EventError.
bool runUserAction(std::string_view command, LineArgs& args, EditorForm& form, std::ostream& out);

}  // namespace xkr::script
