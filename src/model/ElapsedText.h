#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace tarvik {

// A label followed by an elapsed time as minutes without a leading zero, ":", two-digit
// seconds, "." and three-digit milliseconds, e.g. "Rysowanie: 0:02.437".
std::string ElapsedText(std::string_view label, std::chrono::milliseconds elapsed);

}  // namespace tarvik
