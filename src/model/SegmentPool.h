#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Segment.h"

namespace tarvik {

inline constexpr std::uint32_t kNoSlot = 0xFFFFFFFFu;

// Owns every segment record in chunks and hands out numbered slots; freed slots are reused,
// so a load that joins many pieces does not keep the absorbed records.
class SegmentPool {
  public:
    TSegmentObj& Allocate();
    void Release(TSegmentObj& segment);
    void Clear();

    TSegmentObj& At(std::uint32_t slot) { return chunks_[slot >> kChunkBits][slot & kChunkMask]; }
    const TSegmentObj& At(std::uint32_t slot) const {
        return chunks_[slot >> kChunkBits][slot & kChunkMask];
    }

  private:
    static constexpr std::uint32_t kChunkBits = 12;
    static constexpr std::uint32_t kChunkSize = 1u << kChunkBits;
    static constexpr std::uint32_t kChunkMask = kChunkSize - 1;

    std::vector<std::unique_ptr<TSegmentObj[]>> chunks_;
    std::vector<std::uint32_t> freeSlots_;
    std::uint32_t used_ = 0;  // slots handed out from the chunks so far
};

}  // namespace tarvik
