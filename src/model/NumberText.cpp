#include "NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tarvik {

std::string FormatFixed(double value, int decimals, bool grouped) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    // The value's first 15 significant digits, as a decimal text would show them.
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits(1, buffer[0]);
    digits.append(buffer + 2, 14);
    const int point = std::atoi(std::strchr(buffer, 'e') + 1) + 1;

    std::string whole;
    std::string fraction;
    if (point <= 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= static_cast<int>(digits.size())) {
        whole = digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(point));
        fraction = digits.substr(static_cast<std::size_t>(point));
    }
    const auto places = static_cast<std::size_t>(std::max(decimals, 0));
    const bool up = fraction.size() > places && fraction[places] >= '5';
    fraction.resize(places, '0');

    std::string all = whole + fraction;
    if (up) {
        std::size_t i = all.size();
        while (i > 0 && all[i - 1] == '9')
            all[--i] = '0';
        if (i == 0) {
            all.insert(all.begin(), '1');
        } else {
            ++all[i - 1];
        }
    }
    whole = all.substr(0, all.size() - places);
    fraction = all.substr(all.size() - places);
    const std::size_t first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? "0" : whole.substr(first);

    std::string text;
    const bool zero = all.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !zero) text = "-";
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (grouped && i > 0 && (whole.size() - i) % 3 == 0) text += ' ';
        text += whole[i];
    }
    if (places > 0) text += "," + fraction;
    return text;
}

}  // namespace tarvik
