// The whole form used with the keyboard alone: Tab and Shift+Tab follow the layout's tab order,
// Enter and Space press buttons, the arrow keys move through the list and the combos.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "XKRVendorPayTo/VendorPayToWidget.h"
#include "control/VendorPayTo.h"
#include "view/Layout.h"

namespace {

const QString vendor = QStringLiteral(
    "1|Main Office|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77|1234~"
    "2|Warehouse|20|2 Dock Rd||Springfield|1|10|12345||||||-1|0|3|0|78|1234~"
    "^3|Net 30|30 days~^10|1|CA|California~");

QString objectNameOf(const xkr::Control& control) {
    const QString name = QString::fromStdString(control.name());
    return control.index() < 0 ? name : name + '_' + QString::number(control.index());
}

QString focusName() {
    QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName() : QStringLiteral("(none)");
}

// A host form: the control between two of the host's own inputs, so that Tab has to enter and
// leave the control like any other widget.
struct HostForm {
    QWidget window;
    QLineEdit* before = nullptr;
    xkr::VendorPayToWidget* payTo = nullptr;
    QLineEdit* after = nullptr;
    QStringList messages;

    HostForm() {
        auto* layout = new QVBoxLayout(&window);
        before = new QLineEdit(&window);
        before->setObjectName(QStringLiteral("hostBefore"));
        payTo = new xkr::VendorPayToWidget(&window);
        after = new QLineEdit(&window);
        after->setObjectName(QStringLiteral("hostAfter"));
        layout->addWidget(before);
        layout->addWidget(payTo);
        layout->addWidget(after);
        // Every box is answered with its default button (Yes for the delete question).
        payTo->setMessageBox([this](const std::string& text, const std::string&, int style) {
            messages << QString::fromStdString(text);
            return style == xkr::msgbox::yesNoQuestion ? xkr::msgbox::yes : xkr::msgbox::ok;
        });
        payTo->LetContactAddress(vendor, "|", "~", "^");
        payTo->LetVendorIDNMode(1234, true);
    }

    bool show() {
        window.show();
        window.activateWindow();
        before->setFocus();
        return QTest::qWaitForWindowActive(&window);
    }

    // The focusable controls in tab order that take the focus now.
    QStringList expectedTabChain() {
        QStringList chain;
        for (xkr::Control* control : payTo->control().form().tabOrder()) {
            if (control->enabled())
                chain << objectNameOf(*control);
        }
        return chain;
    }

    QStringList walk(int presses, Qt::KeyboardModifiers modifiers) {
        QStringList seen;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            seen << focusName();
        }
        return seen;
    }

    // Presses Tab, or Shift+Tab when `name` comes earlier in the tab chain, until `name` has
    // the focus. Going the short way matters: leaving an empty serial box is refused.
    bool tabTo(const QString& name) {
        const QStringList chain = expectedTabChain();
        const bool backward = chain.indexOf(name) < chain.indexOf(focusName());
        for (int i = 0; i < 40 && focusName() != name; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                            backward ? Qt::ShiftModifier : Qt::NoModifier);
        }
        return focusName() == name;
    }

    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

    void typeText(const QString& text) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }

    QString exported() { return payTo->GetContactAddress(); }
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tabFollowsTheLayout_data();
    void tabFollowsTheLayout();
    void addEditDeleteWithKeysOnly_data();
    void addEditDeleteWithKeysOnly();
};

void KeyboardTest::tabFollowsTheLayout_data() {
    QTest::addColumn<QString>("mode");
    QTest::newRow("browse") << "browse";
    QTest::newRow("add") << "add";
    QTest::newRow("edit") << "edit";
}

// Qt's own tab chain follows the order in which the widgets were created; the form's chain is
// the layout's tab indexes, which put the inputs added later (Phone 2, Cell, Serial, Vendor
// Term) after the buttons. Disabled controls (depending on the mode) are skipped.
void KeyboardTest::tabFollowsTheLayout() {
    QFETCH(QString, mode);
    HostForm form;
    QVERIFY(form.show());
    if (mode != "browse") {
        QVERIFY(form.tabTo("lstContacts"));
        form.press(Qt::Key_Down);  // selects the first entry, which Edit loads
        QVERIFY(form.tabTo(mode == "add" ? "cmdAdd" : "cmdEdit"));
        form.press(Qt::Key_Space);
        QCOMPARE(form.payTo->control().form().cmdAdd.caption(),
                 std::string(mode == "add" ? "Save" : "Update"));
        form.before->setFocus();  // each walk starts outside the control
        if (mode == "add") {
            // Leaving an empty serial box is refused, which would end the walk there.
            form.payTo->control().form().txtContact(xkr::layout::serialBox).setText("07");
        }
    }

    const QStringList chain = form.expectedTabChain();
    QVERIFY(chain.size() > 10);
    QStringList forward = chain;
    forward << "hostAfter";
    QCOMPARE(form.walk(static_cast<int>(forward.size()), Qt::NoModifier), forward);
    // Styles frame a focused combo, check box or button only after a keyboard focus change.
    QVERIFY(form.window.testAttribute(Qt::WA_KeyboardFocusChange));

    QStringList backward(chain.rbegin(), chain.rend());
    backward << "hostBefore";
    QCOMPARE(form.walk(static_cast<int>(backward.size()), Qt::ShiftModifier), backward);
}

void KeyboardTest::addEditDeleteWithKeysOnly_data() {
    QTest::addColumn<int>("buttonKey");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void KeyboardTest::addEditDeleteWithKeysOnly() {
    QFETCH(int, buttonKey);
    const auto pressButton = [&](HostForm& form, const QString& name) {
        QVERIFY2(form.tabTo(name), qPrintable(name));
        form.press(Qt::Key(buttonKey));
    };
    HostForm form;
    QVERIFY(form.show());
    const xkr::EditorForm& model = form.payTo->control().form();

    // Add.
    pressButton(form, "cmdAdd");
    QCOMPARE(model.cmdAdd.caption(), std::string("Save"));
    QVERIFY(form.tabTo("txtContact_0"));
    form.typeText("Branch Office");
    QVERIFY(form.tabTo("txtContact_1"));
    form.typeText("9 Side St");
    QVERIFY(form.tabTo("txtContact_3"));
    form.typeText("Shelbyville");
    QVERIFY(form.tabTo("cboContactCountry"));
    QTest::keyClicks(QApplication::focusWidget(), "USA");  // finds the item by its text
    QCOMPARE(model.cboContactCountry.text(), std::string("USA"));
    QVERIFY(form.tabTo("cboContactState"));
    form.press(Qt::Key_Down);
    QCOMPARE(model.cboContactState.text(), std::string("California"));
    QVERIFY(form.tabTo("cboContactType"));
    form.press(Qt::Key_Down);
    QVERIFY(!model.cboContactType.text().empty());
    QVERIFY(form.tabTo("txtContact_8"));
    form.typeText("7");
    QVERIFY(form.tabTo("ChkDefault"));
    form.press(Qt::Key_Space);
    QCOMPARE(model.ChkDefault.value(), 1);
    pressButton(form, "cmdAdd");
    QCOMPARE(form.messages, QStringList());
    QCOMPARE(model.cmdAdd.caption(), std::string("Add"));
    QCOMPARE(form.exported(),
             "000-N|Branch Office|07|9 Side St||Shelbyville|1|10|||||||-1|-1|3|||1234~");
    QCOMPARE(form.payTo->ChangedDefault(), "000-N");

    // Edit: the arrow keys select the new entry (serial 07 sorts between 05 and 20).
    QVERIFY(form.tabTo("lstContacts"));
    form.press(Qt::Key_Home);
    form.press(Qt::Key_Down);
    QCOMPARE(model.lstContacts.selectedIndex(), std::optional<std::size_t>(1));
    QCOMPARE(model.txtContact(0).text(), std::string("Branch Office"));
    pressButton(form, "cmdEdit");
    QCOMPARE(model.cmdAdd.caption(), std::string("Update"));
    QVERIFY(form.tabTo("txtContact_3"));
    form.typeText("Ogdenville");
    pressButton(form, "cmdAdd");
    QCOMPARE(model.cmdAdd.caption(), std::string("Add"));
    QVERIFY(form.exported().contains("|Ogdenville|"));

    // Delete: only entries added in the editor may be deleted; Up and Down reselect the entry.
    QVERIFY(form.tabTo("lstContacts"));
    form.press(Qt::Key_Up);
    form.press(Qt::Key_Down);
    QCOMPARE(model.txtContact(0).text(), std::string("Branch Office"));
    pressButton(form, "cmdDelete");
    QCOMPARE(form.messages, QStringList{"Do you want to delete the selected Address?"});
    QCOMPARE(model.lstContacts.itemCount(), std::size_t(2));
    QCOMPARE(form.exported(), QString());
}

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
