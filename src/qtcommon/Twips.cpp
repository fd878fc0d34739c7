#include "qtcommon/Twips.h"

#include <QFontInfo>
#include <cmath>

namespace xkr::qtcommon {

double pointSize(const QFont& font) {
    // A font given in pixels has no point size of its own; the size matched is near enough.
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

int twipsToPixels(double twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / twipsPerInch));
}

Dpi twipsDpi(Dpi screen, const QFont& font) {
    const double scale = pointSize(font) / layout::formFont.pointSize;
    return {screen.x * scale, screen.y * scale};
}

QRect twipsToRect(const layout::Rect& rect, Dpi dpi) {
    return {twipsToPixels(rect.left, dpi.x), twipsToPixels(rect.top, dpi.y),
            twipsToPixels(rect.width, dpi.x), twipsToPixels(rect.height, dpi.y)};
}

}  // namespace xkr::qtcommon
