#pragma once

#include <QStringList>
#include <QTest>
#include <memory>

#include <XKRVendorPayTo/VendorPayToWidget.h>

#include "RecordingMessageBox.h"

class QLineEdit;

namespace xkr::test {

// Three entries of vendor 7 (ids 11, 12 and 007; 11 is primary), two terms, states of the USA
// and Canada. Separators: "|", ";" and "#".
QString contactData();

// A shown and exposed control whose message boxes are recorded.
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
    void type(QLineEdit* edit, const QString& text);

    QString text(const QString& lineEditName) const;  // a text box as shown

    RecordingMessageBox boxes;

private:
    std::unique_ptr<VendorPayToWidget> m_widget;
};

}  // namespace xkr::test
