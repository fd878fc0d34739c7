#pragma once

#include <QtQml/qqmlregistration.h>
#include <QFont>
#include <QPointer>
#include <QQuickItem>
#include <QString>
#include <memory>

#include "XKRVendorPayTo/VendorPayToMessageHandler.h"

namespace xkr {

// Declared, not included: a host that only places the item needs no core header.
class VendorPayTo;
namespace qtcommon {
class HostCalls;
}
namespace quick {
class QuickForm;
}

// The pay-to addresses control as a Qt Quick item, `VendorPayTo` in the QML module
// XKRVendorPayTo: one xkr::VendorPayTo, shown by the module's QML form. Its host API is the
// widget's: the five host methods, the four properties with their signals, lastError() and the
// message handler. Host methods never throw; a failing call writes a warning to the Qt log,
// returns an empty result and leaves its message in lastError().
//
// The form is made when the item is complete in a QML engine; the item sizes itself to the form
// laid out in its font.
class VendorPayToItem : public QQuickItem {
    Q_OBJECT
    QML_NAMED_ELEMENT(VendorPayTo)
    Q_PROPERTY(int vendorId READ vendorId WRITE setVendorId NOTIFY vendorIdChanged)
    Q_PROPERTY(bool editable READ editable WRITE setEditable NOTIFY editableChanged)
    Q_PROPERTY(bool postalCodeCheck READ postalCodeCheck WRITE setPostalCodeCheck NOTIFY
                   postalCodeCheckChanged)
    Q_PROPERTY(QString loadStatus READ loadStatus NOTIFY loadStatusChanged)
    // The form's font, as a widget's font: the form grows and shrinks with it.
    Q_PROPERTY(QFont font READ font WRITE setFont NOTIFY fontChanged)

public:
    explicit VendorPayToItem(QQuickItem* parent = nullptr);
    ~VendorPayToItem() override;

    Q_INVOKABLE void LetContactAddress(const QString& ptContactData,
                                       const QString& ptFieldSeparator,
                                       const QString& ptRecordSeparator,
                                       const QString& ptTableSeparator);
    Q_INVOKABLE QString GetContactAddress();
    Q_INVOKABLE void LetVendorIDNMode(int plVendorID, bool tbMode);
    Q_INVOKABLE QString ChangedDefault();
    Q_INVOKABLE void LetPostalCodeCheck(bool tbCheck);

    int vendorId() const;
    void setVendorId(int vendorId);
    // Whether the user may add and change entries: LetVendorIDNMode's mode.
    bool editable() const;
    void setEditable(bool editable);
    bool postalCodeCheck() const;
    void setPostalCodeCheck(bool check);
    // Why the last load stopped early; empty when it went through.
    QString loadStatus() const;
    // The failure of the last host method call; empty when it succeeded.
    Q_INVOKABLE QString lastError() const;
    QFont font() const { return m_font; }
    void setFont(const QFont& font);

    // Shows every VendorPayTo control in the language of `locale` (a name such as "fr_CA"), as
    // installVendorPayToTranslator does; returns whether the control has that language.
    Q_INVOKABLE bool installTranslator(const QString& locale);

    VendorPayTo& control() { return *m_control; }

    // Who answers the message boxes; nullptr (the default) shows the form's own dialog.
    Q_INVOKABLE void setMessageHandler(xkr::VendorPayToMessageHandler* handler);
    Q_INVOKABLE xkr::VendorPayToMessageHandler* messageHandler() const;

Q_SIGNALS:
    void vendorIdChanged(int vendorId);
    void editableChanged(bool editable);
    void postalCodeCheckChanged(bool check);
    void loadStatusChanged(const QString& loadStatus);
    void fontChanged();

protected:
    void componentComplete() override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();

    std::unique_ptr<VendorPayTo> m_control;
    qtcommon::HostCalls* m_host;
    quick::QuickForm* m_form;
    QPointer<QQuickItem> m_formItem;
    QFont m_font;
    QPointer<VendorPayToMessageHandler> m_messageHandler;
};

}  // namespace xkr
