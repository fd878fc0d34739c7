#pragma once

#include <QString>
#include <string_view>

#include "view/TextTable.h"

namespace xkr::qtcommon {

// The control's texts are English in the core, which never changes them: its routines read
// captions such as "Save" back. They are translated only where the skin shows them, from the
// core's text table (texts::table), through the translators installed in QCoreApplication, and
// show as they are where none has a translation. Texts that the host loads (names, states,
// terms) are data and never pass through here.
inline constexpr char translationContext[] = "VendorPayTo";

// A row's source text in the catalogues: its keyed form where it has one, else its English.
std::string_view sourceText(const texts::Text& row);

// A text of the core, fixed or composed from a row with parts, as shown: the row of that use
// is preferred where two uses share an English text. No access key.
QString shownText(std::string_view coreText, texts::Use use);
// A label's or button's caption with its access key marked by '&', as QLabel and QPushButton
// take it.
QString shownCaption(std::string_view coreText);
// A fixed row of the table (the skins' own texts).
QString shownText(texts::Id id);

// The text without its access-key marker ("&&" stands for a shown '&').
QString withoutAccessKey(const QString& text);

// A core text (UTF-8) as Qt holds it.
QString toQString(std::string_view text);

}  // namespace xkr::qtcommon
