#include "LineScan.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "Text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarvik {
namespace {

// The candidates of MayStopSearch among the 16 bytes at p (or fewer at the end), one bit a
// byte: a byte that may start a stop, told by it and the byte after it, which may be read.
// A second of -1 lets any byte follow the first.
std::uint32_t Candidates(const char* p, char first, int second, bool placeholders) {
#if defined(__SSE2__)
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
    // Letters folded to lower case; other bytes may turn into letters too, which only adds
    // candidates.
    const __m128i folded = _mm_or_si128(v, _mm_set1_epi8(0x20));
    const __m128i foldedNext = _mm_or_si128(next, _mm_set1_epi8(0x20));
    const __m128i secondFits =
        second < 0 ? _mm_set1_epi8(-1)
                   : _mm_cmpeq_epi8(foldedNext, _mm_set1_epi8(static_cast<char>(second)));
    const __m128i word = _mm_and_si128(_mm_cmpeq_epi8(folded, _mm_set1_epi8(first)), secondFits);
    const __m128i include = _mm_and_si128(_mm_cmpeq_epi8(folded, _mm_set1_epi8('i')),
                                          _mm_cmpeq_epi8(foldedNext, _mm_set1_epi8('n')));
    __m128i hits = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('/')), _mm_cmpeq_epi8(v, _mm_set1_epi8('"'))),
        _mm_or_si128(word, include));
    if (placeholders) hits = _mm_or_si128(hits, _mm_cmpeq_epi8(v, _mm_set1_epi8('(')));
    return static_cast<std::uint16_t>(_mm_movemask_epi8(hits));
#else
    std::uint32_t hits = 0;
    for (int i = 0; i < 16; ++i) {
        const char c = AsciiLower(p[i]);
        const char n = AsciiLower(p[i + 1]);
        if ((c == first && (second < 0 || n == second)) || (c == 'i' && n == 'n') || c == '/' ||
            c == '"' || (placeholders && c == '('))
            hits |= 1u << i;
    }
    return hits;
#endif
}

}  // namespace

bool MayStopSearch(std::string_view text, std::string_view lowerEnd, bool placeholders) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    const auto stopsAt = [&](std::size_t i) {
        const char c = data[i];
        if (c == '/' || c == '"' || (placeholders && c == '(')) return true;
        const std::string_view from = text.substr(i);
        return EqualsIgnoreCase(from.substr(0, lowerEnd.size()), lowerEnd) ||
               EqualsIgnoreCase(from.substr(0, 7), "include");
    };
    const auto anyIn = [&](std::size_t base, std::uint32_t candidates) {
        for (; candidates != 0; candidates &= candidates - 1) {
            if (stopsAt(base + static_cast<std::size_t>(std::countr_zero(candidates)))) return true;
        }
        return false;
    };
    const char first = lowerEnd.front();
    const int second = lowerEnd.size() >= 2 ? lowerEnd[1] : -1;
    std::size_t pos = 0;
    for (; pos + 17 <= size; pos += 16) {
        if (anyIn(pos, Candidates(data + pos, first, second, placeholders))) return true;
    }
    if (pos == size) return false;
    // The last bytes, with blanks after them.
    char block[32];
    std::memset(block, ' ', sizeof block);
    std::memcpy(block, data + pos, size - pos);
    const std::uint32_t inLine = (1u << (size - pos)) - 1;
    return anyIn(pos, Candidates(block, first, second, placeholders) & inLine);
}

}  // namespace tarvik
