#include "XKRVendorPayTo/VendorPayToItem.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>

#include "XKRVendorPayTo/VendorPayToTranslator.h"
#include "control/VendorPayTo.h"
#include "qtcommon/HostCalls.h"
#include "qtcommon/ShownMessageBox.h"
#include "quick/QuickForm.h"

namespace xkr {

VendorPayToItem::VendorPayToItem(QQuickItem* parent)
    : QQuickItem(parent),
      m_control(std::make_unique<VendorPayTo>()),
      m_font(QGuiApplication::font()) {
    m_control->setMessageBox([this](const std::string& text, const std::string& title, int style) {
        const qtcommon::ShownMessageBox box = qtcommon::shownMessageBox(text, title, style);
        return m_messageHandler ? qtcommon::handlerAnswer(*m_messageHandler, box)
                                : m_form->ask(box);
    });
    m_host = new qtcommon::HostCalls(*m_control, this);
    connect(m_host, &qtcommon::HostCalls::vendorIdChanged, this, &VendorPayToItem::vendorIdChanged);
    connect(m_host, &qtcommon::HostCalls::editableChanged, this, &VendorPayToItem::editableChanged);
    connect(m_host, &qtcommon::HostCalls::postalCodeCheckChanged, this,
            &VendorPayToItem::postalCodeCheckChanged);
    connect(m_host, &qtcommon::HostCalls::loadStatusChanged, this,
            &VendorPayToItem::loadStatusChanged);
    m_form = new quick::QuickForm(m_control->form(), this);
    connect(m_form, &quick::QuickForm::laidOut, this,
            [this] { setImplicitSize(m_form->width(), m_form->height()); });
    // Installing or removing a translator tells the application object.
    QCoreApplication::instance()->installEventFilter(this);
    layOut();
}

VendorPayToItem::~VendorPayToItem() {
    // The QML form goes first, while the models it shows are still there.
    delete m_formItem.data();
    delete m_form;
}

void VendorPayToItem::componentComplete() {
    QQuickItem::componentComplete();
    QQmlEngine* engine = qmlEngine(this);
    if (engine == nullptr)
        return;
    QQmlComponent component(
        engine, QUrl(QStringLiteral("qrc:/qt/qml/XKRVendorPayTo/qml/VendorPayToForm.qml")));
    // Qt 6.4 crashes when asked to create from a component that failed to load.
    QObject* created =
        component.isReady()
            ? component.createWithInitialProperties(
                  {{QStringLiteral("form"), QVariant::fromValue(m_form)}}, qmlContext(this))
            : nullptr;
    m_formItem = qobject_cast<QQuickItem*>(created);
    if (m_formItem.isNull()) {
        qWarning("VendorPayTo: the form could not be made: %s",
                 qPrintable(component.errorString()));
        delete created;
        return;
    }
    m_formItem->setParentItem(this);
}

void VendorPayToItem::itemChange(ItemChange change, const ItemChangeData& value) {
    QQuickItem::itemChange(change, value);
    // Another screen may have another DPI.
    if (change == ItemSceneChange || change == ItemDevicePixelRatioHasChanged)
        layOut();
}

bool VendorPayToItem::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
        m_form->retranslate();
    return QQuickItem::eventFilter(watched, event);
}

void VendorPayToItem::layOut() {
    const QScreen* screen = window() != nullptr && window()->screen() != nullptr
                                ? window()->screen()
                                : QGuiApplication::primaryScreen();
    const qtcommon::Dpi dpi = screen != nullptr ? qtcommon::Dpi{screen->logicalDotsPerInchX(),
                                                                screen->logicalDotsPerInchY()}
                                                : qtcommon::Dpi{96.0, 96.0};
    m_form->layOut(m_font, dpi);
}

void VendorPayToItem::setFont(const QFont& font) {
    if (font == m_font)
        return;
    m_font = font;
    layOut();
    Q_EMIT fontChanged();
}

void VendorPayToItem::LetContactAddress(const QString& ptContactData,
                                        const QString& ptFieldSeparator,
                                        const QString& ptRecordSeparator,
                                        const QString& ptTableSeparator) {
    m_host->LetContactAddress(ptContactData, ptFieldSeparator, ptRecordSeparator, ptTableSeparator);
}

QString VendorPayToItem::GetContactAddress() {
    return m_host->GetContactAddress();
}

void VendorPayToItem::LetVendorIDNMode(int plVendorID, bool tbMode) {
    m_host->LetVendorIDNMode(plVendorID, tbMode);
}

QString VendorPayToItem::ChangedDefault() {
    return m_host->ChangedDefault();
}

void VendorPayToItem::LetPostalCodeCheck(bool tbCheck) {
    m_host->LetPostalCodeCheck(tbCheck);
}

int VendorPayToItem::vendorId() const {
    return m_host->vendorId();
}

void VendorPayToItem::setVendorId(int vendorId) {
    LetVendorIDNMode(vendorId, editable());
}

bool VendorPayToItem::editable() const {
    return m_host->editable();
}

void VendorPayToItem::setEditable(bool editable) {
    LetVendorIDNMode(vendorId(), editable);
}

bool VendorPayToItem::postalCodeCheck() const {
    return m_host->postalCodeCheck();
}

void VendorPayToItem::setPostalCodeCheck(bool check) {
    LetPostalCodeCheck(check);
}

QString VendorPayToItem::loadStatus() const {
    return m_host->loadStatus();
}

QString VendorPayToItem::lastError() const {
    return m_host->lastError();
}

bool VendorPayToItem::installTranslator(const QString& locale) {
    return installVendorPayToTranslator(QLocale(locale));
}

void VendorPayToItem::setMessageHandler(VendorPayToMessageHandler* handler) {
    m_messageHandler = handler;
}

VendorPayToMessageHandler* VendorPayToItem::messageHandler() const {
    return m_messageHandler;
}

}  // namespace xkr
