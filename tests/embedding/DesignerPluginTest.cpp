// Loads the Designer plugin as Designer does and builds the control from .ui XML as QUiLoader
// (and so Designer's preview) does.
#include <QBuffer>
#include <QFileInfo>
#include <QPluginLoader>
#include <QPushButton>
#include <QSignalSpy>
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
        QVERIFY(!widgetBox->icon().pixmap(22).isNull());
        // uic writes this include into generated code; it must resolve against the folder that
        // is installed as include/ (here: the widget's source root).
        QVERIFY2(QFileInfo::exists(QStringLiteral(XKR_WIDGET_HEADER_ROOT "/") +
                                   widgetBox->includeFile()),
                 qPrintable(widgetBox->includeFile()));

        // What Designer drops when the control is dragged from the widget box, with the host's
        // settings set in the Property Editor, declared as a custom widget of the form as
        // Designer saves it. QUiLoader falls back to a plain QWidget when no plugin claims the
        // class, and says so only in a warning.
        QByteArray form = widgetBox->domXml().toUtf8();
        form.replace("name=\"vendorPayTo\"/>",
                     "name=\"vendorPayTo\"><property name=\"vendorId\"><number>1001</number>"
                     "</property><property name=\"editable\"><bool>true</bool></property>"
                     "<property name=\"postalCodeCheck\"><bool>true</bool></property></widget>");
        form.replace(
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
        QVERIFY(cmdAdd != nullptr && cmdAdd->isEnabled());
        QCOMPARE(control->property("vendorId"), QVariant(1001));
        QCOMPARE(control->property("postalCodeCheck"), QVariant(true));

        // The host method and the properties are one setting: each change is told once.
        QSignalSpy editableChanged(control.get(), SIGNAL(editableChanged(bool)));
        QSignalSpy vendorIdChanged(control.get(), SIGNAL(vendorIdChanged(int)));
        QVERIFY(control->setProperty("editable", true));
        QVERIFY(QMetaObject::invokeMethod(control.get(), "LetVendorIDNMode", Q_ARG(int, 1234),
                                          Q_ARG(bool, false)));
        QVERIFY(!cmdAdd->isEnabled());
        QCOMPARE(editableChanged, QList<QVariantList>{{false}});
        QCOMPARE(vendorIdChanged, QList<QVariantList>{{1234}});
    }
};

QTEST_MAIN(DesignerPluginTest)
#include "DesignerPluginTest.moc"
