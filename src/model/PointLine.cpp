#include "PointLine.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "Numbers.h"

namespace tarvik {
namespace {

constexpr std::uint64_t kIntPowers[] = {1,      10,      100,      1000,     10000,
                                        100000, 1000000, 10000000, 100000000};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of eight digit bytes (0..9 each, the first digit in the lowest byte).
std::uint64_t EightDigits(std::uint64_t digits) {
    digits = digits * 10 + (digits >> 8);
    return (((digits & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
            (((digits >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
           32;
}

// Appends the run of digits at p to mantissa and returns its length. Eight bytes are looked
// at in one step, which spares the branch per digit that mispredicts at every number's end.
[[gnu::always_inline]] inline std::size_t DigitRun(const char* p, const char* end,
                                                   std::uint64_t& mantissa) {
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
    for (; p != end && IsDigit(*p); ++p, ++count) {
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    }
    return count;
}

}  // namespace

bool ReadPointLine(std::string_view line, std::array<double, 3>& values, bool withMiddle) {
    const char* p = line.data();
    const char* const end = p + line.size();
    for (double& value : values) {
        while (p != end && *p == ' ')
            ++p;
        if (!withMiddle && &value == &values[1]) {
            // Any token will do, unless a comment inside it leaves the line short.
            const char* const start = p;
            for (; p != end && *p != ' '; ++p) {
                if (*p == '/' && p + 1 != end && p[1] == '/') return false;
            }
            if (p == start) return false;
            continue;
        }
        const bool negative = p != end && *p == '-';
        if (negative) ++p;
        std::uint64_t mantissa = 0;
        const std::size_t whole = DigitRun(p, end, mantissa);
        if (whole == 0) return false;
        p += whole;
        std::size_t fraction = 0;
        if (p != end && *p == '.') {
            ++p;
            fraction = DigitRun(p, end, mantissa);
            if (fraction == 0) return false;
            p += fraction;
        }
        // Fifteen digits keep the mantissa exact; the token must end at a space, the end of
        // the line or a comment.
        if (whole + fraction > 15) return false;
        if (p != end && *p != ' ' && !(*p == '/' && p + 1 != end && p[1] == '/')) return false;
        value = ShortDecimal(mantissa, fraction, negative);
        // A comment right after the first or second number leaves the line short.
        if (p != end && *p == '/' && &value != &values.back()) return false;
    }
    return true;
}

}  // namespace tarvik
