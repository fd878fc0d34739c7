#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include <XKRVendorPayTo/VendorPayToWidget.h>

class QComboBox;
class QLineEdit;

namespace xkr::test {

// Three entries of vendor 7 (ids 11, 12 and 007; 11 is primary), two terms, states of the USA
// and Canada. Separators: "|", ";" and "#".
QString contactData();

// The current test row's value in a column, usable inside an expression (QFETCH declares).
template <typename T>
T fetch(const char* column) {
    return *static_cast<T*>(QTest::qData(column, qMetaTypeId<T>()));
}

struct RecordedBox {
    std::string text;
    std::string title;
    int style;
};

// A shown and exposed control whose message boxes are recorded and answered from a queue
// (the default button once the queue is empty).
class GuiFixture {
public:
    GuiFixture();
    ~GuiFixture();

    VendorPayToWidget& widget() { return *m_widget; }
    void load();  // contactData() with mode True

    template <typename T>
    T* find(const QString& name) const {
        return m_widget->findChild<T*>(name);
    }

    // Real input through the window, so the focus filter sees it.
    void click(QWidget* target, QPoint at = {-1, -1});
    void clickEntry(int row);
    void clickHeader(int section);
    void pick(QComboBox* combo, int index);
    void type(QLineEdit* edit, const QString& text);

    QString text(const QString& lineEditName) const;
    // Text of a column of the list as shown, row by row.
    QStringList column(int k) const;

    std::vector<RecordedBox> boxes;
    std::deque<int> answers;

private:
    std::unique_ptr<VendorPayToWidget> m_widget;
};

}  // namespace xkr::test
