#include "EndPointIndex.h"

#include <bit>

namespace tarvik {
namespace {

std::uint64_t Mix(std::uint64_t v) {
    v ^= v >> 33;
    v *= 0xff51afd7ed558ccdULL;
    v ^= v >> 33;
    v *= 0xc4ceb9fe1a85ec53ULL;
    v ^= v >> 33;
    return v;
}

std::uint64_t Bits(double v) {
    // -0 and 0 compare equal and must land in the same bucket.
    return std::bit_cast<std::uint64_t>(v == 0.0 ? 0.0 : v);
}

}  // namespace

std::size_t EndPointIndex::Hash(double x, double y) {
    return static_cast<std::size_t>(Mix(Bits(x) * 0x9E3779B97F4A7C15ULL ^ Mix(Bits(y))));
}

std::size_t EndPointIndex::HashOf(std::uint32_t entry) const {
    const TSegmentObj& s = pool_->At(entry >> 1);
    const SegmentEnd end = static_cast<SegmentEnd>(entry & 1);
    return Hash(PointX(s, end), PointY(s, end));
}

void EndPointIndex::Place(std::uint32_t entry) {
    std::size_t i = HashOf(entry) & mask_;
    while (entries_[i] != kEmpty)
        i = (i + 1) & mask_;
    entries_[i] = entry;
}

void EndPointIndex::Grow() {
    std::vector<std::uint32_t> old = std::move(entries_);
    entries_.assign(old.empty() ? 64 : old.size() * 2, kEmpty);
    mask_ = entries_.size() - 1;
    for (const std::uint32_t entry : old) {
        if (entry != kEmpty) Place(entry);
    }
}

void EndPointIndex::Insert(std::uint32_t slot, SegmentEnd end) {
    if ((count_ + 1) * 2 > entries_.size()) Grow();
    Place((slot << 1) | static_cast<std::uint32_t>(end));
    ++count_;
}

void EndPointIndex::Erase(std::uint32_t slot, SegmentEnd end) {
    if (count_ == 0) return;
    const std::uint32_t wanted = (slot << 1) | static_cast<std::uint32_t>(end);
    std::size_t i = HashOf(wanted) & mask_;
    while (entries_[i] != wanted) {
        if (entries_[i] == kEmpty) return;
        i = (i + 1) & mask_;
    }
    // Backward-shift deletion keeps every probe chain unbroken without tombstones.
    std::size_t hole = i;
    for (std::size_t j = (hole + 1) & mask_; entries_[j] != kEmpty; j = (j + 1) & mask_) {
        const std::size_t home = HashOf(entries_[j]) & mask_;
        // Move entry j into the hole unless its home lies cyclically in (hole, j].
        const bool homeBetween =
            hole <= j ? (home > hole && home <= j) : (home > hole || home <= j);
        if (!homeBetween) {
            entries_[hole] = entries_[j];
            hole = j;
        }
    }
    entries_[hole] = kEmpty;
    --count_;
}

void EndPointIndex::Clear() {
    entries_.clear();
    mask_ = 0;
    count_ = 0;
}

}  // namespace tarvik
