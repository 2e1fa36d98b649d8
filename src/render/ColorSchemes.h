#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

#include "ColorSlots.h"

namespace tarvik {

// A named set of all seventeen colours that the colour dialog fills its squares with.
struct ColorScheme {
    std::string_view name;
    ColorSlots colors;
};

// The map's colours on a light background: dark tracks and scales without pale colours, so
// that every line stands out on it, on screen and on paper alike.
inline constexpr ColorSlots kLightColors{
    .Background = 0xEEF6F8,
    .Track = 0x202020,
    .Speed1 = 0x0000C8,
    .Speed2 = 0x0078E6,
    .Speed3 = 0x008C00,
    .Speed4 = 0x8C0000,
    .Hipsometric1 = 0xC85A00,
    .Hipsometric2 = 0x3C8200,
    .Hipsometric3 = 0x006EBE,
    .Hipsometric4 = 0x000096,
    .Elevation1 = 0x282828,
    .Elevation2 = 0x009600,
    .Elevation3 = 0x0082E6,
    .Elevation4 = 0x0000D2,
    .Traction = 0x960096,
    .Road = 0xA8A8A8,
    .River = 0xE6AA78,
};

// The schemes in the order the dialog offers them, the program's own colours first.
inline constexpr std::array<ColorScheme, 2> kColorSchemes = {{
    {QT_TRANSLATE_NOOP("ColorSchemes", "Domyślny"), ColorSlots{}},
    {QT_TRANSLATE_NOOP("ColorSchemes", "Jasny"), kLightColors},
}};

}  // namespace tarvik
