#pragma once

#include <functional>
#include <string>

namespace xkr {

// The modal message box: text, title and style flags in, the pressed button out.
using MessageBoxFunction =
    std::function<int(const std::string& text, const std::string& title, int style)>;

// The style flags and the pressed buttons, as the editor and every message box front end read
// them.
namespace msgbox {
inline constexpr int buttonsMask = 0xF;
inline constexpr int okButton = 0;
inline constexpr int yesNoButtons = 4;
inline constexpr int iconMask = 0x70;
inline constexpr int criticalIcon = 16;
inline constexpr int questionIcon = 32;
inline constexpr int warningIcon = 48;
inline constexpr int informationIcon = 64;
inline constexpr int secondButtonDefault = 0x100;

inline constexpr int information = okButton | informationIcon;     // OK button, information icon
inline constexpr int yesNoQuestion = yesNoButtons | questionIcon;  // Yes and No, Yes the default

inline constexpr int ok = 1;
inline constexpr int yes = 6;
inline constexpr int no = 7;
}  // namespace msgbox

}  // namespace xkr
