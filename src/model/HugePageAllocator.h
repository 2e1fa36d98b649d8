#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdlib>
#include <new>

namespace tarvik {

// For large tables that are read at random: blocks of 2 MiB and more are asked to be backed by
// huge pages, so that a lookup costs a cache miss but no page-table walk.
template <typename T>
struct HugePageAllocator {
    using value_type = T;

    HugePageAllocator() = default;
    template <typename U>
    HugePageAllocator(const HugePageAllocator<U>&) {}

    T* allocate(std::size_t n) {
        constexpr std::size_t kHuge = std::size_t{2} << 20;
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kHuge) {
            if (void* p = std::malloc(bytes)) return static_cast<T*>(p);
            throw std::bad_alloc();
        }
        const std::size_t rounded = (bytes + kHuge - 1) / kHuge * kHuge;
        void* p = std::aligned_alloc(kHuge, rounded);
        if (!p) throw std::bad_alloc();
        ::madvise(p, rounded, MADV_HUGEPAGE);
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) { std::free(p); }

    template <typename U>
    bool operator==(const HugePageAllocator<U>&) const {
        return true;
    }
};

}  // namespace tarvik
