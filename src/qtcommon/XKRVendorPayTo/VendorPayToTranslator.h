#pragma once

#include <QLocale>

namespace xkr {

// Shows every VendorPayToWidget and VendorPayTo Qt Quick item in the language of `locale`:
// installs the control's translator in the application (the controls then re-translate in
// place) in place of the one an earlier call installed. Returns whether the control has that
// language; for any other (English among them) its texts show in English. The translations are
// built into the libraries: French (written for Canada; it serves every French locale) and
// Spanish. Call it from the GUI thread, with a QGuiApplication in place.
bool installVendorPayToTranslator(const QLocale& locale);

}  // namespace xkr
