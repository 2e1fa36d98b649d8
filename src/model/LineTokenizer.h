#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "Translate.h"
#include "UserDialogs.h"

namespace tarvik {

// The caption of the question about a line with too few tokens.
inline constexpr const char* kParseErrorCaption =
    TARVIK_TRANSLATE_NOOP("Scenery", "Błąd parsowania");

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

// How SplitLine cuts a line; the defaults are those of the scenery statements.
struct SplitOptions {
    char separator = ' ';
    // Runs of separators count as one, and separators at either end make no empty tokens.
    bool collapse = true;
    std::string_view marker = "//";
    bool stripComment = true;   // the line ends where the marker first stands
    std::uint8_t maxCount = 0;  // splitting stops at this many tokens; 0 stands for 255
    std::uint8_t minCount = 0;  // fewer tokens than this ask the user what to do
    // The tokens go after those already in the list, and the counts include those.
    bool append = false;
    // Receives the user's answer when a short line was questioned, so that it can be recorded.
    std::optional<MessageAnswer>* answer = nullptr;
};

// Cuts a line into tokens. Returns false when the line had too few tokens and the user chose
// Abort or Retry.
bool SplitLine(std::string_view line, const SplitOptions& options, TokenList& tokens,
               UserDialogs& dialogs);

}  // namespace tarvik
