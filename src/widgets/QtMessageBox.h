#pragma once

#include <QMessageBox>
#include <memory>
#include <string>

#include "qtcommon/ShownMessageBox.h"
#include "view/MessageBox.h"

namespace xkr::widgets {

// The dialog for a message box: buttons, icon and default button as the box asks.
std::unique_ptr<QMessageBox> buildMessageBox(const qtcommon::ShownMessageBox& shown,
                                             QWidget* parent);
// The pressed button as the control's routines expect it (msgbox::ok, yes, no).
int messageBoxResult(QMessageBox::StandardButton button);
// Shows the dialog modally over parent.
MessageBoxFunction qtMessageBox(QWidget* parent);

}  // namespace xkr::widgets
