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
        QFont font = QApplication::font();
        font.setPointSize(points);
        QApplication::setFont(font);
    }

    DemoWindow window(arguments.value(data));
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
