#pragma once

#include <QObject>
#include <QString>

namespace xkr {

// Answers the control's message boxes in place of its own modal dialog: a test's recorder, a
// kiosk host's fixed answers, a host's own dialog. Set with setMessageHandler on the widget or
// the Qt Quick item; like QLineEdit's validator the control does not own it, and once it is
// deleted the control shows its own dialog again.
class VendorPayToMessageHandler : public QObject {
    Q_OBJECT

public:
    // What a box asks for: Information has an OK button, Question Yes and No (Yes the default).
    enum class Style { Information, Question };
    Q_ENUM(Style)
    enum class Answer { Ok, Yes, No };
    Q_ENUM(Answer)

    explicit VendorPayToMessageHandler(QObject* parent = nullptr);
    ~VendorPayToMessageHandler() override;

    // Called while the control waits for the answer; title and text are shown in the language
    // of the installed translator. A question answered with anything but No counts as Yes.
    virtual Answer answer(const QString& title, const QString& text, Style style) = 0;
};

}  // namespace xkr
