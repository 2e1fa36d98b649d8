#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "LineReader.h"
#include "PointLine.h"

namespace tarvik {
namespace {

// Hands out the bytes in small pieces, so that lines cross the reader's refills.
class MemorySource final : public FileSource {
  public:
    MemorySource(std::string bytes, std::size_t piece) : bytes_(std::move(bytes)), piece_(piece) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        if (failAt_ && pos_ >= *failAt_) throw std::runtime_error("read failed");
        const std::size_t n = std::min({size, piece_, bytes_.size() - pos_});
        std::memcpy(buffer, bytes_.data() + pos_, n);
        pos_ += n;
        return n;
    }
    FileStamp Stamp() const override { return {0, static_cast<std::int64_t>(bytes_.size())}; }
    std::string Identity() const override { return "memory"; }
    void FailAt(std::size_t offset) { failAt_ = offset; }

  private:
    std::optional<std::size_t> failAt_;
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

TEST(LineReader, AVeryLongLineIsCutToItsStart) {
    std::string big(20 * 1024 * 1024, 'x');
    big[123456] = ' ';
    const Lines lines = AllLines(big + "\r\nnext", 1 << 20);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], big.substr(0, LineReader::Options{}.longestLine));
    EXPECT_EQ(lines[1], "next");
}

// What a reader hands out, with the counters after each line.
struct Reading {
    std::vector<std::string> lines;
    std::vector<std::uint64_t> bytes;
    std::string error;
    bool operator==(const Reading&) const = default;
};

Reading ReadAll(std::string bytes, std::size_t piece, const LineReader::Options& options,
                std::optional<std::size_t> failAt = {}) {
    auto source = std::make_unique<MemorySource>(std::move(bytes), piece);
    if (failAt) source->FailAt(*failAt);
    LineReader reader(std::move(source), options);
    Reading r;
    try {
        while (!reader.AtEnd()) {
            r.lines.emplace_back(reader.ReadLine());
            EXPECT_EQ(reader.LineNumber(), r.lines.size());
            r.bytes.push_back(reader.BytesRead());
        }
    } catch (const std::runtime_error& e) {
        r.error = e.what();
    }
    return r;
}

LineReader::Options ReadHere() {
    LineReader::Options o;
    o.readAheadFrom = std::numeric_limits<std::int64_t>::max();
    return o;
}

LineReader::Options ReadAheadTiny(std::size_t chunk, std::size_t headroom, int buffers) {
    return {0, chunk, headroom, buffers};
}

TEST(LineReaderReadAhead, GivesTheSameLinesAsReadingHere) {
    std::mt19937 random(7);
    const char alphabet[] = {'a', 'b', ' ', '\r', '\n', '\n', '\0', 26};
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const int length = std::uniform_int_distribution<>(0, 400)(random);
        for (int i = 0; i < length; ++i) {
            // The end mark is rare, so that most files are read to their end.
            int pick = std::uniform_int_distribution<>(0, 200)(random);
            bytes += pick == 0 ? alphabet[7] : alphabet[pick % 7];
        }
        if (round % 10 == 0) bytes += std::string(std::size_t(round) * 3, 'x') + "\r\n";
        const std::size_t piece = std::uniform_int_distribution<std::size_t>(1, 50)(random);
        const auto options =
            ReadAheadTiny(std::uniform_int_distribution<std::size_t>(1, 40)(random),
                          std::uniform_int_distribution<std::size_t>(0, 12)(random),
                          std::uniform_int_distribution<>(1, 3)(random));
        ASSERT_EQ(ReadAll(bytes, piece, options), ReadAll(bytes, piece, ReadHere()))
            << "round " << round;
    }
}

TEST(LineReaderReadAhead, AReadErrorArrivesAfterTheLinesBeforeIt) {
    std::string bytes;
    for (int i = 0; i < 100; ++i)
        bytes += "line " + std::to_string(i) + "\r\n";
    const Reading whole = ReadAll(bytes, 16, ReadHere());
    const Reading ahead = ReadAll(bytes, 16, ReadAheadTiny(32, 8, 2), 480);
    EXPECT_EQ(ahead.error, "read failed");
    // The lines of the chunks read before the error, each whole.
    ASSERT_GE(ahead.lines.size(), 40u);
    ASSERT_LT(ahead.lines.size(), 60u);
    EXPECT_TRUE(std::equal(ahead.lines.begin(), ahead.lines.end(), whole.lines.begin()));
}

// The numbers the second thread reads for a line are those ReadPointLine reads from it, with
// CR LF line ends, lines that are nearly point lines, and chunks of every size.
TEST(LineReaderReadAhead, PointLinesReadAheadAreReadAsThePointLineReaderReadsThem) {
    std::mt19937 random(17);
    const std::vector<std::string> pieces = {"12.5", "-0.25", "7", "3.", ".5", "+1",
                                             "1e5",  "x",     " ", "  ", "//c", "\r"};
    int known = 0;
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        for (int line = 0; line < 60; ++line) {
            const int count = std::uniform_int_distribution<>(0, 5)(random);
            for (int i = 0; i < count; ++i) {
                const bool number = std::uniform_int_distribution<>(0, 3)(random) != 0;
                bytes += number ? pieces[random() % 3] : pieces[random() % pieces.size()];
                bytes += ' ';
            }
            bytes += random() % 4 == 0 ? "\r\n" : "\n";
        }
        LineReader::Options options =
            ReadAheadTiny(std::uniform_int_distribution<std::size_t>(1, 200)(random), 64, 2);
        options.readPoints = round % 5 != 0;
        LineReader reader(std::make_unique<MemorySource>(bytes, 13), options);
        while (!reader.AtEnd()) {
            const std::string line(reader.ReadLine());
            const std::array<double, 3>* point = reader.LastLinePoint();
            if (!options.readPoints) {
                ASSERT_EQ(point, nullptr);
                continue;
            }
            if (!point) continue;
            ++known;
            std::array<double, 3> values{};
            ASSERT_TRUE(ReadPointLine(line, values)) << line;
            for (int k = 0; k < 3; ++k) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>((*point)[k]),
                          std::bit_cast<std::uint64_t>(values[k]))
                    << line;
            }
        }
    }
    EXPECT_GT(known, 1000);
}

TEST(LineReaderReadAhead, AReaderLeftEarlyStopsItsThread) {
    // The thread waits for a free buffer when the reader is destroyed.
    for (int i = 0; i < 50; ++i) {
        LineReader reader(std::make_unique<MemorySource>(std::string(100000, 'a') + "\n", 64),
                          ReadAheadTiny(128, 16, 2));
        EXPECT_FALSE(reader.AtEnd());
    }
}

}  // namespace
}  // namespace tarvik

namespace tarvik {
namespace {

LineReader::Options Longest(std::size_t longest, bool ahead) {
    LineReader::Options o = ahead ? ReadAheadTiny(7, 3, 2) : ReadHere();
    o.longestLine = longest;
    return o;
}

TEST(LineReaderLongLines, LinesUpToTheLongestAreWholeAndLongerOnesCutWhereverTheyEnd) {
    const std::string ten = "0123456789";
    // Lines of 10 bytes without their line end are whole; 11 and more are cut to 10, with or
    // without a CR, at the end of the file too; the next line and the counts are unchanged.
    const std::string bytes = ten + "\r\n" + ten + "\n" + ten + "a\r\n" + ten + "ab\n" + ten +
                              std::string(5000, '\0') + "\r\nshort\n" + ten + "abc";
    const Lines expected = {ten, ten, ten, ten, ten, "short", ten};
    for (const bool ahead : {false, true}) {
        for (const std::size_t piece : {1u, 3u, 64u, 10000u}) {
            const Reading r = ReadAll(bytes, piece, Longest(10, ahead));
            EXPECT_EQ(r.lines, expected) << ahead << " " << piece;
            EXPECT_EQ(r.bytes.back(), bytes.size());
            EXPECT_EQ(r.bytes[4], bytes.find("short"));
        }
    }
    // A cut line ends the file at the end mark as any other.
    EXPECT_EQ(ReadAll(ten + "abc\x1A\nlost", 4, Longest(10, false)).lines, Lines{ten});
    EXPECT_EQ(ReadAll(ten + "abc\x1A\nlost", 4, Longest(10, true)).lines, Lines{ten});
}

TEST(LineReaderLongLines, ReadingAheadAndHereCutAlike) {
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        const int lines = std::uniform_int_distribution<>(0, 20)(random);
        for (int i = 0; i < lines; ++i) {
            bytes.append(std::uniform_int_distribution<std::size_t>(0, 300)(random),
                         static_cast<char>('a' + i % 26));
            bytes += i % 3 == 0 ? "\r\n" : "\n";
        }
        const std::size_t piece = std::uniform_int_distribution<std::size_t>(1, 50)(random);
        const std::size_t longest = std::uniform_int_distribution<std::size_t>(1, 120)(random);
        LineReader::Options ahead =
            ReadAheadTiny(std::uniform_int_distribution<std::size_t>(1, 90)(random),
                          std::uniform_int_distribution<std::size_t>(0, 40)(random), 2);
        ahead.longestLine = longest;
        ASSERT_EQ(ReadAll(bytes, piece, ahead), ReadAll(bytes, piece, Longest(longest, false)))
            << "round " << round;
    }
}

class CountingMeter final : public ReadMeter {
  public:
    void Taken(std::uint64_t bytes) override {
        total += bytes;
        ++calls;
    }
    std::uint64_t total = 0;
    int calls = 0;
};

TEST(LineReaderLongLines, TheMeterHearsOfEveryByteAlsoWithinALongLine) {
    const std::string bytes = std::string(3 << 20, 'x') + "\nend\n";
    LineReader::Options ahead = ReadAheadTiny(4096, 16, 2);
    ahead.longestLine = 100;
    for (const LineReader::Options& options : {Longest(100, false), ahead}) {
        CountingMeter meter;
        LineReader reader(std::make_unique<MemorySource>(bytes, 1 << 16), options, &meter);
        EXPECT_EQ(reader.ReadLine().size(), 100u);
        // The long line was taken in pieces, each told before the line was handed out.
        EXPECT_GE(meter.total, 3u << 20);
        EXPECT_GE(meter.calls, 3);
        EXPECT_EQ(reader.ReadLine(), "end");
        EXPECT_TRUE(reader.AtEnd());
        EXPECT_EQ(meter.total, bytes.size());
    }
}

}  // namespace
}  // namespace tarvik
