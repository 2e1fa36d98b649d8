#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tarvik {

// A decimal number with "." as separator, an optional sign and exponent; NaN, infinities and
// values beyond the double range are rejected with ParseFailure.
double ParseFloat(std::string_view token);

// The value of a decimal with at most fifteen digits, given as its digits without the point
// and the number of digits after the point: one correctly rounded division, as both the digits
// and the power of ten are exact doubles.
inline double ShortDecimal(std::uint64_t digits, std::size_t fraction, bool negative) {
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    // The sign by a product, exact, rather than a branch that mispredicts on mixed signs.
    static constexpr double kSigns[] = {1.0, -1.0};
    return static_cast<double>(digits) * kSigns[negative] / kPowers[fraction];
}

// The value of eight digit bytes (0..9 each, the first digit in the lowest byte).
inline std::uint64_t EightDigits(std::uint64_t digits) {
    digits = digits * 10 + (digits >> 8);
    return (((digits & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
            (((digits >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
           32;
}

// Appends the run of digits at p to mantissa and returns its length. Eight bytes are looked
// at in one step, which spares the branch per digit that mispredicts at every number's end.
[[gnu::always_inline]] inline std::size_t DigitRun(const char* p, const char* end,
                                                   std::uint64_t& mantissa) {
    static constexpr std::uint64_t kIntPowers[] = {1,      10,      100,      1000,     10000,
                                                   100000, 1000000, 10000000, 100000000};
    std::size_t count = 0;
    while (end - p >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t values = word ^ 0x3030303030303030ULL;
        // A byte is a digit when its high nibble was 3 and its low nibble is at most 9.
        const std::uint64_t low = (values & 0x0F0F0F0F0F0F0F0FULL) + 0x0606060606060606ULL;
        const std::uint64_t bad = (values & 0xF0F0F0F0F0F0F0F0ULL) | (low & 0x1010101010101010ULL);
        const std::uint64_t flags =
            (((bad & 0x7F7F7F7F7F7F7F7FULL) + 0x7F7F7F7F7F7F7F7FULL) | bad) & 0x8080808080808080ULL;
        const int n = flags == 0 ? 8 : std::countr_zero(flags) / 8;
        if (n == 0) return count;
        mantissa = mantissa * kIntPowers[n] + EightDigits(values << (8 * (8 - n)));
        count += static_cast<std::size_t>(n);
        if (n < 8) return count;
        p += 8;
    }
    for (; p != end && static_cast<unsigned char>(*p - '0') < 10; ++p, ++count)
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    return count;
}

// A number at p as FloatPrefix reads it, when it is a short decimal: an optional sign, at most
// fifteen digits with or without a point, no exponent after them. Its end, with the value; null
// when p holds anything else, which FloatPrefix then reads the long way.
[[gnu::always_inline]] inline const char* ShortDecimalAt(const char* p, const char* const end,
                                                         double& value) {
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-')) ++p;
    std::uint64_t mantissa = 0;
    const std::size_t whole = DigitRun(p, end, mantissa);
    p += whole;
    std::size_t fraction = 0;
    if (p != end && *p == '.') {
        ++p;
        fraction = DigitRun(p, end, mantissa);
        p += fraction;
    }
    const std::size_t digits = whole + fraction;
    if (digits == 0 || digits > 15 || (p != end && (*p == 'e' || *p == 'E'))) return nullptr;
    value = ShortDecimal(mantissa, fraction, negative);
    return p;
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
