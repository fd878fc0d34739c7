#pragma once

#include <QWidget>

#include <XKRVendorPayTo/VendorPayToWidget.h>

class QPlainTextEdit;

// A small host form: the control loaded with the sample vendor, and buttons that call the host
// methods and show what they return.
class DemoWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int sampleVendorId = 1001;

    explicit DemoWindow(QWidget* parent = nullptr);

    xkr::VendorPayToWidget& payTo() { return *m_payTo; }

private:
    void loadSample();
    void report(const QString& method, const QString& result);

    xkr::VendorPayToWidget* m_payTo;
    QPlainTextEdit* m_output;
};
