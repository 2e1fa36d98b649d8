#include "PointLine.h"

#include <cstdint>

#include "Numbers.h"

namespace tarvik {
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
