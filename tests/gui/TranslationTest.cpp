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

using xkr::test::GuiFixture;

namespace {

// What the control shows of its own texts: captions, a header, a country, an accessible
// description, and a message box with a part that is itself a caption.
QStringList shownTexts(GuiFixture& f) {
    const auto box =
        xkr::qt::buildMessageBox("Field Street2 contains a reserved separator.",
                                 "Information Required", xkr::msgbox::yesNoQuestion, nullptr);
    auto* list = f.find<QTreeView>("lstContacts");
    return {f.find<QPushButton>("cmdAdd")->text(),
            f.find<QPushButton>("cmdEdit")->text(),
            f.find<QLabel>("lblStreet2")->text(),
            list->model()->headerData(1, Qt::Horizontal).toString(),
            f.find<QComboBox>("cboContactCountry")->itemText(1),
            f.find<QLineEdit>("txtContact_0")->accessibleDescription(),
            box->windowTitle() + " / " + box->text(),
            box->button(QMessageBox::Yes)->text()};
}

const QStringList english{"Update",
                          "Cancel",
                          "Street2",
                          "Name",
                          "USA",
                          "Required",
                          "Information Required / Field Street2 contains a reserved separator.",
                          "&Yes"};

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void languageChangeKeepsTheWork_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("translated");
        QTest::newRow("fr_CA") << QLocale(QLocale::French, QLocale::Canada)
                               << QStringList{"Mettre à jour",
                                              "Annuler",
                                              "Adresse 2",
                                              "Nom",
                                              "États-Unis",
                                              "Obligatoire",
                                              "Renseignement obligatoire / Le champ Adresse 2 "
                                              "contient un séparateur réservé.",
                                              "&Oui"};
        QTest::newRow("es") << QLocale(QLocale::Spanish, QLocale::Mexico)
                            << QStringList{"Actualizar",
                                           "Cancelar",
                                           "Dirección 2",
                                           "Nombre",
                                           "Estados Unidos",
                                           "Obligatorio",
                                           "Información obligatoria / El campo Dirección 2 "
                                           "contiene un separador reservado.",
                                           "&Sí"};
    }
    // In edit mode with a name being typed: a language switch, there and back, changes what the
    // control shows and nothing of the work. The core still reads its mode from "Update".
    void languageChangeKeepsTheWork() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, translated);
        GuiFixture f;
        f.load();
        f.clickEntry(1);
        f.click(f.find<QPushButton>("cmdEdit"));
        auto* name = f.find<QLineEdit>("txtContact_0");
        f.type(name, QStringLiteral("Alpha Fret"));
        xkr::EditorForm& form = f.widget().control().form();
        const auto selected = form.lstContacts.selectedIndex();
        const auto sortKey = form.lstContacts.sortKey();
        auto* list = f.find<QTreeView>("lstContacts");
        const QString firstShown = list->model()->index(0, 1).data().toString();
        QCOMPARE(shownTexts(f), english);

        for (const auto& [language, expected] :
             {std::pair(locale, translated), std::pair(QLocale(QLocale::English), english)}) {
            QCOMPARE(xkr::installVendorPayToTranslator(language),
                     language.language() != QLocale::English);
            QTRY_COMPARE(shownTexts(f), expected);
            QCOMPARE(name->text(), QStringLiteral("Alpha Fret"));
            QCOMPARE(f.widget().focusWidget(), name);
            QVERIFY(form.cmdAdd.caption() == xkr::layout::caption::update);
            QCOMPARE(form.lstContacts.selectedIndex(), selected);
            QCOMPARE(list->currentIndex().row(), static_cast<int>(*selected));
            QCOMPARE(form.lstContacts.sortKey(), sortKey);
            QCOMPARE(list->header()->sortIndicatorSection(), int{sortKey});
            QCOMPARE(list->model()->index(0, 1).data().toString(), firstShown);
        }
    }

    // Each text the core composes has a translation in both catalogues that keeps its parts: a
    // row missing from a catalogue would show English, a translation that drops a part would
    // lose the typed code. A typed part that looks like a placeholder stays as typed.
    void composedTextsKeepTheirParts() {
        for (const char* language : {"fr_CA", "es"}) {
            QTranslator catalogue;
            QVERIFY(catalogue.load(QLocale(language), "xkrvendorpayto", "_",
                                   ":/xkrvendorpayto/translations"));
            QVERIFY(xkr::installVendorPayToTranslator(QLocale(language)));
            for (const xkr::qt::TextTemplate& row : xkr::qt::textTemplates()) {
                const QString translation =
                    catalogue.translate(xkr::qt::translationContext, row.source);
                QVERIFY2(!translation.isEmpty(), row.source);
                const QString part = row.partsAreCoreTexts ? "Street2" : "%2 H3Z";
                const QString shownPart =
                    row.partsAreCoreTexts ? xkr::qt::shownText("Street2") : part;
                const QString english =
                    QString::fromUtf8(row.source).replace("%2", "Ontario").replace("%1", part);
                QCOMPARE(xkr::qt::shownComposedText(english.toStdString()),
                         QString(translation).replace("%2", "Ontario").replace("%1", shownPart));
            }
        }
        xkr::installVendorPayToTranslator(QLocale(QLocale::English));
    }

    // Every caption, column header and country of the core's tables has a translation in both
    // catalogues; a text added to the core without one would show in English.
    void coreTablesAreTranslated() {
        GuiFixture f;
        f.load();
        QStringList texts;
        const auto add = [&texts](std::string_view text) {
            if (!text.empty())
                texts << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        };
        for (const xkr::layout::Item& item : xkr::layout::items) add(item.caption);
        for (const auto& column : xkr::layout::entryFieldMap) add(column.header);
        for (std::string_view caption : {xkr::layout::caption::save, xkr::layout::caption::update,
                                         xkr::layout::caption::cancel}) {
            add(caption);
        }
        const xkr::ComboBox& countries = f.widget().control().form().cboContactCountry;
        for (int i = 0; i < countries.listCount(); ++i) add(countries.itemText(i));
        for (const char* language : {"fr_CA", "es"}) {
            QTranslator catalogue;
            QVERIFY(catalogue.load(QLocale(language), "xkrvendorpayto", "_",
                                   ":/xkrvendorpayto/translations"));
            for (const QString& text : texts) {
                QVERIFY2(!catalogue.translate(xkr::qt::translationContext, text.toUtf8()).isEmpty(),
                         qPrintable(language + (": " + text)));
            }
        }
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
