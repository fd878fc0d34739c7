#include <QtQml/qqmlextensionplugin.h>
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTextStream>
#include <QTranslator>

#include <XKRVendorPayTo/VendorPayToItem.h>
#include <XKRVendorPayTo/VendorPayToTranslator.h>

#include "control/VendorPayTo.h"
#include "view/UserActions.h"

#ifdef XKR_STATIC_QML_MODULE
Q_IMPORT_QML_PLUGIN(XKRVendorPayToPlugin)
#endif

namespace {

// The demo's language: the control's, and Qt's own texts beside it.
class Languages : public QObject {
    Q_OBJECT

public:
    Q_INVOKABLE bool setLanguage(const QString& name) {
        const QLocale locale(name);
        const bool translated = xkr::installVendorPayToTranslator(locale);
        QCoreApplication::removeTranslator(&m_qtTranslator);
        if (translated && m_qtTranslator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&m_qtTranslator);
        }
        return translated;
    }

private:
    QTranslator m_qtTranslator;
};

}  // namespace

int main(int argc, char** argv) {
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Fusion"));
    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QStringLiteral("The QML demo host of the VendorPayTo control. Without a display it writes "
                       "a picture of its window to PATH."));
    arguments.addHelpOption();
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Start in LOCALE's language: en (the default), fr_CA or es."),
        QStringLiteral("LOCALE"), QStringLiteral("en"));
    arguments.addOption(language);
    const QCommandLineOption fontSize(
        QStringLiteral("font-size"),
        QStringLiteral("Show the window, the control with it, in the application font at POINTS."),
        QStringLiteral("POINTS"));
    arguments.addOption(fontSize);
    const QCommandLineOption data(
        QStringLiteral("data"),
        QStringLiteral("Load vendor 1001's entries, terms and states from FILE, in the format of "
                       "sample/vendor-1001.txt, instead of that sample."),
        QStringLiteral("FILE"));
    arguments.addOption(data);
    arguments.addPositionalArgument(QStringLiteral("PATH"),
                                    QStringLiteral("The headless run's picture (PNG)."));
    arguments.process(app);
    if (arguments.isSet(fontSize)) {
        bool valid = false;
        const int points = arguments.value(fontSize).toInt(&valid);
        if (!valid || points < 1 || points > 72) {
            QTextStream(stderr) << "--font-size takes a size in points from 1 to 72\n";
            return 2;
        }
        QFont font = QGuiApplication::font();
        font.setPointSize(points);
        QGuiApplication::setFont(font);
    }
    const QString samplePath =
        arguments.isSet(data) ? arguments.value(data) : QStringLiteral(":/sample/vendor-1001.txt");
    QFile sample(samplePath);
    if (!sample.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << "cannot read " << samplePath << '\n';
        return 1;
    }

    Languages languages;
    languages.setLanguage(arguments.value(language));
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral(XKR_QML_IMPORT_PATH));
    engine.rootContext()->setContextProperty(QStringLiteral("languages"), &languages);
    engine.rootContext()->setContextProperty(QStringLiteral("sampleText"),
                                             QString::fromUtf8(sample.readAll()));
    engine.rootContext()->setContextProperty(QStringLiteral("startLanguage"),
                                             arguments.value(language));
    engine.load(QUrl(QStringLiteral("qrc:/demo/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().constFirst());
    // Show the first entry, as a click on it would.
    if (auto* payTo = window->findChild<xkr::VendorPayToItem*>(QStringLiteral("payTo")))
        xkr::user::clickEntry(payTo->control().form().lstContacts, 0);
    if (!noDisplay && QGuiApplication::platformName() != QStringLiteral("offscreen"))
        return QGuiApplication::exec();
    const QStringList paths = arguments.positionalArguments();
    const QString path = paths.isEmpty() ? QStringLiteral(XKR_DEMO_SCREENSHOT) : paths.first();
    QCoreApplication::processEvents();
    if (!window->grabWindow().save(path)) {
        QTextStream(stderr) << "could not write " << path << '\n';
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}

#include "main.moc"
