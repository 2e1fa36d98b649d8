#include "EndPointIndex.h"

#include <bit>

namespace tarvik {
namespace {

std::uint64_t Bits(double v) {
    // -0 and 0 compare equal and must land in the same bucket.
    return std::bit_cast<std::uint64_t>(v == 0.0 ? 0.0 : v);
}

}  // namespace

std::uint32_t EndPointIndex::Hash(double x, double y) {
    // Coordinates often differ only in their high mantissa bits; the multiplications and the
    // fold bring every bit of both into the upper half that is kept.
    std::uint64_t h = Bits(x) * 0x9E3779B97F4A7C15ULL + Bits(y) * 0xC2B2AE3D27D4EB4FULL;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ULL;
    return static_cast<std::uint32_t>(h >> 32);
}

std::uint32_t EndPointIndex::HashOf(std::uint32_t entry) const {
    const TSegmentObj& s = pool_->At(entry >> 1);
    const SegmentEnd end = static_cast<SegmentEnd>(entry & 1);
    return Hash(PointX(s, end), PointY(s, end));
}

void EndPointIndex::Place(Bucket bucket) {
    std::size_t i = bucket.hash & mask_;
    while (buckets_[i].entry != kEmpty)
        i = (i + 1) & mask_;
    buckets_[i] = bucket;
}

void EndPointIndex::Grow() {
    auto old = std::move(buckets_);
    buckets_.assign(old.empty() ? 4096 : old.size() * 2, Bucket{kEmpty, 0});
    mask_ = buckets_.size() - 1;
    for (const Bucket& b : old) {
        if (b.entry != kEmpty) Place(b);
    }
}

void EndPointIndex::Insert(std::uint32_t slot, SegmentEnd end) {
    // Linear probing stays short up to three quarters full.
    if ((count_ + 1) * 4 > buckets_.size() * 3) Grow();
    const std::uint32_t entry = (slot << 1) | static_cast<std::uint32_t>(end);
    Place(Bucket{entry, HashOf(entry)});
    ++count_;
}

void EndPointIndex::Erase(std::uint32_t slot, SegmentEnd end) {
    if (count_ == 0) return;
    const std::uint32_t wanted = (slot << 1) | static_cast<std::uint32_t>(end);
    std::size_t i = HashOf(wanted) & mask_;
    while (buckets_[i].entry != wanted) {
        if (buckets_[i].entry == kEmpty) return;
        i = (i + 1) & mask_;
    }
    // Backward-shift deletion keeps every probe chain unbroken without tombstones.
    std::size_t hole = i;
    for (std::size_t j = (hole + 1) & mask_; buckets_[j].entry != kEmpty; j = (j + 1) & mask_) {
        const std::size_t home = buckets_[j].hash & mask_;
        // Move bucket j into the hole unless its home lies cyclically in (hole, j].
        const bool homeBetween =
            hole <= j ? (home > hole && home <= j) : (home > hole || home <= j);
        if (!homeBetween) {
            buckets_[hole] = buckets_[j];
            hole = j;
        }
    }
    buckets_[hole] = Bucket{kEmpty, 0};
    --count_;
}

void EndPointIndex::Clear() {
    buckets_.clear();
    buckets_.shrink_to_fit();
    mask_ = 0;
    count_ = 0;
}

}  // namespace tarvik
