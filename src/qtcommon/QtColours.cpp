#include "qtcommon/QtColours.h"

#include <QGuiApplication>
#include <QPalette>

namespace xkr::qtcommon {
namespace {

constexpr Colour systemColourFlag = 0x80000000;

}  // namespace

QColor toQColor(Colour colour) {
    if (colour == windowBackground)
        return QGuiApplication::palette().color(QPalette::Base);
    if (colour == buttonFace)
        return QGuiApplication::palette().color(QPalette::Button);
    if ((colour & systemColourFlag) != 0)
        return QGuiApplication::palette().color(QPalette::Window);
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace xkr::qtcommon
