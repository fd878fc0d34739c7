#include "GuiFixture.h"

#include <QLineEdit>
#include <QTreeView>

namespace xkr::test {

QString contactData() {
    return QStringLiteral(
        "11|Beta Supplies|05|1 Main St||Albany|1|3|12207|555-0101||b@x.example|||-1|-1|20|0|1|7;"
        "12|Alpha Freight|20|9 Bay Rd|Unit 2|Toronto|2|7|M5H|555-0102||a@x.example|||0|0|10|0|2|7;"
        "007|Gamma Parts|01|4 Elm Ave||Boston|1|4|02108|555-0103||g@x.example|||-1|0|20|0|3|7;"
        "#10|Net 10|ten days;20|Net 30|thirty days;"
        "#3|1|NY|New York;4|1|MA|Massachusetts;5|1|OH|Ohio;7|2|ON|Ontario;8|2|QC|Quebec;");
}

GuiFixture::GuiFixture() : m_widget(std::make_unique<VendorPayToWidget>()) {
    m_widget->setMessageHandler(&boxes);
    m_widget->show();
    m_widget->activateWindow();
    QVERIFY2(QTest::qWaitForWindowExposed(m_widget.get()), "the control's window never showed");
}

GuiFixture::~GuiFixture() = default;

void GuiFixture::load() {
    m_widget->LetContactAddress(contactData(), QStringLiteral("|"), QStringLiteral(";"),
                                QStringLiteral("#"));
    m_widget->LetVendorIDNMode(7, true);
}

void GuiFixture::click(QWidget* target, QPoint at) {
    QVERIFY(target != nullptr);
    if (at == QPoint(-1, -1))
        at = target->rect().center();
    QTest::mouseClick(m_widget->windowHandle(), Qt::LeftButton, {},
                      target->mapTo(m_widget.get(), at));
}

void GuiFixture::clickEntry(int row) {
    auto* list = find<QTreeView>(QStringLiteral("lstContacts"));
    click(list->viewport(), list->visualRect(list->model()->index(row, 1)).center());
}

void GuiFixture::type(QLineEdit* edit, const QString& text) {
    click(edit);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QString GuiFixture::text(const QString& lineEditName) const {
    return find<QLineEdit>(lineEditName)->text();
}

}  // namespace xkr::test
