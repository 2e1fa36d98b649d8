#include "SegmentSearch.h"

#include <algorithm>

namespace tarvik {

namespace {

// A curve lies inside the box of its ends and its control points.
bool MayBeNear(const TSegmentObj& s, TPointD p, double radius) {
    double minX = std::min(s.X1, s.X2), maxX = std::max(s.X1, s.X2);
    double minY = std::min(s.Y1, s.Y2), maxY = std::max(s.Y1, s.Y2);
    if (const TControlPoints* c = s.Control()) {
        minX = std::min({minX, s.X1 + c->CX1, s.X2 + c->CX2});
        maxX = std::max({maxX, s.X1 + c->CX1, s.X2 + c->CX2});
        minY = std::min({minY, s.Y1 + c->CY1, s.Y2 + c->CY2});
        maxY = std::max({maxY, s.Y1 + c->CY1, s.Y2 + c->CY2});
    }
    return minX - radius <= p.x && p.x <= maxX + radius && minY - radius <= p.y &&
           p.y <= maxY + radius;
}

}  // namespace

std::vector<SegmentHit> SegmentsNear(const TScenery& scenery, TPointD p, double radius,
                                     const KindSet& kinds, const TWorkMode& mode) {
    std::vector<SegmentHit> hits;
    for (int k = 0; k < kSegmentKindCount; ++k) {
        if (!kinds[k]) continue;
        const auto kind = static_cast<SegmentKind>(k);
        for (const TSegmentObj& s : scenery.Segments.List(kind)) {
            if (!MayBeNear(s, p, radius)) continue;
            const double distance = SegmentDistance(s, p, mode);
            if (distance <= radius) hits.push_back({kind, &s, distance});
        }
    }
    std::stable_sort(hits.begin(), hits.end(), [](const SegmentHit& a, const SegmentHit& b) {
        return a.distance < b.distance;
    });
    return hits;
}

}  // namespace tarvik
