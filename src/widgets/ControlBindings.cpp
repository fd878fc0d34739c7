#include "widgets/ControlBindings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "common/Text.h"
#include "qtcommon/QtColours.h"
#include "qtcommon/ShownText.h"
#include "qtcommon/UserInput.h"
#include "view/UserActions.h"

namespace xkr::widgets {
namespace {

// Models count characters (code points); QLineEdit counts UTF-16 units.
int utf16Offset(const std::string& text, std::size_t chars) {
    return static_cast<int>(qtcommon::toQString(text::leftChars(text, chars)).size());
}

void mirrorTextBox(const TextBox& box, QLineEdit& edit) {
    const QSignalBlocker block(&edit);
    const QString text = qtcommon::toQString(box.text());
    if (edit.text() != text)
        edit.setText(text);
    edit.setReadOnly(box.locked());
    edit.setEnabled(box.enabled());
    setBackground(edit, box.backColour());
    // Only a selection that code made is pushed: a plain caret position would jump the cursor
    // while the user types.
    if (box.selLength() > 0) {
        const int start = utf16Offset(box.text(), box.selStart());
        const int length = utf16Offset(box.text(), box.selStart() + box.selLength()) - start;
        if (edit.selectionStart() != start || edit.selectionLength() != length) {
            edit.setSelection(start, length);
        }
    }
}

void mirrorComboBox(const ComboBox& combo, QComboBox& widget, ItemTexts items) {
    const QSignalBlocker block(&widget);
    const auto shown = [&combo, items](int i) {
        return items == ItemTexts::Core
                   ? qtcommon::shownText(combo.itemText(i), texts::Use::Country)
                   : qtcommon::toQString(combo.itemText(i));
    };
    bool sameItems = widget.count() == combo.listCount();
    for (int i = 0; sameItems && i < combo.listCount(); ++i) {
        sameItems = widget.itemText(i) == shown(i);
    }
    if (!sameItems) {
        widget.clear();
        for (int i = 0; i < combo.listCount(); ++i) widget.addItem(shown(i));
    }
    widget.setCurrentIndex(combo.listIndex());
    widget.setEnabled(combo.enabled());
    setBackground(widget, combo.backColour());
}

}  // namespace

void setBackground(QWidget& widget, Colour colour) {
    QPalette palette = widget.palette();
    const QColor qcolour = qtcommon::toQColor(colour);
    if (palette.color(QPalette::Base) == qcolour)
        return;
    palette.setColor(QPalette::Base, qcolour);
    widget.setPalette(palette);
}

Signal::Connection bindTextBox(TextBox& box, QLineEdit& edit) {
    edit.setMaxLength(static_cast<int>(box.maxLength()));
    mirrorTextBox(box, edit);
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [&box, &edit](const QString& text) {
        qtcommon::forwardUserInput([&] {
            if (user::type(box, text.toStdString()) != user::Outcome::Done)
                mirrorTextBox(box, edit);
        });
    });
    return box.changed.connect([&box, &edit] { mirrorTextBox(box, edit); });
}

void bindComboBox(ComboBox& combo, QComboBox& widget, ItemTexts items, Signal& languageChanged,
                  std::vector<Signal::Connection>& connections) {
    const auto mirror = [&combo, &widget, items] { mirrorComboBox(combo, widget, items); };
    mirror();
    QObject::connect(&widget, &QComboBox::activated, &widget, [&combo, mirror](int index) {
        qtcommon::forwardUserInput([&] { user::pick(combo, index); });
        // A locked combo refuses the pick; Qt has already moved its own selection.
        mirror();
    });
    connections.push_back(combo.changed.connect(mirror));
    if (items == ItemTexts::Core)
        connections.push_back(languageChanged.connect(mirror));
}

Signal::Connection bindCheckBox(CheckBox& box, QCheckBox& widget) {
    const auto mirror = [&box, &widget] {
        const QSignalBlocker block(&widget);
        widget.setChecked(box.value() != 0);
        widget.setEnabled(box.enabled());
    };
    mirror();
    QObject::connect(&widget, &QCheckBox::clicked, &widget, [&box, mirror] {
        qtcommon::forwardUserInput([&] { user::click(box); });
        // Qt toggled its own state already; the model may have refused or changed it back.
        mirror();
    });
    return box.changed.connect(mirror);
}

void bindCommandButton(CommandButton& button, QPushButton& widget, Signal& languageChanged,
                       std::vector<Signal::Connection>& connections) {
    const auto mirror = [&button, &widget] {
        widget.setText(qtcommon::shownCaption(button.caption()));
        widget.setEnabled(button.enabled());
    };
    mirror();
    // Enter on the focused button presses it, as Space does; Qt makes buttons auto-default,
    // which is what lets Enter through, only inside dialogs.
    widget.setAutoDefault(true);
    QObject::connect(&widget, &QPushButton::clicked, &widget,
                     [&button] { qtcommon::forwardUserInput([&] { user::press(button); }); });
    connections.push_back(button.changed.connect(mirror));
    connections.push_back(languageChanged.connect(mirror));
}

void bindLabel(Label& label, QLabel& widget, Signal& languageChanged,
               std::vector<Signal::Connection>& connections) {
    const auto mirror = [&label, &widget] {
        widget.setText(qtcommon::shownText(label.caption(), texts::Use::Caption));
    };
    mirror();
    connections.push_back(label.changed.connect(mirror));
    connections.push_back(languageChanged.connect(mirror));
}

}  // namespace xkr::widgets
