#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <functional>
#include <memory>
#include <stdexcept>

#include "GuiFixture.h"
#include "control/VendorPayTo.h"
#include "qt/QtMessageBox.h"
#include "qt/Twips.h"

using xkr::test::GuiFixture;

Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(QAccessible::Role)
Q_DECLARE_METATYPE(QMessageBox::StandardButtons)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

// What the binding adds around the models: geometry, names, message boxes, host calls, and the
// event boundary that nothing may cross.
class WidgetBindingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twipsRoundToNearestPixel_data() {
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one inch at 96 dpi") << 1440.0 << 96.0 << 96;
        QTest::newRow("list width") << 7110.0 << 96.0 << 474;
        // 7.5 px: truncation would give 7.
        QTest::newRow("half pixel rounds up") << 112.5 << 96.0 << 8;
        QTest::newRow("name column, fractional twips") << 3950.0 << 144.0 << 395;
        QTest::newRow("negative frame top") << -90.0 << 96.0 << -6;
        QTest::newRow("hidden column") << 0.0 << 96.0 << 0;
    }
    void twipsRoundToNearestPixel() {
        QFETCH(double, twips);
        QFETCH(double, dpi);
        QCOMPARE(xkr::qt::twipsToPixels(twips, dpi), xkr::test::fetch<int>("pixels"));
    }

    void messageBoxFollowsStyle_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("defaultButton");
        QTest::newRow("refusal: OK, information")
            << 64 << QMessageBox::Information << QMessageBox::StandardButtons(QMessageBox::Ok)
            << QMessageBox::Ok;
        QTest::newRow("delete question: Yes/No, question, Yes default")
            << 36 << QMessageBox::Question
            << QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No) << QMessageBox::Yes;
    }
    void messageBoxFollowsStyle() {
        QFETCH(int, style);
        const auto box = xkr::qt::buildMessageBox("Text", "Title", style, nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral("Title"));
        QCOMPARE(box->text(), QStringLiteral("Text"));
        QCOMPARE(box->icon(), xkr::test::fetch<QMessageBox::Icon>("icon"));
        QCOMPARE(box->standardButtons(), xkr::test::fetch<QMessageBox::StandardButtons>("buttons"));
        QCOMPARE(box->standardButton(box->defaultButton()),
                 xkr::test::fetch<QMessageBox::StandardButton>("defaultButton"));
    }

    void messageBoxAnswers_data() {
        QTest::addColumn<QMessageBox::StandardButton>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Yes") << QMessageBox::Yes << 6;
        QTest::newRow("No") << QMessageBox::No << 7;
        QTest::newRow("OK") << QMessageBox::Ok << 1;
    }
    void messageBoxAnswers() {
        QCOMPARE(xkr::qt::messageBoxResult(xkr::test::fetch<QMessageBox::StandardButton>("button")),
                 xkr::test::fetch<int>("result"));
    }

    // What a screen reader walks through: every input named by its label's caption (a combo
    // too, whose value is its current item), "Required" where validation insists on a value,
    // and no unnamed object. The list's rows are data and are walked separately.
    void screenReaderTree_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<bool>("required");
        QTest::newRow("Name") << "txtContact_0" << QAccessible::EditableText << "Name" << true;
        QTest::newRow("Street2") << "txtContact_2" << QAccessible::EditableText << "Street2"
                                 << false;
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
            if (node->role() == QAccessible::Tree)
                return;
            for (int i = 0; i < node->childCount(); ++i) walk(node->child(i));
        };
        walk(QAccessible::queryAccessibleInterface(&f.widget()));
        QCOMPARE(unnamed.join(" "), QString());

        QAccessibleInterface* input = byName.value(name);
        QVERIFY2(input != nullptr, qPrintable(name));
        QCOMPARE(input->role(), xkr::test::fetch<QAccessible::Role>("role"));
        QCOMPARE(input->text(QAccessible::Name), xkr::test::fetch<QString>("accessibleName"));
        QCOMPARE(input->text(QAccessible::Description) == QStringLiteral("Required"),
                 xkr::test::fetch<bool>("required"));
        if (input->role() == QAccessible::ComboBox) {
            QCOMPARE(input->text(QAccessible::Value), f.find<QComboBox>(name)->currentText());
        }
    }

    // The arrow keys move through the list: the focused cell, which a screen reader announces,
    // is the entry's name, and the view hears of the new selection through its selection
    // model, which is how Qt's accessibility events (and repaints) learn of it.
    void listAnnouncesTheSelectedEntry() {
        GuiFixture f;
        f.load();
        f.clickEntry(0);
        auto* list = f.find<QTreeView>("lstContacts");
        QSignalSpy selected(list->selectionModel(), &QItemSelectionModel::selectionChanged);
        QSignalSpy current(list->selectionModel(), &QItemSelectionModel::currentChanged);
        QVERIFY(list->hasFocus());
        QTest::keyClick(list, Qt::Key_Down);
        QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(list)->focusChild();
        QVERIFY(focused != nullptr);
        QCOMPARE(focused->text(QAccessible::Name), f.column(1).at(1));
        QCOMPARE(f.text("txtContact_0"), f.column(1).at(1));
        QCOMPARE(selected.count(), 1);
        QVERIFY(current.count() >= 1);
    }

    void layoutFromTwips() {
        GuiFixture f;
        const auto* serial = f.find<QLineEdit>("txtContact_8");
        const QRect expected = xkr::qt::twipsToRect({4275, 4200, 480, 360}, *serial);
        QCOMPARE(serial->geometry(), expected);
        QVERIFY(serial->font().bold());
        QCOMPARE(serial->font().pointSize(), 12);
        QCOMPARE(serial->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(f.find<QLabel>("lblVersionNumber")->text(),
                 QStringLiteral("Version number: 2.0.2"));
        // Hidden columns take no width: a column shown would expose the entry's other values.
        const auto* list = f.find<QTreeView>("lstContacts");
        QCOMPARE(list->model()->columnCount(), 19);
        for (int k = 0; k < 19; ++k) {
            const bool visible = k == 1 || k == 2 || k == 5;
            QCOMPARE(list->columnWidth(k) > 0, visible);
        }
        QVERIFY(list->model()->headerData(2, Qt::Horizontal).toString() == "Serial");
    }

    void hostMethodsByName() {
        GuiFixture f;
        QWidget* widget = &f.widget();
        QVERIFY(QMetaObject::invokeMethod(
            widget, "LetContactAddress", Q_ARG(QString, xkr::test::contactData()),
            Q_ARG(QString, "|"), Q_ARG(QString, ";"), Q_ARG(QString, "#")));
        QVERIFY(QMetaObject::invokeMethod(widget, "LetVendorIDNMode", Q_ARG(int, 7),
                                          Q_ARG(bool, true)));
        QCOMPARE(f.find<QTreeView>("lstContacts")->model()->rowCount(), 3);
        QString changed = QStringLiteral("unset");
        QVERIFY(
            QMetaObject::invokeMethod(widget, "ChangedDefault", Q_RETURN_ARG(QString, changed)));
        QCOMPARE(changed, QString());

        // Making another entry primary is reported by id once the user clicked the box, here
        // by its caption, which stands for the box.
        f.clickEntry(0);
        f.click(f.find<QPushButton>("cmdEdit"));
        f.click(f.find<QLabel>("lblPrimaryPayTo"));
        QVERIFY(
            QMetaObject::invokeMethod(widget, "ChangedDefault", Q_RETURN_ARG(QString, changed)));
        QCOMPARE(changed, QStringLiteral("007"));
        QCOMPARE(f.widget().lastError(), QString());
    }

    // Exporting before any load fails in the control (the table was never opened); through
    // invokeMethod the failure must neither escape nor pass as an empty success.
    void failingHostCallIsLoggedNotThrown() {
        GuiFixture f;
        f.widget().LetVendorIDNMode(7, true);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("GetContactAddress failed"));
        QString result = QStringLiteral("unset");
        QVERIFY(QMetaObject::invokeMethod(&f.widget(), "GetContactAddress",
                                          Q_RETURN_ARG(QString, result)));
        QCOMPARE(result, QString());
        QVERIFY(!f.widget().lastError().isEmpty());

        f.load();
        QVERIFY(f.widget().GetContactAddress().isEmpty());
        QCOMPARE(f.widget().lastError(), QString());
    }

    // cmdDelete_Click traps nothing: a message box that fails passes out of the routine, and the
    // binding must log it under the routine's name instead of letting it reach the event loop.
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

    void mnemonicRunsValidationFirst() {
        GuiFixture f;
        f.load();
        auto* add = f.find<QPushButton>("cmdAdd");
        f.click(add);
        f.type(f.find<QLineEdit>("txtContact_8"), QStringLiteral("10"));
        add->setShortcut(QKeySequence(QStringLiteral("Alt+S")));
        QTest::keyClick(&f.widget(), Qt::Key_S, Qt::AltModifier);
        // A shortcut that got through would have pressed the button down for its delayed click.
        QVERIFY(!add->isDown());
        QCOMPARE(f.boxes.size(), std::size_t{1});
        QCOMPARE(add->text(), QStringLiteral("Save"));
        QCOMPARE(f.widget().focusWidget(), f.find<QLineEdit>("txtContact_8"));
    }

    void longListIsOneReset() {
        GuiFixture f;
        QString text;
        for (int i = 0; i < 32767; ++i) {
            text += QStringLiteral("%1|Name %1|%2|s||c|1|3||||||||0|0|10|0|0|7;")
                        .arg(i)
                        .arg(i % 90 + 10);
        }
        text += QStringLiteral("#10|Net 10|ten days;#3|1|NY|New York;");
        const auto* list = f.find<QTreeView>("lstContacts");
        int resets = 0;
        connect(list->model(), &QAbstractItemModel::modelReset, this, [&resets] { ++resets; });
        f.widget().LetContactAddress(text, "|", ";", "#");
        QCOMPARE(list->model()->rowCount(), 32767);
        QCOMPARE(resets, 1);
    }
};

QTEST_MAIN(WidgetBindingTest)
#include "WidgetBindingTest.moc"
