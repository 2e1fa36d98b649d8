#include <gtest/gtest.h>

#include <string>

#include "FileSystem.h"
#include "SceneryLoader.h"
#include "TestSupport.h"
#include "Translate.h"

namespace tarvik {
namespace {

TEST(FormatTextTest, ArgumentsGoWhereTheirNumbersStand) {
    EXPECT_EQ(
        FormatText("Końce torów z %1 i z %2 mijają się o %3", {"a.inc:3", "b.inc:7", "0,4 m"}),
        "Końce torów z a.inc:3 i z b.inc:7 mijają się o 0,4 m");
    // A translation may turn the order around.
    EXPECT_EQ(FormatText("%2 then %1", {"first", "second"}), "second then first");
    EXPECT_EQ(FormatText("%1%1", {"ab"}), "abab");
    // An argument is put in as it is, even when it holds a number sign itself.
    EXPECT_EQ(FormatText("%1 i %2", {"100%2", "x"}), "100%2 i x");
    // Numbers without an argument, and other uses of %, stay as written.
    EXPECT_EQ(FormatText("%1 (%2%) %3 %0 %", {"plik", "40"}), "plik (40%) %3 %0 %");
}

std::string Marked(const char* context, const char* source) {
    return std::string(context) + ":" + source;
}

// The model's messages go through the installed translator; without one they stay Polish.
TEST(TranslateTest, TheModelsMessagesGoThroughTheInstalledTranslator) {
    test::TempDir dir;
    const std::string missing = (dir.Path() / "brak.scn").string();
    test::ScriptedDialogs polish;
    EXPECT_FALSE(CheckSceneryExists(missing, PosixFileSystem(), polish));
    ASSERT_EQ(polish.messages.size(), 1u);
    EXPECT_EQ(polish.messages[0].text, "Plik o nazwie " + missing + " nie istnieje!");
    EXPECT_EQ(polish.messages[0].caption, "Brak pliku");

    SetTranslator(Marked);
    test::ScriptedDialogs translated;
    EXPECT_FALSE(CheckSceneryExists(missing, PosixFileSystem(), translated));
    SetTranslator(nullptr);
    ASSERT_EQ(translated.messages.size(), 1u);
    EXPECT_EQ(translated.messages[0].text, "Scenery:Plik o nazwie " + missing + " nie istnieje!");
    EXPECT_EQ(translated.messages[0].caption, "Scenery:Brak pliku");
    EXPECT_EQ(Translate("Scenery", "Brak pliku"), "Brak pliku");
}

}  // namespace
}  // namespace tarvik
