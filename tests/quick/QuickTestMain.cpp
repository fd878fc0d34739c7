#include <QtQml/qqmlextensionplugin.h>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QtQuickTest>

#ifdef XKR_STATIC_QML_MODULE
Q_IMPORT_QML_PLUGIN(XKRVendorPayToPlugin)
#endif

// The style of the QML demo, so the fit checks measure what a host shows; the module found in
// the build when it is a shared plugin.
class QuickTestSetup : public QObject {
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable() { QQuickStyle::setStyle(QStringLiteral("Fusion")); }
    void qmlEngineAvailable(QQmlEngine* engine) {
        engine->addImportPath(QStringLiteral(XKR_QML_IMPORT_PATH));
    }
};

QUICK_TEST_MAIN_WITH_SETUP(item_test, QuickTestSetup)

#include "QuickTestMain.moc"
