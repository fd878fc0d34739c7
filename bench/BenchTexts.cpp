#include "BenchTexts.h"

#include "view/UserActions.h"

namespace xkr::bench {
namespace {

int itemWithCode(const ComboBox& combo, std::int32_t code) {
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.itemData(i) == code)
            return i;
    }
    return 0;
}

}  // namespace

std::string contactText(std::size_t records, bool marked) {
    static constexpr char serialChars[] = "!#$%&()*+,-./";
    constexpr std::size_t serialBase = sizeof serialChars - 1;
    std::string text;
    text.reserve(records * 160);
    for (std::size_t i = 0; i < records; ++i) {
        const std::string id = std::to_string(i + 1);
        const std::string serial = i + 1 == records
                                       ? std::string("99")
                                       : std::string{serialChars[i % serialBase],
                                                     serialChars[(i / serialBase) % serialBase]};
        text += id + "|Pay-to name " + id + "|" + serial + "|" + id + " Main Street||Springfield" +
                "|1|10|12345|555-0100|555-0101|payto" + id + "@example.com|||-1|" +
                (i == 0 ? "-1" : "0") + "|3|0|" + std::to_string(70000 + i) + "|1234|" +
                (marked ? "S" : "") + "~";
    }
    text += "^3|Net 30|30 days~^10|1|CA|California~";
    return text;
}

void load(VendorPayTo& control, const std::string& text) {
    control.LetVendorIDNMode(1234, true);
    control.LetContactAddress(text, fieldSeparator, recordSeparator, tableSeparator);
}

void fillNewEntry(VendorPayTo& control, const std::string& serial) {
    EditorForm& form = control.form();
    if (form.cmdAdd.caption() == "Add")
        user::press(form.cmdAdd);
    user::type(form.txtContact(0), "New pay-to");
    user::type(form.txtContact(1), "1 New Street");
    user::type(form.txtContact(3), "Shelbyville");
    user::pick(form.cboContactCountry, itemWithCode(form.cboContactCountry, 1));
    user::pick(form.cboContactState, itemWithCode(form.cboContactState, 10));
    user::pick(form.cboContactType, itemWithCode(form.cboContactType, 3));
    user::type(form.txtContact(8), serial);
}

std::size_t findSerial(const VendorPayTo& control, const std::string& serial) {
    const ListView& list = control.form().lstContacts;
    for (std::size_t i = 0; i < list.itemCount(); ++i) {
        if (list.column(i, 2) == serial)
            return i;
    }
    return list.itemCount();
}

}  // namespace xkr::bench
