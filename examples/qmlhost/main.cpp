// A QML host: the window is QML (Main.qml), which places the control with `import
// XKRVendorPayTo`. With --check it loads the sample, adds an entry the way a user does and exits
// with what the host collected, for the package's test.
#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QTextStream>

#include <XKRVendorPayTo/VendorPayToItem.h>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    QFile sample(QStringLiteral(":/host/vendor.txt"));
    if (!sample.open(QIODevice::ReadOnly))
        return 1;
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral(XKR_QML_IMPORT_PATH));
    engine.rootContext()->setContextProperty(QStringLiteral("sampleText"),
                                             QString::fromUtf8(sample.readAll()));
    engine.load(QUrl(QStringLiteral("qrc:/host/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    if (!app.arguments().contains(QStringLiteral("--check")))
        return QGuiApplication::exec();

    // The host's C++ side reaches the same item as its QML.
    auto* payTo = engine.rootObjects().constFirst()->findChild<xkr::VendorPayToItem*>(
        QStringLiteral("payTo"));
    // A QML function returns a QVariant.
    QVariant returned;
    QMetaObject::invokeMethod(engine.rootObjects().constFirst(), "addSampleEntry",
                              Q_RETURN_ARG(QVariant, returned));
    const QString result = returned.toString();
    QTextStream(stdout) << result << '\n';
    const bool added = payTo != nullptr && payTo->loadStatus().isEmpty() &&
                       payTo->lastError().isEmpty() &&
                       result.contains(QStringLiteral("|Example Pay-To Office|07|"));
    return added ? 0 : 1;
}
