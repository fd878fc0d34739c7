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
#include "qtcommon/ShownText.h"
#include "view/Layout.h"
#include "view/TextTable.h"
#include "widgets/QtMessageBox.h"

using namespace xkr;
using test::GuiFixture;

namespace {

// Captions, a column header, a country, an accessible description, and a question whose parts
// are a caption and a separator spelled in pieces.
QString shownTexts(GuiFixture& f) {
    const auto box = widgets::buildMessageBox(
        qtcommon::shownMessageBox(
            texts::compose(texts::Id::separatorInField, {"Street2", texts::separatorText(";\n;")}),
            "", msgbox::yesNoQuestion),
        nullptr);
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
    "Upd&ate / Street&2 / Name / USA / Required / Field “Street2” contains “;” followed by a "
    "line break followed by “;”, a reserved separator. / &Yes";

// The access keys shown at once: every label's and the three buttons'.
QString shownAccessKeys(GuiFixture& f) {
    QString keys;
    for (QWidget* widget : f.widget().findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QPushButton*>(widget);
        const QString shown = label ? label->text() : button ? button->text() : QString();
        const qsizetype key = shown.indexOf('&');
        if (label && !label->buddy())
            continue;
        if ((label || button) && (key < 0 || key + 1 == shown.size()))
            return shown + " has no access key";
        if (label || button)
            keys += shown[key + 1].toLower();
    }
    return keys;
}

}  // namespace

class TranslationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void languageChangeKeepsTheWork_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("translated");
        QTest::newRow("fr_CA")
            << QLocale(QLocale::French, QLocale::Canada)
            << "&Mettre à jour / Adresse &2 / Nom / États-Unis / Obligatoire / "
               "Le champ «\u00A0Adresse 2\u00A0» contient «\u00A0;\u00A0» puis "
               "un saut de ligne puis «\u00A0;\u00A0», un séparateur réservé. / &Oui";
        QTest::newRow("es") << QLocale(QLocale::Spanish, QLocale::Mexico)
                            << "Act&ualizar / Dirección &2 / Nombre / Estados Unidos / Obligatorio "
                               "/ El campo “Dirección 2” contiene “;” y luego un salto de línea y "
                               "luego “;”, un separador reservado. / &Sí";
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

    // Both catalogues translate every row of the core's text table, keep its placeholders and
    // give a caption one access key; a composed text shows its parts: data as typed (also one
    // that looks like a placeholder), a text of the table translated.
    void cataloguesCoverTheTable() {
        for (const char* language : {"fr_CA", "es"}) {
            QTranslator catalogue;
            QVERIFY(catalogue.load(QLocale(language), "xkrvendorpayto", "_",
                                   ":/xkrvendorpayto/translations"));
            QVERIFY(installVendorPayToTranslator(QLocale(language)));
            for (const texts::Text& row : texts::table) {
                const QString source = QString::fromUtf8(qtcommon::sourceText(row));
                const QString shown =
                    catalogue.translate(qtcommon::translationContext, source.toUtf8());
                const QString name = language + (": " + source);
                QVERIFY2(!shown.isEmpty(), qPrintable(name));
                QVERIFY2(shown.count('&') == source.count('&'), qPrintable(name));
                QStringList typed, translated;
                for (std::size_t k = 0; k < row.parts.size(); ++k) {
                    const QString marker = QString("%%1").arg(k + 1);
                    QVERIFY2(shown.count(marker) == 1, qPrintable(name + " " + marker));
                    const bool caption = row.parts[k] == 't';
                    typed << (caption ? "Street2" : "%2 H3Z");
                    translated << (caption ? qtcommon::withoutAccessKey(
                                                 qtcommon::shownCaption("Street2"))
                                           : typed.back());
                }
                if (row.parts.empty())
                    continue;
                const std::string composed =
                    row.parts.size() == 1
                        ? texts::compose(row.id, {typed[0].toStdString()})
                        : texts::compose(row.id, {typed[0].toStdString(), typed[1].toStdString()});
                QString expected = shown;
                for (qsizetype k = translated.size(); k > 0; --k)
                    expected.replace(QString("%%1").arg(k), translated[k - 1]);
                QCOMPARE(qtcommon::shownText(composed, row.use), expected);
            }
        }
        installVendorPayToTranslator(QLocale(QLocale::English));
    }

    void accessKeysAreUnique_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"en", "fr_CA", "es"}) QTest::newRow(language) << language;
    }
    // In every language and mode each label and button shows an access key, no two alike; in
    // browse mode each label's key moves the focus to its field.
    void accessKeysAreUnique() {
        QFETCH(QString, language);
        installVendorPayToTranslator(QLocale(language));
        GuiFixture f;
        f.load();
        for (QLabel* label : f.widget().findChildren<QLabel*>()) {
            QWidget* field = label->buddy();
            if (field == nullptr || !field->isEnabled())
                continue;
            const QString shown = label->text();
            const QChar key = shown[shown.indexOf('&') + 1];
            QTest::keyClick(&f.widget(), key.toLower().toLatin1(), Qt::AltModifier);
            QVERIFY2(field->hasFocus(), qPrintable(shown));
        }
        const auto press = [&f](const char* name) { f.click(f.find<QPushButton>(name)); };
        const std::function<void()> modes[] = {[] {}, [&] { press("cmdAdd"); },
                                               [&] {
                                                   press("cmdEdit");  // Cancel
                                                   f.clickEntry(0);
                                                   press("cmdEdit");
                                               }};
        for (const auto& enter : modes) {
            enter();
            const QString keys = shownAccessKeys(f);
            QVERIFY2(keys.size() == 19, qPrintable(keys));
            for (QChar key : keys) QVERIFY2(keys.count(key) == 1, qPrintable(keys));
        }
        installVendorPayToTranslator(QLocale(QLocale::English));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
