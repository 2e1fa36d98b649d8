#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "Numbers.h"
#include "ParseFailure.h"

namespace tarvik {
namespace {

TEST(ParseFloat, ReadsTheFormsRealFilesHold) {
    EXPECT_DOUBLE_EQ(ParseFloat("6.55651e-007"), 6.55651e-7);
    EXPECT_EQ(ParseFloat("-12.5"), -12.5);
    EXPECT_EQ(ParseFloat("+3"), 3.0);
    EXPECT_EQ(ParseFloat("1E+3"), 1000.0);
    EXPECT_EQ(ParseFloat(".5"), 0.5);
    EXPECT_EQ(ParseFloat("5."), 5.0);
    EXPECT_TRUE(std::signbit(ParseFloat("-0")));
    EXPECT_EQ(ParseFloat("1e-400"), 0.0);
}

TEST(ParseFloat, RejectsWhatIsNotAFiniteNumber) {
    for (const char* bad : {"", "nan", "NaN", "inf", "-inf", "infinity", "1e400", "-1e400", "1,5",
                            "1.5x", "1e", "0x10", "+-1", "--1", "+", ".", "1 2", "\t1"}) {
        EXPECT_THROW(ParseFloat(bad), ParseFailure) << bad;
    }
    try {
        ParseFloat("abc");
    } catch (const ParseFailure& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

TEST(ParseFloat, ShortDecimalsReadExactlyAsTheGeneralConversion) {
    std::mt19937_64 rng(5);
    for (int i = 0; i < 200000; ++i) {
        const int intDigits = static_cast<int>(rng() % 9);
        const int fracDigits = static_cast<int>(rng() % 10);
        std::string text = rng() % 3 == 0 ? "-" : "";
        text += intDigits == 0 ? "0" : "";
        for (int d = 0; d < intDigits; ++d)
            text += static_cast<char>('0' + rng() % 10);
        if (fracDigits > 0) text += '.';
        for (int d = 0; d < fracDigits; ++d)
            text += static_cast<char>('0' + rng() % 10);
        ASSERT_EQ(ParseFloat(text), std::strtod(text.c_str(), nullptr)) << text;
    }
    for (const char* text :
         {"0.1", "0.3", "1234567890.12345", "123456789012345.6", "0.000000000000001",
          "9007199254740993", "2.2250738585072014e-308", "4.9e-324"}) {
        EXPECT_EQ(ParseFloat(text), std::strtod(text, nullptr)) << text;
    }
}

// The block form reads past the line's end and takes sixteen bytes at once: wherever the line
// ends and whatever follows, it gives the plain form's value and end, or fails as it does.
TEST(ShortDecimalInBlock, AgreesWithThePlainFormWhereverTheLineEnds) {
    std::mt19937_64 rng(9);
    const std::string alphabet = "0123456789012345678901234567890123456789..--+eE x/";
    for (int i = 0; i < 400000; ++i) {
        std::string text;
        const int length = static_cast<int>(rng() % 24);
        for (int k = 0; k < length; ++k)
            text += alphabet[rng() % alphabet.size()];
        // Room to read sixteen bytes after any start; the line ends anywhere within the text.
        const std::string memory = text + std::string(32, rng() % 2 ? '7' : '.');
        const std::size_t lineEnd = rng() % (text.size() + 1);
        const char* const end = memory.data() + lineEnd;
        const char* const readable = memory.data() + memory.size();
        for (std::size_t start = 0; start <= lineEnd; ++start) {
            const char* const p = memory.data() + start;
            double plain = -1;
            double block = -1;
            const char* const plainEnd = ShortDecimalAt(p, end, plain);
            const char* const blockEnd = ShortDecimalInBlock(p, end, readable, block);
            ASSERT_EQ(plainEnd, blockEnd) << text << " / " << lineEnd << " / " << start;
            if (plainEnd) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>(plain), std::bit_cast<std::uint64_t>(block))
                    << text << " / " << lineEnd << " / " << start;
            }
        }
    }
}

TEST(ParseInteger, TakesAnOptionalSignAndTheThirtyTwoBitRange) {
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("+127"), 127);
    EXPECT_EQ(ParseInteger("-128"), -128);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "+", "-", "1.0", "1e19", "2147483648", "-2147483649",
                            "99999999999999999999", "$10", "0x1", "+-1", "1 "}) {
        EXPECT_THROW(ParseInteger(bad), ParseFailure) << bad;
    }
}

TEST(RoundHalfEven, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(RoundHalfEven(12.5), 12);
    EXPECT_EQ(RoundHalfEven(13.5), 14);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-0.4), 0);
    EXPECT_EQ(RoundHalfEven(9223372036854775807.0L), INT64_MAX);
    EXPECT_EQ(RoundHalfEven(-9223372036854775808.0L), INT64_MIN);
    EXPECT_THROW(RoundHalfEven(1e30), ParseFailure);
    EXPECT_THROW(RoundHalfEven(-1e300), ParseFailure);
    EXPECT_THROW(RoundHalfEven(9223372036854775808.0L), ParseFailure);
    EXPECT_THROW(RoundHalfEven(NAN), ParseFailure);
    EXPECT_THROW(RoundHalfEven(INFINITY), ParseFailure);
}

TEST(NarrowFields, KeepTheLowBits) {
    EXPECT_EQ(LowByte(300), 44);
    EXPECT_EQ(LowByte(500), 244);
    EXPECT_EQ(LowByte(-1), 255);
    EXPECT_EQ(Low16(40000), -25536);
    EXPECT_EQ(Low16(-32769), 32767);
}

}  // namespace
}  // namespace tarvik
