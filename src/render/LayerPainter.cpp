#include "LayerPainter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "QtColor.h"
#include "ScaleColor.h"
#include "SegmentGeometry.h"
#include "Translate.h"

namespace tarvik {

void RunawayGuard::Ask() {
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
    if (band_.image && bandCull_ && !NearBand(s)) return false;
    if (!SegmentVisible(s, view_.Min(), view_.Max(), sources_.mode)) return false;
    a = view_.Map(s.X1, s.Y1);
    b = view_.Map(s.X2, s.Y2);
    return a != b;
}

void LayerPainter::ApplyPen() {
    if (!penPending_) return;
    if (colorPending_) pen_.setColor(ToQColor(penColor_));
    colorPending_ = false;
    p_.setPen(pen_);
    penPending_ = false;
}

void LayerPainter::Flush() {
    if (lines_.empty()) return;
    ApplyPen();
    p_.drawLines(lines_.data(), static_cast<int>(lines_.size()));
    lines_.clear();
}

void LayerPainter::SetPen(const QPen& pen) {
    Flush();
    // The painter takes it when it next draws: a change of the pen is dear, and pieces set
    // pixel by pixel may follow with colour after colour.
    pen_ = pen;
    penPending_ = true;
    colorPending_ = false;
    pixelShape_ = band_.image && !p_.testRenderHint(QPainter::Antialiasing) &&
                  pen.style() == Qt::SolidLine && pen.width() == 1 &&
                  pen.capStyle() == Qt::RoundCap;
    pixelPen_ = pixelShape_ && pen.color().alpha() == 255;
    pixelColor_ = pen.color().rgb();
    // Half the width, one more for rounding and one for smoothed edges.
    reach_ = pen.width() / 2 + 2;
}

void LayerPainter::SetPenColor(TColor color) {
    Flush();
    penColor_ = color;
    colorPending_ = true;
    penPending_ = true;
    if ((color & 0xFF000000u) == 0) {
        // A plain colour, $00BBGGRR: the pixel without a QColor made for it.
        pixelColor_ = qRgb(static_cast<int>(RedOf(color)), static_cast<int>(GreenOf(color)),
                           static_cast<int>(BlueOf(color)));
        pixelPen_ = pixelShape_;
    } else {
        const QColor c = ToQColor(color);
        pixelColor_ = c.rgb();
        pixelPen_ = pixelShape_ && c.alpha() == 255;
    }
}

bool LayerPainter::MeetsBand(QPoint a, QPoint b, const QPoint* c1, const QPoint* c2) const {
    if (!band_.image || !bandCull_) return true;
    int top = std::min(a.y(), b.y());
    int bottom = std::max(a.y(), b.y());
    for (const QPoint* c : {c1, c2}) {
        if (!c) continue;
        top = std::min(top, c->y());
        bottom = std::max(bottom, c->y());
    }
    // In long long: the points may lie up to 2^30 pixels away.
    return static_cast<long long>(bottom) + reach_ >= band_.top &&
           static_cast<long long>(top) - reach_ < band_.bottom;
}

void LayerPainter::SetPixel(QPoint at) {
    if (at.x() < 0 || at.x() >= width_ || at.y() < band_.top || at.y() >= band_.bottom) {
        return;
    }
    reinterpret_cast<QRgb*>(bits_ + static_cast<std::ptrdiff_t>(at.y()) * stride_)[at.x()] =
        pixelColor_;
}

void LayerPainter::DrawSegment(const TSegmentObj& s, QPoint a, QPoint b) {
    const TControlPoints* c = s.Control();
    const bool neighbours =
        pixelPen_ && std::abs(a.x() - b.x()) <= 1 && std::abs(a.y() - b.y()) <= 1;
    if (!c) {
        if (!MeetsBand(a, b)) return;
        if (neighbours) {
            SetPixel(a);
            SetPixel(b);
            return;
        }
        if (pixelPen_ && SetStamp(lineStamps_->Find(b - a), a)) return;
        // Straight pieces of one pen go to the painter together, in their order.
        lines_.emplace_back(a, b);
        return;
    }
    const QPoint c1 = view_.Map(s.X1 + c->CX1, s.Y1 + c->CY1);
    const QPoint c2 = view_.Map(s.X2 + c->CX2, s.Y2 + c->CY2);
    if (!MeetsBand(a, b, &c1, &c2)) return;
    // A curve whose control points lie on its ends is drawn as the line between them.
    if (neighbours && (c1 == a || c1 == b) && (c2 == a || c2 == b)) {
        SetPixel(a);
        SetPixel(b);
        return;
    }
    if (pixelPen_ &&
        (SetStamp(curveStamps_->Find(c1 - a, c2 - a, b - a), a) ||
         curveCache_->Set(c1 - a, c2 - a, b - a, a,
                          {bits_, stride_, width_, band_.top, band_.bottom, pixelColor_}))) {
        return;
    }
    // An opaque one-pixel pen sets the same pixels whatever the order of its pieces, so the
    // straight ones gathered so far may wait. Each curve is a path of its own, though: among
    // other curves of one path the painter sets some other pixels for it.
    if (!pixelPen_) Flush();
    ApplyPen();
    path_.moveTo(a);
    path_.cubicTo(c1, c2, b);
    p_.drawPath(path_);
    path_.clear();
}

template <typename Visit>
void LayerPainter::ForEachSegment(const SegmentList& list, const SegmentGrid* grid, Visit&& visit) {
    if (grid && band_.image && bandCull_) {
        // Those that meet the view and the band's reach: the only ones that may show in it.
        const TPointF min{view_.Min().x, std::max(view_.Min().y, static_cast<float>(bandMinY_))};
        const TPointF max{view_.Max().x, std::min(view_.Max().y, static_cast<float>(bandMaxY_))};
        grid->ForEachCandidateAt(min, max, visit);
    } else if (grid) {
        grid->ForEachCandidateAt(view_.Min(), view_.Max(), visit);
    } else {
        std::uint32_t position = 0;
        for (const TSegmentObj& s : list)
            visit(s, position++);
    }
}

void LayerPainter::PaintPlain(const SegmentList& list, const SegmentGrid* grid, const QPen& pen) {
    SetPen(pen);
    QPoint a, b;
    ForEachSegment(list, grid, [&](const TSegmentObj& s, std::uint32_t) {
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
    bandCull_ = false;
    PaintPlain(sources_.scenery.Tractions(), sources_.index ? &sources_.index->tractions : nullptr,
               pen);
    bandCull_ = true;
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
                   [&](const TSegmentObj& seg, std::uint32_t) {
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
    const int s = static_cast<int>(std::nearbyint(16 * view_.Scale()));
    const bool signs = (o.PaintSpeedLimit || o.PaintElevation) && s > 8;
    // Worked out only where it colours the track or gives its sign.
    const bool needGradient =
        (byMapType && o.Type == MapType::Elevation) || (signs && o.PaintElevation);
    const SegmentList& tracks = sources_.scenery.Tracks();
    const TrackGradients* measured =
        needGradient && sources_.gradients && sources_.gradients->Fits(tracks, sources_.mode)
            ? sources_.gradients
            : nullptr;
    SignCache signCache(s, vector_, o.Antialiased);
    const int h = s / 2;

    // Line speeds are bytes: their colours are worked out once a drawing.
    std::array<std::optional<TColor>, 256> speedColors;
    TColor current = colors.Track;
    SetPen(SolidPen(colors.Track, WidthFor(1.435)));
    QPoint a, b;
    const SegmentGrid* grid = sources_.index ? &sources_.index->tracks : nullptr;
    ForEachSegment(tracks, grid, [&](const TSegmentObj& seg, std::uint32_t position) {
        if (!Ends(seg, a, b)) return;
        float g = 0;
        if (measured) {
            g = measured->At(position);
        } else if (needGradient) {
            g = SegmentGradient(seg, sources_.mode);
        }
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
            SetPenColor(color);
        }
        DrawSegment(seg, a, b);
        if (!signs) return;
        // Signs cover the lines drawn so far.
        Flush();
        ApplyPen();
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
