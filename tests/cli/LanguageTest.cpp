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
