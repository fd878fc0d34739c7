// The form used with the keyboard alone: Tab and Shift+Tab follow the layout's tab order, the
// arrow keys select entries, Enter, keypad Enter and Space press buttons.
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "RecordingMessageBox.h"
#include "XKRVendorPayTo/VendorPayToWidget.h"
#include "control/VendorPayTo.h"

namespace {

QString focusName() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("(none)");
}

// A host form: the control between two of the host's own inputs, so that Tab has to enter and
// leave the control like any other widget.
struct HostForm {
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    xkr::VendorPayToWidget* payTo = new xkr::VendorPayToWidget(&window);
    QLineEdit* after = new QLineEdit(&window);
    xkr::EditorForm& model = payTo->control().form();
    xkr::test::RecordingMessageBox boxes;  // never a modal dialog in a test

    HostForm() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(payTo);
        layout->addWidget(after);
        before->setObjectName(QStringLiteral("hostBefore"));
        after->setObjectName(QStringLiteral("hostAfter"));
        payTo->setMessageHandler(&boxes);
        payTo->LetContactAddress(
            "1|Main Office|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77|1234~"
            "2|Warehouse|20|2 Dock Rd||Springfield|1|10|12345||||||-1|0|3|0|78|1234~"
            "^3|Net 30|30 days~^10|1|CA|California~",
            "|", "~", "^");
        payTo->LetVendorIDNMode(1234, true);
        window.show();
        window.activateWindow();
        before->setFocus();
    }

    // The focusable controls in tab order that take the focus now.
    QStringList expectedTabChain() {
        QStringList chain;
        for (xkr::Control* control : model.tabOrder()) {
            const QString name = QString::fromStdString(control->name());
            if (control->enabled())
                chain << (control->index() < 0 ? name
                                               : name + '_' + QString::number(control->index()));
        }
        return chain;
    }

    // Tab or Shift+Tab once for each control of the chain and once more to leave the control.
    QStringList walk(Qt::KeyboardModifiers modifiers) {
        QStringList seen;
        for (qsizetype i = expectedTabChain().size(); i >= 0; --i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            seen << focusName();
        }
        return seen;
    }

    // Presses Tab until `name` has the focus.
    bool tabTo(const QString& name) {
        for (int i = 0; i < 40 && focusName() != name; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return focusName() == name;
    }
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabFollowsTheLayout_data() {
        QTest::addColumn<int>("editKey");  // 0: stay in browse mode
        QTest::newRow("browse") << 0;
        QTest::newRow("edit, Enter") << int(Qt::Key_Return);
        QTest::newRow("edit, keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("edit, Space") << int(Qt::Key_Space);
    }

    // Qt's own tab chain follows the order in which the widgets were created; the form's chain
    // is the layout's tab indexes, which put the inputs added later (Phone 2, Cell, Serial,
    // Vendor Term) after the buttons. Disabled controls (depending on the mode) are skipped.
    void tabFollowsTheLayout() {
        QFETCH(int, editKey);
        HostForm form;
        QVERIFY(QTest::qWaitForWindowActive(&form.window));
        if (editKey != 0) {
            QVERIFY(form.tabTo("lstContacts"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // selects an entry
            QVERIFY(form.tabTo("cmdEdit"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(editKey));
            QCOMPARE(form.model.cmdAdd.caption(), std::string("Update"));
            form.before->setFocus();  // each walk starts outside the control
        }
        const QStringList chain = form.expectedTabChain();
        QVERIFY(chain.size() > 10);
        QCOMPARE(form.walk(Qt::NoModifier), QStringList(chain) << "hostAfter");
        // Styles frame a focused combo, check box or button only after a keyboard focus change.
        QVERIFY(form.window.testAttribute(Qt::WA_KeyboardFocusChange));
        const QStringList backward(chain.rbegin(), chain.rend());
        QCOMPARE(form.walk(Qt::ShiftModifier), QStringList(backward) << "hostBefore");
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
