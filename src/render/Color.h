#pragma once

#include <array>
#include <cstdint>

namespace tarvik {

// A colour as $00BBGGRR: red in the low byte. System colours have the high byte $80 and the
// element's index in the low byte.
using TColor = std::uint32_t;

constexpr TColor RGBColor(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}
constexpr unsigned RedOf(TColor c) {
    return c & 0xFF;
}
constexpr unsigned GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr unsigned BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}

// Four colours from the bottom of a value range to its top.
using ColorScale = std::array<TColor, 4>;

}  // namespace tarvik
