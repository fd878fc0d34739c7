#include "qt/QtMessageBox.h"

#include <QPushButton>

#include "qt/ShownText.h"

namespace xkr::qt {
namespace {

QMessageBox::Icon iconFor(int style) {
    switch (style & msgbox::iconMask) {
        case msgbox::criticalIcon:
            return QMessageBox::Critical;
        case msgbox::questionIcon:
            return QMessageBox::Question;
        case msgbox::warningIcon:
            return QMessageBox::Warning;
        case msgbox::informationIcon:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// Qt names its standard buttons itself, in the language of Qt's own translations if the host
// installed them; the control's translation names them where it has the language.
void nameButton(QMessageBox& box, QMessageBox::StandardButton button, texts::Id text) {
    const QString shown = shownText(text);
    if (shown != QString::fromUtf8(texts::english(text)))
        box.button(button)->setText(shown);
}

}  // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const std::string& text, const std::string& title,
                                             int style, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(shownText(title, texts::Use::Title));
    box->setText(shownText(text, texts::Use::Message));
    box->setIcon(iconFor(style));
    // The editor asks only OK and Yes/No questions; anything else gets a plain OK.
    if ((style & msgbox::buttonsMask) == msgbox::yesNoButtons) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        nameButton(*box, QMessageBox::Yes, texts::Id::yes);
        nameButton(*box, QMessageBox::No, texts::Id::no);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        nameButton(*box, QMessageBox::Ok, texts::Id::ok);
    }
    return box;
}

int messageBoxResult(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return msgbox::yes;
        case QMessageBox::No:
            return msgbox::no;
        default:
            return msgbox::ok;
    }
}

MessageBoxFunction qtMessageBox(QWidget* parent) {
    return [parent](const std::string& text, const std::string& title, int style) {
        const auto box = buildMessageBox(text, title, style, parent);
        return messageBoxResult(static_cast<QMessageBox::StandardButton>(box->exec()));
    };
}

}  // namespace xkr::qt
