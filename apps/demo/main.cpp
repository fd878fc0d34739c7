#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include "DemoWindow.h"

int main(int argc, char** argv) {
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QStringLiteral("The demo host of the VendorPayTo control. Without a display it writes a "
                       "picture of its window to PATH."));
    arguments.addHelpOption();
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Start in LOCALE's language: en (the default), fr_CA or es."),
        QStringLiteral("LOCALE"), QStringLiteral("en"));
    arguments.addOption(language);
    arguments.addPositionalArgument(QStringLiteral("PATH"),
                                    QStringLiteral("The headless run's picture (PNG)."));
    arguments.process(app);

    DemoWindow window;
    window.setLanguage(QLocale(arguments.value(language)));
    window.show();
    if (!noDisplay && QApplication::platformName() != QStringLiteral("offscreen")) {
        return QApplication::exec();
    }
    // Headless: a picture of the window's content, below its menu bar.
    const QStringList paths = arguments.positionalArguments();
    const QString path = paths.isEmpty() ? QStringLiteral(XKR_DEMO_SCREENSHOT) : paths.first();
    QApplication::processEvents();
    if (!window.centralWidget()->grab().save(path)) {
        QTextStream(stderr) << "could not write " << path << '\n';
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}
