#include "qt/Twips.h"

#include <QWidget>
#include <cmath>

namespace xkr::qt {

int twipsToPixels(double twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / twipsPerInch));
}

QRect twipsToRect(const layout::Rect& rect, const QWidget& widget) {
    const double dpiX = widget.logicalDpiX();
    const double dpiY = widget.logicalDpiY();
    return {twipsToPixels(rect.left, dpiX), twipsToPixels(rect.top, dpiY),
            twipsToPixels(rect.width, dpiX), twipsToPixels(rect.height, dpiY)};
}

}  // namespace xkr::qt
