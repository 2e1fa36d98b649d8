#include <gtest/gtest.h>

#include "Cp1250.h"
#include "Text.h"

namespace tarvik {
namespace {

TEST(Cp1250, DecodesPolishLettersAndPunctuation) {
    EXPECT_EQ(Cp1250ToUtf8("\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"), "ĄĆĘŁŃÓŚŹŻ");
    EXPECT_EQ(Cp1250ToUtf8("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"), "ąćęłńóśźż");
    EXPECT_EQ(Cp1250ToUtf8("\x80\x84\x96"), "€„–");
    EXPECT_EQ(Cp1250ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1250, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all)), all);
    EXPECT_TRUE(IsValidUtf8(Cp1250ToUtf8(all)));
}

TEST(Cp1250, EncodingReplacesWhatItCannotHold) {
    EXPECT_EQ(Utf8ToCp1250("Łódź"), "\xA3\xF3\x64\x9F");
    EXPECT_EQ(Utf8ToCp1250("日本"), "??");
    EXPECT_EQ(Utf8ToCp1250("a\xFF"), "a?");
}

TEST(Cp1250, DisplayPathDecodesOnlyWhatIsNotUtf8) {
    EXPECT_EQ(DisplayPath("/tmp/łódź.scn"), "/tmp/łódź.scn");
    EXPECT_EQ(DisplayPath("/tmp/\xB3\xF3\x64\x9F.scn"), "/tmp/łódź.scn");
}

TEST(Text, CaseIsIgnoredOnlyForAsciiLetters) {
    EXPECT_TRUE(EqualsIgnoreCase("FirstInit", "firstinit"));
    EXPECT_FALSE(EqualsIgnoreCase("FirstInit ", "firstinit"));
    // Ł (0xA3) and ł (0xB3) are different bytes and stay different.
    EXPECT_FALSE(EqualsIgnoreCase("\xA3", "\xB3"));
    EXPECT_TRUE(StartsWithIgnoreCase("EVENT0", "event"));
    EXPECT_EQ(CutName(std::string(300, 'x')).size(), 255u);
}

TEST(Text, SuffixIgnoresTheCaseOfAsciiLettersOnly) {
    EXPECT_TRUE(EndsWithIgnoreCase("MAP.PNG", ".png"));
    EXPECT_TRUE(EndsWithIgnoreCase(".Exe", ".exe"));
    EXPECT_FALSE(EndsWithIgnoreCase("exe", ".exe")) << "shorter than the suffix";
    EXPECT_FALSE(EndsWithIgnoreCase("map.png.bak", ".png"));
    EXPECT_FALSE(EndsWithIgnoreCase("\xA3.scn", "\xB3.scn"));
}

}  // namespace
}  // namespace tarvik
