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
// as the platform's 0x00BBGGRR value.
QColor toQColor(Colour colour);
void setBackground(QWidget& widget, Colour colour);

// Each binding mirrors the model into the widget now and on every change (with the widget's
// signals blocked), and forwards only what a person does as the model's user operation.
void bindTextBox(TextBox& box, QLineEdit& edit);
void bindComboBox(ComboBox& combo, QComboBox& widget);
void bindCheckBox(CheckBox& box, QCheckBox& widget);
void bindCommandButton(CommandButton& button, QPushButton& widget);
void bindLabel(Label& label, QLabel& widget);

}  // namespace xkr::qt
