#pragma once

#include <string>

namespace tarvik {

// A number as the windows show it: taken to 15 significant digits, as a decimal text of it
// reads, then rounded to the given decimals with halves away from zero (12.345 gives
// "12,35"); the comma as the decimal separator, and with grouped the thousands set apart by a
// space. -0 shows as "0".
std::string FormatFixed(double value, int decimals, bool grouped);

}  // namespace tarvik
