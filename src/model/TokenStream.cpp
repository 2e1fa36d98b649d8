#include "TokenStream.h"

#include <array>
#include <bit>
#include <cstring>

#include "Numbers.h"
#include "Text.h"

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

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool HasByte(std::uint64_t word, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ((x - kOnes) & ~x & kHighs) != 0;
}

bool PlainByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x40 && c != '/' && c != '"' && c != '(';
}

// Only bytes below 0x40 (no letters), and none of '/', '"' and '(': eight at a time, as the
// vertex lines of shapes, most of a scenery's bytes, are plain.
bool PlainLine(std::string_view line) {
    const char* p = line.data();
    const char* const end = p + line.size();
    for (; end - p >= 8; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        if ((word & 0xC0C0C0C0C0C0C0C0ULL) != 0 || HasByte(word, '/') || HasByte(word, '"') ||
            HasByte(word, '(')) {
            return false;
        }
    }
    for (; p != end; ++p) {
        if (!PlainByte(*p)) return false;
    }
    return true;
}

// The first separator, '/' or '"' from pos on, or size. Tokens are short: eight bytes at a
// time while they are there, then one by one.
std::size_t SpecialFrom(const char* data, std::size_t size, std::size_t pos) {
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

}  // namespace

TokenStream::TokenStream(LineReader& reader, MarkedComments* comments)
    : reader_(reader), comments_(comments) {}

bool TokenStream::NextLine() {
    if (reader_.AtEnd()) return false;
    line_ = reader_.ReadLine();
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

bool TokenStream::ToToken(bool skipPlain) {
    for (;;) {
        if (pos_ >= line_.size()) {
            if (!NextLine()) return false;
            while (skipPlain && !inBlock_ && PlainLine(line_.substr(pos_))) {
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
        // Locals, as the members could alias the bytes for the compiler.
        const char* const data = line_.data();
        const std::size_t size = line_.size();
        std::size_t pos = pos_;
        while (pos < size && ClassOf(data[pos]) == kSeparator)
            ++pos;
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

bool TokenStream::NextNumber(double& value) {
    if (!ToToken(false)) return false;
    const char* const data = line_.data();
    const char* const end = data + line_.size();
    const char* const after = ShortDecimalAt(data + pos_, end, value);
    if (after == nullptr || (after != end && ClassOf(*after) != kSeparator)) return false;
    pos_ = static_cast<std::size_t>(after - data);
    return true;
}

bool TokenStream::Next(RawToken& token, bool skipPlain) {
    if (!ToToken(skipPlain)) return false;
    const char* const data = line_.data();
    const std::size_t size = line_.size();
    std::size_t pos = pos_;
    const std::size_t start = pos;
    for (;;) {
        pos = SpecialFrom(data, size, pos);
        if (pos == size) break;
        const std::uint8_t c = ClassOf(data[pos]);
        if (c == kPlain) {
            // A control byte, flagged with the blanks.
            ++pos;
        } else if (c == kSlash) {
            // A comment marker glued to the token ends it.
            if (pos + 1 < size && (data[pos + 1] == '/' || data[pos + 1] == '*')) break;
            ++pos;
        } else if (c == kQuote) {
            pos_ = pos;
            token.line = reader_.LineNumber();
            QuotedToken(token, start);
            return true;
        } else {
            break;
        }
    }
    pos_ = pos;
    token.text = std::string_view(data + start, pos - start);
    token.exact = false;
    token.line = reader_.LineNumber();
    return true;
}

bool TokenStream::SkipTo(std::string_view lowerEnd, bool placeholders, RawToken& token) {
    // The rest of a line that holds neither word, in any case, nor a comment, a quote or a '('
    // is passed over unread.
    const auto mayHold = [lowerEnd](std::string_view rest) {
        for (std::size_t i = 0; i < rest.size(); ++i) {
            const char c = AsciiLower(rest[i]);
            if (c == '/' || c == '"' || c == '(') return true;
            if (c == lowerEnd.front() &&
                EqualsIgnoreCase(rest.substr(i, lowerEnd.size()), lowerEnd))
                return true;
            if (c == 'i' && EqualsIgnoreCase(rest.substr(i, 7), "include")) return true;
        }
        return false;
    };
    if (!inBlock_ && pos_ < line_.size() && !mayHold(line_.substr(pos_))) pos_ = line_.size();
    while (Next(token, true)) {
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
