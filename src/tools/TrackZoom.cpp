#include "TrackZoom.h"

#include <cmath>

namespace tarvik {
namespace {

constexpr float kSmallestView = 200;

double Width(const ViewState& v) {
    return static_cast<double>(v.ViewMax.x) - v.ViewMin.x;
}
double Height(const ViewState& v) {
    return static_cast<double>(v.ViewMax.y) - v.ViewMin.y;
}

}  // namespace

ZoomTarget ZoomTargetOf(const TSegmentObj& s) {
    return {(s.X1 + s.X2) * 0.5, (s.Y1 + s.Y2) * 0.5, std::fabs(s.X2 - s.X1),
            std::fabs(s.Y2 - s.Y1)};
}

bool ZoomStepFits(const ViewState& view, const ZoomTarget& target) {
    const double w = Width(view);
    const double h = Height(view);
    return w * 0.5 > target.dx && h * 0.5 > target.dy && w > kSmallestView && h > kSmallestView;
}

void ShrinkView(ViewState& view) {
    // The far corner moves by a quarter of the extent left after the near corner has moved.
    view.ViewMin.x = static_cast<float>(view.ViewMin.x + Width(view) * 0.25);
    view.ViewMax.x = static_cast<float>(view.ViewMax.x - Width(view) * 0.25);
    view.ViewMin.y = static_cast<float>(view.ViewMin.y + Height(view) * 0.25);
    view.ViewMax.y = static_cast<float>(view.ViewMax.y - Height(view) * 0.25);
}

void SizeFinalView(ViewState& view, const ZoomTarget& target) {
    view.ViewMin = {0, 0};
    view.ViewMax = {static_cast<float>(target.dx * 1.04), static_cast<float>(target.dy * 1.04)};
    if (view.ViewMax.x < kSmallestView) view.ViewMax.x = kSmallestView;
    if (view.ViewMax.y < kSmallestView) view.ViewMax.y = kSmallestView;
}

}  // namespace tarvik
