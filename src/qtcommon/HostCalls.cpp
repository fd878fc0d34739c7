#include "qtcommon/HostCalls.h"

#include <exception>

#include "control/VendorPayTo.h"

namespace xkr::qtcommon {
namespace {

std::string toStd(const QString& text) {
    return text.toStdString();
}

}  // namespace

HostCalls::HostCalls(VendorPayTo& control, QObject* parent) : QObject(parent), m_control(control) {}

template <typename Call>
auto HostCalls::hostCall(const char* name, Call call) -> decltype(call()) {
    m_lastError.clear();
    try {
        return call();
    } catch (const std::exception& error) {
        m_lastError = QString::fromUtf8(error.what());
        qWarning("VendorPayTo: %s failed: %s", name, error.what());
        return decltype(call())();
    }
}

void HostCalls::LetContactAddress(const QString& ptContactData, const QString& ptFieldSeparator,
                                  const QString& ptRecordSeparator,
                                  const QString& ptTableSeparator) {
    const QString statusBefore = loadStatus();
    hostCall("LetContactAddress", [&] {
        m_control.LetContactAddress(toStd(ptContactData), toStd(ptFieldSeparator),
                                    toStd(ptRecordSeparator), toStd(ptTableSeparator));
    });
    if (loadStatus() != statusBefore)
        Q_EMIT loadStatusChanged(loadStatus());
}

QString HostCalls::GetContactAddress() {
    return hostCall("GetContactAddress",
                    [&] { return QString::fromStdString(m_control.GetContactAddress()); });
}

// The control stores both values before anything can fail, so they are compared also after a
// failing call.
void HostCalls::LetVendorIDNMode(int plVendorID, bool tbMode) {
    const int idBefore = vendorId();
    const bool editableBefore = editable();
    hostCall("LetVendorIDNMode", [&] { m_control.LetVendorIDNMode(plVendorID, tbMode); });
    if (vendorId() != idBefore)
        Q_EMIT vendorIdChanged(vendorId());
    if (editable() != editableBefore)
        Q_EMIT editableChanged(editable());
}

QString HostCalls::ChangedDefault() {
    return hostCall("ChangedDefault",
                    [&] { return QString::fromStdString(m_control.ChangedDefault()); });
}

void HostCalls::LetPostalCodeCheck(bool tbCheck) {
    const bool before = postalCodeCheck();
    hostCall("LetPostalCodeCheck", [&] { m_control.LetPostalCodeCheck(tbCheck); });
    if (postalCodeCheck() != before)
        Q_EMIT postalCodeCheckChanged(postalCodeCheck());
}

int HostCalls::vendorId() const {
    return m_control.vendorId();
}

bool HostCalls::editable() const {
    return m_control.mode();
}

bool HostCalls::postalCodeCheck() const {
    return m_control.postalCodeCheck();
}

QString HostCalls::loadStatus() const {
    return QString::fromStdString(m_control.loadStatus());
}

}  // namespace xkr::qtcommon
