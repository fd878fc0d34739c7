#pragma once

#include <QJSEngine>
#include <QJSValue>
#include <QString>

namespace xkr {
class VendorPayToWidget;
}

namespace xkr::jshost {

// A JavaScript host for one VendorPayToWidget: scripts reach the control as the global `payTo`
// and call its methods by name (payTo.LetContactAddress(...), payTo.GetContactAddress(), ...).
class ScriptHost {
public:
    explicit ScriptHost(VendorPayToWidget& widget);

    // Runs a program; an uncaught script exception comes back as an error value.
    QJSValue run(const QString& program, const QString& fileName = QString());
    // Calls the global function `name` when the script defined one; undefined otherwise.
    QJSValue callIfDefined(const QString& name);

    QJSEngine& engine() { return m_engine; }

private:
    QJSEngine m_engine;
};

// "file:line: message" for an error value, empty for anything else.
QString describeError(const QJSValue& value);

}  // namespace xkr::jshost
