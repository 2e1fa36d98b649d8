#pragma once

#include <bit>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "EndPointBuckets.h"
#include "SegmentPool.h"

namespace tarvik {

enum class SegmentEnd : std::uint8_t { Start = 0, End = 1 };

// What a straight piece shows at one of its ends to a piece that might continue it: the point,
// the vector from there to its other end, its speed and, in the author mode, its name and the
// height it gains towards the other end. Two pieces continue each other exactly when the key of
// one at the shared point is the other's key there turned round.
struct EndKey {
    double x = 0;
    double y = 0;
    double vx = 0;
    double vy = 0;
    double rise = 0;  // author mode only, else 0
    std::uint8_t velocity = 0;
    std::string_view name{};  // author mode only, else empty

    static EndKey Of(const TSegmentObj& s, SegmentEnd end, bool ownerMode) {
        EndKey key;
        if (end == SegmentEnd::Start) {
            key = {s.X1, s.Y1, s.X2 - s.X1, s.Y2 - s.Y1, 0, s.Velocity, {}};
            if (ownerMode) key.rise = s.Height2 - s.Height1;
        } else {
            key = {s.X2, s.Y2, s.X1 - s.X2, s.Y1 - s.Y2, 0, s.Velocity, {}};
            if (ownerMode) key.rise = s.Height1 - s.Height2;
        }
        if (ownerMode) key.name = s.Name();
        return key;
    }
    static double PointX(const TSegmentObj& s, SegmentEnd end) {
        return end == SegmentEnd::Start ? s.X1 : s.X2;
    }
    static double PointY(const TSegmentObj& s, SegmentEnd end) {
        return end == SegmentEnd::Start ? s.Y1 : s.Y2;
    }
    EndKey Reversed() const { return {x, y, -vx, -vy, -rise, velocity, name}; }
    // Doubles compare as numbers: 0 and -0 are equal, a key holding NaN equals nothing.
    bool operator==(const EndKey&) const = default;
};

// The ends of the joinable segments of one list by their keys, so that a new segment meets
// only the segments it can join, however many others lie at its end points.
//
// A bucket stands for one key and holds its newest entry, a pool slot tagged with the end. Keys
// are placed by their point, as the ends that one piece and the next share are then found in
// one cache line; the tag is the point's hash, so probing compares tags without touching the
// records and growing needs no record at all. A point holds a few keys there at most: the
// rest of a crowded point go to a second table placed by the whole key, and a marker in the
// first tells lookups at that point to look there too. Older entries of a key (the same piece
// written several times over) are chained newest first in a side table that only they fill,
// so that any entry leaves in constant time.
class EndPointIndex {
  public:
    explicit EndPointIndex(const SegmentPool& pool) : pool_(&pool) {}

    // The author mode's keys hold the name and the rise as well; set while the index is empty.
    void SetOwnerMode(bool ownerMode) { ownerMode_ = ownerMode; }

    // The entry becomes the newest of its key. A key that equals nothing is left out.
    void Insert(std::uint32_t slot, SegmentEnd end) {
        Insert(slot, end, EndKey::Of(pool_->At(slot), end, ownerMode_));
    }
    // The same with the key of that end at hand.
    void Insert(std::uint32_t slot, SegmentEnd end, const EndKey& key);
    // Must run while the record still holds the coordinates it was inserted with.
    void Erase(std::uint32_t slot, SegmentEnd end);
    void Clear();

    // Starts loading the buckets of a point that is about to be looked up.
    [[gnu::always_inline]] void Prefetch(double x, double y) const {
        points_.Prefetch(PointTag(x, y));
    }

    // Calls visit(slot, end) for the entries of the key, newest first, until visit returns true.
    template <typename Visit>
    void ForEachNewestFirst(const EndKey& key, Visit&& visit) const {
        const Bucket* b = Find(key);
        if (!b) return;
        std::uint32_t entry = b->ref & kEntryMask;
        const bool older = (b->ref & kMore) != 0;
        for (;;) {
            if (visit(entry >> 1, static_cast<SegmentEnd>(entry & 1))) return;
            if (!older) return;
            const auto it = chains_.find(entry);
            if (it == chains_.end() || it->second.older == kNone) return;
            entry = it->second.older;
        }
    }

    // Keys held, and how many of them went to the table of crowded points.
    std::size_t KeyCount() const { return points_.Count() - markers_ + crowd_.Count(); }
    std::size_t CrowdedKeyCount() const { return crowd_.Count(); }

  private:
    using Bucket = EndPointBuckets::Bucket;
    struct Chain {
        std::uint32_t older;
        std::uint32_t newer;
    };
    // Where a key is, or the empty bucket that ends the probe run where it would go.
    struct Probe {
        std::size_t at = 0;
        bool found = false;
        bool crowded = false;    // the point has keys in the second table
        std::size_t others = 0;  // other keys of the point in the first table
    };

    static constexpr std::uint32_t kMore = 0x80000000u;  // older entries of the key follow
    static constexpr std::uint32_t kEntryMask = 0x7FFFFFFFu;
    static constexpr std::uint32_t kMarker = 0xFFFFFFFEu;  // no entry: slots end below 2^30
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;
    static constexpr std::size_t kKeysAtAPoint = 8;
    static constexpr std::size_t kNowhere = ~std::size_t{0};

    static std::uint64_t Bits(double v) {
        // -0 and 0 compare equal and must give the same tag.
        return std::bit_cast<std::uint64_t>(v == 0.0 ? 0.0 : v);
    }
    // Coordinates often differ only in their high mantissa bits; the multiplications and the
    // fold bring every bit into the upper half that is kept.
    static std::uint32_t Fold(std::uint64_t h) {
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ULL;
        return static_cast<std::uint32_t>(h >> 32);
    }
    [[gnu::always_inline]] static std::uint32_t PointTag(double x, double y) {
        return Fold(Bits(x) * 0x9E3779B97F4A7C15ULL + Bits(y) * 0xC2B2AE3D27D4EB4FULL);
    }
    std::uint32_t KeyTag(const EndKey& key) const;
    bool Holds(std::uint32_t entry, const EndKey& key) const;
    // `entry`, when not kNone, is known to be of the key, which spares reading its record.
    Probe ProbePoints(const EndKey& key, std::uint32_t tag, std::uint32_t entry) const;
    Probe ProbeCrowd(const EndKey& key, std::uint32_t tag, std::uint32_t entry) const;
    // The bucket whose newest entry this is, or kNowhere.
    static std::size_t Newest(const EndPointBuckets& table, std::uint32_t tag, std::uint32_t entry);
    const Bucket* Find(const EndKey& key) const;
    void Push(Bucket& b, std::uint32_t entry);
    void Unchain(EndPointBuckets& table, std::size_t at, std::uint32_t entry);

    const SegmentPool* pool_;
    EndPointBuckets points_;  // tagged by the point
    EndPointBuckets crowd_;   // keys of crowded points, tagged by the whole key
    std::unordered_map<std::uint32_t, Chain> chains_;  // entries of keys held more than once
    std::size_t markers_ = 0;
    bool ownerMode_ = false;
};

}  // namespace tarvik
