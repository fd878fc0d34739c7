#pragma once

#include <ostream>

#include "ScriptLine.h"
#include "control/VendorPayTo.h"

namespace xkr::script {

// Runs a `show` line: prints the state of one control, the panel's texts, the list's entries
// and headers, the table's rows or the focus. Reading changes nothing in the control.
void runShow(LineArgs& args, VendorPayTo& control, std::ostream& out);
// Prints focus: CONTROL, or focus: none.
void showFocus(std::ostream& out, const EditorForm& form);

}  // namespace xkr::script
