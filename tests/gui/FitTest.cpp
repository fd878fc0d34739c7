#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include <XKRVendorPayTo/VendorPayToTranslator.h>

#include "GuiFixture.h"
#include "qt/QtMessageBox.h"

// In each language and font size the control is given, every text it shows has room for itself
// and half a character of air each side (a whole one on buttons) inside any frame (a combo's
// arrow, a sorted column's arrow, a title bar's buttons), and the list's columns stay beside
// its scroll bar.
class FitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsFitTheirRoom() {
        QStringList clipped;
        const auto check = [&](QWidget* widget, QString text, int width, int frame = 0) {
            const QFontMetrics metrics(widget->font());
            const int room = width - metrics.averageCharWidth() - 2 * frame;
            if (metrics.horizontalAdvance(text.remove('&')) > room ||
                metrics.height() + 2 * frame > widget->height())
                clipped << QString::number(widget->font().pointSize()) + " " + text;
        };
        QString entries;  // more than the list shows at once
        for (int id = 10; id < 40; ++id)
            entries += QString("%1|V|%1|St||A|1|3|1|||||||-1|%2|20|0|%1|7;")
                           .arg(id)
                           .arg(id == 10 ? -1 : 0);
        for (const char* language : {"en", "fr_CA", "es"}) {
            xkr::installVendorPayToTranslator(QLocale(language));
            for (int points : {8, 10, 12, 14}) {
                xkr::test::GuiFixture f;
                f.widget().setFont(QFont(f.widget().font().family(), points));
                f.widget().LetContactAddress(entries + "#20|Net 30|30#3|1|NY|NY", "|", ";", "#");
                f.widget().LetVendorIDNMode(7, true);
                f.clickEntry(0);
                for (const char* button : {"cmdEdit", "cmdEdit", "cmdAdd"}) {  // Update, Save
                    f.click(f.find<QPushButton>(button));
                    const int frame = f.widget().style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                    for (auto* widget : f.widget().findChildren<QWidget*>()) {
                        const int width = widget->width();
                        if (auto* label = qobject_cast<QLabel*>(widget))
                            check(widget, label->text(), width);
                        else if (auto* push = qobject_cast<QPushButton*>(widget))
                            check(widget, push->text(),
                                  width - push->fontMetrics().averageCharWidth(), frame);
                        else if (auto* field = qobject_cast<QLineEdit*>(widget))
                            check(widget, field->text(), width, frame);
                        else if (auto* combo = qobject_cast<QComboBox*>(widget))
                            check(widget, combo->currentText(), width - widget->height(), frame);
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
                        check(list->header(), text, width - list->header()->height() / 2);
                }
                if (columnsEnd > list->viewport()->width())
                    clipped << QString("columns end at %1").arg(columnsEnd);
                for (const char* title : {"Information Required", "Information Validation"}) {
                    const auto box = xkr::qt::buildMessageBox("OK?", title, 0, &f.widget());
                    box->show();
                    box->setFont(QFont(box->font().family(), box->font().pointSize(), QFont::Bold));
                    check(box.get(), box->windowTitle(),
                          box->width() - 3 * box->fontMetrics().height());
                }
            }
        }
        xkr::installVendorPayToTranslator(QLocale(QLocale::English));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
    }
};

QTEST_MAIN(FitTest)
#include "FitTest.moc"
