#pragma once

#include "Color.h"

namespace tarvik {

// The colour of value over [min, max] on a four-colour scale: the four colours stand at the
// bottom, the two inner thirds and the top, and values between are mixed. An empty range gives
// trackColor. Values beyond the range take the colour of the nearer end.
TColor ScaleColor(const ColorScale& scale, float max, float min, float value, TColor trackColor);

}  // namespace tarvik
