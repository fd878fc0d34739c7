#include <QApplication>
#include <QLocale>

#include <XKRVendorPayTo/VendorPayToTranslator.h>

#include "HostWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The control in the user's language where it has it (French, Spanish), else in English.
    xkr::installVendorPayToTranslator(QLocale::system());
    HostWindow window;
    window.loadSampleVendor();
    window.show();
    return app.exec();
}
