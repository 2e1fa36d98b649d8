#pragma once

#include <QLine>
#include <QPainter>
#include <cstdint>
#include <vector>

#include "MapView.h"
#include "PaintMap.h"
#include "SegmentGrid.h"
#include "Signs.h"

namespace tarvik {

// Thrown out of a drawing that the user stops at the runaway question, with what to do next.
struct DrawingStopped {
    MapOutcome outcome;
};

// Counts the segments of one drawing and asks, once the limit is reached, whether to go on: a
// segment list that never ends is a sign of a damaged model.
class RunawayGuard {
  public:
    explicit RunawayGuard(const PaintHooks& hooks) : hooks_(hooks) {}
    void Count();

  private:
    const PaintHooks& hooks_;
    std::uint32_t count_ = 0;
};

// Draws one layer of segments: culls each against the view, skips those that fall on one
// pixel, and draws lines and cubic curves with the layer's pen. Tracks are coloured one by one
// and may carry signs at their ends: pictures of them, or, for a vector picture, their shapes.
class LayerPainter {
  public:
    LayerPainter(QPainter& painter, const MapView& view, const MapSources& sources,
                 RunawayGuard& guard, bool vector = false)
        : p_(painter), view_(view), sources_(sources), guard_(guard), vector_(vector) {}

    void PaintRivers();
    void PaintRoads();
    void PaintTraction();
    // selected: the segment to highlight with all segments of its name, or null. Without
    // byMapType every other track keeps the plain track colour.
    void PaintTracks(const TSegmentObj* selected, bool byMapType);

    // The highlight's halo: this colour, a pixel wider than the track on each side.
    static constexpr TColor kHaloColor = 0x000000;

  private:
    static bool IsSelected(const TSegmentObj& seg, const TSegmentObj* selected);
    // The halo of the highlighted tracks, drawn before the tracks so that they lie on it and
    // the white highlight stands out from roads and a light background.
    void PaintHalo(const TSegmentObj* selected);
    int WidthFor(double metres) const;
    // Calls visit for the segments of list that may show, in list order.
    template <typename Visit>
    void ForEachSegment(const SegmentList& list, const SegmentGrid* grid, Visit&& visit);
    void PaintPlain(const SegmentList& list, const SegmentGrid* grid, const QPen& pen);
    void DrawSegment(const TSegmentObj& s, QPoint a, QPoint b);
    void SetPen(const QPen& pen);
    // Draws the straight pieces gathered so far.
    void Flush();
    // The picture points of both ends, or false when the segment is culled or on one pixel.
    bool Ends(const TSegmentObj& s, QPoint& a, QPoint& b);

    QPainter& p_;
    const MapView& view_;
    const MapSources& sources_;
    RunawayGuard& guard_;
    bool vector_;
    std::vector<QLine> lines_;
};

}  // namespace tarvik
