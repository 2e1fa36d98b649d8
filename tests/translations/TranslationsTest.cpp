#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

struct Message {
    std::string translation;
    bool finished = false;
};
// Context and source text, as the .ts file names a message.
using Key = std::pair<std::string, std::string>;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Between(const std::string& text, const std::string& open, const std::string& close,
                    std::size_t from = 0) {
    const std::size_t start = text.find(open, from);
    if (start == std::string::npos) return {};
    const std::size_t end = text.find(close, start + open.size());
    return text.substr(start + open.size(), end - start - open.size());
}

// The XML of a .ts text: entities, and carriage returns written as bytes.
std::string Decoded(std::string text) {
    const std::pair<const char*, const char*> entities[] = {{"<byte value=\"xd\"/>", "\r"},
                                                            {"&lt;", "<"},
                                                            {"&gt;", ">"},
                                                            {"&quot;", "\""},
                                                            {"&apos;", "'"},
                                                            {"&amp;", "&"}};
    for (const auto& [from, to] : entities) {
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + std::char_traits<char>::length(to))) {
            text.replace(at, std::char_traits<char>::length(from), to);
        }
    }
    return text;
}

std::map<Key, Message> ReadTs(const fs::path& path) {
    const std::string ts = ReadFile(path);
    std::map<Key, Message> messages;
    for (std::size_t c = ts.find("<context>"); c != std::string::npos;
         c = ts.find("<context>", c + 1)) {
        const std::size_t end = ts.find("</context>", c);
        const std::string context = ts.substr(c, end - c);
        const std::string name = Between(context, "<name>", "</name>");
        for (std::size_t m = context.find("<message>"); m != std::string::npos;
             m = context.find("<message>", m + 1)) {
            const std::string message = Between(context, "<message>", "</message>", m);
            Message parsed;
            const std::size_t t = message.find("<translation");
            const std::size_t open = message.find('>', t);
            const std::string attributes = message.substr(t, open - t);
            parsed.finished = attributes.find("type=") == std::string::npos;
            if (message[open - 1] != '/') {
                parsed.translation = Decoded(Between(message, ">", "</translation>", t));
            }
            messages[{name, Decoded(Between(message, "<source>", "</source>"))}] = parsed;
        }
    }
    return messages;
}

std::multiset<std::string> Placeholders(const std::string& text) {
    std::multiset<std::string> found;
    static const std::regex number("%[1-9]");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number);
         it != std::sregex_iterator(); ++it)
        found.insert(it->str());
    return found;
}

// The line up to a comment; a comment's quotes are not texts of the program.
std::string WithoutComment(const std::string& line) {
    bool inString = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (inString && line[i] == '\\') {
            ++i;
        } else if (!inString && line[i] == '\'') {
            // A character: '"' opens no string.
            i = std::min(line.find('\'', i + (line.compare(i, 2, "'\\") == 0 ? 3 : 2)),
                         line.size());
        } else if (line[i] == '"') {
            inString = !inString;
        } else if (!inString && line.compare(i, 2, "//") == 0) {
            return line.substr(0, i);
        }
    }
    return line;
}

// The program's texts as the source tools collect them now, from every source file.
class TranslationsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::string(TARVIK_LUPDATE).empty()) GTEST_SKIP() << "lupdate is not installed";
        const fs::path collected = dir.Path() / "collected.ts";
        const std::string command =
            std::string(TARVIK_LUPDATE) +
            " -silent -locations none"
            " -tr-function-alias translate+=Tr,translate+=Translate,"
            "QT_TRANSLATE_NOOP+=TARVIK_TRANSLATE_NOOP -recursive " TARVIK_SOURCE_DIR "/src -ts " +
            collected.string();
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        texts = ReadTs(collected);
        ASSERT_GT(texts.size(), 300u);
    }

    tarvik::test::TempDir dir;
    std::map<Key, Message> texts;
};

// A text added to the program fails here until the English file translates it.
TEST_F(TranslationsTest, EveryTextHasAFinishedEnglishTranslation) {
    const std::map<Key, Message> english = ReadTs(TARVIK_SOURCE_DIR "/translations/tarvik_en.ts");
    for (const auto& [key, unused] : texts) {
        const auto found = english.find(key);
        ASSERT_NE(found, english.end())
            << "not in tarvik_en.ts: " << key.first << ": " << key.second;
        EXPECT_TRUE(found->second.finished) << key.second;
        EXPECT_FALSE(found->second.translation.empty()) << key.second;
        EXPECT_EQ(Placeholders(found->second.translation), Placeholders(key.second)) << key.second;
    }
}

// A string literal with Polish letters is a text for the user, so it must be one that the
// source tools collect: a piece of a translated text, not one written past the translation.
TEST_F(TranslationsTest, NoPolishTextIsLeftOutsideTheTranslations) {
    std::vector<std::string> sources;
    for (const auto& [key, unused] : texts)
        sources.push_back(key.second);
    static const std::regex literal(R"re("((?:[^"\\]|\\.)*)")re");
    static const std::regex polish("ą|ć|ę|ł|ń|ó|ś|ź|ż|Ą|Ć|Ę|Ł|Ń|Ó|Ś|Ź|Ż");
    for (const auto& entry : fs::recursive_directory_iterator(TARVIK_SOURCE_DIR "/src")) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h") continue;
        std::istringstream lines(ReadFile(entry.path()));
        std::string line;
        for (int number = 1; std::getline(lines, line); ++number) {
            line = WithoutComment(line);
            for (auto it = std::sregex_iterator(line.begin(), line.end(), literal);
                 it != std::sregex_iterator(); ++it) {
                std::string text = (*it)[1].str();
                if (!std::regex_search(text, polish)) continue;
                for (const auto& [escape, byte] :
                     {std::pair{"\\r", "\r"}, {"\\n", "\n"}, {"\\\"", "\""}, {"\\\\", "\\"}}) {
                    for (std::size_t at = text.find(escape); at != std::string::npos;
                         at = text.find(escape, at + 1))
                        text.replace(at, 2, byte);
                }
                const bool collected = std::any_of(
                    sources.begin(), sources.end(),
                    [&](const std::string& s) { return s.find(text) != std::string::npos; });
                EXPECT_TRUE(collected) << entry.path().string() << ":" << number << ": " << text;
            }
        }
    }
}

}  // namespace
