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

namespace {

const char* const widgetClass = "xkr::VendorPayToWidget";

QString pluginFolder() {
    return QFileInfo(QStringLiteral(XKR_DESIGNER_PLUGIN)).absolutePath();
}

// The wrapping a form file puts around one widget, with the form's own class.
QByteArray formAround(const QByteArray& body) {
    return "<ui version=\"4.0\"><class>HostForm</class>"
           "<widget class=\"QWidget\" name=\"HostForm\">" +
           body + "</widget></ui>";
}

}  // namespace

class DesignerPluginTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pluginDescribesTheWidget();
    void formBuildsTheControl_data();
    void formBuildsTheControl();
};

// Designer lists a plugin only when its instance casts to the interface; a wrong IID or a
// missing Q_INTERFACES makes the cast fail while the library still loads.
void DesignerPluginTest::pluginDescribesTheWidget() {
    QPluginLoader loader(QStringLiteral(XKR_DESIGNER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    QCOMPARE(loader.metaData().value("IID").toString(),
             QStringLiteral("org.qt-project.Qt.QDesignerCustomWidgetInterface"));
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    QVERIFY(plugin != nullptr);

    QCOMPARE(plugin->name(), QString::fromLatin1(widgetClass));
    QCOMPARE(plugin->group(), QStringLiteral("XKRVendorPayTo"));
    QVERIFY(!plugin->isContainer());
    // uic writes this include into generated code; it must resolve against the folder that
    // is installed as include/ (here: the widget's source root).
    QVERIFY2(QFileInfo::exists(QStringLiteral(XKR_WIDGET_HEADER_ROOT "/") + plugin->includeFile()),
             qPrintable(plugin->includeFile()));

    std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->metaObject()->className(), widgetClass);
}

void DesignerPluginTest::formBuildsTheControl_data() {
    QTest::addColumn<QByteArray>("form");
    QTest::addColumn<QString>("objectName");

    QPluginLoader loader(QStringLiteral(XKR_DESIGNER_PLUGIN));
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    QVERIFY(plugin != nullptr);
    // What Designer drops on a form when the control is dragged from the widget box.
    QTest::newRow("dropped from the widget box")
        << plugin->domXml().toUtf8() << QStringLiteral("vendorPayTo");

    QTest::newRow("placed in a layout")
        << formAround(
               "<layout class=\"QVBoxLayout\" name=\"layout\"><item>"
               "<widget class=\"xkr::VendorPayToWidget\" name=\"payTo\"/>"
               "</item></layout>")
        << QStringLiteral("payTo");
    QTest::newRow("with a property set in Designer")
        << formAround(
               "<widget class=\"xkr::VendorPayToWidget\" name=\"payTo\">"
               "<property name=\"toolTip\"><string>Pay-to</string></property>"
               "</widget>")
        << QStringLiteral("payTo");
    QTest::newRow("declared as a custom widget of the form")
        << formAround("<widget class=\"xkr::VendorPayToWidget\" name=\"vendorAddresses\"/>")
               .replace("</ui>",
                        "<customwidgets><customwidget><class>xkr::VendorPayToWidget</class>"
                        "<extends>QWidget</extends>"
                        "<header>XKRVendorPayTo/VendorPayToWidget.h</header>"
                        "</customwidget></customwidgets></ui>")
        << QStringLiteral("vendorAddresses");
}

// QUiLoader falls back to a plain QWidget when no plugin claims the class, and says so only
// in a warning, so the class name and a working method call are what prove the plugin built it.
void DesignerPluginTest::formBuildsTheControl() {
    QFETCH(QByteArray, form);
    QFETCH(QString, objectName);

    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(pluginFolder());
    QVERIFY(loader.availableWidgets().contains(QString::fromLatin1(widgetClass)));

    QBuffer buffer(&form);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> root(loader.load(&buffer));
    QVERIFY2(root != nullptr, qPrintable(loader.errorString()));

    QWidget* control =
        root->objectName() == objectName ? root.get() : root->findChild<QWidget*>(objectName);
    QVERIFY(control != nullptr);
    QCOMPARE(control->metaObject()->className(), widgetClass);

    auto* cmdAdd = control->findChild<QPushButton*>(QStringLiteral("cmdAdd"));
    QVERIFY(cmdAdd != nullptr);
    QVERIFY(!cmdAdd->isEnabled());
    QVERIFY(QMetaObject::invokeMethod(control, "LetVendorIDNMode", Q_ARG(int, 1234),
                                      Q_ARG(bool, true)));
    QVERIFY(cmdAdd->isEnabled());
}

QTEST_MAIN(DesignerPluginTest)
#include "DesignerPluginTest.moc"
