#include "widgets/FocusFilter.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace xkr::widgets {

QPointer<FocusFilter>& FocusFilter::current() {
    static QPointer<FocusFilter> filter;
    return filter;
}

FocusFilter& FocusFilter::instance() {
    // Presses reach the top-level QWindow before Qt picks the child and gives it the focus; only
    // an application filter sees them there. It lives as long as the application.
    QPointer<FocusFilter>& filter = current();
    if (filter.isNull()) {
        filter = new FocusFilter(qApp);
        qApp->installEventFilter(filter);
    }
    return *filter;
}

FocusFilter::Registration::Registration(Form form) {
    auto& forms = instance().m_forms;
    forms.push_back(std::make_unique<Form>(std::move(form)));
    m_form = forms.back().get();
}

FocusFilter::Registration::~Registration() {
    if (FocusFilter* filter = current())
        std::erase_if(filter->m_forms, [this](const auto& form) { return form.get() == m_form; });
}

bool FocusFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            return std::any_of(m_forms.rbegin(), m_forms.rend(),
                               [&](const auto& form) { return mouseEvent(*form, watched, event); });
        case QEvent::Shortcut:
            return std::any_of(m_forms.rbegin(), m_forms.rend(),
                               [&](const auto& form) { return shortcut(*form, watched); });
        default:
            return false;
    }
}

bool FocusFilter::shortcut(Form& form, QObject* watched) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !form.root->isAncestorOf(widget))
        return false;
    // A label's mnemonic moves the focus to its buddy.
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy()) {
        widget = label->buddy();
    }
    Control* target = form.controlAt(widget);
    return target != nullptr && !form.moveFocus(*target);
}

bool FocusFilter::mouseEvent(Form& form, QObject* watched, QEvent* event) {
    QWidget* top = form.root->window();
    if (watched != top->windowHandle())
        return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        const bool eat = form.eatRelease;
        form.eatRelease = false;
        return eat;
    }
    // A release that went to a message box shown meanwhile never comes here: each press starts
    // over.
    form.eatRelease = false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QWidget* child = top->childAt(mouse->position().toPoint());
    if (child == nullptr || !form.root->isAncestorOf(child))
        return false;
    // A check box's caption stands for the box: pressing it moves the focus there.
    if (auto* label = qobject_cast<QLabel*>(child);
        label && qobject_cast<QCheckBox*>(label->buddy())) {
        child = label->buddy();
    }
    Control* target = form.controlAt(child);
    if (target == nullptr || form.moveFocus(*target))
        return false;
    form.eatRelease = true;
    return true;
}

}  // namespace xkr::widgets
