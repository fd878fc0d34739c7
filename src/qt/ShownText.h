#pragma once

#include <QString>
#include <span>
#include <string_view>

namespace xkr::qt {

// The control's texts are English in the core, which never changes them: its routines read
// captions such as "Save" back. They are translated only where the skin shows them, through the
// translators installed in QCoreApplication, and show as they are where none has a translation.
// Texts that the host loads (names, states, terms) are data and never pass through here.
inline constexpr char translationContext[] = "VendorPayTo";

// A fixed text of the core: a caption, a column header, a country, a message.
QString shownText(std::string_view coreText);
// A text that the core may have composed from one of textTemplates(), such as a message that
// names a field; other texts as shownText() shows them.
QString shownComposedText(std::string_view coreText);
// A text of the skin's own (accessible names, dialog buttons).
QString skinText(const char* sourceText);

// A text the core composes: its English with %1, %2 where the core inserts a part.
struct TextTemplate {
    const char* source;
    // The parts are texts of the core themselves (translated too), else data (shown as they are).
    bool partsAreCoreTexts;
};
// One row for each text the core composes.
std::span<const TextTemplate> textTemplates();

}  // namespace xkr::qt
