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

double PieceDistance(TPointD a, TPointD b, TPointD p) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = 0;
    if (length2 > 0) t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(a.x + dx * t - p.x, a.y + dy * t - p.y);
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

bool SegmentVisible(const TSegmentObj& s, TPointF rectMin, TPointF rectMax, const TWorkMode& mode) {
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
    const unsigned n = mode.InterpolateSteps;
    for (unsigned k = 1; k < n; ++k) {
        const TPointD p = SegmentPoint(s, static_cast<double>(k) / (n - 1));
        if (rectMin.x < p.x && p.x < rectMax.x && rectMin.y < p.y && p.y < rectMax.y) return true;
    }
    return false;
}

}  // namespace tarvik
