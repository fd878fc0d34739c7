#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <stdexcept>

#include "GuiFixture.h"
#include "control/VendorPayTo.h"

using xkr::test::GuiFixture;

// What only the widget shows: the binding between models and widgets, focus and keyboard, and
// the event boundary that nothing may cross. What assistive technology reads is checked over
// AT-SPI (tests/a11y).
class WidgetBindingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Hosts call the methods by name; a failing call (an export before any load) returns empty
    // and leaves its reason, and the next good call clears it.
    void hostMethodsByName() {
        GuiFixture f;
        QWidget* widget = &f.widget();
        QString result = QStringLiteral("unset");
        QVERIFY(QMetaObject::invokeMethod(widget, "LetVendorIDNMode", Q_ARG(int, 7),
                                          Q_ARG(bool, true)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("GetContactAddress failed"));
        QVERIFY(
            QMetaObject::invokeMethod(widget, "GetContactAddress", Q_RETURN_ARG(QString, result)));
        QCOMPARE(result, QString());
        QVERIFY(!f.widget().lastError().isEmpty());
        QVERIFY(QMetaObject::invokeMethod(
            widget, "LetContactAddress", Q_ARG(QString, xkr::test::contactData()),
            Q_ARG(QString, "|"), Q_ARG(QString, ";"), Q_ARG(QString, "#")));
        QCOMPARE(f.find<QTreeView>("lstContacts")->model()->rowCount(), 3);
        // Making another entry primary is reported by id once the user clicked the box, here
        // by its caption, which stands for the box.
        f.clickEntry(0);
        f.click(f.find<QPushButton>("cmdEdit"));
        f.click(f.find<QLabel>("lblPrimaryPayTo"));
        QVERIFY(QMetaObject::invokeMethod(widget, "ChangedDefault", Q_RETURN_ARG(QString, result)));
        QCOMPARE(result, QStringLiteral("007"));
        QCOMPARE(f.widget().lastError(), QString());
    }

    // A refused serial keeps the focus against every way out but Cancel, not lent for a moment:
    // Qt's own Tab would move on, Alt+A press Save.
    void refusedSerialKeepsTheFocus() {
        GuiFixture f;
        f.load();
        auto* add = f.find<QPushButton>("cmdAdd");
        const QPoint onAdd = add->mapTo(&f.widget(), add->rect().center());
        QTest::mousePress(f.widget().windowHandle(), Qt::LeftButton, {}, onAdd);
        xkr::VendorPayToWidget late(&f.widget());  // a second control, built on a press
        QTest::mouseRelease(f.widget().windowHandle(), Qt::LeftButton, {}, onAdd);
        auto* serial = f.find<QLineEdit>("txtContact_8");
        QVERIFY(serial->font().bold());  // the designed red bold face
        f.type(serial, QStringLiteral("15"));
        serial->setSelection(0, 1);  // the user's own partial selection
        QSignalSpy focusMoves(qApp, &QApplication::focusChanged);
        QTest::keyClick(serial, Qt::Key_Tab);
        QTest::keyClick(&f.widget(), Qt::Key_A, Qt::AltModifier);  // S&ave
        QCOMPARE(f.boxes.shown.size(), std::size_t{2});
        QVERIFY(!add->isDown());  // pressed down for the mnemonic's delayed click
        QCOMPARE(add->text(), QStringLiteral("S&ave"));
        QCOMPARE(focusMoves.count(), 0);
        QCOMPARE(serial->selectedText(), QStringLiteral("15"));  // the refusal selects it all
        // Typed over a refused "x", the same Tab goes on to the next control (Phone 2).
        f.type(serial, QStringLiteral("x"));
        QTest::keyClick(serial, Qt::Key_Tab);
        QTest::keyClicks(serial, QStringLiteral("5"));
        QTest::keyClick(serial, Qt::Key_Tab);
        QCOMPARE(f.boxes.shown.size(), std::size_t{3});
        QCOMPARE(f.widget().focusWidget(), f.find<QLineEdit>("txtContact_9"));
    }

    // cmdDelete_Click traps nothing: a message box that fails passes out of the routine, and
    // the binding must log it under the routine's name instead of letting it reach the event loop.
    void failingEventRoutineIsLogged() {
        GuiFixture f;
        f.load();
        f.clickEntry(0);
        f.boxes.fail = true;
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("cmdDelete_Click failed: .*no dialog"));
        f.click(f.find<QPushButton>("cmdDelete"));
        QCOMPARE(f.find<QTreeView>("lstContacts")->model()->rowCount(), 3);
    }
};

QTEST_MAIN(WidgetBindingTest)
#include "WidgetBindingTest.moc"
