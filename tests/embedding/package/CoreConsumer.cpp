// A headless host built only from the installed headers and library (found through pkg-config):
// it catches a package that misses a header, a layer folder or a library symbol.
#include <iostream>
#include <string>

#include "control/VendorPayTo.h"
#include "view/UserActions.h"

int main() {
    const std::string entry =
        "1|Main Office|05|1 Main St||Springfield|1|10|12345||||||-1|-1|3|0|77|1234";
    xkr::VendorPayTo control;
    // The 21st field marks the entry as changed, so the export sends it back.
    control.LetContactAddress(entry + "|S~^3|Net 30|30 days~^10|1|CA|California~", "|", "~", "^");
    control.LetVendorIDNMode(1234, true);
    const std::string exported = control.GetContactAddress();
    const bool pressed = xkr::user::press(control.form().cmdAdd) == xkr::user::Outcome::Done;
    if (!pressed || exported != entry + "~") {
        std::cerr << "exported: " << exported << "\nexpected: " << entry << "~\n";
        return 1;
    }
    std::cout << "installed core: ok\n";
    return 0;
}
