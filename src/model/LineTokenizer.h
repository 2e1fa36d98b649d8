#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "UserDialogs.h"

namespace tarvik {

// Tokens of one split line. They view the line's bytes, so they are valid only as long as
// the line they were cut from.
class TokenList {
  public:
    std::size_t Count() const { return tokens_.size(); }
    bool Empty() const { return tokens_.empty(); }

    // A missing token is a failure of the statement being read (ParseFailure).
    std::string_view operator[](std::size_t i) const {
        if (i >= tokens_.size()) Missing(i);
        return tokens_[i];
    }
    // For statements that take a missing token as empty.
    std::string_view GetOrEmpty(std::size_t i) const {
        return i < tokens_.size() ? tokens_[i] : std::string_view();
    }

    void Clear() { tokens_.clear(); }
    void Add(std::string_view token) { tokens_.push_back(token); }

  private:
    [[noreturn]] static void Missing(std::size_t i);
    std::vector<std::string_view> tokens_;
};

// Cuts a line into tokens; see the parser for the arguments it uses. Returns false when the
// line had too few tokens and the user chose Abort or Retry.
bool SplitLine(std::string_view Line, char Separator, bool Collapse, std::string_view Marker,
               bool StripComment, std::uint8_t MaxCount, std::uint8_t MinCount, TokenList& Tokens,
               bool Append, UserDialogs& dialogs);

}  // namespace tarvik
