#include <QAccessible>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <functional>
#include <stdexcept>

#include "GuiFixture.h"
#include "control/VendorPayTo.h"

using xkr::test::GuiFixture;

Q_DECLARE_METATYPE(QAccessible::Role)

// What only the widget shows: the binding between models and widgets, focus and keyboard,
// accessibility, and the event boundary that nothing may cross.
class WidgetBindingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What a screen reader walks through: every input named by its label's caption, "Required"
    // where validation insists on a value, no unnamed object, and combos that read their current
    // item, open on a press and are disabled with their models. The list's rows are walked apart.
    void screenReaderTree_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<bool>("required");
        QTest::newRow("Name") << "txtContact_0" << QAccessible::EditableText << "Name" << true;
        QTest::newRow("Street2") << "txtContact_2" << QAccessible::EditableText << "Street2"
                                 << false;
        QTest::newRow("City") << "txtContact_3" << QAccessible::EditableText << "City" << true;
        QTest::newRow("Serial") << "txtContact_8" << QAccessible::EditableText << "Serial #"
                                << true;
        QTest::newRow("Country") << "cboContactCountry" << QAccessible::ComboBox << "Country"
                                 << true;
        QTest::newRow("Vendor Term")
            << "cboContactType" << QAccessible::ComboBox << "Vendor Term" << true;
        QTest::newRow("Primary") << "ChkDefault" << QAccessible::CheckBox << "Primary Pay To"
                                 << false;
        QTest::newRow("list") << "lstContacts" << QAccessible::Tree << "Pay-to entries" << false;
    }
    void screenReaderTree() {
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, accessibleName);
        QFETCH(bool, required);
        GuiFixture f;
        f.load();
        f.clickEntry(0);
        QHash<QString, QAccessibleInterface*> byName;
        QStringList unnamed;
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            const QString objectName = node->object() ? node->object()->objectName() : QString();
            byName.insert(objectName, node);
            if (node->text(QAccessible::Name).isEmpty())
                unnamed << objectName + QLatin1Char('/') + QString::number(node->role());
            // Qt's own: the list's cells and a combo's drop-down list.
            if (node->role() == QAccessible::Tree || node->role() == QAccessible::ComboBox)
                return;
            for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(&f.widget()));
        QCOMPARE(unnamed.join(" "), QString());

        QAccessibleInterface* input = byName.value(name);
        QVERIFY2(input != nullptr, qPrintable(name));
        QCOMPARE(input->role(), role);
        // Named by its label where it has one (a combo on Linux names its current item).
        const auto labels = input->relations(QAccessible::Label);
        QCOMPARE(labels.isEmpty() ? input->text(QAccessible::Name)
                                  : labels.first().first->text(QAccessible::Name),
                 accessibleName);
        QCOMPARE(input->text(QAccessible::Description) == QStringLiteral("Required"), required);
    }

    // The list names its shown columns, which stay in place. The arrow keys move through it: the
    // focused cell, which a screen reader announces, is the entry's name, and the view hears of
    // the new selection through its selection model, which is how Qt's accessibility events (and
    // repaints) learn of it. The panel shows the Canadian entry's state, which a binding that
    // mirrored the state before the country (which refills the states) would miss. A row that
    // assistive technology selects is a click on that entry.
    void listAnnouncesTheSelectedEntry() {
        GuiFixture f;
        f.load();
        f.clickEntry(1);
        auto* list = f.find<QTreeView>("lstContacts");
        QSignalSpy selected(list->selectionModel(), &QItemSelectionModel::selectionChanged);
        QSignalSpy current(list->selectionModel(), &QItemSelectionModel::currentChanged);
        QVERIFY(list->hasFocus());
        QCOMPARE(list->accessibleDescription(),
                 QStringLiteral("Columns: Name, Serial, City Sorted by Serial, ascending."));
        QVERIFY(!list->header()->sectionsMovable());
        QTest::keyClick(list, Qt::Key_Down);
        QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(list)->focusChild();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->text(QAccessible::Name), QStringLiteral("Alpha Freight"));
        QCOMPARE(f.text("txtContact_0"), QStringLiteral("Alpha Freight"));
        QCOMPARE(f.find<QComboBox>("cboContactState")->currentText(), QStringLiteral("Ontario"));
        QCOMPARE(selected.count(), 1);
        QVERIFY(current.count() >= 1);
        QAccessible::queryAccessibleInterface(list)->tableInterface()->selectRow(0);
        QCOMPARE(f.text("txtContact_0"), QStringLiteral("Gamma Parts"));
    }

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
    // Qt's own Tab would move on, Alt+S press Save.
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
        add->setShortcut(QKeySequence(QStringLiteral("Alt+S")));
        QSignalSpy focusMoves(qApp, &QApplication::focusChanged);
        QTest::keyClick(serial, Qt::Key_Tab);
        QTest::keyClick(&f.widget(), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(f.boxes.shown.size(), std::size_t{2});
        QVERIFY(!add->isDown());  // pressed down for the mnemonic's delayed click
        QCOMPARE(add->text(), QStringLiteral("Save"));
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
        f.widget().setMessageBox([](const std::string&, const std::string&, int) -> int {
            throw std::runtime_error("no dialog");
        });
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("cmdDelete_Click failed: .*no dialog"));
        f.click(f.find<QPushButton>("cmdDelete"));
        QCOMPARE(f.find<QTreeView>("lstContacts")->model()->rowCount(), 3);
    }
};

QTEST_MAIN(WidgetBindingTest)
#include "WidgetBindingTest.moc"
