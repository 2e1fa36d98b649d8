#include "SegmentPool.h"

#include <stdexcept>

namespace tarvik {

TSegmentObj& SegmentPool::Allocate() {
    std::uint32_t slot = 0;
    if (!freeSlots_.empty()) {
        slot = freeSlots_.back();
        freeSlots_.pop_back();
    } else {
        // The end-point index keeps two flags beside a slot and two values that no entry takes.
        if (used_ >= 0x3FFFFFFFu) throw std::length_error("Too many segments");
        if ((used_ >> kChunkBits) == chunks_.size()) {
            chunks_.push_back(std::make_unique<TSegmentObj[]>(kChunkSize));
        }
        slot = used_++;
    }
    TSegmentObj& segment = At(slot);
    segment.slot_ = slot;
    return segment;
}

void SegmentPool::Release(TSegmentObj& segment) {
    const std::uint32_t slot = segment.slot_;
    segment = TSegmentObj();
    freeSlots_.push_back(slot);
}

void SegmentPool::Clear() {
    chunks_.clear();
    freeSlots_.clear();
    used_ = 0;
}

}  // namespace tarvik
