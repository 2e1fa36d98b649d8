#include "Text.h"

namespace tarvik {

std::string AsciiLowerCopy(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = AsciiLower(c);
    return out;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view lowerPrefix) {
    return text.size() >= lowerPrefix.size() &&
           EqualsIgnoreCase(text.substr(0, lowerPrefix.size()), lowerPrefix);
}

bool EndsWithIgnoreCase(std::string_view text, std::string_view lowerSuffix) {
    return text.size() >= lowerSuffix.size() &&
           EqualsIgnoreCase(text.substr(text.size() - lowerSuffix.size()), lowerSuffix);
}

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

}  // namespace tarvik
