#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "LineReader.h"
#include "Text.h"

namespace tarvik {

// One token of a file as the simulator cuts it.
struct RawToken {
    // Views the reader's buffer or the stream's own; valid until the next token is taken.
    std::string_view text;
    // Quoted text is part of it: the text is final and its case must not be folded. Other
    // tokens are as written, to be folded (A to Z only) by whoever looks at them.
    bool exact = false;
    std::uint64_t line = 0;  // the file's line of its first byte, from 1
};

// Told of the comments that carry a value: "//$n ", "//$d " and "//$o " followed by the text
// to the end of the line.
class MarkedComments {
  public:
    virtual ~MarkedComments() = default;
    virtual void MarkedComment(char mark, std::string_view text) = 0;
};

// Cuts one file into tokens: separators are space, tab, CR, LF and ";", a run of them counting
// as one; "//" comments run to the end of the line and "/* */" comments across lines, also when
// their marker is glued to a token, which it then ends; a '"' in a token starts quoted text that
// joins the token as it is, to the next '"' (a backslash keeps the byte after it). A UTF-8 byte
// order mark at the start is dropped. Lines come from a LineReader, so a file is read once
// whatever its size.
class TokenStream {
  public:
    TokenStream(LineReader& reader, MarkedComments* comments);

    // The next token; false at the end of the file.
    bool Next(RawToken& token);
    // Reads up to count tokens that are plain numbers (see ShortDecimalAt) ended by a separator
    // or the line's end into values, and returns how many. It stops before the first other
    // token, left to Next; only separators, comments and line ends are passed over.
    int NextNumbers(double* values, int count);
    // Passes over up to count plain tokens, with no quote in them and not "include" in any case,
    // and returns how many. It stops before the first other token, left to Next.
    int SkipPlain(int count);
    // Reads past tokens up to one that a search for the word lowerEnd must look at: the word
    // itself in any case, "include", quoted text, and with placeholders any token holding a '('.
    // False at the end of the file.
    bool SkipTo(std::string_view lowerEnd, bool placeholders, RawToken& token);
    // The file's line that reading stands in: the line of the last token, or beyond it.
    std::uint64_t Line() const { return reader_.LineNumber(); }

  private:
    // What SkipTo looks for.
    struct Search {
        std::string_view lowerEnd;
        bool placeholders = false;
    };
    // Passes over separators, comments and line ends to the next token's first byte; false at
    // the end of the file. With a search, new lines that cannot hold what it looks for are
    // passed over whole.
    bool ToToken(const Search* search);
    bool ToTokenSlow(const Search* search);
    // The end of the token that starts at start: the first separator, glued comment marker or
    // quote after it, or the line's end.
    std::size_t TokenEnd(std::size_t start) const;
    // SkipPlain's quick way for the tokens that lie whole within the next 32 bytes of the
    // line: how many it passed over, up to count.
    int SkipInBlock(int count);
    // The token whose first byte pos_ stands at.
    void Cut(RawToken& token);
    bool NextLine();
    void Comment(std::string_view rest);
    // The token from pos_ on, which holds a quote: built in own_.
    void QuotedToken(RawToken& token, std::size_t start);

    LineReader& reader_;
    MarkedComments* comments_;
    std::string_view line_;
    const char* readable_ = nullptr;  // see LineReader::ReadableEnd
    std::size_t pos_ = 0;
    bool firstLine_ = true;
    bool inBlock_ = false;  // inside a "/* */" comment
    std::string own_;
};

}  // namespace tarvik
