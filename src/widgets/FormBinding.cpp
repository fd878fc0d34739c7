#include "widgets/FormBinding.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include "qtcommon/FormFont.h"
#include "qtcommon/ShownText.h"
#include "qtcommon/UserInput.h"
#include "view/UserActions.h"
#include "widgets/CaptionLabel.h"
#include "widgets/ControlBindings.h"
#include "widgets/FocusFilter.h"
#include "widgets/ListBinding.h"
#include "widgets/MarkedFrame.h"
#include "widgets/ScreenDpi.h"

namespace xkr::widgets {
namespace {

QString objectNameOf(const layout::Item& item) {
    QString name = qtcommon::toQString(item.name);
    if (item.index >= 0)
        name += QLatin1Char('_') + QString::number(item.index);
    return name;
}

void describe(QWidget& input, QLabel* label, std::string_view caption, bool required) {
    input.setAccessibleName(qtcommon::shownText(caption, texts::Use::Caption));
    if (required) {
        input.setAccessibleDescription(qtcommon::shownText(texts::Id::required));
        input.setToolTip(qtcommon::shownText(texts::Id::required));
    }
    if (label != nullptr)
        label->setBuddy(&input);
}

}  // namespace

FormBinding::FormBinding(EditorForm& form, QWidget& root) : m_form(form), m_root(root) {
    build();
    layOut();
    showTranslated([this] { describeInputs(); });
    setTabOrder();
    m_modelConnections.push_back(m_form.focus.changed.connect([this] { mirrorFocus(); }));
    // Qt moves the focus on its own too (window activation, leaving a dialog, Tab into the form
    // from the host): the model hears of it as a user's move, and may refuse it.
    m_focusChanged = QObject::connect(qApp, &QApplication::focusChanged, &m_root,
                                      [this](QWidget* old, QWidget* now) {
                                          Control* target = controlAt(now);
                                          if (target == nullptr) {
                                              leaveForm(old, now);
                                              return;
                                          }
                                          if (m_form.focus.focused() == target)
                                              return;
                                          qtcommon::forwardUserInput([&] {
                                              if (user::moveFocus(*target) != user::Outcome::Done)
                                                  mirrorFocus();
                                          });
                                      });
    m_focusFilter = std::make_unique<FocusFilter::Registration>(
        FocusFilter::Form{&m_root, [this](QWidget* widget) { return controlAt(widget); },
                          [](Control& target) {
                              bool moved = false;
                              qtcommon::forwardUserInput(
                                  [&] { moved = user::moveFocus(target) == user::Outcome::Done; });
                              return moved;
                          }});
}

FormBinding::~FormBinding() {
    QObject::disconnect(m_focusChanged);
}

void FormBinding::build() {
    m_containers.insert(QString(), &m_root);
    for (const layout::Item& item : layout::items) {
        QWidget& parent = *m_containers.value(qtcommon::toQString(item.parent), &m_root);
        QWidget* widget = createControl(item, parent);
        m_placed.emplace_back(&item, widget == nullptr ? &parent : widget);
        if (widget == nullptr)
            continue;
        widget->setObjectName(objectNameOf(item));
        if (item.kind == layout::Kind::Frame)
            m_containers.insert(qtcommon::toQString(item.name), widget);
        if (Control* control = m_form.findControl(item.name, item.index)) {
            m_widgets.emplace(control, widget);
            m_controls.emplace(widget, control);
        }
    }
}

QWidget* FormBinding::createControl(const layout::Item& item, QWidget& parent) {
    switch (item.kind) {
        case layout::Kind::Frame:
            return new MarkedFrame(qtcommon::toQString(item.caption), &parent);
        case layout::Kind::ListView:
            return createListView(m_form.lstContacts, &parent, m_languageChanged,
                                  m_modelConnections);
        case layout::Kind::CommandButton: {
            auto* button = new QPushButton(&parent);
            bindCommandButton(static_cast<CommandButton&>(*m_form.findControl(item.name)), *button,
                              m_languageChanged, m_modelConnections);
            return button;
        }
        case layout::Kind::Label: {
            auto* label = new CaptionLabel(&parent);
            label->onClick = [this, name = item.name] {
                qtcommon::forwardUserInput([&] { user::clickCaption(m_form, name); });
            };
            if (item.name == m_form.lblVersionNumber.name()) {
                bindLabel(m_form.lblVersionNumber, *label, m_languageChanged, m_modelConnections);
            } else {
                showTranslated([label, caption = item.caption] {
                    label->setText(qtcommon::shownCaption(caption));
                });
            }
            return label;
        }
        case layout::Kind::TextBox: {
            auto* edit = new QLineEdit(&parent);
            if (item.index == layout::serialBox) {
                QPalette palette = edit->palette();
                palette.setColor(QPalette::Text, QColor::fromRgb(layout::serialFont.rgb));
                edit->setPalette(palette);
            }
            m_modelConnections.push_back(bindTextBox(m_form.txtContact(item.index), *edit));
            return edit;
        }
        case layout::Kind::ComboBox: {
            // Qt's own combo: on Linux it names its current item and takes its label from the
            // buddy relation, and tells assistive technology of every change of item.
            auto* combo = new QComboBox(&parent);
            auto& model = static_cast<ComboBox&>(*m_form.findControl(item.name));
            // The countries are the core's own list; states and terms are the host's data.
            const ItemTexts items =
                &model == &m_form.cboContactCountry ? ItemTexts::Core : ItemTexts::Data;
            bindComboBox(model, *combo, items, m_languageChanged, m_modelConnections);
            return combo;
        }
        case layout::Kind::CheckBox: {
            auto* check = new QCheckBox(&parent);
            m_modelConnections.push_back(
                bindCheckBox(static_cast<CheckBox&>(*m_form.findControl(item.name)), *check));
            return check;
        }
        case layout::Kind::Image:
            // A marker is painted by its frame (layOut places it).
            return nullptr;
    }
    return nullptr;
}

void FormBinding::layOut() {
    const QFont font = qtcommon::formFont(m_root.font());
    // Every marker of the layout sits in a frame.
    for (const auto& [item, widget] : m_placed) {
        if (item->kind == layout::Kind::Image)
            qobject_cast<MarkedFrame*>(widget)->clearMarkers();
    }
    for (const auto& [item, widget] : m_placed) {
        if (item->kind == layout::Kind::Image) {
            qobject_cast<MarkedFrame*>(widget)->addMarker(
                qtcommon::twipsToRect(item->rect, qtcommon::twipsDpi(screenDpi(*widget), font)));
            continue;
        }
        const bool serial = item->kind == layout::Kind::TextBox && item->index == layout::serialBox;
        widget->setFont(serial ? qtcommon::serialBoxFont(font) : font);
        widget->setGeometry(
            qtcommon::twipsToRect(item->rect, qtcommon::twipsDpi(screenDpi(*widget), font)));
    }
}

void FormBinding::showTranslated(std::function<void()> show) {
    show();
    m_modelConnections.push_back(m_languageChanged.connect(std::move(show)));
}

void FormBinding::retranslate() {
    m_languageChanged.raise();
}

void FormBinding::describeInputs() {
    // A host may name the control itself; this is what a screen reader says otherwise.
    if (m_root.accessibleName() == m_rootName) {
        m_rootName = qtcommon::shownText(texts::Id::controlName);
        m_root.setAccessibleName(m_rootName);
    }
    // The frames have no caption on screen; a screen reader still names the groups it enters.
    m_root.findChild<QWidget*>(qtcommon::toQString(layout::outerFrame))
        ->setAccessibleName(qtcommon::shownText(texts::Id::frameName));
    auto* panel = m_root.findChild<MarkedFrame*>(qtcommon::toQString(layout::entryPanel));
    panel->setAccessibleName(qtcommon::shownText(texts::Id::panelName));
    panel->setMarkerToolTip(qtcommon::shownText(texts::Id::required));
    for (const layout::Item& item : layout::items) {
        if (item.label.empty())
            continue;
        describe(*widgetOf(*m_form.findControl(item.name, item.index)),
                 m_root.findChild<QLabel*>(qtcommon::toQString(item.label)),
                 layout::labelCaption(item.name, item.index), item.required());
    }
}

void FormBinding::setTabOrder() {
    QWidget* previous = nullptr;
    for (Control* control : m_form.tabOrder()) {
        QWidget* widget = widgetOf(*control);
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// A move to a host widget of the same window is a move like any other: the field being left
// may refuse it, and then the focus comes back (a dialog's or another window's focus is not).
void FormBinding::leaveForm(QWidget* old, QWidget* now) {
    if (now == nullptr || old == nullptr || now->window() != m_root.window() ||
        !m_root.isAncestorOf(old)) {
        return;
    }
    // Checked once Qt has finished the move: Qt announces the new focus to assistive technology
    // only after its focus-change signal, so a refusal shown from inside it would have the host
    // widget announced after the field took the focus back.
    QMetaObject::invokeMethod(
        &m_root,
        [this] {
            QWidget* focused = QApplication::focusWidget();
            if (focused != nullptr && focused->window() == m_root.window() &&
                !m_root.isAncestorOf(focused)) {
                qtcommon::forwardUserInput([&] { user::leaveForm(m_form); });
            }
        },
        Qt::QueuedConnection);
}

bool FormBinding::escape() {
    bool pressed = false;
    qtcommon::forwardUserInput([&] { pressed = user::escape(m_form) != user::Outcome::NoTarget; });
    return pressed;
}

void FormBinding::mirrorFocus() {
    const Control* focused = m_form.focus.focused();
    if (focused == nullptr)
        return;
    QWidget* widget = widgetOf(*focused);
    if (widget != nullptr && !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
}

Control* FormBinding::controlAt(QWidget* widget) const {
    for (; widget != nullptr && widget != &m_root; widget = widget->parentWidget()) {
        const auto found = m_controls.find(widget);
        if (found != m_controls.end())
            return found->second;
    }
    return nullptr;
}

QWidget* FormBinding::widgetOf(const Control& control) const {
    const auto found = m_widgets.find(&control);
    return found == m_widgets.end() ? nullptr : found->second;
}

bool FormBinding::tabMove(bool next) {
    // The focus arrives by the keyboard: styles show a focus frame on combos, check boxes and
    // buttons only then (a mouse press clears it again).
    m_root.window()->setAttribute(Qt::WA_KeyboardFocusChange);
    user::Outcome outcome = user::Outcome::NoTarget;
    qtcommon::forwardUserInput([&] { outcome = user::tabWithinForm(m_form, next); });
    // Past an end of the order the focus leaves the form: Qt moves it on to the host's widgets
    // instead of around.
    if (outcome == user::Outcome::NoTarget)
        return false;
    if (outcome != user::Outcome::Done)
        mirrorFocus();
    return true;
}

}  // namespace xkr::widgets
