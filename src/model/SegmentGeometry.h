#pragma once

#include "Segment.h"
#include "SegmentStore.h"
#include "WorkMode.h"

namespace tarvik {

struct TPointD {
    double x = 0;
    double y = 0;
};

// What is computed on one segment. Curves are sampled at the work mode's InterpolateSteps
// points, read on every call, so a change of the work mode applies at once.

// The point at parameter t in [0, 1]: the start point at 0, the end point at 1.
TPointD SegmentPoint(const TSegmentObj& s, double t);

// Length in metres; with horizontalOnly the length in the horizontal plane, otherwise with
// the height difference between the ends.
double SegmentLength(const TSegmentObj& s, bool horizontalOnly, const TWorkMode& mode);

// Gradient in per mille, up and down alike.
float SegmentGradient(const TSegmentObj& s, const TWorkMode& mode);

// Horizontal distance from p to the segment as it is drawn: the straight line between its
// ends, or a curve as the line through its samples.
double SegmentDistance(const TSegmentObj& s, TPointD p, const TWorkMode& mode);

// The point of the segment as drawn nearest to p, and how far along the drawn line it lies, as
// a share of the line's length from the start point (0 to 1).
struct SegmentPlace {
    TPointD point;
    double along = 0;
};
SegmentPlace NearestPlace(const TSegmentObj& s, TPointD p, const TWorkMode& mode);

// The height at a share of the length from the start point, evenly between the ends' heights.
inline double HeightAlong(const TSegmentObj& s, double along) {
    return s.Height1 + (s.Height2 - s.Height1) * along;
}

// Whether one of the inner sample points of the segment lies inside rectMin..rectMax.
bool SampleInside(const TSegmentObj& s, TPointF rectMin, TPointF rectMax, const TWorkMode& mode);

// Whether the segment may show inside the world rectangle rectMin..rectMax. Inline: a drawing
// asks it of every segment, and most are decided by their ends.
inline bool SegmentVisible(const TSegmentObj& s, TPointF rectMin, TPointF rectMax,
                           const TWorkMode& mode) {
    const auto x1 = static_cast<float>(s.X1);
    const auto y1 = static_cast<float>(s.Y1);
    const auto x2 = static_cast<float>(s.X2);
    const auto y2 = static_cast<float>(s.Y2);
    const auto inside = [&](float x, float y) {
        return rectMin.x <= x && x <= rectMax.x && rectMin.y <= y && y <= rectMax.y;
    };
    if (inside(x1, y1) || inside(x2, y2)) return true;
    if ((x1 < rectMin.x && x2 < rectMin.x) || (x1 > rectMax.x && x2 > rectMax.x) ||
        (y1 < rectMin.y && y2 < rectMin.y) || (y1 > rectMax.y && y2 > rectMax.y)) {
        return false;
    }
    return SampleInside(s, rectMin, rectMax, mode);
}

}  // namespace tarvik
