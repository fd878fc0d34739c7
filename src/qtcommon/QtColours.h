#pragma once

#include <QColor>

#include "view/Colours.h"

namespace xkr::qtcommon {

// The colour a control model names: system colours from the application palette, anything else
// as a 0x00BBGGRR value (red in the lowest byte).
QColor toQColor(Colour colour);

}  // namespace xkr::qtcommon
