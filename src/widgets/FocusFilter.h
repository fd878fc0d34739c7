#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace xkr {
class Control;
}

namespace xkr::widgets {

// Runs the user's focus move through the control models before Qt moves the focus: a mouse press
// on a form's window, or a shortcut. When the control losing the focus refuses (or the target is
// disabled), the press and its release, or the shortcut, are eaten. One application event filter
// serves every form that is registered.
class FocusFilter : public QObject {
public:
    struct Form {
        QWidget* root;
        // The control model under a widget of the form, or nullptr.
        std::function<Control*(QWidget*)> controlAt;
        // The user's focus move; returns whether it went through.
        std::function<bool(Control&)> moveFocus;
        bool eatRelease = false;
    };

    // The form takes part while the registration lives.
    class Registration {
    public:
        explicit Registration(Form form);
        ~Registration();
        Registration(const Registration&) = delete;
        Registration& operator=(const Registration&) = delete;

    private:
        const Form* m_form;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static QPointer<FocusFilter>& current();
    static FocusFilter& instance();
    static bool mouseEvent(Form& form, QObject* watched, QEvent* event);
    static bool shortcut(Form& form, QObject* watched);

    // In registration order; the latest form is asked first.
    std::vector<std::unique_ptr<Form>> m_forms;
};

}  // namespace xkr::widgets
