#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "Cp1250.h"
#include "ParseFailure.h"

namespace tarvik {
namespace {

[[noreturn]] void NotAFloat(std::string_view token) {
    throw ParseFailure("'" + MessageExcerpt(token) + "' is not a valid floating point value");
}

[[noreturn]] void NotAnInteger(std::string_view token) {
    throw ParseFailure("'" + MessageExcerpt(token) + "' is not a valid integer value");
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Most numbers in sceneries are short decimals. When the digits fit 53 bits and the power of
// ten is exact in a double, one correctly rounded division gives the correctly rounded value,
// the same that from_chars gives.
bool ParseShortDecimal(std::string_view body, bool negative, double& value) {
    // Fifteen digits at most keep the mantissa below 2^53.
    if (body.size() > 16 || body.front() == '.') return false;
    const char* p = body.data();
    const char* const end = p + body.size();
    std::uint64_t mantissa = 0;
    while (p != end && IsDigit(*p))
        mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
    std::size_t fraction = 0;
    if (p != end) {
        if (*p++ != '.' || p == end) return false;
        const char* const fractionStart = p;
        while (p != end && IsDigit(*p))
            mantissa = mantissa * 10 + static_cast<unsigned>(*p++ - '0');
        if (p != end) return false;
        fraction = static_cast<std::size_t>(end - fractionStart);
    }
    if (body.size() - (fraction > 0 ? 1 : 0) > 15) return false;
    value = ShortDecimal(mantissa, fraction, negative);
    return true;
}

}  // namespace

double ParseFloat(std::string_view token) {
    std::string_view body = token;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) body.remove_prefix(1);
    // from_chars would take "inf" and "nan"; a number must start with a digit or the point.
    if (body.empty() || !(IsDigit(body.front()) || body.front() == '.')) NotAFloat(token);

    double value = 0;
    if (ParseShortDecimal(body, token.front() == '-', value)) return value;

    const char* first = token.data() + (token.front() == '+' ? 1 : 0);
    const char* last = token.data() + token.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ptr != last) NotAFloat(token);
    if (ec == std::errc::result_out_of_range) {
        // Out of range is either an overflow (rejected) or an underflow towards zero (kept).
        const std::string copy(first, last);
        value = std::strtod(copy.c_str(), nullptr);
        if (std::isinf(value)) NotAFloat(token);
    } else if (ec != std::errc()) {
        NotAFloat(token);
    }
    return value;
}

double FloatPrefix(std::string_view token) {
    const char* p = token.data();
    const char* const end = p + token.size();
    double value = 0;
    if (ShortDecimalAt(p, end, value)) return value;
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '+' || *p == '-')) ++p;
    const char* const body = p;
    std::size_t digits = 0;
    while (p != end && IsDigit(*p)) {
        ++p;
        ++digits;
    }
    if (p != end && *p == '.') {
        const char* const point = p++;
        std::size_t fraction = 0;
        while (p != end && IsDigit(*p)) {
            ++p;
            ++fraction;
        }
        // A lone point is no number; a point after digits is ("5." is 5).
        if (digits == 0 && fraction == 0) p = point;
        digits += fraction;
    }
    if (digits == 0) return 0;
    const auto [ptr, ec] = std::from_chars(body, end, value);
    if (ec == std::errc::result_out_of_range) {
        // An underflow goes to zero as it should; an overflow is taken as no number.
        return 0;
    }
    if (ec != std::errc() || ptr == body) return 0;
    return negative ? -value : value;
}

std::int32_t ParseInteger(std::string_view token) {
    std::string_view digits = token;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || negative)) digits.remove_prefix(1);
    if (digits.empty()) NotAnInteger(token);
    std::int64_t value = 0;
    for (const char c : digits) {
        if (!IsDigit(c)) NotAnInteger(token);
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) NotAnInteger(token);
    }
    if (negative) value = -value;
    if (value > 2147483647LL) NotAnInteger(token);
    return static_cast<std::int32_t>(value);
}

std::int64_t RoundHalfEven(double value) {
    constexpr double kLow = -9223372036854775808.0;
    constexpr double kHigh = 9223372036854775808.0;
    const double rounded = std::nearbyint(value);
    if (!(rounded >= kLow && rounded < kHigh)) {
        throw ParseFailure("Invalid floating point operation");
    }
    return static_cast<std::int64_t>(rounded);
}

std::int64_t RoundHalfEven(long double value) {
    // Both bounds are exact in long double; NaN fails both comparisons.
    constexpr long double kLow = -9223372036854775808.0L;
    constexpr long double kHigh = 9223372036854775808.0L;
    const long double rounded = std::nearbyint(value);
    if (!(rounded >= kLow && rounded < kHigh)) {
        throw ParseFailure("Invalid floating point operation");
    }
    return static_cast<std::int64_t>(rounded);
}

}  // namespace tarvik
