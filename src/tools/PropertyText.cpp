#include "PropertyText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "NumberText.h"

namespace tarvik {
namespace {

std::string NotFiniteText(double value) {
    if (std::isnan(value)) return "NAN";
    return value > 0 ? "INF" : "-INF";
}

}  // namespace

std::string GeneralText(double value) {
    if (!std::isfinite(value)) return NotFiniteText(value);
    if (value == 0) return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text;
    const char* exponent = std::strchr(buffer, 'e');
    for (const char* c = buffer; *c != '\0' && c != exponent; ++c)
        text += *c == '.' ? ',' : *c;
    if (exponent) {
        const int power = std::atoi(exponent + 1);
        text += 'E';
        text += std::to_string(power);
    }
    return text;
}

std::string DecimalText(double value, int decimals) {
    return FormatFixed(value, decimals, false);
}

std::string SpeedText(std::uint8_t velocity) {
    return std::to_string(velocity) + " km/h";
}

std::string LengthText(double metres) {
    return DecimalText(metres, 2) + "m";
}

std::string GradientText(double perMille) {
    return DecimalText(perMille, 1) + "‰";
}

}  // namespace tarvik
