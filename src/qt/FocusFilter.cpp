#include "qt/FocusFilter.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace xkr::qt {

FocusFilter::FocusFilter(QWidget& root, std::function<Control*(QWidget*)> controlAt,
                         std::function<bool(Control&)> moveFocus)
    : QObject(&root),
      m_root(root),
      m_controlAt(std::move(controlAt)),
      m_moveFocus(std::move(moveFocus)) {
    // Presses reach the top-level QWindow before Qt picks the child and gives it the focus; only
    // an application filter sees them there.
    qApp->installEventFilter(this);
}

bool FocusFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return mouseEvent(watched, event);
        case QEvent::Shortcut: {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget == nullptr || !m_root.isAncestorOf(widget))
                return false;
            // A label's mnemonic moves the focus to its buddy.
            if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy()) {
                widget = label->buddy();
            }
            Control* target = m_controlAt(widget);
            return target != nullptr && !m_moveFocus(*target);
        }
        default:
            return false;
    }
}

bool FocusFilter::mouseEvent(QObject* watched, QEvent* event) {
    QWidget* top = m_root.window();
    if (watched != top->windowHandle())
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const bool eat = m_eatRelease;
        m_eatRelease = false;
        return eat;
    }
    // A release that went to a message box shown meanwhile never comes here: each press starts
    // over.
    m_eatRelease = false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QWidget* child = top->childAt(mouse->position().toPoint());
    if (child == nullptr || !m_root.isAncestorOf(child))
        return false;
    // A check box's caption stands for the box: pressing it moves the focus there.
    if (auto* label = qobject_cast<QLabel*>(child);
        label && qobject_cast<QCheckBox*>(label->buddy())) {
        child = label->buddy();
    }
    Control* target = m_controlAt(child);
    if (target == nullptr || m_moveFocus(*target))
        return false;
    m_eatRelease = true;
    return true;
}

}  // namespace xkr::qt
