#pragma once

#include <QStringList>
#include <stdexcept>

#include "XKRVendorPayTo/VendorPayToWidget.h"

namespace xkr::test {

// Stands in for the modal message box, installed with setMessageHandler: records each box as
// "TITLE: TEXT" and answers with its default button; with `fail` set it throws instead.
struct RecordingMessageBox : VendorPayToMessageHandler {
    QStringList shown;
    bool fail = false;

    Answer answer(const QString& title, const QString& text, Style style) override {
        if (fail)
            throw std::runtime_error("no dialog");
        shown << title + QStringLiteral(": ") + text;
        return style == Style::Question ? Answer::Yes : Answer::Ok;
    }
};

}  // namespace xkr::test
