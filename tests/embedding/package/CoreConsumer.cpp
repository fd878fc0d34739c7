// A headless host built only from the installed headers and library (found through pkg-config):
// it catches a package that misses a header, a layer folder or a library symbol.
#include <iostream>
#include <string>

#include "control/VendorPayTo.h"
#include "view/UserActions.h"

namespace {

int pickByText(xkr::ComboBox& combo, const std::string& text) {
    for (int i = 0; i < combo.listCount(); ++i) {
        if (combo.itemText(i) == text) {
            return xkr::user::pick(combo, i) == xkr::user::Outcome::Done ? 0 : 1;
        }
    }
    std::cerr << "no item " << text << " in " << combo.name() << '\n';
    return 1;
}

}  // namespace

int main() {
    const std::string vendor =
        "1|Main Office|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77|1234~"
        "^3|Net 30|30 days~^10|1|CA|California~";
    const std::string expected =
        "000-N|Branch Office|07|9 Side St||Shelbyville|1|10|||||||-1|0|3|||1234~";

    xkr::VendorPayTo control;
    control.LetContactAddress(vendor, "|", "~", "^");
    control.LetVendorIDNMode(1234, true);
    xkr::EditorForm& form = control.form();
    int failures = 0;
    failures += xkr::user::press(form.cmdAdd) != xkr::user::Outcome::Done;
    failures += xkr::user::type(form.txtContact(0), "Branch Office") != xkr::user::Outcome::Done;
    failures += xkr::user::type(form.txtContact(1), "9 Side St") != xkr::user::Outcome::Done;
    failures += xkr::user::type(form.txtContact(3), "Shelbyville") != xkr::user::Outcome::Done;
    failures += pickByText(form.cboContactCountry, "USA");
    failures += pickByText(form.cboContactType, "Net 30  -  30 days");
    failures += xkr::user::type(form.txtContact(8), "7") != xkr::user::Outcome::Done;
    failures += xkr::user::press(form.cmdAdd) != xkr::user::Outcome::Done;

    const std::string exported = control.GetContactAddress();
    if (failures != 0 || exported != expected) {
        std::cerr << "failed steps: " << failures << "\nexported: " << exported
                  << "\nexpected: " << expected << '\n';
        return 1;
    }
    std::cout << "installed core: ok\n";
    return 0;
}
