#pragma once

#include <QColor>

#include "Color.h"

namespace tarvik {

// A colour for drawing; system colours take the matching colour of the application palette.
QColor ToQColor(TColor color);

// The same as a 32-bit pixel of an RGB32 picture.
inline QRgb ToRgb(TColor color) {
    return ToQColor(color).rgb();
}

}  // namespace tarvik
