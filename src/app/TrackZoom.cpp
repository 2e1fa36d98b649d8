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

ZoomAnimation::ZoomAnimation(ViewState& view, std::function<void(double x, double y)> centerOn,
                             std::function<void()> showNow)
    : view_(view), centerOn_(std::move(centerOn)), showNow_(std::move(showNow)) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        ShrinkView(view_);
        Step();
    });
}

void ZoomAnimation::Start(const ZoomTarget& target, const SceneryBounds& bounds, bool animate,
                          std::function<void()> done) {
    if (running_) Finish();
    ++zoom_;
    target_ = target;
    done_ = std::move(done);
    running_ = true;
    view_.ViewMin = bounds.SceneryMin;
    view_.ViewMax = bounds.SceneryMax;
    CenterView(view_, target_.mx, target_.my);
    if (animate) {
        Step();
    } else {
        Finish();
    }
}

void ZoomAnimation::Step() {
    if (!running_) return;
    if (!ZoomStepFits(view_, target_)) {
        Finish();
        return;
    }
    centerOn_(target_.mx, target_.my);
    showNow_();
    if (!pause_) {
        timer_.start(kPause);
        return;
    }
    // A wait that ends after its zoom was finished or replaced leads nowhere.
    pause_(kPause, [this, zoom = zoom_] {
        if (!running_ || zoom != zoom_) return;
        ShrinkView(view_);
        Step();
    });
}

void ZoomAnimation::Finish() {
    if (!running_) return;
    timer_.stop();
    running_ = false;
    SizeFinalView(view_, target_);
    centerOn_(target_.mx, target_.my);
    // The caller may start the next zoom from here.
    const std::function<void()> done = std::move(done_);
    done_ = nullptr;
    if (done) done();
}

}  // namespace tarvik
