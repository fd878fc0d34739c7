#include "XKRVendorPayTo/VendorPayToTranslator.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace xkr {

bool installVendorPayToTranslator(const QLocale& locale) {
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed.data();
    }
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(locale, QStringLiteral("xkrvendorpayto"), QStringLiteral("_"),
                          QStringLiteral(":/xkrvendorpayto/translations"))) {
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    installed = translator.release();
    return true;
}

}  // namespace xkr
