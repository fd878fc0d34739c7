#include <QtQml/qqmlextensionplugin.h>
#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTextStream>

#include <XKRVendorPayTo/VendorPayToItem.h>

#include "DemoLanguage.h"
#include "DemoOptions.h"
#include "control/VendorPayTo.h"
#include "view/UserActions.h"

#ifdef XKR_STATIC_QML_MODULE
Q_IMPORT_QML_PLUGIN(XKRVendorPayToPlugin)
#endif

int main(int argc, char** argv) {
    renderOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    const std::optional<DemoOptions> options = readDemoOptions(
        app,
        QStringLiteral("The QML demo host of the VendorPayTo control. Without a display it writes "
                       "a picture of its window to PATH."),
        QStringLiteral(XKR_DEMO_SCREENSHOT));
    if (!options)
        return 2;
    QFile sample(options->dataPath);
    if (!sample.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << options->dataPath << '\n';
        return 1;
    }

    DemoLanguage languages;
    languages.set(QLocale(options->language));
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral(XKR_QML_IMPORT_PATH));
    engine.rootContext()->setContextProperty(QStringLiteral("languages"), &languages);
    engine.rootContext()->setContextProperty(QStringLiteral("sampleText"),
                                             QString::fromUtf8(sample.readAll()));
    engine.rootContext()->setContextProperty(QStringLiteral("startLanguage"), options->language);
    engine.load(QUrl(QStringLiteral("qrc:/demo/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
    // Show the first entry, as a click on it would.
    if (auto* payTo = window->findChild<xkr::VendorPayToItem*>(QStringLiteral("payTo")))
        xkr::user::clickEntry(payTo->control().form().lstContacts, 0);
    if (options->picturePath.isEmpty())
        return QGuiApplication::exec();
    QCoreApplication::processEvents();
    if (!window->grabWindow().save(options->picturePath)) {
        QTextStream(stderr) << "could not write " << options->picturePath << '\n';
        return 1;
    }
    QTextStream(stdout) << options->picturePath << '\n';
    return 0;
}
