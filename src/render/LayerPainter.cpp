#include "LayerPainter.h"

#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "QtColor.h"
#include "ScaleColor.h"
#include "SegmentGeometry.h"
#include "Translate.h"

namespace tarvik {

void RunawayGuard::Count() {
    if (++count_ < hooks_.runawayLimit) return;
    if (!hooks_.dialogs) {
        count_ = 0;
        return;
    }
    const MessageAnswer answer = hooks_.dialogs->MessageBox(
        Translate("LayerPainter",
                  "Wykryto błąd przetwarzania danych. Co uczynić?\rkliknij PRZERWIJ - aby zamknąć "
                  "program,\rkliknij PONÓW - aby przerwać wykonywaną funkcję,\rkliknij IGNORUJ - "
                  "aby kontynuować działanie mimo to."),
        Translate("LayerPainter", "Błąd przetwarzania"), MessageIcon::Error,
        MessageButtons::AbortRetryIgnore);
    if (answer == MessageAnswer::Abort) throw DrawingStopped{MapOutcome::EndProgram};
    if (answer == MessageAnswer::Retry) throw DrawingStopped{MapOutcome::Abandoned};
    count_ = 0;
}

int LayerPainter::WidthFor(double metres) const {
    return std::max(1, static_cast<int>(std::nearbyint(metres * view_.Scale())));
}

bool LayerPainter::Ends(const TSegmentObj& s, QPoint& a, QPoint& b) {
    guard_.Count();
    if (!SegmentVisible(s, view_.Min(), view_.Max(), sources_.mode)) return false;
    a = view_.Map(s.X1, s.Y1);
    b = view_.Map(s.X2, s.Y2);
    return a != b;
}

void LayerPainter::Flush() {
    if (lines_.empty()) return;
    p_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    lines_.clear();
}

void LayerPainter::SetPen(const QPen& pen) {
    Flush();
    p_.setPen(pen);
}

void LayerPainter::DrawSegment(const TSegmentObj& s, QPoint a, QPoint b) {
    const TControlPoints* c = s.Control();
    if (!c) {
        // Straight pieces of one pen go to the painter together, in their order.
        lines_.emplace_back(a, b);
        return;
    }
    Flush();
    QPainterPath path(a);
    path.cubicTo(view_.Map(s.X1 + c->CX1, s.Y1 + c->CY1), view_.Map(s.X2 + c->CX2, s.Y2 + c->CY2),
                 b);
    p_.drawPath(path);
}

template <typename Visit>
void LayerPainter::ForEachSegment(const SegmentList& list, const SegmentGrid* grid, Visit&& visit) {
    if (grid) {
        grid->ForEachCandidate(view_.Min(), view_.Max(), visit);
    } else {
        for (const TSegmentObj& s : list)
            visit(s);
    }
}

void LayerPainter::PaintPlain(const SegmentList& list, const SegmentGrid* grid, const QPen& pen) {
    SetPen(pen);
    QPoint a, b;
    ForEachSegment(list, grid, [&](const TSegmentObj& s) {
        if (Ends(s, a, b)) DrawSegment(s, a, b);
    });
    Flush();
}

namespace {

QPen SolidPen(TColor color, int width) {
    QPen pen(ToQColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

}  // namespace

void LayerPainter::PaintRivers() {
    PaintPlain(sources_.scenery.Rivers(), sources_.index ? &sources_.index->rivers : nullptr,
               SolidPen(sources_.colors.River, WidthFor(15)));
}

void LayerPainter::PaintRoads() {
    PaintPlain(sources_.scenery.Roads(), sources_.index ? &sources_.index->roads : nullptr,
               SolidPen(sources_.colors.Road, WidthFor(5)));
}

void LayerPainter::PaintTraction() {
    QPen pen(ToQColor(sources_.colors.Traction), 1, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({1, 1});
    PaintPlain(sources_.scenery.Tractions(), sources_.index ? &sources_.index->tractions : nullptr,
               pen);
}

bool LayerPainter::IsSelected(const TSegmentObj& seg, const TSegmentObj* selected) {
    return selected && (&seg == selected ||
                        (seg.HasName() && selected->HasName() && seg.Name() == selected->Name()));
}

void LayerPainter::PaintHalo(const TSegmentObj* selected) {
    if (!selected) return;
    SetPen(SolidPen(kHaloColor, WidthFor(1.435) + 2));
    QPoint a, b;
    ForEachSegment(sources_.scenery.Tracks(), sources_.index ? &sources_.index->tracks : nullptr,
                   [&](const TSegmentObj& seg) {
                       if (IsSelected(seg, selected) && Ends(seg, a, b)) DrawSegment(seg, a, b);
                   });
    Flush();
}

void LayerPainter::PaintTracks(const TSegmentObj* selected, bool byMapType) {
    // Under the whole highlight, so that one piece's halo never cuts across the next.
    PaintHalo(selected);
    const MapOptions& o = sources_.options;
    const ColorSlots& colors = sources_.colors;
    const SceneryRanges& r = sources_.scenery.Ranges();
    const bool needGradient = o.PaintElevation || o.Type == MapType::Elevation;
    const int s = static_cast<int>(std::nearbyint(16 * view_.Scale()));
    const bool signs = (o.PaintSpeedLimit || o.PaintElevation) && s > 8;
    SignCache signCache(s, vector_, o.Antialiased);
    const int h = s / 2;

    // Line speeds are bytes: their colours are worked out once a drawing.
    std::array<std::optional<TColor>, 256> speedColors;
    QPen pen = SolidPen(colors.Track, WidthFor(1.435));
    TColor current = colors.Track;
    SetPen(pen);
    QPoint a, b;
    const SegmentGrid* grid = sources_.index ? &sources_.index->tracks : nullptr;
    ForEachSegment(sources_.scenery.Tracks(), grid, [&](const TSegmentObj& seg) {
        if (!Ends(seg, a, b)) return;
        const float g = needGradient ? SegmentGradient(seg, sources_.mode) : 0.0f;
        TColor color = colors.Track;
        if (IsSelected(seg, selected)) {
            color = 0xFFFFFF;
        } else if (byMapType) {
            switch (o.Type) {
                case MapType::Velocity: {
                    std::optional<TColor>& known = speedColors[seg.Velocity];
                    if (!known) {
                        known = ScaleColor(colors.SpeedScale(), r.SpeedMax, r.SpeedMin,
                                           seg.Velocity, colors.Track);
                    }
                    color = *known;
                    break;
                }
                case MapType::Hipsometric:
                    color = ScaleColor(colors.HipsometricScale(), r.HeightMax, r.HeightMin,
                                       static_cast<float>((seg.Height1 + seg.Height2) / 2),
                                       colors.Track);
                    break;
                case MapType::Elevation:
                    color = ScaleColor(colors.ElevationScale(), r.GradientMax, r.GradientMin, g,
                                       colors.Track);
                    break;
                case MapType::Normal:
                    break;
            }
        }
        if (color != current) {
            current = color;
            pen.setColor(ToQColor(color));
            SetPen(pen);
        }
        DrawSegment(seg, a, b);
        if (!signs) return;
        // Signs cover the lines drawn so far.
        Flush();
        if (const auto speed = SpeedSignNumber(seg.Velocity); o.PaintSpeedLimit && speed) {
            for (const QPoint end : {a, b})
                signCache.DrawSpeed(p_, QPoint(end.x() - h, end.y() - h), *speed);
        }
        if (const auto gradient = GradientSignNumber(g); o.PaintElevation && gradient) {
            for (const QPoint end : {a, b})
                signCache.DrawGradient(p_, QPoint(end.x() - h, end.y() + h), *gradient);
        }
    });
    Flush();
}

}  // namespace tarvik
