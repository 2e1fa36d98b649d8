#pragma once

#include <cstdint>
#include <vector>

#include "HugePageAllocator.h"
#include "SegmentPool.h"

namespace tarvik {

enum class SegmentEnd : std::uint8_t { Start = 0, End = 1 };

// The end points of the joinable segments of one list, so that a new segment finds the
// segments it touches without walking the list. A bucket holds a pool slot tagged with the
// end and the 32-bit hash of the point: probing compares hashes without touching the records,
// and growing needs no record at all. Keys are compared exactly, as doubles, so 0 and -0 meet.
class EndPointIndex {
  public:
    explicit EndPointIndex(const SegmentPool& pool) : pool_(&pool) {}

    void Insert(std::uint32_t slot, SegmentEnd end);
    // Must run while the record still holds the coordinates it was inserted with.
    void Erase(std::uint32_t slot, SegmentEnd end);
    void Clear();

    // Starts loading the bucket of a point that is about to be looked up.
    void Prefetch(double x, double y) const {
        if (count_ != 0) __builtin_prefetch(&buckets_[Hash(x, y) & mask_]);
    }

    // Calls visit(slot, end) for every entry whose point equals (x, y).
    template <typename Visit>
    void ForEachAt(double x, double y, Visit&& visit) const {
        if (count_ == 0) return;
        const std::uint32_t hash = Hash(x, y);
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            const Bucket& b = buckets_[i];
            if (b.entry == kEmpty) return;
            if (b.hash != hash) continue;
            const std::uint32_t slot = b.entry >> 1;
            const SegmentEnd end = static_cast<SegmentEnd>(b.entry & 1);
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
    struct Bucket {
        std::uint32_t entry;
        std::uint32_t hash;
    };
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

    static std::uint32_t Hash(double x, double y);
    std::uint32_t HashOf(std::uint32_t entry) const;
    void Grow();
    void Place(Bucket bucket);

    const SegmentPool* pool_;
    std::vector<Bucket, HugePageAllocator<Bucket>> buckets_;
    std::size_t mask_ = 0;
    std::size_t count_ = 0;
};

}  // namespace tarvik
