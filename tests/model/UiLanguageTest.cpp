#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "UiLanguage.h"

namespace tarvik {
namespace {

TEST(UiLanguage, PolishAndTheCLocaleReadPolishEveryOtherLocaleEnglish) {
    for (const char* polish : {"", "C", "POSIX", "C.UTF-8", "pl", "pl_PL", "pl_PL.UTF-8"}) {
        EXPECT_EQ(LanguageOfLocale(polish), UiLanguage::Polish) << polish;
    }
    for (const char* english : {"en_US.UTF-8", "en_GB", "de_DE.UTF-8", "cs_CZ", "Polish"}) {
        EXPECT_EQ(LanguageOfLocale(english), UiLanguage::English) << english;
    }
}

// Sets the three variables for one test and puts back what was there.
class LocaleVariables {
  public:
    LocaleVariables(const char* lcAll, const char* lcMessages, const char* lang) {
        for (int i = 0; i < 3; ++i) {
            if (const char* old = std::getenv(kNames[i])) saved_[i] = old, had_[i] = true;
        }
        Set(0, lcAll), Set(1, lcMessages), Set(2, lang);
    }
    ~LocaleVariables() {
        for (int i = 0; i < 3; ++i)
            Set(i, had_[i] ? saved_[i].c_str() : nullptr);
    }

  private:
    static constexpr const char* kNames[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    static void Set(int i, const char* value) {
        if (value)
            ::setenv(kNames[i], value, 1);
        else
            ::unsetenv(kNames[i]);
    }
    std::string saved_[3];
    bool had_[3] = {};
};

TEST(UiLanguage, TheFirstSetVariableDecidesAsInTheCLibrary) {
    {
        LocaleVariables env("en_US.UTF-8", "pl_PL.UTF-8", "pl_PL.UTF-8");
        EXPECT_EQ(SystemLanguage(), UiLanguage::English);
    }
    {
        LocaleVariables env("", "pl_PL.UTF-8", "en_US.UTF-8");
        EXPECT_EQ(SystemLanguage(), UiLanguage::Polish);
    }
    {
        LocaleVariables env(nullptr, nullptr, "de_DE.UTF-8");
        EXPECT_EQ(SystemLanguage(), UiLanguage::English);
        EXPECT_EQ(ResolveLanguage(LanguageChoice::System), UiLanguage::English);
        EXPECT_EQ(ResolveLanguage(LanguageChoice::Polish), UiLanguage::Polish);
    }
    {
        LocaleVariables env(nullptr, nullptr, nullptr);
        EXPECT_EQ(SystemLanguage(), UiLanguage::Polish);
        EXPECT_EQ(ResolveLanguage(LanguageChoice::English), UiLanguage::English);
    }
    EXPECT_EQ(LanguageCode(UiLanguage::English), "en");
    EXPECT_EQ(LanguageCode(UiLanguage::Polish), "pl");
}

}  // namespace
}  // namespace tarvik
