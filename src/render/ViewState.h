#pragma once

#include "SegmentStore.h"

namespace tarvik {

// The main window's view: the world rectangle shown and the scale of its last drawing.
struct ViewState {
    TPointF ViewMin;
    TPointF ViewMax;
    float MapScale = 0;
};

// Before a redraw: a view at least as wide or as tall as the scenery is pulled back, per axis,
// to the scenery's range where it reaches beyond it on both sides.
void ClampToScenery(ViewState& view, const SceneryBounds& bounds);

// Moves the view, keeping its size, so that (px, py) is in its middle.
void CenterView(ViewState& view, double px, double py);

}  // namespace tarvik
