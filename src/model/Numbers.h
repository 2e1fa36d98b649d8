#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tarvik {

// A decimal number with "." as separator, an optional sign and exponent; NaN, infinities and
// values beyond the double range are rejected with ParseFailure.
double ParseFloat(std::string_view token);

// The value of a decimal with at most fifteen digits, given as its digits without the point
// and the number of digits after the point: one correctly rounded division, as both the digits
// and the power of ten are exact doubles.
inline double ShortDecimal(std::uint64_t digits, std::size_t fraction, bool negative) {
    constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double value = static_cast<double>(digits) / kPowers[fraction];
    return negative ? -value : value;
}

// The simulator's reading of a number: the longest prefix of the token that reads as a decimal
// number ("." as the point, sign and exponent allowed), 0 without one ("none", "1,5" is 1,
// "12abc" is 12). Never fails: a value beyond the double range is 0 too.
double FloatPrefix(std::string_view token);

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
