#pragma once

#include <QWidget>

#include "qtcommon/Twips.h"

namespace xkr::widgets {

// The logical DPI of the screen the widget is shown on.
inline qtcommon::Dpi screenDpi(const QWidget& widget) {
    return {static_cast<double>(widget.logicalDpiX()), static_cast<double>(widget.logicalDpiY())};
}

}  // namespace xkr::widgets
