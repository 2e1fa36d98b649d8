#pragma once

#include <cstdint>
#include <string_view>

namespace tarvik {

// A decimal number with "." as separator, an optional sign and exponent; NaN, infinities and
// values beyond the double range are rejected with ParseFailure.
double ParseFloat(std::string_view token);

// A whole number in decimal with an optional sign, in the 32-bit range.
std::int32_t ParseInteger(std::string_view token);

// Nearest whole number, halves to even; ParseFailure when the result does not fit 64 bits.
std::int64_t RoundHalfEven(double value);
std::int64_t RoundHalfEven(long double value);

// The narrow fields keep the low bits of a rounded value.
constexpr std::uint8_t LowByte(std::int64_t v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}
constexpr std::int16_t Low16(std::int64_t v) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(v & 0xFFFF));
}

}  // namespace tarvik
