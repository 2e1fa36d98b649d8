#pragma once

#include <QTimer>
#include <chrono>
#include <functional>

#include "Segment.h"
#include "SegmentStore.h"
#include "ViewState.h"

namespace tarvik {

// Where the map goes to show a segment: the middle of its two end points and its extent.
struct ZoomTarget {
    double mx = 0;
    double my = 0;
    double dx = 0;
    double dy = 0;
};

ZoomTarget ZoomTargetOf(const TSegmentObj& segment);

// Whether the animated zoom takes another step: the view is still more than twice the
// segment's extent and more than 200 m on both axes.
bool ZoomStepFits(const ViewState& view, const ZoomTarget& target);

// One animation step: a quarter off each side, leaving 9/16 of the extent on each axis.
void ShrinkView(ViewState& view);

// The final view's size: the segment's extent enlarged by 4 %, at least 200 m on each axis,
// placed at the origin for the centring that follows.
void SizeFinalView(ViewState& view, const ZoomTarget& target);

// The map's zoom to a segment: from the whole scenery centred on the segment, when animated
// shrinking in steps shown 100 ms apart, to the segment's final view. Only values of the
// segment are kept, so a new load during the steps does no harm.
class ZoomAnimation {
  public:
    static constexpr std::chrono::milliseconds kPause{100};

    // The wait before the next step; tests replace it with one of their own.
    using Pause = std::function<void(std::chrono::milliseconds pause, std::function<void()> next)>;

    // centerOn centres the view on a point and draws the map; showNow puts the drawing on the
    // screen at once.
    ZoomAnimation(ViewState& view, std::function<void(double x, double y)> centerOn,
                  std::function<void()> showNow);

    void SetPause(Pause pause) { pause_ = std::move(pause); }

    // done runs once the final view is drawn. A zoom still running is finished first.
    void Start(const ZoomTarget& target, const SceneryBounds& bounds, bool animate,
               std::function<void()> done);
    bool Running() const { return running_; }
    // Goes to the final view at once.
    void Finish();

  private:
    void Step();

    ViewState& view_;
    std::function<void(double, double)> centerOn_;
    std::function<void()> showNow_;
    Pause pause_;
    QTimer timer_;
    ZoomTarget target_;
    std::function<void()> done_;
    unsigned zoom_ = 0;  // counts the zooms started
    bool running_ = false;
};

}  // namespace tarvik
