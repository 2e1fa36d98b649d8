#include "ReadAhead.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "PointLine.h"
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tarvik {
namespace {

constexpr char kEndOfFileMark = 26;

// With marked, the line feeds of plain lines are marked; lineDirty carries whether the line
// not yet ended holds a byte that is not plain, from chunk to chunk.
void FindLineFeeds(const char* data, std::size_t size, std::vector<std::uint32_t>& offsets,
                   bool marked, bool& lineDirty) {
    offsets.clear();
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf)));
        if (!marked) {
            for (; mask != 0; mask &= mask - 1)
                offsets.push_back(static_cast<std::uint32_t>(i) +
                                  static_cast<std::uint32_t>(std::countr_zero(mask)));
            continue;
        }
        const auto is = [bytes](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
        const __m128i high = _mm_cmpeq_epi8(_mm_max_epu8(bytes, _mm_set1_epi8(0x3F)), bytes);
        auto dirty = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_or_si128(_mm_or_si128(high, is('/')), _mm_or_si128(is('"'), is('(')))));
        for (; mask != 0; mask &= mask - 1) {
            const unsigned at = static_cast<unsigned>(std::countr_zero(mask));
            const unsigned before = (1u << at) - 1;
            const bool plain = !lineDirty && (dirty & before) == 0;
            offsets.push_back(static_cast<std::uint32_t>(i + at) |
                              (plain ? ReadAhead::kPlainLine : 0));
            // The next line starts after this feed.
            dirty &= ~(before | (1u << at));
            lineDirty = false;
        }
        if (dirty != 0) lineDirty = true;
    }
#endif
    for (; i < size; ++i) {
        const char c = data[i];
        if (c == '\n') {
            offsets.push_back(static_cast<std::uint32_t>(i) |
                              (marked && !lineDirty ? ReadAhead::kPlainLine : 0));
            lineDirty = false;
        } else if (static_cast<unsigned char>(c) >= 0x3F || c == '/' || c == '"' || c == '(') {
            lineDirty = true;
        }
    }
}

// The numbers of the point lines that lie wholly in the chunk; the first line feed ends a
// line that may have begun in the chunk before.
void ReadPoints(const char* data, std::vector<std::uint32_t>& offsets,
                std::vector<std::array<double, 3>>& points) {
    // Point lines are short; longer ones are left to the reader.
    constexpr std::size_t kLongest = 256;
    points.clear();
    for (std::size_t k = 1; k < offsets.size(); ++k) {
        const std::size_t start = (offsets[k - 1] & ReadAhead::kOffset) + 1;
        std::size_t end = offsets[k] & ReadAhead::kOffset;
        if (end - start > kLongest) continue;
        if (end > start && data[end - 1] == '\r') --end;
        if (end == start) continue;
        const char first = data[start];
        if (first != '-' && first != ' ' && static_cast<unsigned char>(first - '0') >= 10) continue;
        std::array<double, 3> values{};
        if (!ReadPointLine(std::string_view(data + start, end - start), values)) continue;
        points.push_back(values);
        offsets[k] |= ReadAhead::kPointLine;
    }
}

}  // namespace

ReadAhead::ReadAhead(FileSource& source, std::size_t chunkSize, std::size_t headroom, int buffers,
                     bool endAtMark, ReadAheadMarks marks)
    : source_(source),
      // Line feeds are kept as 30-bit offsets.
      chunkSize_(std::clamp<std::size_t>(chunkSize, 1, ReadAhead::kOffset)),
      headroom_(headroom),
      endAtMark_(endAtMark),
      marks_(marks) {
    // The reader holds one buffer while it reads it, so a second one must be there to fill.
    for (int i = 0; i < std::max(buffers, 2); ++i)
        free_.emplace_back();
    thread_ = std::thread([this] { Run(); });
}

ReadAhead::~ReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

ReadAhead::Chunk ReadAhead::Next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
    if (ready_.empty()) {
        if (error_) std::rethrow_exception(error_);
        return Chunk{{}, 0, true, {}, {}};
    }
    Chunk chunk = std::move(ready_.front());
    ready_.erase(ready_.begin());
    return chunk;
}

void ReadAhead::Recycle(std::vector<char> buffer, std::vector<std::uint32_t> lineFeeds,
                        std::vector<std::array<double, 3>> points) {
    {
        const std::lock_guard lock(mutex_);
        free_.push_back(
            Chunk{std::move(buffer), 0, false, std::move(lineFeeds), std::move(points)});
    }
    changed_.notify_all();
}

void ReadAhead::Run() {
    // The file's first line starts clean; the BOM or anything else makes it dirty.
    bool lineDirty = false;
    for (;;) {
        Chunk chunk;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stop_ || !free_.empty(); });
            if (stop_) return;
            chunk = std::move(free_.back());
            free_.pop_back();
        }
        try {
            chunk.buffer.resize(headroom_ + chunkSize_);
            char* const data = chunk.buffer.data() + headroom_;
            while (chunk.size < chunkSize_) {
                const std::size_t n = source_.Read(data + chunk.size, chunkSize_ - chunk.size);
                if (n == 0) {
                    chunk.last = true;
                    break;
                }
                const void* mark =
                    endAtMark_ ? std::memchr(data + chunk.size, kEndOfFileMark, n) : nullptr;
                if (mark) {
                    chunk.size = static_cast<std::size_t>(static_cast<const char*>(mark) - data);
                    chunk.last = true;
                    break;
                }
                chunk.size += n;
            }
            FindLineFeeds(data, chunk.size, chunk.lineFeeds, marks_.plain, lineDirty);
            if (marks_.points) ReadPoints(data, chunk.lineFeeds, chunk.points);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            error_ = std::current_exception();
            finished_ = true;
            changed_.notify_all();
            return;
        }
        const bool last = chunk.last;
        {
            const std::lock_guard lock(mutex_);
            ready_.push_back(std::move(chunk));
            finished_ = last;
        }
        changed_.notify_all();
        if (last) return;
    }
}

}  // namespace tarvik
