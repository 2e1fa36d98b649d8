#include "ElapsedText.h"

#include <cstdio>

namespace tarvik {

std::string ElapsedText(std::string_view label, std::chrono::milliseconds elapsed) {
    const long long ms = elapsed.count() < 0 ? 0 : elapsed.count();
    char time[32];
    std::snprintf(time, sizeof time, "%lld:%02lld.%03lld", ms / 60000, ms / 1000 % 60, ms % 1000);
    return std::string(label) + time;
}

}  // namespace tarvik
