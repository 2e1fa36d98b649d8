#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "ByteSearch.h"
#include "FileSystem.h"
#include "ReadAhead.h"

namespace tarvik {

// Reads a text file line by line. Lines end at LF or CR LF; a character 26 ends the file; NUL
// bytes are ordinary. A returned line views the reader's buffer and stays valid only until
// the next read. Lines of any length are read in time linear in their length.
class LineReader {
  public:
    // Files from readAheadFrom bytes on are read on a second thread (see ReadAhead).
    struct Options {
        std::int64_t readAheadFrom = std::int64_t{2} << 20;
        std::size_t chunkSize = std::size_t{1} << 20;
        std::size_t headroom = std::size_t{64} << 10;
        int buffers = 3;
    };

    explicit LineReader(std::unique_ptr<FileSource> source) : LineReader(std::move(source), {}) {}
    LineReader(std::unique_ptr<FileSource> source, const Options& options);

    bool AtEnd() { return begin_ == end_ && AtEndAfterFill(); }
    // The next line; empty once the end has been reached.
    std::string_view ReadLine() {
        // Most lines lie whole in the buffer.
        const char* const start = buffer_.data() + begin_;
        const char* const lf = NextLineFeed(start);
        if (lf == buffer_.data() + end_) return ReadLineAcrossFill();
        ++lineNumber_;
        auto length = static_cast<std::size_t>(lf - start);
        begin_ += length + 1;
        if (length > 0 && start[length - 1] == '\r') --length;
        return {start, length};
    }
    // Number of the line last returned, counted from 1.
    std::uint64_t LineNumber() const { return lineNumber_; }
    const FileSource& Source() const { return *source_; }
    // Bytes of the file consumed by the lines returned so far.
    std::uint64_t BytesRead() const { return filled_ - (end_ - begin_); }

  private:
    // The first line feed from p on, or the end of the data.
    const char* NextLineFeed(const char* p) {
        if (nextFeed_ != lineFeeds_.size())
            return buffer_.data() + feedsBase_ + lineFeeds_[nextFeed_++];
        return FindByte(p, buffer_.data() + end_, '\n');
    }
    bool Fill();
    bool FillAhead();
    bool AtEndAfterFill();
    std::string_view ReadLineAcrossFill();

    std::unique_ptr<FileSource> source_;
    std::unique_ptr<ReadAhead> ahead_;  // null when the file is read here
    std::vector<char> buffer_;
    std::size_t begin_ = 0;  // start of unread data
    std::size_t end_ = 0;    // end of valid data
    // Read ahead, the line feeds between begin_ and end_ are known: lineFeeds_ from nextFeed_
    // on, as offsets from feedsBase_. Once they are used up the rest holds no line feed.
    std::vector<std::uint32_t> lineFeeds_;
    std::size_t nextFeed_ = 0;
    std::size_t feedsBase_ = 0;
    bool sourceDone_ = false;
    std::uint64_t lineNumber_ = 0;
    std::uint64_t filled_ = 0;  // bytes taken from the source into the buffer
};

}  // namespace tarvik
