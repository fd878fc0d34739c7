#include "XKRVendorPayTo/VendorPayToWidget.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObjectList>
#include <exception>

#include "control/VendorPayTo.h"

#include "qt/FormBinding.h"
#include "qt/FormFont.h"
#include "qt/QtMessageBox.h"
#include "qt/Twips.h"

namespace xkr {
namespace {

std::string toStd(const QString& text) {
    return text.toStdString();
}

}  // namespace

VendorPayToWidget::VendorPayToWidget(QWidget* parent)
    : QWidget(parent), m_control(std::make_unique<VendorPayTo>()) {
    m_control->setMessageBox([this, dialog = qt::qtMessageBox(this)](
                                 const std::string& text, const std::string& title, int style) {
        return m_messageHandler ? qt::handlerAnswer(*m_messageHandler, text, title, style)
                                : dialog(text, title, style);
    });
    m_binding = std::make_unique<qt::FormBinding>(m_control->form(), *this);
    setMinimumSize(sizeHint());
}

VendorPayToWidget::~VendorPayToWidget() {
    // The binding goes first: with it go the models' connections to the widgets and Qt's focus
    // changes to the models, so the focus moves that removing the children causes reach no
    // model. The children, which forward user input to the models, go next; the control
    // itself, a member, last.
    m_binding.reset();
    const QObjectList children = this->children();
    qDeleteAll(children);
}

template <typename Call>
auto VendorPayToWidget::hostCall(const char* name, Call call) -> decltype(call()) {
    m_lastError.clear();
    try {
        return call();
    } catch (const std::exception& error) {
        m_lastError = QString::fromUtf8(error.what());
        qWarning("VendorPayTo: %s failed: %s", name, error.what());
        return decltype(call())();
    }
}

void VendorPayToWidget::LetContactAddress(const QString& ptContactData,
                                          const QString& ptFieldSeparator,
                                          const QString& ptRecordSeparator,
                                          const QString& ptTableSeparator) {
    const QString statusBefore = loadStatus();
    hostCall("LetContactAddress", [&] {
        m_control->LetContactAddress(toStd(ptContactData), toStd(ptFieldSeparator),
                                     toStd(ptRecordSeparator), toStd(ptTableSeparator));
    });
    if (loadStatus() != statusBefore)
        Q_EMIT loadStatusChanged(loadStatus());
}

QString VendorPayToWidget::GetContactAddress() {
    return hostCall("GetContactAddress",
                    [&] { return QString::fromStdString(m_control->GetContactAddress()); });
}

// The control stores both values before anything can fail, so they are compared also after a
// failing call.
void VendorPayToWidget::LetVendorIDNMode(int plVendorID, bool tbMode) {
    const int idBefore = vendorId();
    const bool editableBefore = editable();
    hostCall("LetVendorIDNMode", [&] { m_control->LetVendorIDNMode(plVendorID, tbMode); });
    if (vendorId() != idBefore)
        Q_EMIT vendorIdChanged(vendorId());
    if (editable() != editableBefore)
        Q_EMIT editableChanged(editable());
}

QString VendorPayToWidget::ChangedDefault() {
    return hostCall("ChangedDefault",
                    [&] { return QString::fromStdString(m_control->ChangedDefault()); });
}

void VendorPayToWidget::LetPostalCodeCheck(bool tbCheck) {
    const bool before = postalCodeCheck();
    hostCall("LetPostalCodeCheck", [&] { m_control->LetPostalCodeCheck(tbCheck); });
    if (postalCodeCheck() != before)
        Q_EMIT postalCodeCheckChanged(postalCodeCheck());
}

int VendorPayToWidget::vendorId() const {
    return m_control->vendorId();
}

void VendorPayToWidget::setVendorId(int vendorId) {
    LetVendorIDNMode(vendorId, editable());
}

bool VendorPayToWidget::editable() const {
    return m_control->mode();
}

void VendorPayToWidget::setEditable(bool editable) {
    LetVendorIDNMode(vendorId(), editable);
}

bool VendorPayToWidget::postalCodeCheck() const {
    return m_control->postalCodeCheck();
}

void VendorPayToWidget::setPostalCodeCheck(bool check) {
    LetPostalCodeCheck(check);
}

QString VendorPayToWidget::loadStatus() const {
    return QString::fromStdString(m_control->loadStatus());
}

QString VendorPayToWidget::lastError() const {
    return m_lastError;
}

void VendorPayToWidget::setMessageHandler(VendorPayToMessageHandler* handler) {
    m_messageHandler = handler;
}

VendorPayToMessageHandler* VendorPayToWidget::messageHandler() const {
    return m_messageHandler;
}

QSize VendorPayToWidget::sizeHint() const {
    return qt::twipsToRect({0, 0, layout::designedWidth, layout::designedHeight}, *this,
                           qt::formFont(font()))
        .size();
}

void VendorPayToWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Sent when the host installs or removes a translator.
    if (event->type() == QEvent::LanguageChange)
        m_binding->retranslate();
    // The control's own font, its parent's, a style sheet's or the application's changed: the
    // form grows or shrinks with it. The binding is not there yet while the widget is built.
    if (event->type() == QEvent::FontChange && m_binding) {
        m_binding->layOut();
        setMinimumSize(sizeHint());
        updateGeometry();
    }
}

// Escape reaches the control when the focused child has no use for it (an open drop-down list
// takes it first, and closes).
void VendorPayToWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        m_binding->escape()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool VendorPayToWidget::focusNextPrevChild(bool next) {
    // Past the last control of the form Qt takes over: on to the host's widgets, or around.
    return m_binding->tabMove(next) || QWidget::focusNextPrevChild(next);
}

}  // namespace xkr
