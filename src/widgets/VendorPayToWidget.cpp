#include "XKRVendorPayTo/VendorPayToWidget.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObjectList>

#include "control/VendorPayTo.h"

#include "qtcommon/FormFont.h"
#include "qtcommon/HostCalls.h"
#include "qtcommon/ShownMessageBox.h"
#include "widgets/FormBinding.h"
#include "widgets/QtMessageBox.h"
#include "widgets/ScreenDpi.h"

namespace xkr {

VendorPayToWidget::VendorPayToWidget(QWidget* parent)
    : QWidget(parent), m_control(std::make_unique<VendorPayTo>()) {
    m_control->setMessageBox([this, dialog = widgets::qtMessageBox(this)](
                                 const std::string& text, const std::string& title, int style) {
        return m_messageHandler
                   ? qtcommon::handlerAnswer(*m_messageHandler,
                                             qtcommon::shownMessageBox(text, title, style))
                   : dialog(text, title, style);
    });
    m_host = new qtcommon::HostCalls(*m_control, this);
    connect(m_host, &qtcommon::HostCalls::vendorIdChanged, this,
            &VendorPayToWidget::vendorIdChanged);
    connect(m_host, &qtcommon::HostCalls::editableChanged, this,
            &VendorPayToWidget::editableChanged);
    connect(m_host, &qtcommon::HostCalls::postalCodeCheckChanged, this,
            &VendorPayToWidget::postalCodeCheckChanged);
    connect(m_host, &qtcommon::HostCalls::loadStatusChanged, this,
            &VendorPayToWidget::loadStatusChanged);
    m_binding = std::make_unique<widgets::FormBinding>(m_control->form(), *this);
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

void VendorPayToWidget::LetContactAddress(const QString& ptContactData,
                                          const QString& ptFieldSeparator,
                                          const QString& ptRecordSeparator,
                                          const QString& ptTableSeparator) {
    m_host->LetContactAddress(ptContactData, ptFieldSeparator, ptRecordSeparator, ptTableSeparator);
}

QString VendorPayToWidget::GetContactAddress() {
    return m_host->GetContactAddress();
}

void VendorPayToWidget::LetVendorIDNMode(int plVendorID, bool tbMode) {
    m_host->LetVendorIDNMode(plVendorID, tbMode);
}

QString VendorPayToWidget::ChangedDefault() {
    return m_host->ChangedDefault();
}

void VendorPayToWidget::LetPostalCodeCheck(bool tbCheck) {
    m_host->LetPostalCodeCheck(tbCheck);
}

int VendorPayToWidget::vendorId() const {
    return m_host->vendorId();
}

void VendorPayToWidget::setVendorId(int vendorId) {
    LetVendorIDNMode(vendorId, editable());
}

bool VendorPayToWidget::editable() const {
    return m_host->editable();
}

void VendorPayToWidget::setEditable(bool editable) {
    LetVendorIDNMode(vendorId(), editable);
}

bool VendorPayToWidget::postalCodeCheck() const {
    return m_host->postalCodeCheck();
}

void VendorPayToWidget::setPostalCodeCheck(bool check) {
    LetPostalCodeCheck(check);
}

QString VendorPayToWidget::loadStatus() const {
    return m_host->loadStatus();
}

QString VendorPayToWidget::lastError() const {
    return m_host->lastError();
}

void VendorPayToWidget::setMessageHandler(VendorPayToMessageHandler* handler) {
    m_messageHandler = handler;
}

VendorPayToMessageHandler* VendorPayToWidget::messageHandler() const {
    return m_messageHandler;
}

QSize VendorPayToWidget::sizeHint() const {
    return qtcommon::twipsToRect(
               {0, 0, layout::designedWidth, layout::designedHeight},
               qtcommon::twipsDpi(widgets::screenDpi(*this), qtcommon::formFont(font())))
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
