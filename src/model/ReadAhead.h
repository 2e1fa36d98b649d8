#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "FileSystem.h"

namespace tarvik {

// What a ReadAhead's thread does beside reading and finding the line feeds, work it takes off
// the reader's.
struct ReadAheadMarks {
    bool plain = false;   // marks the plain lines
    bool points = false;  // reads the point lines' numbers
};

// Reads a file on a thread of its own, a few buffers ahead of its reader, so that copying
// the file from the system and finding where it and its lines end overlap with parsing.
// Each buffer leaves room in front of its bytes for the reader to put the unfinished line of
// the buffer before, which spares copying the bytes a second time.
class ReadAhead {
  public:
    struct Chunk {
        std::vector<char> buffer;
        std::size_t size = 0;  // bytes after the headroom
        bool last = false;     // the file ends with these bytes
        // Offsets from the headroom on, ascending; with kPlainLine set when marking plain lines
        // and the line the feed ends is plain (see ReadAhead).
        std::vector<std::uint32_t> lineFeeds;
        // With reading points, the numbers of the lines whose feeds carry kPointLine, in order.
        std::vector<std::array<double, 3>> points;
    };

    // Set in a line feed's offset when the line it ends holds only bytes below '?' other than
    // '/', '"' and '(': no letter, comment, quote or parameter, which a search for a word may
    // pass over unread. Offsets stay below it.
    static constexpr std::uint32_t kPlainLine = std::uint32_t{1} << 31;
    // Set in a line feed's offset when reading points and the line it ends, wholly within the
    // chunk, is a point line as ReadPointLine reads it with its middle number; its numbers are
    // the chunk's next points. Offsets stay below it too.
    static constexpr std::uint32_t kPointLine = std::uint32_t{1} << 30;
    static constexpr std::uint32_t kOffset = kPointLine - 1;

    // Throws std::system_error when no thread can be started. With endAtMark a character 26
    // ends the file.
    ReadAhead(FileSource& source, std::size_t chunkSize, std::size_t headroom, int buffers,
              bool endAtMark = true, ReadAheadMarks marks = {});
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;

    std::size_t Headroom() const { return headroom_; }
    // Waits for the next chunk; rethrows the error of a read that failed.
    Chunk Next();
    // Gives a chunk's memory back for the chunks to come.
    void Recycle(std::vector<char> buffer, std::vector<std::uint32_t> lineFeeds,
                 std::vector<std::array<double, 3>> points);

  private:
    void Run();

    FileSource& source_;
    const std::size_t chunkSize_;
    const std::size_t headroom_;
    const bool endAtMark_;
    const ReadAheadMarks marks_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Chunk> free_;
    std::vector<Chunk> ready_;  // oldest first; few at a time
    std::exception_ptr error_;
    bool finished_ = false;  // the thread has handed out its last chunk or its error
    bool stop_ = false;
    std::thread thread_;  // last, so that it starts once everything above exists
};

}  // namespace tarvik
