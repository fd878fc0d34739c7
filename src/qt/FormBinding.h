#pragma once

#include <QHash>
#include <QString>
#include <unordered_map>

#include "view/EditorForm.h"
#include "view/Layout.h"

class QWidget;

namespace xkr::qt {

// Builds the form's Qt widgets from the layout tables, binds each to its control model and keeps
// the Qt focus on the control that the model's focus manager names.
class FormBinding {
public:
    FormBinding(EditorForm& form, QWidget& root);
    FormBinding(const FormBinding&) = delete;
    FormBinding& operator=(const FormBinding&) = delete;

    // The control model a widget (or a widget inside it) stands for; nullptr for none.
    Control* controlAt(QWidget* widget) const;
    QWidget* widgetOf(const Control& control) const;

    // Tab and Shift+Tab: user::tab. Returns false at an end of the tab order, where the focus
    // leaves the form instead of wrapping around.
    bool tabMove(bool next);

private:
    void build();
    QWidget* createControl(const layout::Item& item, QWidget& parent);
    void describeInputs();
    void setTabOrder();
    void mirrorFocus();

    EditorForm& m_form;
    QWidget& m_root;
    std::unordered_map<const Control*, QWidget*> m_widgets;
    std::unordered_map<const QWidget*, Control*> m_controls;
    QHash<QString, QWidget*> m_containers;
};

}  // namespace xkr::qt
