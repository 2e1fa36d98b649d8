#pragma once

#include <cstdint>
#include <string>

namespace tarvik {

// The number texts of the track properties window, with the comma as decimal separator.

// Coordinates, control vectors and heights: at most 15 significant digits without trailing
// zeros, an exponent ("1,5E-5", "1E15") only for very small or large values; -0 shows as "0".
std::string GeneralText(double value);

// The value taken to 15 significant digits and then rounded half away from zero to the given
// decimals, at least one integer digit: 12.345 gives "12,35" although its binary value lies
// just below the half.
std::string DecimalText(double value, int decimals);

std::string SpeedText(std::uint8_t velocity);  // "40 km/h"
std::string LengthText(double metres);         // "12,35m"
std::string GradientText(double perMille);     // "4,5‰"

}  // namespace tarvik
