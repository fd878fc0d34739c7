#pragma once

#include <QLocale>
#include <QMainWindow>

#include <XKRVendorPayTo/VendorPayToWidget.h>

#include "DemoLanguage.h"

class QActionGroup;
class QPlainTextEdit;

// A small host window: the control loaded with the sample vendor, buttons that call the host
// methods and show what they return, and a Language menu.
class DemoWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int sampleVendorId = 1001;

    // `contactData`: a file in the embedded sample's format to load instead of the sample.
    explicit DemoWindow(const QString& contactData = QString(), QWidget* parent = nullptr);

    xkr::VendorPayToWidget& payTo() { return *m_payTo; }
    // Shows the control, and Qt's own texts (the text boxes' context menu), in the language of
    // `locale`; the control's languages are English, French (Canada) and Spanish.
    void setLanguage(const QLocale& locale);

private:
    void buildLanguageMenu();
    void loadSample();
    // The host's load alone; false when the sample is missing.
    bool loadSampleText();
    void report(const QString& method, const QString& result);

    xkr::VendorPayToWidget* m_payTo;
    QPlainTextEdit* m_output;
    QString m_samplePath;  // what the host loads: the embedded sample or --data FILE
    QActionGroup* m_languages = nullptr;
    DemoLanguage m_language;
};
