#pragma once

#include <vector>

#include "view/Colours.h"
#include "view/Controls.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace xkr::widgets {

// The colour a control model names as the widget's background.
void setBackground(QWidget& widget, Colour colour);

// Each binding mirrors the model into the widget now and, while the returned connection lives,
// on every change (with the widget's signals blocked); it forwards only what a person does, as
// the user operation (view/UserActions.h). The widget's own connections end with the widget.
// Bindings that show texts of the core show them translated (qt/ShownText.h), and show them
// again on every raise of `languageChanged` while the connections they add live.
Signal::Connection bindTextBox(TextBox& box, QLineEdit& edit);
Signal::Connection bindCheckBox(CheckBox& box, QCheckBox& widget);

// Where a combo's items come from: the host's data, or the core's own list (the countries).
enum class ItemTexts { Data, Core };
void bindComboBox(ComboBox& combo, QComboBox& widget, ItemTexts items, Signal& languageChanged,
                  std::vector<Signal::Connection>& connections);
void bindCommandButton(CommandButton& button, QPushButton& widget, Signal& languageChanged,
                       std::vector<Signal::Connection>& connections);
void bindLabel(Label& label, QLabel& widget, Signal& languageChanged,
               std::vector<Signal::Connection>& connections);

}  // namespace xkr::widgets
