#include "SegmentGeometry.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

TPointD SegmentPoint(const TSegmentObj& s, double t) {
    const TControlPoints* c = s.Control();
    if (!c) return {s.X1 + (s.X2 - s.X1) * t, s.Y1 + (s.Y2 - s.Y1) * t};
    const double u = 1 - t;
    const double b0 = u * u * u;
    const double b1 = 3 * t * u * u;
    const double b2 = 3 * t * t * u;
    const double b3 = t * t * t;
    return {b0 * s.X1 + b1 * (s.X1 + c->CX1) + b2 * (s.X2 + c->CX2) + b3 * s.X2,
            b0 * s.Y1 + b1 * (s.Y1 + c->CY1) + b2 * (s.Y2 + c->CY2) + b3 * s.Y2};
}

double SegmentLength(const TSegmentObj& s, bool horizontalOnly, const TWorkMode& mode) {
    double length = 0;
    if (!s.IsCurve()) {
        const double dx = s.X2 - s.X1;
        const double dy = s.Y2 - s.Y1;
        length = std::sqrt(dx * dx + dy * dy);
    } else {
        const unsigned n = mode.InterpolateSteps;
        TPointD previous{s.X1, s.Y1};
        for (unsigned k = 1; k < n; ++k) {
            const TPointD p = SegmentPoint(s, static_cast<double>(k) / (n - 1));
            const double dx = p.x - previous.x;
            const double dy = p.y - previous.y;
            length += std::sqrt(dx * dx + dy * dy);
            previous = p;
        }
    }
    if (horizontalOnly) return length;
    const double rise = s.Height2 - s.Height1;
    return std::sqrt(length * length + rise * rise);
}

float SegmentGradient(const TSegmentObj& s, const TWorkMode& mode) {
    return static_cast<float>(std::fabs((s.Height2 - s.Height1) / SegmentLength(s, true, mode)) *
                              1000);
}

namespace {

// Where on the piece from a to b the point nearest to p lies, from 0 at a to 1 at b.
double PieceShare(TPointD a, TPointD b, TPointD p) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    if (length2 <= 0) return 0;
    return std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
}

TPointD PiecePoint(TPointD a, TPointD b, double t) {
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

double PieceDistance(TPointD a, TPointD b, TPointD p) {
    const TPointD q = PiecePoint(a, b, PieceShare(a, b, p));
    return std::hypot(q.x - p.x, q.y - p.y);
}

}  // namespace

double SegmentDistance(const TSegmentObj& s, TPointD p, const TWorkMode& mode) {
    if (!s.IsCurve()) return PieceDistance({s.X1, s.Y1}, {s.X2, s.Y2}, p);
    const unsigned n = mode.InterpolateSteps;
    TPointD previous{s.X1, s.Y1};
    double nearest = std::hypot(p.x - s.X1, p.y - s.Y1);
    for (unsigned k = 1; k < n; ++k) {
        const TPointD next = SegmentPoint(s, static_cast<double>(k) / (n - 1));
        nearest = std::min(nearest, PieceDistance(previous, next, p));
        previous = next;
    }
    return nearest;
}

SegmentPlace NearestPlace(const TSegmentObj& s, TPointD p, const TWorkMode& mode) {
    const TPointD start{s.X1, s.Y1};
    const TPointD end{s.X2, s.Y2};
    if (!s.IsCurve()) {
        const double t = PieceShare(start, end, p);
        return {PiecePoint(start, end, t), t};
    }
    // The pieces between the samples, as they are drawn and measured.
    const unsigned n = mode.InterpolateSteps;
    SegmentPlace nearest{start, 0};
    double nearestDistance = std::hypot(p.x - start.x, p.y - start.y);
    double nearestLength = 0;
    double length = 0;
    TPointD previous = start;
    for (unsigned k = 1; k < n; ++k) {
        const TPointD next = SegmentPoint(s, static_cast<double>(k) / (n - 1));
        const double t = PieceShare(previous, next, p);
        const TPointD q = PiecePoint(previous, next, t);
        const double piece = std::hypot(next.x - previous.x, next.y - previous.y);
        const double distance = std::hypot(q.x - p.x, q.y - p.y);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest.point = q;
            nearestLength = length + piece * t;
        }
        length += piece;
        previous = next;
    }
    nearest.along = length > 0 ? nearestLength / length : 0;
    return nearest;
}

bool SampleInside(const TSegmentObj& s, TPointF rectMin, TPointF rectMax, const TWorkMode& mode) {
    const unsigned n = mode.InterpolateSteps;
    for (unsigned k = 1; k < n; ++k) {
        const TPointD p = SegmentPoint(s, static_cast<double>(k) / (n - 1));
        if (rectMin.x < p.x && p.x < rectMax.x && rectMin.y < p.y && p.y < rectMax.y) return true;
    }
    return false;
}

}  // namespace tarvik
