#pragma once

#include <QObject>
#include <QString>

namespace xkr {

class VendorPayTo;

namespace qtcommon {

// The host's calls on the control as both skins offer them. They never throw: they are also
// called by name through QMetaObject::invokeMethod and from QML, where an exception has nowhere
// to go. A failing call writes a warning to the Qt log, returns an empty result and leaves its
// message in lastError(); the next call clears it. The signals tell every change a call made.
class HostCalls : public QObject {
    Q_OBJECT

public:
    explicit HostCalls(VendorPayTo& control, QObject* parent = nullptr);

    void LetContactAddress(const QString& ptContactData, const QString& ptFieldSeparator,
                           const QString& ptRecordSeparator, const QString& ptTableSeparator);
    QString GetContactAddress();
    void LetVendorIDNMode(int plVendorID, bool tbMode);
    QString ChangedDefault();
    void LetPostalCodeCheck(bool tbCheck);

    int vendorId() const;
    bool editable() const;
    bool postalCodeCheck() const;
    QString loadStatus() const;
    QString lastError() const { return m_lastError; }

Q_SIGNALS:
    void vendorIdChanged(int vendorId);
    void editableChanged(bool editable);
    void postalCodeCheckChanged(bool check);
    void loadStatusChanged(const QString& loadStatus);

private:
    template <typename Call>
    auto hostCall(const char* name, Call call) -> decltype(call());

    VendorPayTo& m_control;
    QString m_lastError;
};

}  // namespace qtcommon
}  // namespace xkr
