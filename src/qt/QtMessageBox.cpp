#include "qt/QtMessageBox.h"

namespace xkr::qt {
namespace {

constexpr int buttonsMask = 0xF;
constexpr int iconMask = 0x70;
constexpr int yesNoButtons = 4;

QMessageBox::Icon iconFor(int style) {
    switch (style & iconMask) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const std::string& text, const std::string& title,
                                             int style, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromStdString(title));
    box->setText(QString::fromStdString(text));
    box->setIcon(iconFor(style));
    // The editor asks only OK and Yes/No questions; anything else gets a plain OK.
    if ((style & buttonsMask) == yesNoButtons) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
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
