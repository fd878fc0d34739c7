#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

#include <XKRVendorPayTo/VendorPayToTranslator.h>

#include "GuiFixture.h"
#include "control/VendorPayTo.h"
#include "qt/QtMessageBox.h"
#include "qt/ShownText.h"
#include "view/Layout.h"

using namespace xkr;
using test::GuiFixture;

namespace {

// Captions, a column header, a country, an accessible description, and a question whose part
// is itself a caption.
QString shownTexts(GuiFixture& f) {
    const auto box = qt::buildMessageBox("Field Street2 contains a reserved separator.", "",
                                         msgbox::yesNoQuestion, nullptr);
    auto* list = f.find<QTreeView>("lstContacts");
    return QStringList{f.find<QPushButton>("cmdAdd")->text(),
                       f.find<QLabel>("lblStreet2")->text(),
                       list->model()->headerData(0, Qt::Horizontal).toString(),
                       f.find<QComboBox>("cboContactCountry")->itemText(1),
                       f.find<QLineEdit>("txtContact_0")->accessibleDescription(),
                       box->text(),
                       box->button(QMessageBox::Yes)->text()}
        .join(" / ");
}

const QString english =
    "Update / Street2 / Name / USA / Required / Field Street2 contains a "
    "reserved separator. / &Yes";

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void languageChangeKeepsTheWork_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("translated");
        QTest::newRow("fr_CA") << QLocale(QLocale::French, QLocale::Canada)
                               << "Mettre à jour / Adresse 2 / Nom / États-Unis / Obligatoire / "
                                  "Le champ Adresse 2 contient un séparateur réservé. / &Oui";
        QTest::newRow("es") << QLocale(QLocale::Spanish, QLocale::Mexico)
                            << "Actualizar / Dirección 2 / Nombre / Estados Unidos / Obligatorio / "
                               "El campo Dirección 2 contiene un separador reservado. / &Sí";
    }
    // In edit mode with a name being typed, a language switch there and back changes what the
    // control shows and nothing of the work; the core still reads its mode from "Update".
    void languageChangeKeepsTheWork() {
        QFETCH(QLocale, locale);
        QFETCH(QString, translated);
        GuiFixture f;
        f.load();
        f.clickEntry(1);
        f.click(f.find<QPushButton>("cmdEdit"));
        auto* name = f.find<QLineEdit>("txtContact_0");
        f.type(name, QStringLiteral("Alpha Fret"));
        auto* list = f.find<QTreeView>("lstContacts");
        const int selected = list->currentIndex().row();
        const int sortKey = list->header()->sortIndicatorSection();
        QCOMPARE(shownTexts(f), english);
        for (const auto& [language, expected] :
             {std::pair(locale, translated), std::pair(QLocale(QLocale::English), english)}) {
            QCOMPARE(installVendorPayToTranslator(language),
                     language.language() != QLocale::English);
            QTRY_COMPARE(shownTexts(f), expected);
            QCOMPARE(name->text(), QStringLiteral("Alpha Fret"));
            QCOMPARE(f.widget().focusWidget(), name);
            QVERIFY(f.widget().control().form().cmdAdd.caption() == layout::caption::update);
            QCOMPARE(list->currentIndex().row(), selected);
            QCOMPARE(list->header()->sortIndicatorSection(), sortKey);
        }
    }

    // Both catalogues translate every caption, column header and country of the core's tables,
    // a box's OK button, and every text the core composes, keeping its parts: a part that looks
    // like a placeholder stays as typed, only a field's name (a caption) is translated.
    void cataloguesCoverTheCore() {
        GuiFixture f;
        f.load();
        QStringList fixed;
        const auto add = [&fixed](std::string_view text) {
            if (!text.empty())
                fixed << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        };
        for (const layout::Item& item : layout::items) add(item.caption);
        for (const auto& column : layout::entryFieldMap) add(column.header);
        namespace caption = layout::caption;
        for (auto text : {caption::save, caption::update, caption::cancel}) add(text);
        const ComboBox& countries = f.widget().control().form().cboContactCountry;
        for (int i = 0; i < countries.listCount(); ++i) add(countries.itemText(i));
        for (const char* language : {"fr_CA", "es"}) {
            QTranslator catalogue;
            QVERIFY(catalogue.load(QLocale(language), "xkrvendorpayto", "_",
                                   ":/xkrvendorpayto/translations"));
            QVERIFY(installVendorPayToTranslator(QLocale(language)));
            QVERIFY(qt::buildMessageBox("", "", msgbox::okButton, nullptr)->defaultButton());
            for (const QString& text : fixed) {
                QVERIFY2(!catalogue.translate(qt::translationContext, text.toUtf8()).isEmpty(),
                         qPrintable(language + (": " + text)));
            }
            for (const qt::TextTemplate& row : qt::textTemplates()) {
                QCOMPARE(row.partsAreCoreTexts, QByteArray(row.source).startsWith("Field"));
                QString shown = catalogue.translate(qt::translationContext, row.source);
                const QString part = row.partsAreCoreTexts ? "Street2" : "%2 H3Z";
                shown.replace("%2", "Ontario")
                    .replace("%1", row.partsAreCoreTexts ? qt::shownText("Street2") : part);
                const QString composed =
                    QString::fromUtf8(row.source).replace("%2", "Ontario").replace("%1", part);
                QCOMPARE(qt::shownComposedText(composed.toStdString()), shown);
            }
        }
        installVendorPayToTranslator(QLocale(QLocale::English));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
