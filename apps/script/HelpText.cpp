#include "HelpText.h"

namespace xkr::script {

std::string_view helpText() {
    return R"(usage: vendorpayto-script [SCRIPT | -]
Runs a host script against one VendorPayTo control without a display; reads standard input
when SCRIPT is missing or "-". Exit status 0 when every line ran, 2 on a script error.

Lines: a command word and its arguments, each separated by exactly one space; TEXT is the
rest of the line. Blank lines and lines starting with # are skipped. Escapes in arguments:
\\ \t \n \r \xHH (a space inside a single-word argument is \x20). Printed texts escape
control bytes, 0x7F, \ " and | as \xHH.

Host calls
  load FS RS TS FILE        LetContactAddress with the bytes of FILE (relative to the script)
  load-text FS RS TS TEXT   LetContactAddress with TEXT
  vendor ID true|false      LetVendorIDNMode
  postal-check true|false   LetPostalCodeCheck: Save and Update check postal codes, or not
  export                    prints export: RESULT (or error)
  changed-default           prints changed-default: RESULT (or error)
  load-status               prints load-status: ok | stopped (DETAIL)
  recreate                  ends the control and creates a fresh one
  echo TEXT                 prints TEXT

User actions (the focus moves first; validation may keep it)
  focus CONTROL             CONTROL: txtContact N, cboContactCountry, cboContactState,
                            cboContactType, ChkActive, ChkDefault, cmdAdd, cmdEdit,
                            cmdDelete, lstContacts
  tab | backtab             Tab / Shift+Tab: the focus moves to the next / previous enabled
                            control in tab order, wrapping around; prints focus: CONTROL
  press BUTTON              cmdAdd, cmdEdit or cmdDelete
  type N TEXT               replaces the text of txtContact N
  pick COMBO TEXT           selects the first item whose text is TEXT
  pick-index COMBO I        selects item I (0-based)
  click CHECK               toggles ChkActive or ChkDefault
  click-entry ID            clicks the first list entry whose text is ID
  click-row N               clicks the list entry at position N (1-based)
  click-list                clicks empty space in the list
  click-header N            clicks column header N (1-based)
  answer yes|no             the answer the next question box gets (default: Yes)
  These print blocked: CONTROL, no item: X, no entry: X or no header: N when refused;
  message boxes print as message(STYLE): TITLE: TEXT or question(STYLE): TITLE: TEXT -> yes|no;
  a failure leaving an event routine prints error: ROUTINE.

Inspecting
  show txtContact N | show COMBO | show items COMBO | show CHECK | show BUTTON
  show lstContacts | show lblVersionNumber | show fields | show entries | show rows
  show headers | show focus | show selection (the focused text box and its selected text)
)";
}

}  // namespace xkr::script
