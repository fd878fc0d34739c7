#pragma once

#include <QLocale>
#include <QObject>
#include <QTranslator>

// The demos' language: the control's translator, and Qt's own texts (a text box's context menu)
// beside it where the control has the language.
class DemoLanguage : public QObject {
    Q_OBJECT

public:
    // Whether the control has the language; for any other it shows English.
    bool set(const QLocale& locale);
    Q_INVOKABLE bool setLanguage(const QString& locale) { return set(QLocale(locale)); }

private:
    QTranslator m_qtTranslator;
};
