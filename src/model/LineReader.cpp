#include "LineReader.h"

#include <algorithm>
#include <cstring>
#include <system_error>

#include "ByteSearch.h"

namespace tarvik {
namespace {

constexpr std::size_t kMaxInitialBuffer = std::size_t{1} << 20;
constexpr std::size_t kMinBuffer = 256;
constexpr char kEndOfFileMark = 26;

}  // namespace

LineReader::LineReader(std::unique_ptr<FileSource> source, const Options& options, ReadMeter* meter)
    : source_(std::move(source)),
      longestLine_(options.longestLine),
      endAtMark_(options.endAtMark),
      meter_(meter) {
    const std::int64_t stamped = source_->Stamp().size;
    if (stamped >= options.readAheadFrom) {
        try {
            ahead_ = std::make_unique<ReadAhead>(
                *source_, options.chunkSize, options.headroom, options.buffers, options.endAtMark,
                ReadAheadMarks{.plain = options.markPlainLines, .points = options.readPoints});
            feedsKnown_ = true;
            return;
        } catch (const std::system_error&) {
            // Without a thread to spare the file is read here, only slower.
        }
    }
    // One byte more than the file lets a small file be read to its end, and its descriptor
    // closed, by the first fill.
    const auto size = static_cast<std::uint64_t>(std::max<std::int64_t>(stamped, 0));
    buffer_.resize(static_cast<std::size_t>(
        std::clamp<std::uint64_t>(size + 1, kMinBuffer, kMaxInitialBuffer)));
}

bool LineReader::Fill() {
    if (sourceDone_) return false;
    if (ahead_) return FillAhead();
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    const std::size_t before = end_;
    bool added = false;
    while (end_ < buffer_.size()) {
        const std::size_t n = source_->Read(buffer_.data() + end_, buffer_.size() - end_);
        if (n == 0) {
            sourceDone_ = true;
            break;
        }
        const char* mark =
            endAtMark_
                ? static_cast<const char*>(std::memchr(buffer_.data() + end_, kEndOfFileMark, n))
                : nullptr;
        if (mark) {
            end_ = static_cast<std::size_t>(mark - buffer_.data());
            sourceDone_ = true;
            added = true;
            break;
        }
        end_ += n;
        added = true;
    }
    filled_ += end_ - before;
    Taken(end_ - before);
    return added;
}

bool LineReader::FillAhead() {
    ReadAhead::Chunk chunk = ahead_->Next();
    const std::size_t headroom = ahead_->Headroom();
    const std::size_t leftover = end_ - begin_;
    if (chunk.size > 0 && leftover <= headroom) {
        // The unfinished line goes in front of the new bytes, in the new buffer.
        char* const front = chunk.buffer.data() + headroom - leftover;
        if (leftover > 0) std::memcpy(front, buffer_.data() + begin_, leftover);
        std::swap(buffer_, chunk.buffer);
        begin_ = headroom - leftover;
        end_ = headroom + chunk.size;
        feedsBase_ = headroom;
    } else if (chunk.size > 0) {
        // A line longer than the headroom grows in a buffer of its own.
        std::memmove(buffer_.data(), buffer_.data() + begin_, leftover);
        begin_ = 0;
        end_ = leftover;
        buffer_.resize(end_ + chunk.size);
        std::memcpy(buffer_.data() + end_, chunk.buffer.data() + headroom, chunk.size);
        feedsBase_ = end_;
        end_ += chunk.size;
    }
    if (chunk.size > 0) {
        std::swap(lineFeeds_, chunk.lineFeeds);
        nextFeed_ = 0;
        std::swap(points_, chunk.points);
        nextPoint_ = 0;
    }
    filled_ += chunk.size;
    if (chunk.last) {
        sourceDone_ = true;
        ahead_.reset();
    } else if (chunk.buffer.capacity() > 0) {
        // The reader's first buffer is the empty one it started with; it goes.
        ahead_->Recycle(std::move(chunk.buffer), std::move(chunk.lineFeeds),
                        std::move(chunk.points));
    }
    Taken(chunk.size);
    return chunk.size > 0;
}

bool LineReader::AtEndAfterFill() {
    while (begin_ == end_) {
        if (!Fill() && begin_ == end_) return true;
    }
    return false;
}

std::string_view LineReader::ReadLineAcrossFill() {
    if (AtEnd()) return {};
    ++lineNumber_;
    // Bytes after begin_ known to hold no line feed, so that a long line is searched once.
    std::size_t scanned = 0;
    for (;;) {
        const std::size_t available = end_ - begin_;
        const char* start = buffer_.data() + begin_;
        const char* const lf = NextLineFeed(start + scanned);
        if (lf != start + available) {
            std::size_t length = static_cast<std::size_t>(lf - start);
            begin_ += length + 1;
            if (length > 0 && start[length - 1] == '\r') --length;
            return {start, std::min(length, longestLine_)};
        }
        scanned = available;
        // Without its CR the line is still too long.
        if (available > longestLine_ + 1) return CutLongLine();
        if (!Fill()) {
            // The last line has no line feed.
            start = buffer_.data() + begin_;
            std::size_t length = end_ - begin_;
            begin_ = end_;
            if (length > 0 && start[length - 1] == '\r') --length;
            return {start, std::min(length, longestLine_)};
        }
    }
}

std::string_view LineReader::CutLongLine() {
    longLine_.assign(buffer_.data() + begin_, longestLine_);
    longLineOut_ = true;
    // Everything in the buffer has been searched: the line goes on past it.
    begin_ = end_;
    while (Fill()) {
        const char* const lf = NextLineFeed(buffer_.data() + begin_);
        if (lf != buffer_.data() + end_) {
            begin_ = static_cast<std::size_t>(lf - buffer_.data()) + 1;
            break;
        }
        begin_ = end_;
    }
    return longLine_;
}

}  // namespace tarvik
