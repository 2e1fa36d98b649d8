#include "ViewState.h"

namespace tarvik {

void ClampToScenery(ViewState& view, const SceneryBounds& bounds) {
    const TPointF& lo = bounds.SceneryMin;
    const TPointF& hi = bounds.SceneryMax;
    const bool wide = view.ViewMax.x - view.ViewMin.x >= hi.x - lo.x;
    const bool tall = view.ViewMax.y - view.ViewMin.y >= hi.y - lo.y;
    if (!wide && !tall) return;
    if (view.ViewMin.x < lo.x && view.ViewMax.x > hi.x) {
        view.ViewMin.x = lo.x;
        view.ViewMax.x = hi.x;
    }
    if (view.ViewMin.y < lo.y && view.ViewMax.y > hi.y) {
        view.ViewMin.y = lo.y;
        view.ViewMax.y = hi.y;
    }
}

void CenterView(ViewState& view, double px, double py) {
    const double w = static_cast<double>(view.ViewMax.x) - view.ViewMin.x;
    const double h = static_cast<double>(view.ViewMax.y) - view.ViewMin.y;
    view.ViewMin = {static_cast<float>(px - w * 0.5), static_cast<float>(py - h * 0.5)};
    view.ViewMax = {static_cast<float>(px + w * 0.5), static_cast<float>(py + h * 0.5)};
}

}  // namespace tarvik
