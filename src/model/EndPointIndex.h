#pragma once

#include <cstdint>
#include <vector>

#include "SegmentPool.h"

namespace tarvik {

enum class SegmentEnd : std::uint8_t { Start = 0, End = 1 };

// The end points of the joinable segments of one list, so that a new segment finds the
// segments it touches without walking the list. Entries are pool slots tagged with the end;
// the coordinates are read from the records, which keeps an entry at four bytes. Keys are
// compared exactly, as doubles, so 0 and -0 meet.
class EndPointIndex {
  public:
    explicit EndPointIndex(const SegmentPool& pool) : pool_(&pool) {}

    void Insert(std::uint32_t slot, SegmentEnd end);
    // Must run while the record still holds the coordinates it was inserted with.
    void Erase(std::uint32_t slot, SegmentEnd end);
    void Clear();

    // Calls visit(slot, end) for every entry whose point equals (x, y).
    template <typename Visit>
    void ForEachAt(double x, double y, Visit&& visit) const {
        if (count_ == 0) return;
        for (std::size_t i = Hash(x, y) & mask_;; i = (i + 1) & mask_) {
            const std::uint32_t entry = entries_[i];
            if (entry == kEmpty) return;
            const std::uint32_t slot = entry >> 1;
            const SegmentEnd end = static_cast<SegmentEnd>(entry & 1);
            const TSegmentObj& s = pool_->At(slot);
            if (PointX(s, end) == x && PointY(s, end) == y) visit(slot, end);
        }
    }

    static double PointX(const TSegmentObj& s, SegmentEnd end) {
        return end == SegmentEnd::Start ? s.X1 : s.X2;
    }
    static double PointY(const TSegmentObj& s, SegmentEnd end) {
        return end == SegmentEnd::Start ? s.Y1 : s.Y2;
    }

  private:
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

    static std::size_t Hash(double x, double y);
    std::size_t HashOf(std::uint32_t entry) const;
    void Grow();
    void Place(std::uint32_t entry);

    const SegmentPool* pool_;
    std::vector<std::uint32_t> entries_;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

}  // namespace tarvik
