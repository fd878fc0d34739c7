// Loads the Designer plugin as Designer does and builds the control from .ui XML as QUiLoader
// (and so Designer's preview) does.
#include <QBuffer>
#include <QFileInfo>
#include <QPluginLoader>
#include <QPushButton>
#include <QTest>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

class DesignerPluginTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pluginBuildsTheControl() {
        const QString widgetClass = QStringLiteral("xkr::VendorPayToWidget");
        // Designer lists a plugin only when its instance casts to the interface; a wrong IID or
        // a missing Q_INTERFACES makes the cast fail while the library still loads.
        QPluginLoader plugin(QStringLiteral(XKR_DESIGNER_PLUGIN));
        QVERIFY2(plugin.load(), qPrintable(plugin.errorString()));
        auto* widgetBox = qobject_cast<QDesignerCustomWidgetInterface*>(plugin.instance());
        QVERIFY(widgetBox != nullptr);
        QCOMPARE(widgetBox->name(), widgetClass);
        QCOMPARE(widgetBox->group(), QStringLiteral("XKRVendorPayTo"));
        // uic writes this include into generated code; it must resolve against the folder that
        // is installed as include/ (here: the widget's source root).
        QVERIFY2(QFileInfo::exists(QStringLiteral(XKR_WIDGET_HEADER_ROOT "/") +
                                   widgetBox->includeFile()),
                 qPrintable(widgetBox->includeFile()));

        // What Designer drops when the control is dragged from the widget box, declared as a
        // custom widget of the form as Designer saves it. QUiLoader falls back to a plain
        // QWidget when no plugin claims the class, and says so only in a warning.
        QByteArray form = widgetBox->domXml().toUtf8().replace(
            "</ui>",
            "<customwidgets><customwidget><class>xkr::VendorPayToWidget</class><extends>QWidget"
            "</extends><header>XKRVendorPayTo/VendorPayToWidget.h</header></customwidget>"
            "</customwidgets></ui>");
        QUiLoader loader;
        loader.clearPluginPaths();
        loader.addPluginPath(QFileInfo(QStringLiteral(XKR_DESIGNER_PLUGIN)).absolutePath());
        QBuffer buffer(&form);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        std::unique_ptr<QWidget> control(loader.load(&buffer));
        QVERIFY2(control != nullptr, qPrintable(loader.errorString()));
        QCOMPARE(control->objectName(), QStringLiteral("vendorPayTo"));
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), widgetClass);
        auto* cmdAdd = control->findChild<QPushButton*>(QStringLiteral("cmdAdd"));
        QVERIFY(cmdAdd != nullptr && !cmdAdd->isEnabled());
        QVERIFY(QMetaObject::invokeMethod(control.get(), "LetVendorIDNMode", Q_ARG(int, 1234),
                                          Q_ARG(bool, true)));
        QVERIFY(cmdAdd->isEnabled());
    }
};

QTEST_MAIN(DesignerPluginTest)
#include "DesignerPluginTest.moc"
