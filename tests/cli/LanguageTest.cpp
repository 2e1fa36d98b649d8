#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "TestSupport.h"

namespace {

// The tool's standard output and error for the arguments, run with only LANG of the locale
// variables set.
std::string RunTool(const std::string& lang, const std::string& arguments,
                    const std::string& program = TARVIK_CLI_BINARY) {
    const std::string command =
        "env -u LC_ALL -u LC_MESSAGES LANG=" + lang + " " + program + " " + arguments + " 2>&1";
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    ::pclose(pipe);
    return out;
}

TEST(CliLanguageTest, HelpAndMessagesFollowTheLocale) {
    const std::string english = RunTool("en_US.UTF-8", "--help");
    EXPECT_EQ(
        english.rfind(
            "usage: tarvik COMMAND [ARGS]\n       tarvik --help | --version\n\ncommands:\n", 0),
        0u)
        << english;
    EXPECT_NE(english.find("      load a scenery and print its model as JSON\n"),
              std::string::npos);
    for (const char* polish : {"pl_PL.UTF-8", "C"}) {
        const std::string help = RunTool(polish, "--help");
        EXPECT_EQ(help.rfind("użycie: tarvik POLECENIE [ARGUMENTY]\n       tarvik --help | "
                             "--version\n\npolecenia:\n",
                             0),
                  0u)
            << polish << "\n"
            << help;
        EXPECT_NE(help.find("      wczytuje scenerię i wypisuje jej model jako JSON\n"),
                  std::string::npos);
    }

    EXPECT_EQ(RunTool("en_GB.UTF-8", "dump /nonexistent/x.scn"),
              "File missing: The file /nonexistent/x.scn does not exist!\n");
    EXPECT_EQ(RunTool("pl_PL.UTF-8", "dump /nonexistent/x.scn"),
              "Brak pliku: Plik o nazwie /nonexistent/x.scn nie istnieje!\n");
    EXPECT_EQ(RunTool("en_US.UTF-8", "frobnicate")
                  .rfind("tarvik: unknown command 'frobnicate'\n"
                         "usage: tarvik COMMAND",
                         0),
              0u);
    EXPECT_EQ(RunTool("C", "frobnicate").rfind("tarvik: nieznane polecenie 'frobnicate'\n", 0), 0u);
}

// Wrong usage is told, usage line included, in the language of the locale.
TEST(CliLanguageTest, WrongUsageFollowsTheLocale) {
    for (const char* polish : {"pl_PL.UTF-8", "C"}) {
        EXPECT_EQ(RunTool(polish, "locate x.scn 1 --radius -1"),
                  "tarvik locate: --radius przyjmuje liczbę metrów, 0 lub więcej\n"
                  "użycie: tarvik locate SCENERIA X Z [--radius M] [--layers LISTA] [--author] "
                  "[--precision 1..10]\n"
                  "       [--on-parse-error ignore|abort] [--reader classic|simulator]\n"
                  "  X Z: punkt w osiach scenerii; LISTA: rozdzielone przecinkami spośród\n"
                  "  tracks,roads,rivers,traction\n")
            << polish;
        EXPECT_EQ(RunTool(polish, "render x.scn"),
                  "tarvik render: nie podano pliku wyjściowego (-o PLIK)\n"
                  "użycie: tarvik render SCENERIA [--author] [--precision 1..10] "
                  "[--on-parse-error ignore|abort]\n"
                  "       [--reader classic|simulator] -o PLIK [--size SZERxWYS] "
                  "[--map velocity|height|gradient|plain] [--layers LISTA]\n"
                  "       [--signs LISTA] [--overlays LISTA] [--no-overlays] [--transparent] "
                  "[--white]\n"
                  "       [--view MINX,MINY,MAXX,MAXY] [--settings PLIK]\n"
                  "  LISTA: rozdzielone przecinkami; warstwy spośród "
                  "tracks,roads,rivers,traction;\n"
                  "  znaki spośród speed,gradient; nakładki spośród legend,minimap\n")
            << polish;
    }
    EXPECT_EQ(RunTool("en_US.UTF-8", "locate x.scn 1 --radius -1"),
              "tarvik locate: --radius takes a number of metres, 0 or more\n"
              "usage: tarvik locate SCENERY X Z [--radius M] [--layers LIST] [--author] "
              "[--precision 1..10]\n"
              "       [--on-parse-error ignore|abort] [--reader classic|simulator]\n"
              "  X Z: a point in the scenery's own axes; LIST: comma-separated from\n"
              "  tracks,roads,rivers,traction\n");
    EXPECT_EQ(RunTool("en_GB.UTF-8", "render x.scn"),
              "tarvik render: no output file given (-o FILE)\n"
              "usage: tarvik render SCENERY [--author] [--precision 1..10] "
              "[--on-parse-error ignore|abort]\n"
              "       [--reader classic|simulator] -o FILE [--size WxH] "
              "[--map velocity|height|gradient|plain] [--layers LIST]\n"
              "       [--signs LIST] [--overlays LIST] [--no-overlays] [--transparent] "
              "[--white]\n"
              "       [--view MINX,MINY,MAXX,MAXY] [--settings FILE]\n"
              "  LIST: comma-separated; layers from tracks,roads,rivers,traction; signs from\n"
              "  speed,gradient; overlays from legend,minimap\n");
    EXPECT_EQ(RunTool("en_US.UTF-8", "check x.scn --gap"),
              "tarvik check: --gap needs a value\n"
              "usage: tarvik check SCENERY [--author] [--precision 1..10] [--gap METRES] "
              "[--json]\n"
              "       [--reader classic|simulator]\n");
    EXPECT_EQ(RunTool("C", "stats --what"),
              "tarvik stats: nieznana opcja --what\n"
              "użycie: tarvik stats SCENERIA [--author] [--precision 1..10] "
              "[--on-parse-error ignore|abort]\n"
              "       [--reader classic|simulator]\n");
}

// A copy of the tool with no translations beside it speaks Polish.
TEST(CliLanguageTest, WithoutItsTranslationEnglishFallsBackToPolish) {
    tarvik::test::TempDir dir;
    std::filesystem::create_directory(dir.Path() / "bin");
    const std::filesystem::path copy = dir.Path() / "bin" / "tarvik";
    std::filesystem::copy_file(TARVIK_CLI_BINARY, copy);
    EXPECT_EQ(RunTool("en_US.UTF-8", "--help", copy.string()).rfind("użycie: tarvik POLECENIE", 0),
              0u);
}

}  // namespace
