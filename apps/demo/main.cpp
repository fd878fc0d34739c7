#include <QApplication>
#include <QTextStream>

#include "DemoWindow.h"

int main(int argc, char** argv) {
    const bool noDisplay =
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (noDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    DemoWindow window;
    window.show();
    if (!noDisplay && QApplication::platformName() != QStringLiteral("offscreen")) {
        return QApplication::exec();
    }
    // Headless: a picture of the window instead.
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(XKR_DEMO_SCREENSHOT);
    QApplication::processEvents();
    if (!window.grab().save(path)) {
        QTextStream(stderr) << "could not write " << path << '\n';
        return 1;
    }
    QTextStream(stdout) << path << '\n';
    return 0;
}
