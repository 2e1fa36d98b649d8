#include "Navigation.h"

#include <cmath>
#include <cstdlib>

#include "NumberText.h"

namespace tarvik {
namespace {

int BandOf(int position, int size) {
    if (position < kEdgeBand) return -1;
    if (position >= size - kEdgeBand) return 1;
    return 0;
}

}  // namespace

bool UsableScale(float scale) {
    return std::isfinite(scale) && scale > 0;
}

PressEffect MapNavigator::Press(MouseButton button, ShiftSet shift, int x, int y, int width,
                                int height, ViewState& view, const SceneryBounds& extent) {
    PressEffect effect;
    pending_ = false;
    if (!UsableScale(view.MapScale)) return effect;
    const double px = x / static_cast<double>(view.MapScale) + view.ViewMin.x;
    const double py = y / static_cast<double>(view.MapScale) + view.ViewMin.y;

    const int dx = BandOf(x, width);
    const int dy = BandOf(y, height);
    if (dx != 0 || dy != 0) {
        PanView(view, dx, dy);
        effect.redraw = true;
        return effect;
    }

    if (tool_ == MapTool::Hand || tool_ == MapTool::Ruler) {
        pending_ = true;
        pressWorldX_ = px;
        pressWorldY_ = py;
        pressX_ = x;
        pressY_ = y;
        effect.grab = tool_ == MapTool::Hand;
        return effect;
    }
    if (tool_ == MapTool::Identify) {
        effect.identify = true;
        return effect;
    }
    if (tool_ == MapTool::Zoom) {
        if (button != MouseButton::Middle && shift != (kAlt | kLeft)) {
            CenterView(view, px, py);
            effect.warpPointer = true;
        }
        if (button == MouseButton::Left && shift == kLeft) ZoomInView(view);
        bool showAll = false;
        if (button == MouseButton::Right || shift == (kShift | kLeft))
            showAll = ZoomOutView(view, extent);
        if (button == MouseButton::Middle || shift == (kAlt | kLeft) || shift == (kAlt | kRight) ||
            showAll) {
            ShowAllView(view, extent);
            effect.showAll = true;
        }
    }
    effect.redraw = true;
    return effect;
}

std::optional<double> MapNavigator::DistanceTo(int x, int y, const ViewState& view) const {
    if (!pending_ || tool_ != MapTool::Ruler || !UsableScale(view.MapScale)) return std::nullopt;
    const double qx = x / static_cast<double>(view.MapScale) + view.ViewMin.x;
    const double qy = y / static_cast<double>(view.MapScale) + view.ViewMin.y;
    return std::sqrt((qx - pressWorldX_) * (qx - pressWorldX_) +
                     (qy - pressWorldY_) * (qy - pressWorldY_));
}

ReleaseEffect MapNavigator::Release(int x, int y, ViewState& view) {
    ReleaseEffect effect;
    if (!pending_ || !UsableScale(view.MapScale)) return effect;
    const double qx = x / static_cast<double>(view.MapScale) + view.ViewMin.x;
    const double qy = y / static_cast<double>(view.MapScale) + view.ViewMin.y;
    if (tool_ == MapTool::Ruler) {
        effect.kind = ReleaseEffect::Kind::Measured;
        effect.distance = *DistanceTo(x, y, view);
    } else if (tool_ == MapTool::Hand) {
        const double deltaX = qx - pressWorldX_;
        const double deltaY = qy - pressWorldY_;
        view.ViewMin = {static_cast<float>(view.ViewMin.x - deltaX),
                        static_cast<float>(view.ViewMin.y - deltaY)};
        view.ViewMax = {static_cast<float>(view.ViewMax.x - deltaX),
                        static_cast<float>(view.ViewMax.y - deltaY)};
        effect.kind = ReleaseEffect::Kind::Dragged;
        effect.redraw = true;
    }
    return effect;
}

int MapNavigator::CursorAt(ShiftSet shift, int x, int y, int width, int height,
                           const ViewState& view) const {
    const int dx = BandOf(x, width);
    const int dy = BandOf(y, height);
    if (dx < 0 && dy < 0) return 10;
    if (dx < 0 && dy > 0) return 11;
    if (dx > 0 && dy < 0) return 12;
    if (dx > 0 && dy > 0) return 13;
    if (dx < 0) return 6;
    if (dx > 0) return 7;
    if (dy < 0) return 8;
    if (dy > 0) return 9;
    switch (tool_) {
        case MapTool::Zoom: {
            const bool small = view.ViewMax.x - view.ViewMin.x <= kZoomLimit ||
                               view.ViewMax.y - view.ViewMin.y <= kZoomLimit;
            return shift == kCtrl || small ? 5 : 1;
        }
        case MapTool::Ruler:
            return kCrossCursor;
        case MapTool::Hand:
            return 3;
        case MapTool::Identify:
            return 2;
        case MapTool::None:
            break;
    }
    return kDefaultCursor;
}

PressEffect MapNavigator::Wheel(ShiftSet keys, int delta, int width, int height, ViewState& view,
                                const SceneryBounds& extent) {
    const int wp = width;
    const int hp = height;
    if (keys == 0) {
        return delta > 0 ? Press(MouseButton::Left, kLeft, wp / 2, 1, wp, hp, view, extent)
                         : Press(MouseButton::Left, kLeft, wp / 2, hp - 1, wp, hp, view, extent);
    }
    if (keys == kShift) {
        return delta >= 0 ? Press(MouseButton::Left, kLeft, wp - 1, hp / 2, wp, hp, view, extent)
                          : Press(MouseButton::Left, kLeft, 1, hp / 2, wp, hp, view, extent);
    }
    if (keys == kCtrl) {
        return delta >= 0 ? Press(MouseButton::Left, kLeft, wp / 2, hp / 2, wp, hp, view, extent)
                          : Press(MouseButton::Right, kShift | kLeft, wp / 2, hp / 2, wp, hp, view,
                                  extent);
    }
    return {};
}

void ZoomInView(ViewState& view) {
    const double w = static_cast<double>(view.ViewMax.x) - view.ViewMin.x;
    const double h = static_cast<double>(view.ViewMax.y) - view.ViewMin.y;
    if (w <= kZoomLimit || h <= kZoomLimit) return;
    view.ViewMin = {static_cast<float>(view.ViewMin.x + 0.25 * w),
                    static_cast<float>(view.ViewMin.y + 0.25 * h)};
    view.ViewMax = {static_cast<float>(view.ViewMax.x - 0.25 * w),
                    static_cast<float>(view.ViewMax.y - 0.25 * h)};
}

bool ZoomOutView(ViewState& view, const SceneryBounds& extent) {
    const double w = static_cast<double>(view.ViewMax.x) - view.ViewMin.x;
    const double h = static_cast<double>(view.ViewMax.y) - view.ViewMin.y;
    const float extentW = extent.SceneryMax.x - extent.SceneryMin.x;
    const float extentH = extent.SceneryMax.y - extent.SceneryMin.y;
    if (view.ViewMax.x - view.ViewMin.x < extentW && view.ViewMax.y - view.ViewMin.y < extentH) {
        view.ViewMin = {static_cast<float>(view.ViewMin.x - 0.5 * w),
                        static_cast<float>(view.ViewMin.y - 0.5 * h)};
        view.ViewMax = {static_cast<float>(view.ViewMax.x + 0.5 * w),
                        static_cast<float>(view.ViewMax.y + 0.5 * h)};
    }
    return view.ViewMax.x - view.ViewMin.x >= extentW || view.ViewMax.y - view.ViewMin.y >= extentH;
}

void ShowAllView(ViewState& view, const SceneryBounds& extent) {
    view.ViewMin = extent.SceneryMin;
    view.ViewMax = extent.SceneryMax;
}

void PanView(ViewState& view, int dx, int dy) {
    const double w = static_cast<double>(view.ViewMax.x) - view.ViewMin.x;
    const double h = static_cast<double>(view.ViewMax.y) - view.ViewMin.y;
    if (dx != 0) {
        view.ViewMin.x = static_cast<float>(view.ViewMin.x + dx * w * 0.25);
        view.ViewMax.x = static_cast<float>(view.ViewMax.x + dx * w * 0.25);
    }
    if (dy != 0) {
        view.ViewMin.y = static_cast<float>(view.ViewMin.y + dy * h * 0.25);
        view.ViewMax.y = static_cast<float>(view.ViewMax.y + dy * h * 0.25);
    }
}

bool ZoomViewAt(ViewState& view, const SceneryBounds& extent, double x, double y, double factor) {
    if (!UsableScale(view.MapScale) || !std::isfinite(factor) || factor <= 0) return false;
    const double w = static_cast<double>(view.ViewMax.x) - view.ViewMin.x;
    const double h = static_cast<double>(view.ViewMax.y) - view.ViewMin.y;
    if (factor > 1 && (w <= kZoomLimit || h <= kZoomLimit)) return false;
    const double px = x / static_cast<double>(view.MapScale) + view.ViewMin.x;
    const double py = y / static_cast<double>(view.MapScale) + view.ViewMin.y;
    if (factor < 1 &&
        (w / factor >= static_cast<double>(extent.SceneryMax.x) - extent.SceneryMin.x ||
         h / factor >= static_cast<double>(extent.SceneryMax.y) - extent.SceneryMin.y)) {
        ShowAllView(view, extent);
        return true;
    }
    view.ViewMin = {static_cast<float>(px - (px - view.ViewMin.x) / factor),
                    static_cast<float>(py - (py - view.ViewMin.y) / factor)};
    view.ViewMax = {static_cast<float>(px + (view.ViewMax.x - px) / factor),
                    static_cast<float>(py + (view.ViewMax.y - py) / factor)};
    return false;
}

void DragView(ViewState& view, int fromX, int fromY, int toX, int toY) {
    if (!UsableScale(view.MapScale)) return;
    const double dx = (toX - fromX) / static_cast<double>(view.MapScale);
    const double dy = (toY - fromY) / static_cast<double>(view.MapScale);
    view.ViewMin = {static_cast<float>(view.ViewMin.x - dx),
                    static_cast<float>(view.ViewMin.y - dy)};
    view.ViewMax = {static_cast<float>(view.ViewMax.x - dx),
                    static_cast<float>(view.ViewMax.y - dy)};
}

bool InEdgeBand(int x, int y, int width, int height) {
    return BandOf(x, width) != 0 || BandOf(y, height) != 0;
}

bool ViewFitsExtent(const ViewState& view, const SceneryBounds& extent) {
    const double cx = (static_cast<double>(view.ViewMin.x) + view.ViewMax.x) / 2;
    const double cy = (static_cast<double>(view.ViewMin.y) + view.ViewMax.y) / 2;
    return cx >= extent.SceneryMin.x && cx <= extent.SceneryMax.x && cy >= extent.SceneryMin.y &&
           cy <= extent.SceneryMax.y;
}

std::optional<WheelTurn> WheelTurnOf(ShiftSet keys, int horizontal, int vertical) {
    // In long long, where the size of the smallest int does not overflow.
    const long long v = vertical;
    const long long h = horizontal;
    if (v != 0 && std::llabs(v) >= std::llabs(h)) return WheelTurn{keys, vertical};
    if (h == 0 || (keys != 0 && keys != kShift)) return std::nullopt;
    // The table looks at the sign only: a tilt to the left is Shift with the wheel turned
    // backward.
    return WheelTurn{kShift, h > 0 ? -1 : 1};
}

std::string RulerDistanceText(double d) {
    if (d >= 10000) return FormatFixed(d / 1000, 0, true) + " km";
    if (d >= 1000) return FormatFixed(d / 1000, 1, false) + " km";
    if (d >= 10) return FormatFixed(d, 0, false) + " m";
    return FormatFixed(d, 1, false) + " m";
}

}  // namespace tarvik
