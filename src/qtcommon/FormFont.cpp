#include "qtcommon/FormFont.h"

#include <QFontDatabase>

#include "qtcommon/ShownText.h"
#include "qtcommon/Twips.h"
#include "view/Layout.h"

namespace xkr::qtcommon {
namespace {

// The desktop font's size where no desktop sets one.
constexpr double qtStandardPointSize = 9.0;

}  // namespace

QFont formFont(const QFont& given) {
    QFont shown = given;
    shown.setStretch(QFont::SemiCondensed);
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (given == desktop)
        shown.setPointSizeF(layout::formFont.pointSize * pointSize(desktop) / qtStandardPointSize);
    return shown;
}

QFont serialBoxFont(const QFont& form) {
    QFont font(toQString(layout::serialFont.family), layout::serialFont.pointSize,
               layout::serialFont.bold ? QFont::Bold : QFont::Normal);
    font.setPointSizeF(layout::serialFont.pointSize * pointSize(form) / layout::formFont.pointSize);
    return font;
}

}  // namespace xkr::qtcommon
