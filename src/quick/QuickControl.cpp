#include "quick/QuickControl.h"

#include <QGuiApplication>
#include <QPalette>

#include "common/Text.h"
#include "qtcommon/QtColours.h"
#include "qtcommon/ShownText.h"
#include "qtcommon/UserInput.h"
#include "view/UserActions.h"

namespace xkr::quick {
namespace {

using qtcommon::shownCaption;
using qtcommon::shownText;
using qtcommon::toQString;

// Models count characters (code points); Qt Quick counts UTF-16 units.
int utf16Offset(const std::string& text, std::size_t chars) {
    return static_cast<int>(toQString(text::leftChars(text, chars)).size());
}

}  // namespace

QuickControl::QuickControl(const layout::Item& item, EditorForm& form, QObject* parent)
    : QObject(parent),
      m_item(item),
      m_form(form),
      m_control(form.findControl(item.name, item.index)) {
    const auto notify = [this] { Q_EMIT changed(); };
    if (m_control != nullptr)
        m_connections.push_back(m_control->changed.connect(notify));
    if (item.name == form.lblVersionNumber.name())
        m_connections.push_back(form.lblVersionNumber.changed.connect(notify));
}

QString QuickControl::kind() const {
    switch (m_item.kind) {
        case layout::Kind::Frame:
            return QStringLiteral("frame");
        case layout::Kind::ListView:
            return QStringLiteral("list");
        case layout::Kind::CommandButton:
            return QStringLiteral("button");
        case layout::Kind::Label:
            return QStringLiteral("label");
        case layout::Kind::TextBox:
            return QStringLiteral("text");
        case layout::Kind::ComboBox:
            return QStringLiteral("combo");
        case layout::Kind::CheckBox:
            return QStringLiteral("check");
        case layout::Kind::Image:
            break;
    }
    return QStringLiteral("marker");
}

QString QuickControl::name() const {
    QString shown = toQString(m_item.name);
    if (m_item.index >= 0)
        shown += QLatin1Char('_') + QString::number(m_item.index);
    return shown;
}

QString QuickControl::text() const {
    switch (m_item.kind) {
        case layout::Kind::CommandButton:
            return shownCaption(static_cast<CommandButton*>(m_control)->caption());
        case layout::Kind::Label:
            return m_item.name == m_form.lblVersionNumber.name()
                       ? shownText(m_form.lblVersionNumber.caption(), texts::Use::Caption)
                       : shownCaption(m_item.caption);
        case layout::Kind::TextBox:
            return toQString(static_cast<TextBox*>(m_control)->text());
        case layout::Kind::ComboBox: {
            const int index = currentIndex();
            return index >= 0 ? items().value(index) : QString();
        }
        default:
            return toQString(m_item.caption);
    }
}

QString QuickControl::styledText() const {
    const QString caption = text();
    QString styled;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool marked = caption[i] == QLatin1Char('&') && i + 1 < caption.size();
        const bool accessKey = marked && caption[i + 1] != QLatin1Char('&');
        if (marked)
            ++i;
        const QString shown = QString(caption[i]).toHtmlEscaped();
        styled += accessKey ? QStringLiteral("<u>") + shown + QStringLiteral("</u>") : shown;
    }
    return styled;
}

bool QuickControl::enabled() const {
    return m_control == nullptr || m_control->enabled();
}

bool QuickControl::readOnly() const {
    if (m_item.kind == layout::Kind::TextBox)
        return static_cast<TextBox*>(m_control)->locked();
    if (m_item.kind == layout::Kind::ComboBox)
        return static_cast<ComboBox*>(m_control)->locked();
    return false;
}

bool QuickControl::checked() const {
    return m_item.kind == layout::Kind::CheckBox && static_cast<CheckBox*>(m_control)->value() != 0;
}

QStringList QuickControl::items() const {
    QStringList shown;
    if (m_item.kind != layout::Kind::ComboBox)
        return shown;
    const auto& combo = static_cast<const ComboBox&>(*m_control);
    // The countries are the core's own list; states and terms are the host's data.
    const bool coreTexts = &combo == &m_form.cboContactCountry;
    for (int i = 0; i < combo.listCount(); ++i) {
        shown << (coreTexts ? shownText(combo.itemText(i), texts::Use::Country)
                            : toQString(combo.itemText(i)));
    }
    return shown;
}

int QuickControl::currentIndex() const {
    return m_item.kind == layout::Kind::ComboBox ? static_cast<ComboBox*>(m_control)->listIndex()
                                                 : -1;
}

QColor QuickControl::background() const {
    switch (m_item.kind) {
        case layout::Kind::TextBox:
            return qtcommon::toQColor(static_cast<TextBox*>(m_control)->backColour());
        case layout::Kind::ComboBox:
            return qtcommon::toQColor(static_cast<ComboBox*>(m_control)->backColour());
        default:
            return qtcommon::toQColor(buttonFace);
    }
}

QColor QuickControl::foreground() const {
    if (m_item.kind == layout::Kind::TextBox && m_item.index == layout::serialBox)
        return QColor::fromRgb(layout::serialFont.rgb);
    return QGuiApplication::palette().color(QPalette::Text);
}

int QuickControl::selectionStart() const {
    if (m_item.kind != layout::Kind::TextBox)
        return 0;
    const auto& box = static_cast<const TextBox&>(*m_control);
    return utf16Offset(box.text(), box.selStart());
}

int QuickControl::selectionLength() const {
    if (m_item.kind != layout::Kind::TextBox)
        return 0;
    const auto& box = static_cast<const TextBox&>(*m_control);
    return utf16Offset(box.text(), box.selStart() + box.selLength()) - selectionStart();
}

QString QuickControl::accessibleName() const {
    if (m_item.name == layout::outerFrame)
        return shownText(texts::Id::frameName);
    if (m_item.name == layout::entryPanel)
        return shownText(texts::Id::panelName);
    if (!m_item.label.empty())
        return shownText(layout::labelCaption(m_item.name, m_item.index), texts::Use::Caption);
    return qtcommon::withoutAccessKey(text());
}

QString QuickControl::accessibleDescription() const {
    return required() ? shownText(texts::Id::required) : QString();
}

QString QuickControl::accessKey() const {
    if (m_item.kind != layout::Kind::Label && m_item.kind != layout::Kind::CommandButton)
        return {};
    const QString caption = text();
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption.mid(i + 1, 1);
        ++i;
    }
    return {};
}

void QuickControl::layOut(const QRect& geometry, const QFont& font) {
    m_geometry = geometry;
    m_font = font;
    Q_EMIT laidOut();
}

void QuickControl::type(const QString& text) {
    qtcommon::forwardUserInput([&] {
        if (user::type(static_cast<TextBox&>(*m_control), text.toStdString()) !=
            user::Outcome::Done) {
            // Qt Quick shows what was typed; the model kept its own text.
            Q_EMIT changed();
        }
    });
}

void QuickControl::pick(int index) {
    qtcommon::forwardUserInput([&] { user::pick(static_cast<ComboBox&>(*m_control), index); });
    // A locked combo refuses the pick; Qt Quick has already moved its own selection.
    Q_EMIT changed();
}

void QuickControl::click() {
    if (m_item.kind == layout::Kind::Label) {
        qtcommon::forwardUserInput([&] { user::clickCaption(m_form, m_item.name); });
        return;
    }
    qtcommon::forwardUserInput([&] { user::click(static_cast<CheckBox&>(*m_control)); });
    Q_EMIT changed();
}

void QuickControl::press() {
    qtcommon::forwardUserInput([&] { user::press(static_cast<CommandButton&>(*m_control)); });
}

void QuickControl::focusIn() {
    if (m_control == nullptr || m_form.focus.focused() == m_control)
        return;
    qtcommon::forwardUserInput([&] {
        if (user::moveFocus(*m_control) != user::Outcome::Done && onFocusKept)
            onFocusKept();
    });
}

}  // namespace xkr::quick
