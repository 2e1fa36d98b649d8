#pragma once

#include <cstdint>
#include <forward_list>
#include <string>

#include "SourceMap.h"

namespace tarvik {

class TSegmentObj;

// Image index of a vehicle in the launcher's tree.
enum class VehicleKind : std::uint8_t {
    DumbDriver = 0,  // driver position on a vehicle marked "dumb"
    Driver = 1,
    Other = 2,
    Passenger = 3,
};

struct TVehicleObj {
    std::string Name;  // at most 255 bytes
    VehicleKind Kind = VehicleKind::Other;
};

struct TTrainsObj {
    std::string Name;         // at most 255 bytes
    std::string Description;  // last "//$o " line of the block, without its first five characters
    // Not owned; kept valid when a later join absorbs the segment (the absorbing one takes over).
    const TSegmentObj* Track = nullptr;
    std::forward_list<TVehicleObj> Vehicles;  // newest first
    SourceLine ReadAt = kNoSourceLine;        // its "trainset" line
};

}  // namespace tarvik
