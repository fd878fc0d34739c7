#include "quick/QuickForm.h"

#include <algorithm>

#include <QEventLoop>
#include <QHash>
#include <QMetaMethod>

#include "qtcommon/FormFont.h"
#include "qtcommon/ShownText.h"
#include "qtcommon/UserInput.h"
#include "view/MessageBox.h"
#include "view/UserActions.h"

namespace xkr::quick {

using qtcommon::shownText;

QuickForm::QuickForm(EditorForm& form, QObject* parent)
    : QObject(parent), m_form(form), m_list(new QuickList(form.lstContacts, this)) {
    QHash<QString, QuickControl*> labels;
    for (const layout::Item& item : layout::items) {
        auto* control = new QuickControl(item, form, this);
        control->onFocusKept = [this] { mirrorFocus(); };
        if (item.kind == layout::Kind::Label)
            labels.insert(qtcommon::toQString(item.name), control);
        m_controls.push_back(control);
    }
    for (QuickControl* control : m_controls) {
        if (QuickControl* label = labels.value(qtcommon::toQString(control->item().label)))
            label->setBuddy(control->name());
    }
    m_connections.push_back(m_form.focus.changed.connect([this] { mirrorFocus(); }));
}

QuickForm::~QuickForm() {
    // A box still open when the item goes: the core's call returns, with the default answer.
    if (m_answerLoop != nullptr)
        m_answerLoop->quit();
}

QList<QObject*> QuickForm::controls() const {
    // In tab order: Qt Quick's Tab moves into and out of the form in the order of its items.
    QList<QObject*> ordered(m_controls.begin(), m_controls.end());
    std::stable_sort(ordered.begin(), ordered.end(), [](const QObject* a, const QObject* b) {
        return static_cast<const QuickControl*>(a)->item().tabIndex <
               static_cast<const QuickControl*>(b)->item().tabIndex;
    });
    return ordered;
}

QString QuickForm::accessibleName() const {
    return shownText(texts::Id::controlName);
}

QString QuickForm::requiredText() const {
    return shownText(texts::Id::required);
}

QString QuickForm::okText() const {
    return shownText(texts::Id::ok);
}

QString QuickForm::yesText() const {
    return shownText(texts::Id::yes);
}

QString QuickForm::noText() const {
    return shownText(texts::Id::no);
}

void QuickForm::layOut(const QFont& given, qtcommon::Dpi screen) {
    m_font = qtcommon::formFont(given);
    const qtcommon::Dpi dpi = qtcommon::twipsDpi(screen, m_font);
    // Layout rectangles are relative to their frame; the QML side places every control in the
    // form's own coordinates.
    QHash<QString, QPoint> origins;
    for (QuickControl* control : m_controls) {
        const layout::Item& item = control->item();
        QRect shown = qtcommon::twipsToRect(item.rect, dpi);
        shown.translate(origins.value(qtcommon::toQString(item.parent)));
        if (item.kind == layout::Kind::Frame)
            origins.insert(qtcommon::toQString(item.name), shown.topLeft());
        const bool serial = item.kind == layout::Kind::TextBox && item.index == layout::serialBox;
        control->layOut(shown, serial ? qtcommon::serialBoxFont(m_font) : m_font);
    }
    m_list->setTwipsDpi(dpi.x);
    m_size =
        qtcommon::twipsToRect({0, 0, layout::designedWidth, layout::designedHeight}, dpi).size();
    Q_EMIT laidOut();
}

void QuickForm::retranslate() {
    for (QuickControl* control : m_controls) control->retranslate();
    m_list->retranslate();
    Q_EMIT retranslated();
}

int QuickForm::ask(const qtcommon::ShownMessageBox& box) {
    m_answer = box.question ? msgbox::yes : msgbox::ok;
    if (!isSignalConnected(QMetaMethod::fromSignal(&QuickForm::messageRequested)))
        return m_answer;
    QEventLoop loop;
    m_answerLoop = &loop;
    Q_EMIT messageRequested(box.title, box.text, box.question, static_cast<int>(box.icon));
    // Qt Quick's dialogs do not block; the core waits for its answer, as with a modal dialog.
    loop.exec(QEventLoop::DialogExec);
    m_answerLoop = nullptr;
    Q_EMIT messageClosed();
    // The core puts the focus where it belongs after the box; the dialog had taken it.
    mirrorFocus();
    return m_answer;
}

void QuickForm::answer(int button) {
    m_answer = button;
    if (m_answerLoop != nullptr)
        m_answerLoop->quit();
}

QObject* QuickForm::control(const QString& name) const {
    for (QuickControl* control : m_controls) {
        if (control->name() == name)
            return control;
    }
    return nullptr;
}

bool QuickForm::tab(bool forward) {
    user::Outcome outcome = user::Outcome::NoTarget;
    qtcommon::forwardUserInput([&] { outcome = user::tabWithinForm(m_form, forward); });
    if (outcome == user::Outcome::NoTarget)
        return false;
    if (outcome != user::Outcome::Done)
        mirrorFocus();
    return true;
}

bool QuickForm::escape() {
    bool pressed = false;
    qtcommon::forwardUserInput([&] { pressed = user::escape(m_form) != user::Outcome::NoTarget; });
    return pressed;
}

void QuickForm::focusControl(const QString& name) {
    auto* target = qobject_cast<QuickControl*>(control(name));
    if (target != nullptr)
        target->focusIn();
}

void QuickForm::leaveForm() {
    qtcommon::forwardUserInput([&] {
        if (user::leaveForm(m_form) != user::Outcome::Done)
            mirrorFocus();
    });
}

void QuickForm::mirrorFocus() {
    const Control* focused = m_form.focus.focused();
    for (QuickControl* control : m_controls) {
        if (focused != nullptr && control->control() == focused) {
            Q_EMIT control->focusRequested();
            return;
        }
    }
}

}  // namespace xkr::quick
