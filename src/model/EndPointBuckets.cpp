#include "EndPointBuckets.h"

#include <bit>

namespace tarvik {

void EndPointBuckets::Grow() {
    auto old = std::move(buckets_);
    buckets_.assign(old.empty() ? 4096 : old.size() * 2, Bucket{kEmpty, 0});
    mask_ = buckets_.size() - 1;
    shift_ = 32 - static_cast<unsigned>(std::countr_zero(buckets_.size()));
    for (const Bucket& b : old) {
        if (b.ref == kEmpty) continue;
        std::size_t i = Home(b.tag);
        while (buckets_[i].ref != kEmpty)
            i = Next(i);
        buckets_[i] = b;
    }
}

void EndPointBuckets::RemoveAt(std::size_t i) {
    // Backward-shift deletion keeps every probe run unbroken without tombstones.
    std::size_t hole = i;
    for (std::size_t j = Next(hole); buckets_[j].ref != kEmpty; j = Next(j)) {
        const std::size_t home = Home(buckets_[j].tag);
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

void EndPointBuckets::Clear() {
    buckets_.clear();
    buckets_.shrink_to_fit();
    mask_ = 0;
    shift_ = 31;
    count_ = 0;
}

}  // namespace tarvik
