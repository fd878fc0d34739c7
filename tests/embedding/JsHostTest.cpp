// A JavaScript host drives the widget by method name through QJSEngine.
#include <QTest>

#include "ScriptHost.h"
#include "XKRVendorPayTo/VendorPayToWidget.h"
#include "control/VendorPayTo.h"
#include "view/UserActions.h"

namespace {

// One entry sent back as changed (its 21st field marks it), with names beyond Latin-1 so that a
// lossy QString conversion in either direction shows in the export.
const QString vendorText = QStringLiteral(
    "var vendor = '1|Müller & Søn — Zürich|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77"
    "|1234|S~^3|Net 30|30 days~^10|1|CA|California~';\n");
const QString exported = QStringLiteral(
    "1|Müller & Søn — Zürich|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77|1234~");

int pickByText(xkr::ComboBox& combo, const std::string& text) {
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.itemText(i) == text) {
            return i;
        }
    }
    return -1;
}

}  // namespace

class JsHostTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scriptCallsMethodsByName_data();
    void scriptCallsMethodsByName();
    void collectSeesTheUsersWork_data();
    void collectSeesTheUsersWork();
};

void JsHostTest::scriptCallsMethodsByName_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    QTest::newRow("load and export carry text both ways")
        << "payTo.LetContactAddress(vendor, '|', '~', '^');\n"
           "payTo.LetVendorIDNMode(1234, true);\n"
           "payTo.GetContactAddress();"
        << exported;
    QTest::newRow("multi-character separators")
        << "payTo.LetContactAddress(vendor.replace(/\\|/g, '<>').replace(/~/g, '\\r\\n')"
           "  .replace(/\\^/g, '##'), '<>', '\\r\\n', '##');\n"
           "payTo.LetVendorIDNMode(1234, true);\n"
           "payTo.GetContactAddress();"
        << QString(exported).replace('|', "<>").replace('~', "\r\n");
    QTest::newRow("view-only mode exports nothing")
        << "payTo.LetContactAddress(vendor, '|', '~', '^');\n"
           "payTo.LetVendorIDNMode(1234, false);\n"
           "payTo.GetContactAddress();"
        << "";
    QTest::newRow("primary never touched") << "payTo.LetContactAddress(vendor, '|', '~', '^');\n"
                                              "payTo.ChangedDefault();"
                                           << "";
    // An export before any load fails in the control; the script must see an empty result and
    // the reason, and go on running, instead of the host crashing on an escaping exception.
    QTest::newRow("failing call leaves a reason and the script running")
        << "payTo.LetVendorIDNMode(1234, true);\n"
           "var result = payTo.GetContactAddress();\n"
           "'[' + result + '] ' + (payTo.lastError() !== '');"
        << "[] true";
    QTest::newRow("a good call clears the last failure")
        << "payTo.LetVendorIDNMode(1234, true);\n"
           "payTo.GetContactAddress();\n"
           "payTo.LetContactAddress(vendor, '|', '~', '^');\n"
           "payTo.GetContactAddress() === exported && payTo.lastError() === '';"
        << "true";
    QTest::newRow("a load that stops early says so")
        << "payTo.LetContactAddress('1|a|b|c|d|e|f|g|h|i|j|k|l|m|n|o|p|q|r|s|t|u|v~', "
           "'|', '~', '^');\n"
           "payTo.loadStatus() !== '';"
        << "true";
}

void JsHostTest::scriptCallsMethodsByName() {
    QFETCH(QString, script);
    QFETCH(QString, expected);

    xkr::VendorPayToWidget widget;
    xkr::jshost::ScriptHost host(widget);
    host.engine().globalObject().setProperty(QStringLiteral("exported"), exported);
    const QJSValue result = host.run(vendorText + script);
    QVERIFY2(!result.isError(), qPrintable(xkr::jshost::describeError(result)));
    QCOMPARE(result.toString(), expected);
}

void JsHostTest::collectSeesTheUsersWork_data() {
    QTest::addColumn<QString>("vendorId");

    QTest::newRow("ordinary id") << "1234";
    // JavaScript numbers are doubles; the ends of the 32-bit range must arrive unchanged.
    QTest::newRow("largest id") << "2147483647";
    QTest::newRow("negative id") << "-2147483648";
}

// The user adds an entry and marks it primary between the script's start and its collect().
void JsHostTest::collectSeesTheUsersWork() {
    QFETCH(QString, vendorId);

    xkr::VendorPayToWidget widget;
    QStringList messages;
    widget.setMessageBox([&messages](const std::string& text, const std::string&, int) {
        messages << QString::fromStdString(text);
        return xkr::msgbox::ok;
    });
    xkr::jshost::ScriptHost host(widget);
    QJSValue result = host.run(vendorText +
                               "payTo.LetContactAddress(vendor, '|', '~', '^');\n"
                               "payTo.LetVendorIDNMode(" +
                               vendorId +
                               ", true);\n"
                               "function collect() {\n"
                               "  return payTo.GetContactAddress() + ' / ' + "
                               "payTo.ChangedDefault();\n"
                               "}\n");
    QVERIFY2(!result.isError(), qPrintable(xkr::jshost::describeError(result)));

    using xkr::user::Outcome;
    xkr::EditorForm& form = widget.control().form();
    QCOMPARE(xkr::user::press(form.cmdAdd), Outcome::Done);
    QCOMPARE(xkr::user::type(form.txtContact(0), "Branch"), Outcome::Done);
    QCOMPARE(xkr::user::type(form.txtContact(1), "9 Side St"), Outcome::Done);
    QCOMPARE(xkr::user::type(form.txtContact(3), "Shelbyville"), Outcome::Done);
    QCOMPARE(xkr::user::pick(form.cboContactCountry, pickByText(form.cboContactCountry, "USA")),
             Outcome::Done);
    QCOMPARE(
        xkr::user::pick(form.cboContactType, pickByText(form.cboContactType, "Net 30  -  30 days")),
        Outcome::Done);
    QCOMPARE(xkr::user::type(form.txtContact(8), "7"), Outcome::Done);
    QCOMPARE(xkr::user::click(form.ChkDefault), Outcome::Done);
    QCOMPARE(xkr::user::press(form.cmdAdd), Outcome::Done);
    QCOMPARE(messages, QStringList());

    result = host.callIfDefined(QStringLiteral("collect"));
    QVERIFY2(!result.isError(), qPrintable(xkr::jshost::describeError(result)));
    QCOMPARE(result.toString(), exported +
                                    "000-N|Branch|07|9 Side St||Shelbyville|1|10|||||||-1|-1|3|||" +
                                    vendorId + "~ / 000-N");
}

QTEST_MAIN(JsHostTest)
#include "JsHostTest.moc"
