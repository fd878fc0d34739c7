#pragma once

#include <cstdint>

namespace xkr {

using Colour = std::uint32_t;

// System colours, as the editor sets them as a control's background colour.
inline constexpr Colour windowBackground = 0x80000005;  // system colour 5
inline constexpr Colour buttonFace = 0x8000000F;        // system colour 15

}  // namespace xkr
