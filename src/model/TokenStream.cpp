#include "TokenStream.h"

#include <array>
#include <bit>
#include <cstring>

#include "LineScan.h"
#include "Numbers.h"
#include "Text.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarvik {
namespace {

enum ByteClass : std::uint8_t { kPlain, kSeparator, kSlash, kQuote };

constexpr std::array<std::uint8_t, 256> MakeClasses() {
    std::array<std::uint8_t, 256> classes{};
    for (const unsigned char c : {' ', '\t', '\r', '\n', ';'})
        classes[c] = kSeparator;
    classes[static_cast<unsigned char>('/')] = kSlash;
    classes[static_cast<unsigned char>('"')] = kQuote;
    return classes;
}

constexpr std::array<std::uint8_t, 256> kClasses = MakeClasses();

std::uint8_t ClassOf(char c) {
    return kClasses[static_cast<unsigned char>(c)];
}

// The first byte from pos on that is not a separator, or size.
std::size_t PastSeparators(const char* data, std::size_t size, std::size_t pos) {
    while (pos < size && ClassOf(data[pos]) == kSeparator)
        ++pos;
    return pos;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The first byte from pos on that is a blank or control byte, ';', '/' or '"', or size. The
// bytes up to readable may be read, also past size.
[[gnu::always_inline]] inline std::size_t SpecialFrom(const char* data, std::size_t size,
                                                      std::size_t pos, const char* readable) {
#if defined(__SSE2__)
    // Sixteen bytes at a time, as the line's end need not be awaited.
    while (readable - (data + pos) >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + pos));
        const auto is = [v](char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
        const __m128i blank = _mm_cmpeq_epi8(_mm_min_epu8(v, _mm_set1_epi8(0x20)), v);
        auto special = static_cast<std::uint32_t>(_mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(blank, is(';')), _mm_or_si128(is('/'), is('"')))));
        // The line's end counts as special too, without a branch on where it lies.
        const std::size_t left = size - pos;
        special |= 1u << (left < 16 ? left : 16);
        const auto at = static_cast<std::size_t>(std::countr_zero(special));
        if (at < 16) return pos + at;
        pos += 16;
    }
#else
    static_cast<void>(readable);
#endif
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    for (; pos + 8 <= size; pos += 8) {
        std::uint64_t word;
        std::memcpy(&word, data + pos, 8);
        // Bytes up to the space (space, tab, CR), then ';', '/' and '"'; the lowest flag of each
        // test is exact, so the lowest of all is the first special byte.
        const std::uint64_t blank = (word - kOnes * 0x21) & ~word & kHighs;
        const auto equal = [word](char c) {
            const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
            return (x - kOnes) & ~x & kHighs;
        };
        const std::uint64_t special = blank | equal(';') | equal('/') | equal('"');
        if (special != 0) return pos + static_cast<std::size_t>(std::countr_zero(special)) / 8;
    }
    while (pos < size && ClassOf(data[pos]) == kPlain)
        ++pos;
    return pos;
}

#if defined(__SSE2__)
// Separators, and quotes and slashes, of 32 bytes, one bit a byte.
void BitsOf32(const char* p, std::uint32_t& separators, std::uint32_t& marks) {
    separators = 0;
    marks = 0;
    for (int k = 0; k < 2; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        const auto is = [v](char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); };
        const __m128i separator =
            _mm_or_si128(_mm_or_si128(is(' '), is('\t')),
                         _mm_or_si128(_mm_or_si128(is('\r'), is('\n')), is(';')));
        separators |=
            static_cast<std::uint32_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(separator)))
            << (16 * k);
        marks |= static_cast<std::uint32_t>(
                     static_cast<std::uint16_t>(_mm_movemask_epi8(_mm_or_si128(is('/'), is('"')))))
                 << (16 * k);
    }
}
#endif

}  // namespace

TokenStream::TokenStream(LineReader& reader, MarkedComments* comments)
    : reader_(reader), comments_(comments) {}

bool TokenStream::NextLine() {
    if (reader_.AtEnd()) return false;
    line_ = reader_.ReadLine();
    readable_ = reader_.ReadableEnd();
    pos_ = 0;
    if (firstLine_) {
        firstLine_ = false;
        if (line_.starts_with(kByteOrderMark)) pos_ = kByteOrderMark.size();
    }
    return true;
}

void TokenStream::Comment(std::string_view rest) {
    // "//$n " and its kind: the mark and a space after it.
    if (comments_ && rest.size() >= 5 && rest[2] == '$' && rest[4] == ' ') {
        const char mark = rest[3];
        if (mark == 'n' || mark == 'd' || mark == 'o')
            comments_->MarkedComment(mark, rest.substr(5));
    }
}

bool TokenStream::ToTokenSlow(const Search* search) {
    for (;;) {
        if (pos_ >= line_.size()) {
            if (!NextLine()) return false;
            while (search && !inBlock_ &&
                   (reader_.LastLinePlain() ||
                    !MayStopSearch(line_.substr(pos_), search->lowerEnd, search->placeholders))) {
                if (!NextLine()) return false;
            }
            continue;
        }
        if (inBlock_) {
            const std::size_t close = line_.find("*/", pos_);
            if (close == std::string_view::npos) {
                pos_ = line_.size();
                continue;
            }
            pos_ = close + 2;
            inBlock_ = false;
        }
        const char* const data = line_.data();
        const std::size_t size = line_.size();
        const std::size_t pos = PastSeparators(data, size, pos_);
        pos_ = pos;
        if (pos == size) continue;
        if (data[pos] == '/' && pos + 1 < size) {
            if (data[pos + 1] == '/') {
                Comment(line_.substr(pos));
                pos_ = size;
                continue;
            }
            if (data[pos + 1] == '*') {
                inBlock_ = true;
                pos_ = pos + 2;
                continue;
            }
        }
        return true;
    }
}

[[gnu::always_inline]] inline bool TokenStream::ToToken(const Search* search) {
    // Most tokens follow the one before in the same line, after a blank: found here, the
    // line ends, comments and searches left to the slow way.
    if (!inBlock_) {
        const char* const data = line_.data();
        const std::size_t size = line_.size();
        const std::size_t pos = PastSeparators(data, size, pos_);
        pos_ = pos;
        if (pos < size && data[pos] != '/') return true;
    }
    return ToTokenSlow(search);
}

int TokenStream::NextNumbers(double* values, int count) {
    int read = 0;
    for (; read < count; ++read) {
        if (!ToToken(nullptr)) break;
        const char* const data = line_.data();
        const char* const end = data + line_.size();
        const char* const after = ShortDecimalInBlock(data + pos_, end, readable_, values[read]);
        if (after == nullptr || (after != end && ClassOf(*after) != kSeparator)) break;
        pos_ = static_cast<std::size_t>(after - data);
    }
    return read;
}

[[gnu::always_inline]] inline std::size_t TokenStream::TokenEnd(std::size_t start) const {
    const char* const data = line_.data();
    const std::size_t size = line_.size();
    std::size_t pos = start;
    for (;;) {
        pos = SpecialFrom(data, size, pos, readable_);
        if (pos == size) return pos;
        const std::uint8_t c = ClassOf(data[pos]);
        if (c == kPlain) {
            // A control byte, flagged with the blanks.
            ++pos;
        } else if (c == kSlash) {
            // A comment marker glued to the token ends it.
            if (pos + 1 < size && (data[pos + 1] == '/' || data[pos + 1] == '*')) return pos;
            ++pos;
        } else {
            return pos;
        }
    }
}

bool TokenStream::Next(RawToken& token) {
    if (!ToToken(nullptr)) return false;
    Cut(token);
    return true;
}

void TokenStream::Cut(RawToken& token) {
    const std::size_t start = pos_;
    pos_ = TokenEnd(start);
    token.line = reader_.LineNumber();
    if (pos_ < line_.size() && line_[pos_] == '"') {
        QuotedToken(token, start);
        return;
    }
    token.text = line_.substr(start, pos_ - start);
    token.exact = false;
}

int TokenStream::SkipInBlock(int count) {
#if defined(__SSE2__)
    // The tokens within the next 32 bytes of the line, told apart by their bits.
    const char* const data = line_.data();
    const std::size_t size = line_.size();
    const std::size_t pos = pos_;
    if (inBlock_ || pos >= size || readable_ - (data + pos) < 32) return 0;
    std::uint32_t separators = 0;
    std::uint32_t marks = 0;
    BitsOf32(data + pos, separators, marks);
    if (size - pos < 32) separators |= ~std::uint32_t{0} << (size - pos);
    // pos_ stands after a token, at one or at the line's start: what lies before counts as a
    // separator.
    const std::uint32_t before = (separators << 1) | 1;
    std::uint32_t starts = ~separators & before;
    const std::uint32_t ends = separators & ~before;
    int skipped = 0;
    for (; skipped < count && starts != 0; ++skipped, starts &= starts - 1) {
        const int start = std::countr_zero(starts);
        const std::uint32_t after = ends & (~std::uint32_t{0} << start);
        // A token that runs past the block, holds a quote or a slash or may be "include" is
        // left to the careful way.
        if (after == 0) break;
        const int end = std::countr_zero(after);
        if ((marks & (after - 1) & (~std::uint32_t{0} << start)) != 0) break;
        if (end - start == 7 && AsciiLower(data[pos + static_cast<std::size_t>(start)]) == 'i')
            break;
        pos_ = pos + static_cast<std::size_t>(end);
    }
    return skipped;
#else
    static_cast<void>(count);
    return 0;
#endif
}

int TokenStream::SkipPlain(int count) {
    int skipped = 0;
    while (skipped < count) {
        if (!ToToken(nullptr)) break;
        // Runs of tokens in a line are told apart at once, also the rest of a run that went on
        // over a line's end; single ones one by one.
        if (count - skipped >= 2) {
            const int run = SkipInBlock(count - skipped);
            skipped += run;
            if (run > 0) continue;
        }
        const std::size_t end = TokenEnd(pos_);
        if ((end < line_.size() && line_[end] == '"') ||
            EqualsIgnoreCase(line_.substr(pos_, end - pos_), "include")) {
            break;
        }
        pos_ = end;
        ++skipped;
    }
    return skipped;
}

bool TokenStream::SkipTo(std::string_view lowerEnd, bool placeholders, RawToken& token) {
    // Lines, and the rest of this one, that cannot hold a token to stop at are passed over
    // without being cut into tokens.
    const Search search{lowerEnd, placeholders};
    if (!inBlock_ && pos_ < line_.size() &&
        !MayStopSearch(line_.substr(pos_), lowerEnd, placeholders)) {
        pos_ = line_.size();
    }
    while (ToToken(&search)) {
        Cut(token);
        if (token.exact || EqualsIgnoreCase(token.text, lowerEnd) ||
            EqualsIgnoreCase(token.text, "include") ||
            (placeholders && token.text.find('(') != std::string_view::npos)) {
            return true;
        }
    }
    return false;
}

void TokenStream::QuotedToken(RawToken& token, std::size_t start) {
    // The text around the quotes is folded here, as the token is handed out final.
    own_.clear();
    for (std::size_t i = start; i < pos_; ++i)
        own_ += AsciiLower(line_[i]);
    bool ended = false;  // the file ended inside the quotes
    while (!ended && pos_ < line_.size() && line_[pos_] == '"') {
        ++pos_;
        for (;;) {
            if (pos_ == line_.size()) {
                // Quoted text runs on over the line end, which it keeps.
                if (reader_.AtEnd()) {
                    ended = true;
                    break;
                }
                line_ = reader_.ReadLine();
                readable_ = reader_.ReadableEnd();
                pos_ = 0;
                own_ += '\n';
                continue;
            }
            const char c = line_[pos_++];
            if (c == '"') break;
            if (c == '\\' && pos_ < line_.size()) {
                own_ += line_[pos_++];
                continue;
            }
            own_ += c;
        }
        // The token goes on to the next separator, maybe with more quoted text.
        while (!ended && pos_ < line_.size()) {
            const char c = line_[pos_];
            const std::uint8_t kind = ClassOf(c);
            if (kind == kSeparator || kind == kQuote) break;
            if (kind == kSlash && pos_ + 1 < line_.size() &&
                (line_[pos_ + 1] == '/' || line_[pos_ + 1] == '*')) {
                break;
            }
            own_ += AsciiLower(c);
            ++pos_;
        }
    }
    token.text = own_;
    token.exact = true;
}

}  // namespace tarvik
