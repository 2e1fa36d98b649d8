#pragma once

#include <array>
#include <vector>

#include "Scenery.h"
#include "SegmentGeometry.h"
#include "WorkMode.h"

namespace tarvik {

struct SegmentHit {
    SegmentKind kind = SegmentKind::Track;
    const TSegmentObj* segment = nullptr;
    double distance = 0;  // metres, horizontally, to the segment as drawn
};

using KindSet = std::array<bool, kSegmentKindCount>;  // by SegmentKind
inline constexpr KindSet kAllKinds{true, true, true, true};

// Every segment of the chosen kinds within radius of p (map axes), nearest first; at equal
// distances tracks come first, then roads, rivers and wires, each in list order.
std::vector<SegmentHit> SegmentsNear(const TScenery& scenery, TPointD p, double radius,
                                     const KindSet& kinds, const TWorkMode& mode);

// The map's axes are the scenery's x and z turned round.
inline TPointD MapPointOf(double sceneryX, double sceneryZ) {
    return {-sceneryX, -sceneryZ};
}
inline TPointD SceneryPointOf(TPointD map) {
    return {-map.x, -map.y};
}

}  // namespace tarvik
