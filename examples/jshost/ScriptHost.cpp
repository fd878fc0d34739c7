#include "ScriptHost.h"

#include "XKRVendorPayTo/VendorPayToWidget.h"

namespace xkr::jshost {

ScriptHost::ScriptHost(VendorPayToWidget& widget) {
    m_engine.installExtensions(QJSEngine::ConsoleExtension);
    // The window owns the widget; without this the script's garbage collector could delete it.
    QJSEngine::setObjectOwnership(&widget, QJSEngine::CppOwnership);
    m_engine.globalObject().setProperty(QStringLiteral("payTo"), m_engine.newQObject(&widget));
}

QJSValue ScriptHost::run(const QString& program, const QString& fileName) {
    return m_engine.evaluate(program, fileName);
}

QJSValue ScriptHost::callIfDefined(const QString& name) {
    QJSValue function = m_engine.globalObject().property(name);
    return function.isCallable() ? function.call() : QJSValue();
}

QString describeError(const QJSValue& value) {
    if (!value.isError()) {
        return {};
    }
    return QStringLiteral("%1:%2: %3")
        .arg(value.property(QStringLiteral("fileName")).toString(),
             value.property(QStringLiteral("lineNumber")).toString(), value.toString());
}

}  // namespace xkr::jshost
