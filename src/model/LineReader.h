#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ByteSearch.h"
#include "FileSystem.h"
#include "ReadAhead.h"

namespace tarvik {

// Told of the bytes that line readers take from their files as they take them, also within
// a long line, so that a load can report how far it has come and be stopped anywhere.
class ReadMeter {
  public:
    virtual ~ReadMeter() = default;
    // May throw to end the reading; the reader is then only fit to be destroyed.
    virtual void Taken(std::uint64_t bytes) = 0;
};

// Reads a text file line by line. Lines end at LF or CR LF; a character 26 ends the file unless
// the options say otherwise; NUL bytes are ordinary. A returned line views the reader's buffer and
// stays valid only until the next read. Each byte is looked at once, and memory does not grow with
// a line's length: a line longer than longestLine (without its line end) is handed out cut to its
// first longestLine bytes, its rest read past without being kept.
class LineReader {
  public:
    // Files from readAheadFrom bytes on are read on a second thread (see ReadAhead).
    struct Options {
        std::int64_t readAheadFrom = std::int64_t{2} << 20;
        std::size_t chunkSize = std::size_t{1} << 20;
        std::size_t headroom = std::size_t{64} << 10;
        int buffers = 3;
        // Far beyond any statement: real lines are at most a few hundred bytes, and a line of a
        // megabyte still names its statement and its first values.
        std::size_t longestLine = std::size_t{1} << 20;
        // A character 26 ends the file; without it the character is an ordinary byte.
        bool endAtMark = true;
        // Files read ahead have their plain lines marked by the second thread (see
        // LastLinePlain).
        bool markPlainLines = false;
        // Files read ahead have the numbers of their point lines read by the second thread
        // (see LastLinePoint).
        bool readPoints = false;
    };

    explicit LineReader(std::unique_ptr<FileSource> source) : LineReader(std::move(source), {}) {}
    LineReader(std::unique_ptr<FileSource> source, const Options& options,
               ReadMeter* meter = nullptr);

    bool AtEnd() { return begin_ == end_ && AtEndAfterFill(); }
    // The next line; empty once the end has been reached.
    std::string_view ReadLine() {
        longLineOut_ = false;
        plain_ = false;
        pointKnown_ = false;
        // Most lines lie whole in the buffer.
        const char* const start = buffer_.data() + begin_;
        const char* const lf = NextLineFeed(start);
        if (lf == buffer_.data() + end_) return ReadLineAcrossFill();
        ++lineNumber_;
        auto length = static_cast<std::size_t>(lf - start);
        begin_ += length + 1;
        if (length > 0 && start[length - 1] == '\r') --length;
        return {start, std::min(length, longestLine_)};
    }
    // The end of the memory that holds the line last returned: the bytes from the line's end up
    // to it may be read, so that a scan can take them in whole words, but mean nothing.
    const char* ReadableEnd() const {
        return longLineOut_ ? longLine_.data() + longLine_.size() : buffer_.data() + buffer_.size();
    }
    // Whether the line last returned is known to be plain (see ReadAhead::kPlainLine); false
    // when not known.
    bool LastLinePlain() const { return plain_; }
    // The numbers of the line last returned when it is known to be a point line as
    // ReadPointLine reads it with its middle number (see ReadAhead::kPointLine); null when not
    // known.
    const std::array<double, 3>* LastLinePoint() const { return pointKnown_ ? &point_ : nullptr; }
    // Number of the line last returned, counted from 1.
    std::uint64_t LineNumber() const { return lineNumber_; }
    const FileSource& Source() const { return *source_; }
    // Bytes of the file consumed by the lines returned so far.
    std::uint64_t BytesRead() const { return filled_ - (end_ - begin_); }

  private:
    // The first line feed from p on, or the end of the data.
    const char* NextLineFeed(const char* p) {
        if (nextFeed_ != lineFeeds_.size()) {
            const std::uint32_t feed = lineFeeds_[nextFeed_++];
            plain_ = (feed & ReadAhead::kPlainLine) != 0;
            pointKnown_ = (feed & ReadAhead::kPointLine) != 0;
            if (pointKnown_) point_ = points_[nextPoint_++];
            return buffer_.data() + feedsBase_ + (feed & ReadAhead::kOffset);
        }
        // Read ahead, the second thread has already searched the rest.
        if (feedsKnown_) return buffer_.data() + end_;
        return FindByte(p, buffer_.data() + end_, '\n');
    }
    bool Fill();
    bool FillAhead();
    bool AtEndAfterFill();
    std::string_view ReadLineAcrossFill();
    // The line from begin_ on, known to be longer than longestLine_: its first longestLine_
    // bytes are kept and the rest is read past.
    std::string_view CutLongLine();
    void Taken(std::uint64_t bytes) {
        if (meter_ && bytes > 0) meter_->Taken(bytes);
    }

    std::unique_ptr<FileSource> source_;
    std::size_t longestLine_;
    bool endAtMark_;
    ReadMeter* meter_;
    std::unique_ptr<ReadAhead> ahead_;  // null when the file is read here
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // start of unread data
    std::size_t end_ = 0;    // end of valid data
    // Read ahead, the line feeds between begin_ and end_ are known: lineFeeds_ from nextFeed_
    // on, as offsets from feedsBase_. Once they are used up the rest holds no line feed.
    std::vector<std::uint32_t> lineFeeds_;
    std::size_t nextFeed_ = 0;
    // The numbers of the point lines among them, from nextPoint_ on.
    std::vector<std::array<double, 3>> points_;
    std::size_t nextPoint_ = 0;
    std::array<double, 3> point_{};  // see LastLinePoint
    bool pointKnown_ = false;
    std::size_t feedsBase_ = 0;
    bool feedsKnown_ = false;  // the file is read ahead
    bool sourceDone_ = false;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t filled_ = 0;  // bytes taken from the source into the buffer
    std::string longLine_;      // the kept start of the last long line
    bool longLineOut_ = false;  // the line last returned is longLine_
    bool plain_ = false;        // see LastLinePlain
};

}  // namespace tarvik
