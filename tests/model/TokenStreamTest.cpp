#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "FileSystem.h"
#include "LineReader.h"
#include "LineScan.h"
#include "Numbers.h"
#include "TestSupport.h"
#include "Text.h"
#include "TokenStream.h"

namespace tarvik {
namespace {

struct Cut {
    std::vector<std::string> tokens;
    std::vector<bool> exact;
    std::vector<std::uint64_t> lines;
    std::vector<std::pair<char, std::string>> comments;
};

class Comments final : public MarkedComments {
  public:
    explicit Comments(Cut& cut) : cut_(cut) {}
    void MarkedComment(char mark, std::string_view text) override {
        cut_.comments.emplace_back(mark, std::string(text));
    }

  private:
    Cut& cut_;
};

Cut Tokens(std::string_view bytes) {
    test::TempDir dir;
    const std::string path = dir.Write("f.scn", bytes);
    PosixFileSystem files;
    LineReader reader(files.Open(path), {.endAtMark = false});
    Cut cut;
    Comments comments(cut);
    TokenStream stream(reader, &comments);
    RawToken t;
    while (stream.Next(t)) {
        cut.tokens.emplace_back(t.text);
        cut.exact.push_back(t.exact);
        cut.lines.push_back(t.line);
    }
    return cut;
}

using Words = std::vector<std::string>;

TEST(TokenStream, SeparatorsAreBlanksLineEndsAndSemicolonsInRuns) {
    EXPECT_EQ(Tokens("include;a.inc;;p1 ;\tp2\r\nend").tokens,
              (Words{"include", "a.inc", "p1", "p2", "end"}));
    // The comma separates nothing; case is left to the reader.
    EXPECT_EQ(Tokens("  1,5\tNode\r\r\n\n;").tokens, (Words{"1,5", "Node"}));
    EXPECT_EQ(Tokens("a\nb c\n\nd").lines, (std::vector<std::uint64_t>{1, 2, 2, 4}));
}

TEST(TokenStream, CommentsAlsoGluedToTokensAndBlocksAcrossLines) {
    EXPECT_EQ(Tokens("1.0//x y\n2").tokens, (Words{"1.0", "2"}));
    EXPECT_EQ(Tokens("a/*x*/b").tokens, (Words{"a", "b"}));
    const Cut block = Tokens("a /* node\n -1 0 */ b /*\n\n*/c // d\ne/f");
    EXPECT_EQ(block.tokens, (Words{"a", "b", "c", "e/f"}));
    EXPECT_EQ(block.lines, (std::vector<std::uint64_t>{1, 2, 4, 5}));
    // Block comments do not nest: the first "*/" ends it.
    EXPECT_EQ(Tokens("/* /* */ x */").tokens, (Words{"x", "*/"}));
}

TEST(TokenStream, QuotedTextJoinsTheTokenAsItIs) {
    const Cut cut = Tokens("X\"A B;//C\"Y z \"q\\\"r\"\n\"two\nlines\" W");
    EXPECT_EQ(cut.tokens, (Words{"xA B;//Cy", "z", "q\"r", "two\nlines", "W"}));
    EXPECT_EQ(cut.exact, (std::vector<bool>{true, false, true, true, false}));
    EXPECT_EQ(cut.lines, (std::vector<std::uint64_t>{1, 1, 1, 2, 3}));
}

TEST(TokenStream, ByteOrderMarkIsDroppedAndByte26IsAnOrdinaryByte) {
    EXPECT_EQ(Tokens("\xEF\xBB\xBFnode x").tokens, (Words{"node", "x"}));
    // Only at the start of the file.
    EXPECT_EQ(Tokens("a \xEF\xBB\xBF").tokens, (Words{"a", "\xEF\xBB\xBF"}));
    EXPECT_EQ(Tokens(std::string("a\x1a b\nc", 6)).tokens, (Words{std::string("a\x1a"), "b", "c"}));
}

TEST(TokenStream, MarkedCommentsAreToldWithTheirText) {
    const Cut cut = Tokens("//$n Nazwa\nx //$o Opis skladu\n//$x nic\n/* //$d w bloku */");
    EXPECT_EQ(cut.tokens, (Words{"x"}));
    const std::vector<std::pair<char, std::string>> expected = {{'n', "Nazwa"},
                                                                {'o', "Opis skladu"}};
    EXPECT_EQ(cut.comments, expected);
}

// Each token's number read where it stands when the stream takes it so, else from the token.
std::vector<std::pair<double, bool>> NumbersInPlace(std::string_view bytes) {
    test::TempDir dir;
    PosixFileSystem files;
    LineReader reader(files.Open(dir.Write("f.scn", bytes)), {.endAtMark = false});
    TokenStream stream(reader, nullptr);
    std::vector<std::pair<double, bool>> numbers;
    for (;;) {
        double value = 0;
        if (stream.NextNumbers(&value, 1) == 1) {
            numbers.emplace_back(value, true);
            continue;
        }
        RawToken t;
        if (!stream.Next(t)) return numbers;
        numbers.emplace_back(FloatPrefix(t.text), false);
    }
}

TEST(TokenStream, NumbersReadInPlaceAreTheTokensNumbers) {
    const std::string bytes =
        "10146.0625 214.8125\t1021.8125 0.0  //point 1\n-0.5;+7 5. .25 123456789012345 "
        "1234567890123456 12abc 1e5 1.5E 1,5 - . 0.5//x\n3/*c*/ 4\"q\" -1\x01 9\r\n"
        "12345678.87654321\n77";
    const auto numbers = NumbersInPlace(bytes);
    const Cut tokens = Tokens(bytes);
    ASSERT_EQ(numbers.size(), tokens.tokens.size());
    std::vector<bool> inPlace;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_EQ(numbers[i].first, FloatPrefix(tokens.tokens[i])) << tokens.tokens[i];
        inPlace.push_back(numbers[i].second);
    }
    // Plain short decimals ended by a separator or the line's end; the rest is left to Next.
    std::vector<bool> expected(23, false);
    for (const int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 20, 22})
        expected[static_cast<std::size_t>(i)] = true;
    EXPECT_EQ(inPlace, expected);
}

TEST(TokenStream, RunsOfPlainTokensStopBeforeTheFirstOther) {
    test::TempDir dir;
    PosixFileSystem files;
    LineReader reader(
        files.Open(dir.Write("f.scn", "1 -2.5\n//c\n3 x 4\na b\"q\" c INCLUDE d e\n")),
        {.endAtMark = false});
    TokenStream stream(reader, nullptr);
    double values[5] = {};
    EXPECT_EQ(stream.NextNumbers(values, 5), 3);
    EXPECT_EQ(values[1], -2.5);
    EXPECT_EQ(values[2], 3);
    RawToken t;
    ASSERT_TRUE(stream.Next(t));
    EXPECT_EQ(t.text, "x");
    EXPECT_EQ(stream.NextNumbers(values, 5), 1);
    // The quoted token and the include are left to Next.
    EXPECT_EQ(stream.SkipPlain(5), 1);
    ASSERT_TRUE(stream.Next(t));
    EXPECT_TRUE(t.exact);
    EXPECT_EQ(stream.SkipPlain(5), 1);
    ASSERT_TRUE(stream.Next(t));
    EXPECT_EQ(t.text, "INCLUDE");
    EXPECT_EQ(stream.SkipPlain(5), 2);
    EXPECT_EQ(stream.SkipPlain(5), 0);
    EXPECT_FALSE(stream.Next(t));
}

// Random text of the kinds a scenery holds: numbers, words, "include" in any case, quotes,
// comments of both kinds, runs of separators, long tokens and lines.
std::string RandomText(std::mt19937& random) {
    static const char* const kPieces[] = {"1",
                                          "-2.5",
                                          "10146.0625",
                                          "0.0",
                                          "+.5",
                                          "12abc",
                                          "1e5",
                                          "none",
                                          "Flat",
                                          "vis",
                                          "include",
                                          "INCLUDE",
                                          "Include",
                                          "inclusive",
                                          "\"q r\"",
                                          "a\"b\"c",
                                          "//c 1\n",
                                          "/*x*/",
                                          "/* a\nb */",
                                          "e/f",
                                          "x//y\n",
                                          ";",
                                          " ",
                                          "  ",
                                          "\t",
                                          "\r\n",
                                          "\n",
                                          "\n\n",
                                          "12345678901234567890",
                                          "abcdefghijklmnopqrstuvwxyz0123456789abcdefghij"};
    std::string text;
    const int pieces = std::uniform_int_distribution<int>(0, 400)(random);
    for (int i = 0; i < pieces; ++i) {
        text +=
            kPieces[std::uniform_int_distribution<std::size_t>(0, std::size(kPieces) - 1)(random)];
        if (std::uniform_int_distribution<int>(0, 2)(random) != 0) text += ' ';
    }
    return text;
}

TEST(TokenStream, QuickWaysGiveWhatTokenByTokenGives) {
    // Taking numbers, skipping runs of tokens and searching for a word, in any order, leaves
    // the same tokens, lines and numbers as cutting every token; also with the file read ahead
    // in small chunks and its plain lines marked.
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        const std::string text = RandomText(random);
        const Cut expected = Tokens(text);
        test::TempDir dir;
        PosixFileSystem files;
        LineReader::Options options{.endAtMark = false};
        if (round % 2 == 1) {
            options.readAheadFrom = 0;
            options.chunkSize = 61;
            options.headroom = 128;
            options.markPlainLines = true;
        }
        LineReader reader(files.Open(dir.Write("f.scn", text)), options);
        TokenStream stream(reader, nullptr);
        std::size_t next = 0;
        for (;;) {
            const int count = std::uniform_int_distribution<int>(1, 9)(random);
            const int way = std::uniform_int_distribution<int>(0, 2)(random);
            if (way == 0) {
                double values[9];
                const int read = stream.NextNumbers(values, count);
                for (int i = 0; i < read; ++i, ++next) {
                    ASSERT_LT(next, expected.tokens.size()) << text;
                    EXPECT_EQ(values[i], FloatPrefix(expected.tokens[next])) << text;
                    EXPECT_FALSE(expected.exact[next]) << text;
                }
            } else if (way == 1) {
                const int skipped = stream.SkipPlain(count);
                for (int i = 0; i < skipped; ++i, ++next) {
                    ASSERT_LT(next, expected.tokens.size()) << text;
                    EXPECT_FALSE(expected.exact[next]) << text;
                    EXPECT_NE(AsciiLowerCopy(expected.tokens[next]), "include") << text;
                }
            } else {
                const bool placeholders = count % 2 == 0;
                const auto stops = [&](std::size_t i) {
                    const std::string folded = AsciiLowerCopy(expected.tokens[i]);
                    return expected.exact[i] || folded == "endx" || folded == "include" ||
                           (placeholders && folded.find('(') != std::string::npos);
                };
                while (next < expected.tokens.size() && !stops(next))
                    ++next;
                RawToken t;
                if (!stream.SkipTo("endx", placeholders, t)) break;
                ASSERT_LT(next, expected.tokens.size()) << text;
                EXPECT_EQ(t.text, expected.tokens[next]) << text;
                EXPECT_EQ(t.line, expected.lines[next]) << text;
                ++next;
            }
            RawToken t;
            if (!stream.Next(t)) break;
            ASSERT_LT(next, expected.tokens.size()) << text;
            EXPECT_EQ(t.text, expected.tokens[next]) << text;
            EXPECT_EQ(t.line, expected.lines[next]) << text;
            ++next;
        }
        EXPECT_EQ(next, expected.tokens.size()) << text;
    }
}

// A line may stop a search exactly when it holds, anywhere, the word or "include" in any case,
// a slash, a quote, or with placeholders a '(': told by the bytes around each candidate,
// wherever the line ends within the blocks it is looked at in.
TEST(MayStopSearch, FindsExactlyWhatMayStopASearch) {
    std::mt19937 random(13);
    const std::string alphabet = "enEN dtDrixIclu0123(/\"aZ";
    const std::vector<std::string> words = {"endtri", "endx", "e", "en"};
    for (int round = 0; round < 200000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 40)(random);
        for (int k = 0; k < length; ++k)
            text += alphabet[random() % alphabet.size()];
        if (random() % 3 == 0) {
            const std::string insert = random() % 2 ? "InClUdE" : "EndTri";
            text.insert(random() % (text.size() + 1), insert);
        }
        const std::string& word = words[random() % words.size()];
        const bool placeholders = random() % 2 == 0;
        const std::string folded = AsciiLowerCopy(text);
        bool expected = folded.find(word) != std::string::npos ||
                        folded.find("include") != std::string::npos ||
                        text.find_first_of(placeholders ? "/\"(" : "/\"") != std::string::npos;
        ASSERT_EQ(MayStopSearch(text, word, placeholders), expected)
            << text << " / " << word << " / " << placeholders;
    }
}

TEST(NumberPrefix, TheLongestDecimalPrefixOrZero) {
    EXPECT_EQ(FloatPrefix("none"), 0);
    EXPECT_EQ(FloatPrefix("1,5"), 1);
    EXPECT_EQ(FloatPrefix("12abc"), 12);
    EXPECT_EQ(FloatPrefix("-2.5e1x"), -25);
    EXPECT_EQ(FloatPrefix("+.5"), 0.5);
    EXPECT_EQ(FloatPrefix("5."), 5);
    EXPECT_EQ(FloatPrefix("1e"), 1);
    EXPECT_EQ(FloatPrefix("-"), 0);
    EXPECT_EQ(FloatPrefix("."), 0);
    EXPECT_EQ(FloatPrefix("inf"), 0);
    EXPECT_EQ(FloatPrefix("1e999"), 0);
    EXPECT_EQ(FloatPrefix("(p1)"), 0);
    EXPECT_EQ(FloatPrefix("123456789.123456789"), 123456789.123456789);
}

}  // namespace
}  // namespace tarvik
