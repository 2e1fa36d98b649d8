#pragma once

#include <array>
#include <string_view>

#include "Color.h"

namespace tarvik {

// The seventeen colours of the map.
struct ColorSlots {
    TColor Background = 0x008000;
    TColor Track = 0x000000;
    TColor Speed1 = 0x0000FF;
    TColor Speed2 = 0x00FFFF;
    TColor Speed3 = 0x00FF00;
    TColor Speed4 = 0x000000;
    TColor Hipsometric1 = 0xFFFF00;
    TColor Hipsometric2 = 0x000000;
    TColor Hipsometric3 = 0x00FFFF;
    TColor Hipsometric4 = 0x0000FF;
    TColor Elevation1 = 0x000000;
    TColor Elevation2 = 0x00FF00;
    TColor Elevation3 = 0x00FFFF;
    TColor Elevation4 = 0x0000FF;
    TColor Traction = 0x0080FF;
    TColor Road = 0xC0C0C0;
    TColor River = 0xFF0000;

    ColorScale SpeedScale() const { return {Speed1, Speed2, Speed3, Speed4}; }
    ColorScale HipsometricScale() const {
        return {Hipsometric1, Hipsometric2, Hipsometric3, Hipsometric4};
    }
    ColorScale ElevationScale() const { return {Elevation1, Elevation2, Elevation3, Elevation4}; }

    bool operator==(const ColorSlots&) const = default;
};

// A slot with its stored name and its default as stored, in the order they are read.
struct ColorSlotDef {
    std::string_view name;
    std::string_view defaultText;
    TColor ColorSlots::*slot;
};

inline constexpr std::array<ColorSlotDef, 17> kColorSlotTable = {{
    {"Background", "clGreen", &ColorSlots::Background},
    {"Track", "clBlack", &ColorSlots::Track},
    {"Speed1", "clRed", &ColorSlots::Speed1},
    {"Speed2", "clYellow", &ColorSlots::Speed2},
    {"Speed3", "clLime", &ColorSlots::Speed3},
    {"Speed4", "clBlack", &ColorSlots::Speed4},
    {"Hipsometric1", "clAqua", &ColorSlots::Hipsometric1},
    {"Hipsometric2", "clBlack", &ColorSlots::Hipsometric2},
    {"Hipsometric3", "clYellow", &ColorSlots::Hipsometric3},
    {"Hipsometric4", "clRed", &ColorSlots::Hipsometric4},
    {"Elevation1", "clBlack", &ColorSlots::Elevation1},
    {"Elevation2", "clLime", &ColorSlots::Elevation2},
    {"Elevation3", "clYellow", &ColorSlots::Elevation3},
    {"Elevation4", "clRed", &ColorSlots::Elevation4},
    {"Traction", "$000080FF", &ColorSlots::Traction},
    {"Road", "clSilver", &ColorSlots::Road},
    {"River", "clBlue", &ColorSlots::River},
}};

}  // namespace tarvik
