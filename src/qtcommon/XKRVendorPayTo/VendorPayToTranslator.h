#pragma once

#include <QLocale>

namespace xkr {

// Shows every VendorPayToWidget in the language of `locale`: installs the control's translator
// in the application (Qt then re-translates shown widgets in place) in place of the one an
// earlier call installed. Returns whether the control has that language; for any other
// (English among them) its texts show in English. The translations are built into the widget
// library: French (written for Canada; it serves every French locale) and Spanish.
// Call it from the GUI thread, with a QApplication in place.
bool installVendorPayToTranslator(const QLocale& locale);

}  // namespace xkr
