// The example host as its user works it: clicks and keys only, then what the host collects.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "HostWindow.h"
#include "XKRVendorPayTo/VendorPayToTranslator.h"
#include "XKRVendorPayTo/VendorPayToWidget.h"

namespace {

// The form's widget of that objectName; a missing one ends the test run.
template <typename Widget>
Widget* child(QWidget& root, const char* name) {
    auto* widget = root.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

QWidget* focused() {
    return QApplication::focusWidget();
}

// Answers every message box with OK instead of a modal dialog, and keeps its text.
struct MessageRecorder : xkr::VendorPayToMessageHandler {
    QStringList texts;

    Answer answer(const QString&, const QString& text, Style) override {
        texts << text;
        return Answer::Ok;
    }
};

}  // namespace

class HostWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addEntryThenCollect_data();
    void addEntryThenCollect();
    void translationsInstalled();
};

void HostWindowTest::addEntryThenCollect_data() {
    QTest::addColumn<int>("primaryClicks");
    QTest::addColumn<QString>("defaultPayTo");
    QTest::addColumn<QString>("changedDefault");

    QTest::newRow("primary left alone") << 0 << "0"
                                        << "";
    QTest::newRow("made primary") << 1 << "-1"
                                  << "000-N";
    // Checking moved the mark away from the old primary entry; unchecking does not give it
    // back, so no entry is primary any more.
    QTest::newRow("checked then unchecked") << 2 << "0"
                                            << "";
}

void HostWindowTest::addEntryThenCollect() {
    QFETCH(int, primaryClicks);
    QFETCH(QString, defaultPayTo);
    QFETCH(QString, changedDefault);

    HostWindow window;
    MessageRecorder messages;
    window.payTo().setMessageHandler(&messages);
    window.loadSampleVendor();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const auto typeInto = [&window](const char* box, const QString& text) {
        auto* edit = child<QLineEdit>(window, box);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClicks(edit, text);
    };
    auto* cmdAdd = child<QPushButton>(window, "cmdAdd");

    QTest::mouseClick(cmdAdd, Qt::LeftButton);
    QCOMPARE(cmdAdd->text(), QStringLiteral("S&ave"));
    typeInto("txtContact_0", QStringLiteral("Northwind Traders - Boston"));
    typeInto("txtContact_1", QStringLiteral("1 Harbor St"));
    typeInto("txtContact_3", QStringLiteral("Boston"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cboContactCountry"));
    QTest::keyClicks(focused(), QStringLiteral("USA"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("cboContactState"));
    QTest::keyClicks(focused(), QStringLiteral("Massachusetts"));
    typeInto("txtContact_8", QStringLiteral("7"));
    auto* primary = child<QCheckBox>(window, "ChkDefault");
    for (int i = 0; i < primaryClicks; ++i) {
        QTest::mouseClick(primary, Qt::LeftButton, {},
                          QPoint(primary->width() / 2, primary->height() / 2));
    }
    // The vendor term comes before Primary Pay To and Active in the tab order.
    QTest::mouseClick(child<QLineEdit>(window, "txtContact_8"), Qt::LeftButton);
    for (int i = 0; i < 3; ++i) QTest::keyClick(focused(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused()->objectName(), QStringLiteral("cboContactType"));
    // Space would open the drop-down, so the arrow keys choose "Net 60", the third term.
    for (int i = 0; i < 3; ++i) QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(child<QComboBox>(window, "cboContactType")->currentText(),
             QStringLiteral("Net 60  -  60 days"));
    QTest::mouseClick(cmdAdd, Qt::LeftButton);

    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(cmdAdd->text(), QStringLiteral("&Add"));
    const QString entry = "000-N|Northwind Traders - Boston|07|1 Harbor St||Boston|1|22|||||||-1|" +
                          defaultPayTo + "|3|||1001\n";
    QCOMPARE(window.payTo().GetContactAddress(), entry);
    QCOMPARE(window.payTo().ChangedDefault(), changedDefault);

    QTest::mouseClick(child<QPushButton>(window, "collectButton"), Qt::LeftButton);
    QVERIFY(child<QPlainTextEdit>(window, "resultView")->toPlainText().contains(entry.trimmed()));
}

// The installed library carries the control's translations, and removing them shows English.
void HostWindowTest::translationsInstalled() {
    QVERIFY(xkr::installVendorPayToTranslator(QLocale(QLocale::French, QLocale::Canada)));
    HostWindow window;
    auto* cmdAdd = child<QPushButton>(window, "cmdAdd");
    QCOMPARE(cmdAdd->text(), QStringLiteral("&Ajouter"));
    QVERIFY(!xkr::installVendorPayToTranslator(QLocale(QLocale::English)));
    QTRY_COMPARE(cmdAdd->text(), QStringLiteral("&Add"));
}

QTEST_MAIN(HostWindowTest)
#include "HostWindowTest.moc"
