#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace xkr {
class Control;
}

namespace xkr::qt {

// Runs the user's focus move through the control models before Qt moves the focus: a mouse press
// on the form's window, or a shortcut. When the control losing the focus refuses (or the target
// is disabled), the press and its release, or the shortcut, are eaten.
class FocusFilter : public QObject {
public:
    // controlAt: the control model under a widget of the form, or nullptr.
    // moveFocus: the user's focus move; returns whether it went through.
    FocusFilter(QWidget& root, std::function<Control*(QWidget*)> controlAt,
                std::function<bool(Control&)> moveFocus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mouseEvent(QObject* watched, QEvent* event);

    QWidget& m_root;
    std::function<Control*(QWidget*)> m_controlAt;
    std::function<bool(Control&)> m_moveFocus;
    bool m_eatRelease = false;
};

}  // namespace xkr::qt
