#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "LineReader.h"

namespace tarvik {
namespace {

// Hands out the bytes in small pieces, so that lines cross the reader's refills.
class MemorySource final : public FileSource {
  public:
    MemorySource(std::string bytes, std::size_t piece) : bytes_(std::move(bytes)), piece_(piece) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, piece_, bytes_.size() - pos_});
        std::memcpy(buffer, bytes_.data() + pos_, n);
        pos_ += n;
        return n;
    }
    FileStamp Stamp() const override { return {0, static_cast<std::int64_t>(bytes_.size())}; }
    std::string Identity() const override { return "memory"; }

  private:
    std::string bytes_;
    std::size_t piece_;
    std::size_t pos_ = 0;
};

std::vector<std::string> AllLines(std::string bytes, std::size_t piece = 7) {
    LineReader reader(std::make_unique<MemorySource>(std::move(bytes), piece));
    std::vector<std::string> lines;
    while (!reader.AtEnd())
        lines.emplace_back(reader.ReadLine());
    EXPECT_EQ(reader.ReadLine(), "");
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, LinesEndAtLineFeedOrCarriageReturnLineFeed) {
    EXPECT_EQ(AllLines("a\r\nbb\nccc\r\n\r\nd"), (Lines{"a", "bb", "ccc", "", "d"}));
    EXPECT_EQ(AllLines("last\r"), (Lines{"last"}));
    EXPECT_EQ(AllLines(""), Lines{});
    EXPECT_EQ(AllLines("\n"), (Lines{""}));
}

TEST(LineReader, LoneCarriageReturnAndNulAreOrdinaryCharacters) {
    EXPECT_EQ(AllLines("a\rb\r\nc"), (Lines{"a\rb", "c"}));
    EXPECT_EQ(AllLines(std::string("x\0y\nz", 5)), (Lines{std::string("x\0y", 3), "z"}));
}

TEST(LineReader, CharacterTwentySixEndsTheFile) {
    EXPECT_EQ(AllLines("one\r\ntw\x1Ao\r\nthree\r\n"), (Lines{"one", "tw"}));
    EXPECT_EQ(AllLines("\x1A"
                       "rest"),
              Lines{});
}

TEST(LineReader, CountsLines) {
    LineReader reader(std::make_unique<MemorySource>("a\nb\nc", 2));
    reader.ReadLine();
    reader.ReadLine();
    EXPECT_EQ(reader.LineNumber(), 2u);
}

TEST(LineReader, VeryLongLineIsReadWhole) {
    std::string big(20 * 1024 * 1024, 'x');
    big[123456] = ' ';
    const Lines lines = AllLines(big + "\r\nnext", 1 << 20);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), big.size());
    EXPECT_EQ(lines[1], "next");
}

}  // namespace
}  // namespace tarvik
