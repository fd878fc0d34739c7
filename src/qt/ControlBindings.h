#pragma once

#include <QColor>

#include "view/Colours.h"
#include "view/Controls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace xkr::qt {

// The colour a control model names: system colours from the application palette, anything else
// as a 0x00BBGGRR value (red in the lowest byte).
QColor toQColor(Colour colour);
void setBackground(QWidget& widget, Colour colour);

// Each binding mirrors the model into the widget now and, while the returned connection lives,
// on every change (with the widget's signals blocked); it forwards only what a person does, as
// the user operation (view/UserActions.h). The widget's own connections end with the widget.
Signal::Connection bindTextBox(TextBox& box, QLineEdit& edit);
Signal::Connection bindComboBox(ComboBox& combo, QComboBox& widget);
Signal::Connection bindCheckBox(CheckBox& box, QCheckBox& widget);
Signal::Connection bindCommandButton(CommandButton& button, QPushButton& widget);
Signal::Connection bindLabel(Label& label, QLabel& widget);

}  // namespace xkr::qt
