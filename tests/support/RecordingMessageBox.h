#pragma once

#include <QStringList>

#include "XKRVendorPayTo/VendorPayToWidget.h"

namespace xkr::test {

// Stands in for the modal message box, installed with setMessageHandler: records each box as
// "TITLE: TEXT" and answers with its default button.
struct RecordingMessageBox : VendorPayToMessageHandler {
    QStringList shown;

    Answer answer(const QString& title, const QString& text, Style style) override {
        shown << title + QStringLiteral(": ") + text;
        return style == Style::Question ? Answer::Yes : Answer::Ok;
    }
};

}  // namespace xkr::test
