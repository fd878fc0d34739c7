// A JavaScript host drives the widget by method name through QJSEngine.
#include <QTest>

#include "ScriptHost.h"
#include "XKRVendorPayTo/VendorPayToWidget.h"

namespace {

// One entry sent back as changed (its 21st field marks it), with names beyond Latin-1 so that a
// lossy QString conversion in either direction shows in the export.
const QString vendorText = QStringLiteral(
    "var vendor = '1|Müller & Søn — Zürich|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77"
    "|1234|S~^3|Net 30|30 days~^10|1|CA|California~';\n");
const QString exported = QStringLiteral(
    "1|Müller & Søn — Zürich|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77|1234~");

}  // namespace

class JsHostTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scriptCallsMethodsByName_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("expected");

        QTest::newRow("load and export carry text both ways")
            << "payTo.LetContactAddress(vendor, '|', '~', '^');\n"
               "payTo.LetVendorIDNMode(1234, true);\n"
               "payTo.GetContactAddress();"
            << exported;
        // The host's settings as properties by name; a second identical load changes no status.
        QTest::newRow("properties read and written by name")
            << "var told = 0;\n"
               "payTo.loadStatusChanged.connect(function () { ++told; });\n"
               "payTo.vendorId = 77;\n"
               "payTo.editable = true;\n"
               "payTo.postalCodeCheck = true;\n"
               "payTo.LetContactAddress('1|A~^3|x|y~', '|', '~', '^');\n"
               "payTo.LetContactAddress('1|A~^3|x|y~', '|', '~', '^');\n"
               "[payTo.vendorId, payTo.editable, payTo.postalCodeCheck, told, payTo.loadStatus];"
            << "77,true,true,1,the text holds 2 tables; it must hold exactly 3";
    }

    void scriptCallsMethodsByName() {
        QFETCH(QString, script);
        QFETCH(QString, expected);

        xkr::VendorPayToWidget widget;
        xkr::jshost::ScriptHost host(widget);
        const QJSValue result = host.run(vendorText + script);
        QVERIFY2(!result.isError(), qPrintable(xkr::jshost::describeError(result)));
        QCOMPARE(result.toString(), expected);
    }
};

QTEST_MAIN(JsHostTest)
#include "JsHostTest.moc"
