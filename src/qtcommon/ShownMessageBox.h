#pragma once

#include <QString>
#include <string>

#include "XKRVendorPayTo/VendorPayToMessageHandler.h"

namespace xkr::qtcommon {

enum class MessageIcon { None, Critical, Question, Warning, Information };

// A message box of the core's as a skin shows it: texts translated, the style flags decoded.
// The editor asks only OK and Yes/No questions; anything else gets a plain OK. A question's
// default button is Yes.
struct ShownMessageBox {
    QString title;
    QString text;
    MessageIcon icon;
    bool question;
};

ShownMessageBox shownMessageBox(const std::string& text, const std::string& title, int style);
// The pressed button as the control's routines expect it (msgbox::ok, yes, no).
int answerCode(VendorPayToMessageHandler::Answer answer);
// Asks the host's handler in place of the skin's dialog.
int handlerAnswer(VendorPayToMessageHandler& handler, const ShownMessageBox& box);

}  // namespace xkr::qtcommon
