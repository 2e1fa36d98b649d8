#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvik {

// Longest name, event key or event name the model keeps; longer input is cut.
inline constexpr std::size_t kMaxNameLength = 255;

// Case is ignored only for the letters A to Z: bytes of Polish letters must match exactly.
constexpr char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

std::string AsciiLowerCopy(std::string_view text);
inline bool EqualsIgnoreCase(std::string_view text, std::string_view lowerKeyword) {
    if (text.size() != lowerKeyword.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (AsciiLower(text[i]) != lowerKeyword[i]) return false;
    }
    return true;
}
bool StartsWithIgnoreCase(std::string_view text, std::string_view lowerPrefix);
bool EndsWithIgnoreCase(std::string_view text, std::string_view lowerSuffix);
bool Contains(std::string_view text, std::string_view part);

inline std::string CutName(std::string_view text) {
    return std::string(text.substr(0, kMaxNameLength));
}

}  // namespace tarvik
