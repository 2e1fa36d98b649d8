#pragma once

#include <cstdint>

namespace tarvik {

// Bounds of one load against inputs that no real scenery comes near, such as files that
// include each other over and over. A load that would pass one ends with an error that names
// it, keeping what was read.
struct LoadLimits {
    // Files read, an include file counted each time it is read. A real line's scenery part of
    // 1.7 MB has 3,305 include lines, about 1,900 a megabyte: at that rate this many files make
    // a scenery of about 1 GB, beyond the 750 MB the loader is measured with.
    std::uint64_t files = 2'000'000;
    // Segments stored at once; see SegmentsMemoryHolds.
    std::uint64_t segments = SegmentsMemoryHolds();

    // The segments that half of this computer's memory holds at a generous 256 bytes each
    // (a straight piece takes about 120, a curve or a named piece with events more).
    static std::uint64_t SegmentsMemoryHolds();
};

}  // namespace tarvik
