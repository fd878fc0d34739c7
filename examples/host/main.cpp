#include <QApplication>

#include "HostWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    HostWindow window;
    window.loadSampleVendor();
    window.show();
    return app.exec();
}
