#include "LoadLimits.h"

#include <unistd.h>

namespace tarvik {

std::uint64_t LoadLimits::SegmentsMemoryHolds() {
    constexpr std::uint64_t kBytesPerSegment = 256;
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    // A system that does not tell is taken for one of 8 GiB.
    const std::uint64_t memory =
        pages > 0 && pageSize > 0
            ? static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize)
            : std::uint64_t{8} << 30;
    return memory / 2 / kBytesPerSegment;
}

}  // namespace tarvik
