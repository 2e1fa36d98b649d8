#include "TokenStream.h"

#include <array>

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

bool TokenStream::Next(RawToken& token) {
    for (;;) {
        if (pos_ >= line_.size()) {
            if (!NextLine()) return false;
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
        const std::size_t size = line_.size();
        while (pos_ < size && ClassOf(line_[pos_]) == kSeparator)
            ++pos_;
        if (pos_ == size) continue;
        if (line_[pos_] == '/' && pos_ + 1 < size) {
            if (line_[pos_ + 1] == '/') {
                Comment(line_.substr(pos_));
                pos_ = size;
                continue;
            }
            if (line_[pos_ + 1] == '*') {
                inBlock_ = true;
                pos_ += 2;
                continue;
            }
        }
        const std::size_t start = pos_;
        while (pos_ < size) {
            const std::uint8_t c = ClassOf(line_[pos_]);
            if (c == kPlain) {
                ++pos_;
            } else if (c == kSlash) {
                // A comment marker glued to the token ends it.
                if (pos_ + 1 < size && (line_[pos_ + 1] == '/' || line_[pos_ + 1] == '*')) break;
                ++pos_;
            } else if (c == kQuote) {
                token.line = reader_.LineNumber();
                QuotedToken(token, start);
                return true;
            } else {
                break;
            }
        }
        token.text = line_.substr(start, pos_ - start);
        token.exact = false;
        token.line = reader_.LineNumber();
        return true;
    }
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
