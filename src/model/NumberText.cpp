#include "NumberText.h"

#include <cmath>
#include <cstdio>

namespace tarvik {

std::string FormatFixed(double value, int decimals, bool grouped) {
    const double factor = std::pow(10.0, decimals);
    const double rounded = std::round(value * factor) / factor;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded == 0 ? 0.0 : rounded);
    const std::string digits = buffer;
    const std::size_t point = digits.find('.');
    const std::size_t whole = point == std::string::npos ? digits.size() : point;
    const std::size_t sign = digits[0] == '-' ? 1 : 0;
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (grouped && i > sign && i < whole && (whole - i) % 3 == 0) text += ' ';
        text += i == point ? ',' : digits[i];
    }
    return text;
}

}  // namespace tarvik
