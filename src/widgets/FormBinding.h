#pragma once

#include <QHash>
#include <QMetaObject>
#include <QString>
#include <functional>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "view/EditorForm.h"
#include "view/Layout.h"
#include "view/Signal.h"
#include "widgets/FocusFilter.h"

class QWidget;

namespace xkr::widgets {

// Builds the form's Qt widgets from the layout tables, binds each to its control model and keeps
// the Qt focus on the control that the model's focus manager names. Until the binding is
// destroyed the models reach the widgets and Qt's focus changes reach the models; the widgets
// and the models must outlive it.
class FormBinding {
public:
    FormBinding(EditorForm& form, QWidget& root);
    ~FormBinding();
    FormBinding(const FormBinding&) = delete;
    FormBinding& operator=(const FormBinding&) = delete;

    // The control model a widget (or a widget inside it) stands for; nullptr for none.
    Control* controlAt(QWidget* widget) const;
    QWidget* widgetOf(const Control& control) const;

    // Tab and Shift+Tab: user::tab. Returns false at an end of the tab order, where the focus
    // leaves the form instead of wrapping around.
    bool tabMove(bool next);

    // Escape: Cancel in add and edit mode. Returns false when the form has no use for the key.
    bool escape();

    // Shows every text of the form again, in the language of the translators installed now.
    void retranslate();
    // Places and sizes every control, and sets its font, for the font the root is given now.
    void layOut();

private:
    void build();
    // nullptr for a marker, which its frame paints.
    QWidget* createControl(const layout::Item& item, QWidget& parent);
    // Runs `show` now and on every retranslate().
    void showTranslated(std::function<void()> show);
    void describeInputs();
    void setTabOrder();
    void mirrorFocus();
    void leaveForm(QWidget* old, QWidget* now);

    EditorForm& m_form;
    QWidget& m_root;
    std::unordered_map<const Control*, QWidget*> m_widgets;
    std::unordered_map<const QWidget*, Control*> m_controls;
    QHash<QString, QWidget*> m_containers;
    // Each layout row with its widget; a marker's row with the frame that paints it.
    std::vector<std::pair<const layout::Item*, QWidget*>> m_placed;
    // The accessible name the form gave its root; a host's own name is kept.
    QString m_rootName;
    Signal m_languageChanged;
    // Declared last, so ended first.
    std::vector<Signal::Connection> m_modelConnections;
    QMetaObject::Connection m_focusChanged;
    std::unique_ptr<FocusFilter::Registration> m_focusFilter;
};

}  // namespace xkr::widgets
