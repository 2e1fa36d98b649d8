#pragma once

#include <QImage>
#include <QPoint>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace tarvik {

// The pixels the painter's one-pixel, unsmoothed, round-capped solid pen sets for one short
// piece, as offsets from the piece's first end. Learned from the painter itself, so that short
// pieces may be set pixel by pixel and still match it exactly, at a small part of its cost.
template <int N>
struct PixelStamp {
    static constexpr int kMostPixels = N;

    std::uint8_t count = 0;
    std::array<std::array<std::int8_t, 2>, kMostPixels> pixels{};
    // The extent of the offsets.
    std::int8_t left = 0, right = 0, top = 0, bottom = 0;

    // Whether the stamp at at lies inside columns [0, width) and rows [top, bottom).
    bool Fits(QPoint at, int width, int firstRow, int endRow) const {
        return at.x() + left >= 0 && at.x() + right < width && at.y() + top >= firstRow &&
               at.y() + bottom < endRow;
    }
    // Sets its pixels at at, in a picture of 32-bit pixels.
    void Set(uchar* bits, qsizetype stride, QPoint at, QRgb color) const {
        for (std::uint8_t i = 0; i < count; ++i) {
            reinterpret_cast<QRgb*>(bits + (at.y() + pixels[i][1]) *
                                               stride)[at.x() + pixels[i][0]] = color;
        }
    }
};

// The stamps of the straight lines of at most kReach pixels across and down, learned on first
// use; safe to ask from several threads.
class LineStamps {
  public:
    static constexpr int kReach = 16;
    using Stamp = PixelStamp<2 * kReach + 4>;

    static const LineStamps& Learned();

    // The stamp of the line from (0, 0) to to, or null when the line is beyond the reach or
    // the painter set pixels a stamp cannot hold.
    const Stamp* Find(QPoint to) const {
        if (to.x() < -kReach || to.x() > kReach || to.y() < -kReach || to.y() > kReach) {
            return nullptr;
        }
        const std::size_t i = static_cast<std::size_t>((to.y() + kReach) * kSide + to.x() + kReach);
        return usable_[i] ? &stamps_[i] : nullptr;
    }

  private:
    static constexpr int kSide = 2 * kReach + 1;
    LineStamps();
    std::array<Stamp, kSide * kSide> stamps_{};
    std::array<bool, kSide * kSide> usable_{};
};

// The stamps of the small cubic curves: an end at most kEndReach pixels from the first, control
// points at most kControlReach from it. There are too many to learn at once, so each is learned
// the first time it is asked for and kept for the rest of the program; several threads may ask
// at once, and one that finds a stamp being learned by another draws that curve the usual way.
class CurveStamps {
  public:
    static constexpr int kEndReach = 3;
    static constexpr int kControlReach = 2;
    using Stamp = PixelStamp<16>;

    static CurveStamps& Shared();

    // The stamp of the curve from (0, 0) through c1 and c2 to end, learning it if need be; null
    // when it is beyond the reach, being learned on another thread or not fit for a stamp.
    const Stamp* Find(QPoint c1, QPoint c2, QPoint end);

  private:
    enum State : std::uint8_t { kUnknown, kLearning, kReady, kUnfit };
    struct Entry {
        std::atomic<std::uint8_t> state{kUnknown};
        Stamp stamp;
    };
    static constexpr int kEndSide = 2 * kEndReach + 1;
    static constexpr int kControlSide = 2 * kControlReach + 1;
    static constexpr std::size_t kEntries = std::size_t{kEndSide} * kEndSide * kControlSide *
                                            kControlSide * kControlSide * kControlSide;

    CurveStamps();
    std::unique_ptr<Entry[]> entries_;
};

// Where stamps are set: a picture of 32-bit pixels, its columns [0, width) and rows
// [top, bottom) that may be set, and the colour.
struct StampTarget {
    uchar* bits = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int top = 0;
    int bottom = 0;
    QRgb color = 0;
};

// The stamps of curves beyond CurveStamps' reach, of ends and control points at most kReach
// pixels from the first end: learned as they are met and kept while there is room. A curve of
// one shape in pixels is drawn alike wherever it lies, and a view drawn again, moved, or with
// other layers or colours, meets the same shapes. When a part of the cache fills up, it is
// emptied; stamps are used only under their part's lock, so that this may happen at any time.
class CurveStampCache {
  public:
    static constexpr int kReach = 31;

    // At most mostPixels pixels of stamps are kept.
    explicit CurveStampCache(std::size_t mostPixels = std::size_t{2} << 20);

    static CurveStampCache& Shared();

    // Sets the pixels of the curve from at through at + c1 and at + c2 to at + end, learning
    // its stamp if need be, when the stamp lies wholly inside the target; false, having set
    // none, for any other curve.
    bool Set(QPoint c1, QPoint c2, QPoint end, QPoint at, const StampTarget& target);

  private:
    struct Entry {
        std::uint32_t first = 0;  // in the part's pixels
        std::uint16_t count = 0;
        bool fit = false;
        std::int8_t left = 0, right = 0, top = 0, bottom = 0;
    };
    struct Part {
        std::mutex mutex;
        std::unordered_map<std::uint64_t, Entry> entries;
        std::vector<std::array<std::int8_t, 2>> pixels;
    };
    static constexpr std::size_t kParts = 64;

    std::size_t mostPixelsPerPart_;
    std::array<Part, kParts> parts_;
};

}  // namespace tarvik
