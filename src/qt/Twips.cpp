#include "qt/Twips.h"

#include <QFontInfo>
#include <QWidget>
#include <cmath>

namespace xkr::qt {
namespace {

double fontScale(const QFont& font) {
    return pointSize(font) / designPointSize;
}

}  // namespace

double pointSize(const QFont& font) {
    // A font given in pixels has no point size of its own; the size matched is near enough.
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

int twipsToPixels(double twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / twipsPerInch));
}

double twipsDpiX(const QWidget& widget, const QFont& font) {
    return widget.logicalDpiX() * fontScale(font);
}

QRect twipsToRect(const layout::Rect& rect, const QWidget& widget, const QFont& font) {
    const double dpiX = twipsDpiX(widget, font);
    const double dpiY = widget.logicalDpiY() * fontScale(font);
    return {twipsToPixels(rect.left, dpiX), twipsToPixels(rect.top, dpiY),
            twipsToPixels(rect.width, dpiX), twipsToPixels(rect.height, dpiY)};
}

}  // namespace xkr::qt
