#include "widgets/QtMessageBox.h"

#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

#include "qtcommon/ShownText.h"

namespace xkr::widgets {
namespace {

QMessageBox::Icon iconFor(qtcommon::MessageIcon icon) {
    switch (icon) {
        case qtcommon::MessageIcon::Critical:
            return QMessageBox::Critical;
        case qtcommon::MessageIcon::Question:
            return QMessageBox::Question;
        case qtcommon::MessageIcon::Warning:
            return QMessageBox::Warning;
        case qtcommon::MessageIcon::Information:
            return QMessageBox::Information;
        case qtcommon::MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Qt names its standard buttons itself, in the language of Qt's own translations if the host
// installed them; the control's translation names them where it has the language.
void nameButton(QMessageBox& box, QMessageBox::StandardButton button, texts::Id text) {
    const QString shown = qtcommon::shownText(text);
    if (shown != QString::fromUtf8(texts::english(text)))
        box.button(button)->setText(shown);
}

// Qt sizes a box to its text and buttons; a short message would leave the window manager too
// narrow a title bar, which cuts the title. The title is measured in bold, as title bars show
// it, with room for the bar's icon, its three buttons and their margins.
void makeRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    QFont bold = box.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 10 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const qtcommon::ShownMessageBox& shown,
                                             QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(parent);
    // A window takes the application's font; the box shows in the control's, which a host or a
    // style sheet may have made larger.
    if (parent != nullptr)
        box->setFont(parent->font());
    box->setWindowTitle(shown.title);
    box->setText(shown.text);
    box->setIcon(iconFor(shown.icon));
    if (shown.question) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        nameButton(*box, QMessageBox::Yes, texts::Id::yes);
        nameButton(*box, QMessageBox::No, texts::Id::no);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        nameButton(*box, QMessageBox::Ok, texts::Id::ok);
    }
    makeRoomForTitle(*box);
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
        const auto box = buildMessageBox(qtcommon::shownMessageBox(text, title, style), parent);
        return messageBoxResult(static_cast<QMessageBox::StandardButton>(box->exec()));
    };
}

}  // namespace xkr::widgets
