#pragma once

#include <QMessageBox>
#include <memory>
#include <string>

#include "XKRVendorPayTo/VendorPayToWidget.h"
#include "view/MessageBox.h"

namespace xkr::qt {

// The dialog for a message box call: buttons, icon and default button from the style flags.
std::unique_ptr<QMessageBox> buildMessageBox(const std::string& text, const std::string& title,
                                             int style, QWidget* parent);
// The pressed button as the control's routines expect it (msgbox::ok, yes, no).
int messageBoxResult(QMessageBox::StandardButton button);
// Shows the dialog modally over parent.
MessageBoxFunction qtMessageBox(QWidget* parent);
// Asks the host's handler instead, with the texts as the dialog would show them.
int handlerAnswer(VendorPayToMessageHandler& handler, const std::string& text,
                  const std::string& title, int style);

}  // namespace xkr::qt
