#pragma once

#include <QFont>
#include <QRect>

#include "view/Layout.h"

class QWidget;

namespace xkr::qt {

inline constexpr double twipsPerInch = 1440.0;
// The font size the layout's twips were drawn for: a form shown in a larger font grows every
// twip with it, as it grows with the screen's DPI.
inline constexpr double designPointSize = 8.0;

// The font's size in points, also of a font given in pixels.
double pointSize(const QFont& font);
// Twips to device pixels at a logical DPI, rounded to the nearest pixel.
int twipsToPixels(double twips, double logicalDpi);
// Pixels per inch of the twips of a form shown in `font` on the widget's screen.
double twipsDpiX(const QWidget& widget, const QFont& font);
// A layout rectangle in the pixels of the screen the widget is shown on, for a form in `font`.
QRect twipsToRect(const layout::Rect& rect, const QWidget& widget, const QFont& font);

}  // namespace xkr::qt
