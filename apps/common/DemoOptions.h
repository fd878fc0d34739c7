#pragma once

#include <QString>
#include <optional>

class QGuiApplication;

// What both demo hosts take from their command line.
struct DemoOptions {
    QString language;  // the locale to start in
    QString dataPath;  // the vendor text to load
    // Where the headless run writes its picture; empty when a display shows the window.
    QString picturePath;
};

// Without a display the demos render offscreen; call before the application is made.
void renderOffscreenWithoutDisplay();
// Reads the options (exiting on --help) and applies --font-size to the application's font;
// nothing, with the reason on stderr, when an option is wrong.
std::optional<DemoOptions> readDemoOptions(const QGuiApplication& app, const QString& description,
                                           const QString& defaultPicture);
