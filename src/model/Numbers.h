#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
namespace detail {

// The inverse of 5^k modulo 2^64, for k up to 15: dividing a multiple of 10^k by 10^k is a
// shift by k and a product with it, exact, where a division would take many times as long.
constexpr std::uint64_t InverseOfFivePower(int k) {
    std::uint64_t five = 1;
    for (int i = 0; i < k; ++i)
        five *= 5;
    std::uint64_t inverse = five;  // right in the lowest three bits; each step doubles them
    for (int i = 0; i < 5; ++i)
        inverse *= 2 - five * inverse;
    return inverse;
}

}  // namespace detail
#endif

// ShortDecimalAt, the same in every case, for p whose sixteen bytes after the sign may be
// read (up to readable, also past end): a number ending within them is read in a few vector
// steps, as a whole block, without a branch per digit run; any other goes the plain way.
[[gnu::always_inline]] inline const char* ShortDecimalInBlock(const char* p, const char* const end,
                                                              const char* readable, double& value) {
#if defined(__SSE2__)
    const bool negative = p != end && *p == '-';
    const char* const body = p + (p != end && (*p == '+' || *p == '-') ? 1 : 0);
    if (readable - body < 16) return ShortDecimalAt(p, end, value);
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(body));
    const __m128i digits = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
    const __m128i isDigit = _mm_cmpeq_epi8(_mm_min_epu8(digits, _mm_set1_epi8(9)), digits);
    const std::ptrdiff_t left = end - body;
    const std::uint32_t inLine = left >= 16 ? 0xFFFFu : (1u << left) - 1;
    const auto digitBits = static_cast<std::uint32_t>(_mm_movemask_epi8(isDigit)) & inLine;
    const auto pointBits =
        static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('.')))) &
        inLine;
    // The whole part's digits, then a point and the fraction's; a run reaching the block's
    // end may go on beyond it.
    const int whole = std::countr_zero(~digitBits);
    if (whole == 16) return ShortDecimalAt(p, end, value);
    const bool point = ((pointBits >> whole) & 1) != 0;
    const int fraction = point ? std::countr_zero(~(digitBits >> (whole + 1))) : 0;
    const int after = point ? whole + 1 + fraction : whole;
    if (after >= 16) return ShortDecimalAt(p, end, value);
    const int count = whole + fraction;
    if (count == 0 || (after < left && (body[after] | 0x20) == 'e')) return nullptr;
    // The whole part moves one byte up over the point, so that the digits stand in bytes 1 to
    // count, the highest first; the bytes around them become 0.
    const __m128i index = _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    const __m128i inWhole = _mm_cmplt_epi8(index, _mm_set1_epi8(static_cast<char>(whole + 1)));
    const __m128i moved = _mm_or_si128(_mm_and_si128(inWhole, _mm_slli_si128(digits, 1)),
                                       _mm_andnot_si128(inWhole, digits));
    const __m128i kept =
        _mm_andnot_si128(_mm_cmpeq_epi8(index, _mm_setzero_si128()),
                         _mm_cmplt_epi8(index, _mm_set1_epi8(static_cast<char>(count + 1))));
    const __m128i sixteen = _mm_and_si128(moved, kept);
    // Pairs, fours and eights of digits by multiply-adds: the sixteen digits' number is the
    // mantissa followed by 15 - count zeros.
    const __m128i zero = _mm_setzero_si128();
    const __m128i tens = _mm_setr_epi16(10, 1, 10, 1, 10, 1, 10, 1);
    const __m128i pairs = _mm_packs_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(sixteen, zero), tens),
                                          _mm_madd_epi16(_mm_unpackhi_epi8(sixteen, zero), tens));
    const __m128i fours = _mm_madd_epi16(pairs, _mm_setr_epi16(100, 1, 100, 1, 100, 1, 100, 1));
    const __m128i eights = _mm_madd_epi16(_mm_packs_epi32(fours, fours),
                                          _mm_setr_epi16(10000, 1, 10000, 1, 10000, 1, 10000, 1));
    const auto high = static_cast<std::uint64_t>(_mm_cvtsi128_si32(eights));
    const auto low = static_cast<std::uint64_t>(_mm_cvtsi128_si32(_mm_srli_si128(eights, 4)));
    static constexpr std::uint64_t kInverses[] = {
        detail::InverseOfFivePower(0),  detail::InverseOfFivePower(1),
        detail::InverseOfFivePower(2),  detail::InverseOfFivePower(3),
        detail::InverseOfFivePower(4),  detail::InverseOfFivePower(5),
        detail::InverseOfFivePower(6),  detail::InverseOfFivePower(7),
        detail::InverseOfFivePower(8),  detail::InverseOfFivePower(9),
        detail::InverseOfFivePower(10), detail::InverseOfFivePower(11),
        detail::InverseOfFivePower(12), detail::InverseOfFivePower(13),
        detail::InverseOfFivePower(14), detail::InverseOfFivePower(15)};
    const int zeros = 15 - count;
    const std::uint64_t mantissa = ((high * 100000000 + low) >> zeros) * kInverses[zeros];
    value = ShortDecimal(mantissa, static_cast<std::size_t>(fraction), negative);
    return body + after;
#else
    static_cast<void>(readable);
    return ShortDecimalAt(p, end, value);
#endif
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
