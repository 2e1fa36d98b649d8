#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "HugePageAllocator.h"

namespace tarvik {

// An open-addressing table of 8-byte buckets with linear probing. A bucket's home is given by
// the top bits of its 32-bit tag, so that growing needs nothing but the buckets; what the
// reference means is up to the user.
class EndPointBuckets {
  public:
    struct Bucket {
        std::uint32_t ref;
        std::uint32_t tag;
    };
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;

    bool Empty() const { return count_ == 0; }
    std::size_t Count() const { return count_; }
    std::size_t Home(std::uint32_t tag) const { return tag >> shift_; }
    std::size_t Next(std::size_t i) const { return (i + 1) & mask_; }
    Bucket& operator[](std::size_t i) { return buckets_[i]; }
    const Bucket& operator[](std::size_t i) const { return buckets_[i]; }

    // Inlined, as a call that only prefetches may be dropped for having no effect.
    [[gnu::always_inline]] void Prefetch(std::uint32_t tag) const {
        if (!buckets_.empty()) __builtin_prefetch(&buckets_[Home(tag)]);
    }
    // Makes room for one more bucket; call before probing for the place of a new one, as
    // growing moves the buckets. Linear probing stays short up to three quarters full.
    void Reserve() {
        if ((count_ + 1) * 4 > buckets_.size() * 3) Grow();
    }
    // Fills the empty bucket i, which ends the probe run from the new bucket's home.
    void Fill(std::size_t i, Bucket bucket) {
        buckets_[i] = bucket;
        ++count_;
    }
    void RemoveAt(std::size_t i);
    void Clear();

  private:
    void Grow();

    std::vector<Bucket, HugePageAllocator<Bucket>> buckets_;
    std::size_t mask_ = 0;
    unsigned shift_ = 31;
    std::size_t count_ = 0;
};

}  // namespace tarvik
