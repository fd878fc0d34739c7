#pragma once

#include <QRect>

#include "view/Layout.h"

class QWidget;

namespace xkr::qt {

inline constexpr double twipsPerInch = 1440.0;

// Twips to device pixels at a logical DPI, rounded to the nearest pixel.
int twipsToPixels(double twips, double logicalDpi);
// A layout rectangle in the pixels of the screen the widget is shown on.
QRect twipsToRect(const layout::Rect& rect, const QWidget& widget);

}  // namespace xkr::qt
