#pragma once

#include <string>

namespace tarvik {

// A number as the windows show it: rounded to the given decimals with halves away from zero,
// the comma as the decimal separator, and with grouped the thousands set apart by a space.
std::string FormatFixed(double value, int decimals, bool grouped);

}  // namespace tarvik
