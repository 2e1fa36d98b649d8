#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "LineTokenizer.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::ScriptedDialogs;

std::vector<std::string> Texts(const TokenList& tokens) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < tokens.Count(); ++i)
        out.emplace_back(tokens[i]);
    return out;
}

bool ParserSplit(std::string_view line, std::uint8_t max, std::uint8_t min, TokenList& tokens,
                 ScriptedDialogs& dialogs) {
    return SplitLine(line, {.maxCount = max, .minCount = min}, tokens, dialogs);
}

TEST(SplitLine, TooFewTokensAsksAndIgnoreKeepsTheTokens) {
    ScriptedDialogs dialogs;
    dialogs.answers = {MessageAnswer::Ignore};
    TokenList tokens;
    EXPECT_TRUE(ParserSplit("node 12 34", 5, 5, tokens, dialogs));
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"node", "12", "34"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Błąd parsowania!\n\r34 3");
    EXPECT_EQ(dialogs.messages[0].caption, "Błąd parsowania");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::AbortRetryIgnore);
}

TEST(SplitLine, AbortAndRetryReturnFalseWithTheTokensKept) {
    for (const MessageAnswer answer : {MessageAnswer::Abort, MessageAnswer::Retry}) {
        ScriptedDialogs dialogs;
        dialogs.answers = {answer};
        TokenList tokens;
        EXPECT_FALSE(ParserSplit("node 12 34", 5, 5, tokens, dialogs));
        EXPECT_EQ(tokens.Count(), 3u);
    }
}

TEST(SplitLine, TheAnswerIsHandedBackOnlyWhenTheQuestionWasAsked) {
    ScriptedDialogs dialogs;
    dialogs.answers = {MessageAnswer::Retry, MessageAnswer::Ignore};
    TokenList tokens;
    std::optional<MessageAnswer> answer;
    EXPECT_TRUE(SplitLine("node 1 2 3", {.maxCount = 4, .minCount = 4, .answer = &answer}, tokens,
                          dialogs));
    EXPECT_FALSE(answer);
    EXPECT_FALSE(
        SplitLine("node 1", {.maxCount = 4, .minCount = 4, .answer = &answer}, tokens, dialogs));
    EXPECT_EQ(answer, MessageAnswer::Retry);
    // Without collapsing separators the question is the same.
    answer.reset();
    EXPECT_TRUE(SplitLine("a,b",
                          {.separator = ',', .collapse = false, .minCount = 3, .answer = &answer},
                          tokens, dialogs));
    EXPECT_EQ(answer, MessageAnswer::Ignore);
}

TEST(SplitLine, CollapsesRunsOfSeparatorsAndDropsThemAtBothEnds) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    EXPECT_TRUE(ParserSplit("  alpha   beta  gamma  ", 0, 0, tokens, dialogs));
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"alpha", "beta", "gamma"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(SplitLine, CommentIsCutWhereverTheMarkerStands) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    EXPECT_TRUE(ParserSplit("velocity 40 //speed limit", 2, 0, tokens, dialogs));
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"velocity", "40"}));
    EXPECT_TRUE(ParserSplit("abc//def ghi", 0, 0, tokens, dialogs));
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"abc"}));
}

TEST(SplitLine, LinesWithoutTokensNeverAsk) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    tokens.Add("stale");
    for (const std::string_view line : {"", "// only a comment", "      "}) {
        EXPECT_TRUE(ParserSplit(line, 5, 5, tokens, dialogs)) << line;
        EXPECT_TRUE(tokens.Empty()) << line;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(SplitLine, MaximumStopsWithoutCountCheck) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    EXPECT_TRUE(ParserSplit("one two three four", 3, 4, tokens, dialogs));
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_TRUE(ParserSplit("one two three", 3, 4, tokens, dialogs));
    EXPECT_EQ(tokens.Count(), 3u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(SplitLine, TrailingSeparatorsSkipTheCountCheck) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    EXPECT_TRUE(ParserSplit("node 12 34  ", 5, 5, tokens, dialogs));
    EXPECT_EQ(tokens.Count(), 3u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(SplitLine, TabsAndNulBytesStayInsideTokens) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    const std::string line("a\tb c\0d", 7);
    EXPECT_TRUE(ParserSplit(line, 0, 0, tokens, dialogs));
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"a\tb", std::string("c\0d", 3)}));
}

TEST(SplitLine, WithoutCollapseEverySeparatorSplits) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    const SplitOptions commas{.separator = ',', .collapse = false};
    EXPECT_TRUE(SplitLine("a,,b,", commas, tokens, dialogs));
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"a", "", "b", ""}));
    // The empty last token is the one the question shows.
    dialogs.answers = {MessageAnswer::Ignore};
    EXPECT_TRUE(
        SplitLine("a,b,", {.separator = ',', .collapse = false, .minCount = 5}, tokens, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Błąd parsowania!\n\r 3");
}

TEST(SplitLine, AppendKeepsEarlierTokensAndCountsThem) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    tokens.Add("first");
    EXPECT_TRUE(
        SplitLine("second third", {.maxCount = 3, .minCount = 3, .append = true}, tokens, dialogs));
    EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(SplitLine, QuestionShowsPolishBytesDecoded) {
    ScriptedDialogs dialogs;
    TokenList tokens;
    // "łódź" in CP1250.
    EXPECT_TRUE(ParserSplit("node \xB3\xF3\x64\x9F", 5, 5, tokens, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Błąd parsowania!\n\rłódź 2");
}

TEST(TokenList, MissingTokenIsAFailureOrEmpty) {
    TokenList tokens;
    tokens.Add("x");
    EXPECT_EQ(tokens.GetOrEmpty(3), "");
    EXPECT_THROW(static_cast<void>(tokens[1]), std::runtime_error);
}

}  // namespace
}  // namespace tarvik
