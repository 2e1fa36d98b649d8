#pragma once

#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "MapView.h"
#include "PaintMap.h"
#include "PixelStamps.h"
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
    explicit RunawayGuard(const PaintHooks& hooks) : hooks_(hooks), limit_(hooks.runawayLimit) {}
    void Count() {
        if (++count_ >= limit_) Ask();
    }

  private:
    void Ask();

    const PaintHooks& hooks_;
    const std::uint32_t limit_;
    std::uint32_t count_ = 0;
};

// The picture a painter draws on, when the layers may set its pixels themselves, and the rows
// [top, bottom) of it that this painter draws: the painter is clipped to them, while lines are
// still laid out over the whole picture, so that dashes and smoothed edges fall as they would
// without the clip.
struct RasterBand {
    QImage* image = nullptr;
    int top = 0;
    int bottom = 0;
};

// Draws one layer of segments: culls each against the view, skips those that fall on one
// pixel, and draws lines and cubic curves with the layer's pen. Tracks are coloured one by one
// and may carry signs at their ends: pictures of them, or, for a vector picture, their shapes.
// Given the raster band, a piece that cannot touch it is not handed to the painter, and a piece
// between neighbouring pixels is drawn by setting those two pixels, which is what the painter's
// one-pixel round-capped pen draws for it; a piece a few pixels long, by setting the pixels that
// pen was seen to set for it.
class LayerPainter {
  public:
    LayerPainter(QPainter& painter, const MapView& view, const MapSources& sources,
                 RunawayGuard& guard, bool vector = false, RasterBand band = {})
        : p_(painter), view_(view), sources_(sources), guard_(guard), vector_(vector), band_(band) {
        if (!band_.image) return;
        // Taken once: the picture's own accessors check for sharing on every call.
        bits_ = band_.image->bits();
        stride_ = band_.image->bytesPerLine();
        width_ = band_.image->width();
        lineStamps_ = &LineStamps::Learned();
        curveStamps_ = &CurveStamps::Shared();
        curveCache_ = &CurveStampCache::Shared();
        const double m = view_.Scale();
        // The river's pen, the halo and the signs (two of them a sign's size from the end).
        const double reach =
            std::max({WidthFor(15), WidthFor(1.435) + 2, 1}) / 2.0 + 3 + 3 * std::nearbyint(16 * m);
        bandMinY_ = view_.Min().y + (band_.top - reach) / m;
        bandMaxY_ = view_.Min().y + (band_.bottom + reach) / m;
    }

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
    // Calls visit(segment, position in the list) for the segments of list that may show, in
    // list order.
    template <typename Visit>
    void ForEachSegment(const SegmentList& list, const SegmentGrid* grid, Visit&& visit);
    void PaintPlain(const SegmentList& list, const SegmentGrid* grid, const QPen& pen);
    void DrawSegment(const TSegmentObj& s, QPoint a, QPoint b);
    void SetPen(const QPen& pen);
    // The pen last set, in another colour.
    void SetPenColor(TColor color);
    // Gives the painter the pen last set, when it does not hold it yet.
    void ApplyPen();
    // Draws the straight pieces gathered so far.
    void Flush();
    // The picture points of both ends, or false when the segment is culled or on one pixel.
    bool Ends(const TSegmentObj& s, QPoint& a, QPoint& b);
    // False when the piece from a to b (through c1 and c2 for a curve) with the current pen
    // lies wholly above or below the raster band.
    bool MeetsBand(QPoint a, QPoint b, const QPoint* c1 = nullptr,
                   const QPoint* c2 = nullptr) const;
    void SetPixel(QPoint at);
    // Sets the pixels of a stamp that lies wholly inside the band at at; false, having set
    // none, for a stamp that does not or for none.
    template <int N>
    bool SetStamp(const PixelStamp<N>* stamp, QPoint at) {
        if (!stamp || !stamp->Fits(at, width_, band_.top, band_.bottom)) return false;
        stamp->Set(bits_, stride_, at, pixelColor_);
        return true;
    }
    // False when a straight segment lies so far above or below the raster band that neither
    // its line nor its signs can reach the band: it is left out before it is culled and mapped.
    bool NearBand(const TSegmentObj& s) const {
        return !((s.Y1 < bandMinY_ && s.Y2 < bandMinY_) ||
                 (s.Y1 > bandMaxY_ && s.Y2 > bandMaxY_)) ||
               s.IsCurve();
    }

    QPainter& p_;
    const MapView& view_;
    const MapSources& sources_;
    RunawayGuard& guard_;
    bool vector_;
    RasterBand band_;
    // Segments beside the band may be left out: not for a dashed pen, whose dashes run on from
    // one line to the next of a batch.
    bool bandCull_ = true;
    std::vector<QLine> lines_;
    // Reused for every curve: a path of its own each time costs an allocation.
    QPainterPath path_;
    // The pen last set; the painter takes it when it next draws.
    QPen pen_;
    bool penPending_ = false;
    // The pen's colour, set on the pen when the painter takes it.
    TColor penColor_ = 0;
    bool colorPending_ = false;
    // The current pen draws a one-pixel, round-capped, unsmoothed line (pixelShape_) and is
    // opaque as well (pixelPen_): a piece between neighbouring pixels sets just those two, to
    // pixelColor_, in the band's pixels.
    bool pixelShape_ = false;
    bool pixelPen_ = false;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    int width_ = 0;
    const LineStamps* lineStamps_ = nullptr;
    CurveStamps* curveStamps_ = nullptr;
    CurveStampCache* curveCache_ = nullptr;
    QRgb pixelColor_ = 0;
    // Pixels of the pen's reach beyond the line it draws, for the band test.
    int reach_ = 0;
    // The band's rows in world units, widened by the reach of the widest pen and of the signs.
    double bandMinY_ = 0;
    double bandMaxY_ = 0;
};

}  // namespace tarvik
