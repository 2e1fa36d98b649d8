#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace tarvik {

// The first byte equal to c in [p, end), or end. Scenery lines and tokens are short, so the
// first bytes are searched eight at a time in place and only a long rest goes to memchr.
inline const char* FindByte(const char* p, const char* end, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(c);
    for (int words = 0; words < 8 && end - p >= 8; ++words) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        const std::uint64_t x = word ^ pattern;
        // The lowest marked byte is the first one equal to c.
        const std::uint64_t zero = (x - kOnes) & ~x & kHighs;
        if (zero != 0) return p + std::countr_zero(zero) / 8;
        p += 8;
    }
    const auto* hit =
        static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)));
    return hit ? hit : end;
}

}  // namespace tarvik
