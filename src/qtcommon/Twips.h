#pragma once

#include <QFont>
#include <QRect>

#include "view/Layout.h"

namespace xkr::qtcommon {

inline constexpr double twipsPerInch = 1440.0;

// Pixels per logical inch, across and down.
struct Dpi {
    double x;
    double y;
};

// The font's size in points, also of a font given in pixels.
double pointSize(const QFont& font);
// Twips to device pixels at a logical DPI, rounded to the nearest pixel.
int twipsToPixels(double twips, double logicalDpi);
// Pixels per inch of the twips of a form shown in `font` on a screen of `screen` logical DPI: a
// form shown in a larger font than the layout was drawn for grows every twip with it, as it
// grows with the screen's DPI.
Dpi twipsDpi(Dpi screen, const QFont& font);
// A layout rectangle in pixels.
QRect twipsToRect(const layout::Rect& rect, Dpi twipsDpi);

}  // namespace xkr::qtcommon
