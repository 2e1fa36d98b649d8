#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Color.h"

namespace tarvik {

// The stored text of a colour: its name when it has one ("clSilver", also the system colours),
// otherwise "$" and eight upper-case hexadecimal digits.
std::string ColorToText(TColor color);

// Reads a name in any letter case, a decimal number or "$" with hexadecimal digits.
std::optional<TColor> TextToColor(std::string_view text);

}  // namespace tarvik
