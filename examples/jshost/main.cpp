// vendorpayto-jshost SCRIPT.js: shows the control and lets a JavaScript program drive it. The
// program runs once at start-up; when the window closes, its function collect() runs, if any.
#include <QApplication>
#include <QFile>
#include <QTextStream>

#include "ScriptHost.h"
#include "XKRVendorPayTo/VendorPayToWidget.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: vendorpayto-jshost SCRIPT.js\n";
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        err << "cannot read " << file.fileName() << '\n';
        return 2;
    }

    xkr::VendorPayToWidget widget;
    xkr::jshost::ScriptHost host(widget);
    const QString error =
        xkr::jshost::describeError(host.run(QString::fromUtf8(file.readAll()), file.fileName()));
    if (!error.isEmpty()) {
        err << error << '\n';
        return 1;
    }
    widget.show();
    const int status = app.exec();
    const QString collectError = xkr::jshost::describeError(host.callIfDefined("collect"));
    if (!collectError.isEmpty()) {
        err << collectError << '\n';
        return 1;
    }
    return status;
}
