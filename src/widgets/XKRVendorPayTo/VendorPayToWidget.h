#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "XKRVendorPayTo/VendorPayToMessageHandler.h"

namespace xkr {

// Declared, not included: a host that only embeds the widget needs no core header.
class VendorPayTo;
namespace widgets {
class FormBinding;
}
namespace qtcommon {
class HostCalls;
}

// The pay-to addresses control as a Qt widget: one xkr::VendorPayTo, with a real Qt widget bound
// to each of its control models. Children carry the control names as objectName
// (txtContact_0 ... txtContact_10, cboContactCountry, cmdAdd, lstContacts, imgBullet_0 ...).
//
// Host methods never throw: they are also called by name through QMetaObject::invokeMethod,
// where an exception has nowhere to go. A failing call writes a warning to the Qt log, returns
// an empty result and leaves its message in lastError(); the next call clears it. Hosts that
// want the exception call control() directly.
//
// The host's settings are also properties, for Qt Designer, uic and script hosts: writing one
// calls its host method (vendorId and editable call LetVendorIDNMode with the other's current
// value). Their signals tell every change made through the widget's methods.
class VendorPayToWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int vendorId READ vendorId WRITE setVendorId NOTIFY vendorIdChanged)
    Q_PROPERTY(bool editable READ editable WRITE setEditable NOTIFY editableChanged)
    Q_PROPERTY(bool postalCodeCheck READ postalCodeCheck WRITE setPostalCodeCheck NOTIFY
                   postalCodeCheckChanged)
    Q_PROPERTY(QString loadStatus READ loadStatus NOTIFY loadStatusChanged)

public:
    explicit VendorPayToWidget(QWidget* parent = nullptr);
    ~VendorPayToWidget() override;

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

    VendorPayTo& control() { return *m_control; }

    // Who answers the message boxes; nullptr (the default) shows the modal QMessageBox.
    void setMessageHandler(VendorPayToMessageHandler* handler);
    VendorPayToMessageHandler* messageHandler() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void vendorIdChanged(int vendorId);
    void editableChanged(bool editable);
    void postalCodeCheckChanged(bool check);
    void loadStatusChanged(const QString& loadStatus);

protected:
    // A language change shows every text again, translated; entry, mode, selection and sort
    // stay as they are. A font change lays the form out again, grown or shrunk with the font.
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<VendorPayTo> m_control;
    std::unique_ptr<widgets::FormBinding> m_binding;
    qtcommon::HostCalls* m_host;
    QPointer<VendorPayToMessageHandler> m_messageHandler;
};

}  // namespace xkr
