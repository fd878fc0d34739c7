#include "DemoLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <XKRVendorPayTo/VendorPayToTranslator.h>

bool DemoLanguage::set(const QLocale& locale) {
    const bool translated = xkr::installVendorPayToTranslator(locale);
    QCoreApplication::removeTranslator(&m_qtTranslator);
    if (translated && m_qtTranslator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qtTranslator);
    }
    return translated;
}
