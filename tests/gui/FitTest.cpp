#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include <XKRVendorPayTo/VendorPayToTranslator.h>

#include "GuiFixture.h"
#include "widgets/QtMessageBox.h"

// In each language and font size the control is given, every text it shows has room for itself
// and a character's air (two on buttons) inside any frame (a sorted column's arrow, a title
// bar's buttons), and the list's columns stay beside its scroll bar.
class FitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsFitTheirRoom() {
        QStringList clipped;
        const auto check = [&](QWidget* widget, const QString& text, int width, int height) {
            const QFontMetrics metrics(widget->font());
            if (metrics.horizontalAdvance(text + 'x') > width || metrics.height() > height)
                clipped << text;
        };
        QString entries;  // more than the list shows at once
        for (int id = 10; id < 40; ++id)
            entries += QString("%1|V|%1|St||A|1|3|1|||||||-1|0|20|0|%1|7;").arg(id);
        for (const char* language : {"en", "fr_CA", "es"}) {
            xkr::installVendorPayToTranslator(QLocale(language));
            for (int points : {8, 10, 12, 14}) {
                xkr::test::GuiFixture f;
                f.widget().setFont(QFont(f.widget().font().family(), points));
                f.widget().LetContactAddress(entries + "#20|Net 30|30#3|1|NY|NY", "|", ";", "#");
                f.widget().LetVendorIDNMode(7, true);
                f.clickEntry(0);
                const int frame = f.widget().style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                for (const char* button : {"cmdEdit", "cmdEdit", "cmdAdd"}) {  // Update, Save
                    f.click(f.find<QPushButton>(button));
                    for (auto* widget : f.widget().findChildren<QWidget*>()) {
                        const QString text = widget->property("text").toString().remove('&');
                        const int inside = widget->width() - 2 * frame;
                        const int height = widget->height() - 2 * frame;
                        if (widget->inherits("QLabel"))
                            check(widget, text, widget->width(), widget->height());
                        else if (widget->inherits("QLineEdit"))
                            check(widget, text, inside, height);
                        else if (widget->inherits("QPushButton"))  // a character more air
                            check(widget, text + 'x', inside, height);
                    }
                }
                auto* list = f.find<QTreeView>("lstContacts");
                QVERIFY(list->verticalScrollBar()->isVisible());
                int columnsEnd = 0;
                for (int k = 0; k < list->header()->count(); ++k) {
                    const int width = list->header()->sectionSize(k);
                    columnsEnd += width;
                    const QString text = list->model()->headerData(k, Qt::Horizontal).toString();
                    if (width > 0)  // the sort arrow takes about half the header's height
                        check(list->header(), text, width - list->header()->height() / 2,
                              list->header()->height());
                }
                if (columnsEnd > list->viewport()->width())
                    clipped << QString("columns end at %1").arg(columnsEnd);
                for (const char* title : {"Information Required", "Information Validation"}) {
                    const auto box = xkr::widgets::buildMessageBox(
                        xkr::qtcommon::shownMessageBox("OK?", title, 0), &f.widget());
                    box->show();
                    box->setFont(QFont(box->font().family(), box->font().pointSize(), QFont::Bold));
                    check(box.get(), box->windowTitle(),
                          box->width() - 3 * box->fontMetrics().height(), box->height());
                }
                QVERIFY2(clipped.isEmpty(),
                         qPrintable(QString("%1 %2 pt: ").arg(language).arg(points) +
                                    clipped.join(", ")));
            }
        }
        xkr::installVendorPayToTranslator(QLocale(QLocale::English));
    }
};

QTEST_MAIN(FitTest)
#include "FitTest.moc"
