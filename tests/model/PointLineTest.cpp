#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>

#include "LineTokenizer.h"
#include "Numbers.h"
#include "PointLine.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

TEST(ReadPointLine, ReadsTheUsualShape) {
    std::array<double, 3> v{};
    ASSERT_TRUE(ReadPointLine("0.396825 0.2 36.1111  0.0  //point 1", v));
    EXPECT_EQ(v[0], 0.396825);
    EXPECT_EQ(v[1], 0.2);
    EXPECT_EQ(v[2], 36.1111);
    ASSERT_TRUE(ReadPointLine("  -12 -0 7//x", v));
    EXPECT_EQ(v[0], -12);
    EXPECT_TRUE(std::signbit(v[1]));
    for (const char* other : {"1 2", "1 2//3", "1 2 //3", "1e5 2 3", "+1 2 3", "1 2 3.", ".5 2 3",
                              "1\t2 3", "1 2 3/4", "1 2 3x", "1234567890123456 2 3", ""}) {
        EXPECT_FALSE(ReadPointLine(other, v)) << other;
    }
}

// Whatever it accepts, the general split and conversion read the same way.
TEST(ReadPointLine, AgreesWithTheGeneralSplitAndConversion) {
    std::mt19937 rng(3);
    const std::string alphabet = "0123456789000111.-  /e+\tx";
    test::ScriptedDialogs dialogs;
    TokenList tokens;
    int accepted = 0;
    for (int i = 0; i < 300000; ++i) {
        std::string line;
        if (i % 2 == 0) {
            const int length = static_cast<int>(rng() % 30);
            for (int k = 0; k < length; ++k)
                line += alphabet[rng() % alphabet.size()];
        } else {
            // Numbers of every length around the fifteen digits that fit.
            for (int n = 0; n < 3; ++n) {
                line += rng() % 2 ? " " : "  ";
                if (rng() % 3 == 0) line += '-';
                for (int d = static_cast<int>(rng() % 12); d >= 0; --d)
                    line += char('0' + rng() % 10);
                if (rng() % 2) {
                    line += '.';
                    for (int d = static_cast<int>(rng() % 12); d >= 0; --d)
                        line += char('0' + rng() % 10);
                }
            }
            line += rng() % 2 ? " 0.0 //point" : "";
        }
        std::array<double, 3> v{};
        const bool withMiddle = i % 4 < 2;
        if (!ReadPointLine(line, v, withMiddle)) continue;
        ++accepted;
        ASSERT_TRUE(SplitLine(line, {.maxCount = 3, .minCount = 3}, tokens, dialogs)) << line;
        ASSERT_EQ(tokens.Count(), 3u) << line;
        for (int k = 0; k < 3; ++k) {
            if (k == 1 && !withMiddle) continue;
            ASSERT_EQ(std::bit_cast<std::uint64_t>(ParseFloat(tokens[k])),
                      std::bit_cast<std::uint64_t>(v[k]))
                << line;
        }
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_GT(accepted, 1000);
}

}  // namespace
}  // namespace tarvik
