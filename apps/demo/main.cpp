#include <QApplication>
#include <QTextStream>

#include "DemoOptions.h"
#include "DemoWindow.h"

int main(int argc, char** argv) {
    renderOffscreenWithoutDisplay();
    QApplication app(argc, argv);
    const std::optional<DemoOptions> options = readDemoOptions(
        app,
        QStringLiteral("The demo host of the VendorPayTo control. Without a display it writes a "
                       "picture of its window to PATH."),
        QStringLiteral(XKR_DEMO_SCREENSHOT));
    if (!options)
        return 2;

    DemoWindow window(options->dataPath);
    window.setLanguage(QLocale(options->language));
    window.show();
    if (options->picturePath.isEmpty())
        return QApplication::exec();
    // Headless: a picture of the window's content, below its menu bar.
    QApplication::processEvents();
    if (!window.centralWidget()->grab().save(options->picturePath)) {
        QTextStream(stderr) << "could not write " << options->picturePath << '\n';
        return 1;
    }
    QTextStream(stdout) << options->picturePath << '\n';
    return 0;
}
