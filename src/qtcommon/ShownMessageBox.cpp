#include "qtcommon/ShownMessageBox.h"

#include "qtcommon/ShownText.h"
#include "view/MessageBox.h"

namespace xkr::qtcommon {
namespace {

MessageIcon iconFor(int style) {
    switch (style & msgbox::iconMask) {
        case msgbox::criticalIcon:
            return MessageIcon::Critical;
        case msgbox::questionIcon:
            return MessageIcon::Question;
        case msgbox::warningIcon:
            return MessageIcon::Warning;
        case msgbox::informationIcon:
            return MessageIcon::Information;
        default:
            return MessageIcon::None;
    }
}

}  // namespace

ShownMessageBox shownMessageBox(const std::string& text, const std::string& title, int style) {
    return {shownText(title, texts::Use::Title), shownText(text, texts::Use::Message),
            iconFor(style), (style & msgbox::buttonsMask) == msgbox::yesNoButtons};
}

int answerCode(VendorPayToMessageHandler::Answer answer) {
    switch (answer) {
        case VendorPayToMessageHandler::Answer::Yes:
            return msgbox::yes;
        case VendorPayToMessageHandler::Answer::No:
            return msgbox::no;
        default:
            return msgbox::ok;
    }
}

int handlerAnswer(VendorPayToMessageHandler& handler, const ShownMessageBox& box) {
    using Style = VendorPayToMessageHandler::Style;
    return answerCode(
        handler.answer(box.title, box.text, box.question ? Style::Question : Style::Information));
}

}  // namespace xkr::qtcommon

namespace xkr {

VendorPayToMessageHandler::VendorPayToMessageHandler(QObject* parent) : QObject(parent) {}

VendorPayToMessageHandler::~VendorPayToMessageHandler() = default;

}  // namespace xkr
