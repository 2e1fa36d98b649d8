#pragma once

#include "Segment.h"
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

}  // namespace tarvik
