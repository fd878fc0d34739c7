#include "DemoOptions.h"

#include <QCommandLineParser>
#include <QFont>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool noDisplay() {
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

void renderOffscreenWithoutDisplay() {
    if (noDisplay() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

std::optional<DemoOptions> readDemoOptions(const QGuiApplication& app, const QString& description,
                                           const QString& defaultPicture) {
    QCommandLineParser arguments;
    arguments.setApplicationDescription(description);
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
        QStringLiteral("FILE"), QStringLiteral(":/sample/vendor-1001.txt"));
    arguments.addOption(data);
    arguments.addPositionalArgument(QStringLiteral("PATH"),
                                    QStringLiteral("The headless run's picture (PNG)."));
    arguments.process(app);
    if (arguments.isSet(fontSize)) {
        bool valid = false;
        const int points = arguments.value(fontSize).toInt(&valid);
        if (!valid || points < 1 || points > 72) {
            QTextStream(stderr) << "--font-size takes a size in points from 1 to 72\n";
            return std::nullopt;
        }
        QFont font = QGuiApplication::font();
        font.setPointSize(points);
        QGuiApplication::setFont(font);
    }
    QString picture;
    if (noDisplay() || QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        const QStringList paths = arguments.positionalArguments();
        picture = paths.isEmpty() ? defaultPicture : paths.first();
    }
    return DemoOptions{arguments.value(language), arguments.value(data), picture};
}
