#include "TrackLabels.h"

#include <QFontMetricsF>
#include <QPen>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string_view>
#include <utility>

#include "Fonts.h"
#include "QtText.h"
#include "SegmentGrid.h"

namespace tarvik {
namespace {

// Room between the text and the box's edge, in pixels.
constexpr double kPadX = 2;
constexpr double kPadY = 2;
// The side of the cells that find the labels near a new one.
constexpr int kCell = 32;

QFont LabelFont(double ratio) {
    QFont font = SmallFont();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * ratio))));
    return font;
}

// A straight piece of track on the picture, cut to the picture.
struct Stretch {
    QPointF a;
    QPointF b;
    double length = 0;
};

// Cuts the line a..b to the rectangle 0..w x 0..h; false when nothing of it is inside.
bool ClipToPicture(QPointF& a, QPointF& b, double w, double h) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0;
    double t1 = 1;
    const auto cut = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double r = q / p;
        if (p < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!cut(-dx, a.x()) || !cut(dx, w - a.x()) || !cut(-dy, a.y()) || !cut(dy, h - a.y())) {
        return false;
    }
    const QPointF start = a;
    a = start + QPointF(dx * t0, dy * t0);
    b = start + QPointF(dx * t1, dy * t1);
    return true;
}

// The label's extent along axis, as the lowest and highest projection of its corners.
std::pair<double, double> Project(const std::array<QPointF, 4>& corners, QPointF axis) {
    double lo = QPointF::dotProduct(corners[0], axis);
    double hi = lo;
    for (const QPointF& c : corners) {
        const double d = QPointF::dotProduct(c, axis);
        lo = std::min(lo, d);
        hi = std::max(hi, d);
    }
    return {lo, hi};
}

QRectF Bounds(const std::array<QPointF, 4>& corners) {
    double x0 = corners[0].x(), x1 = x0, y0 = corners[0].y(), y1 = y0;
    for (const QPointF& c : corners) {
        x0 = std::min(x0, c.x());
        x1 = std::max(x1, c.x());
        y0 = std::min(y0, c.y());
        y1 = std::max(y1, c.y());
    }
    return QRectF(QPointF(x0, y0), QPointF(x1, y1));
}

// The labels placed so far, found by the cells their bounds meet.
class PlacedLabels {
  public:
    PlacedLabels(int width, int height)
        : nx_(std::max(1, width / kCell + 1)),
          ny_(std::max(1, height / kCell + 1)),
          cells_(static_cast<std::size_t>(nx_ * ny_)) {}

    // Adds the label unless it overlaps one added before; true when added.
    bool TryAdd(TrackLabel label) {
        const QRectF bounds = Bounds(label.Corners());
        const int cx0 = CellOf(bounds.left(), nx_), cx1 = CellOf(bounds.right(), nx_);
        const int cy0 = CellOf(bounds.top(), ny_), cy1 = CellOf(bounds.bottom(), ny_);
        for (int cy = cy0; cy <= cy1; ++cy) {
            for (int cx = cx0; cx <= cx1; ++cx) {
                for (const std::size_t i : cells_[Index(cx, cy)]) {
                    if (LabelsOverlap(labels_[i], label)) return false;
                }
            }
        }
        for (int cy = cy0; cy <= cy1; ++cy) {
            for (int cx = cx0; cx <= cx1; ++cx)
                cells_[Index(cx, cy)].push_back(labels_.size());
        }
        labels_.push_back(std::move(label));
        return true;
    }

    std::vector<TrackLabel> Take() { return std::move(labels_); }

  private:
    static int CellOf(double v, int n) {
        return std::clamp(static_cast<int>(std::floor(v / kCell)), 0, n - 1);
    }
    std::size_t Index(int cx, int cy) const { return static_cast<std::size_t>(cy * nx_ + cx); }

    int nx_;
    int ny_;
    std::vector<std::vector<std::size_t>> cells_;
    std::vector<TrackLabel> labels_;
};

}  // namespace

std::array<QPointF, 4> TrackLabel::Corners() const {
    const double rad = angle * std::numbers::pi / 180;
    const QPointF along(std::cos(rad) * size.width() / 2, std::sin(rad) * size.width() / 2);
    const QPointF across(-std::sin(rad) * size.height() / 2, std::cos(rad) * size.height() / 2);
    return {centre - along - across, centre + along - across, centre + along + across,
            centre - along + across};
}

bool LabelsOverlap(const TrackLabel& a, const TrackLabel& b) {
    const std::array<QPointF, 4> ca = a.Corners();
    const std::array<QPointF, 4> cb = b.Corners();
    // Two convex boxes are apart when the sides of one of them give an axis that parts them.
    for (const auto* corners : {&ca, &cb}) {
        for (std::size_t i = 0; i < 2; ++i) {
            const QPointF side = (*corners)[i + 1] - (*corners)[i];
            const QPointF axis(-side.y(), side.x());
            const auto [loA, hiA] = Project(ca, axis);
            const auto [loB, hiB] = Project(cb, axis);
            if (hiA < loB || hiB < loA) return false;
        }
    }
    return true;
}

bool TrackLabelsShown(const MapSources& sources, MapPurpose purpose) {
    const MapOptions& o = sources.options;
    return o.PaintTrackNames && o.PaintTrack && sources.mode.OwnerMode &&
           purpose != MapPurpose::MiniMap;
}

std::vector<TrackLabel> PlaceTrackLabels(const MapView& view, const MapSources& sources,
                                         double ratio) {
    const double m = view.Scale();
    const TPointF min = view.Min();
    const double w = view.Width();
    const double h = view.Height();
    std::map<std::string_view, Stretch> longest;
    const auto visit = [&](const TSegmentObj& s) {
        if (!s.HasName() || s.Control()) return;
        QPointF a((s.X1 - min.x) * m, (s.Y1 - min.y) * m);
        QPointF b((s.X2 - min.x) * m, (s.Y2 - min.y) * m);
        if (!ClipToPicture(a, b, w, h)) return;
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        Stretch& best = longest[s.Name()];
        if (length > best.length) best = {a, b, length};
    };
    if (sources.index) {
        sources.index->tracks.ForEachCandidate(view.Min(), view.Max(), visit);
    } else {
        for (const TSegmentObj& s : sources.scenery.Tracks())
            visit(s);
    }

    std::vector<std::pair<std::string_view, Stretch>> order(longest.begin(), longest.end());
    // The longest stretches have the first claim on the room; names settle equal lengths.
    std::stable_sort(order.begin(), order.end(), [](const auto& x, const auto& y) {
        return x.second.length > y.second.length;
    });
    const QFontMetricsF metrics(LabelFont(ratio));
    PlacedLabels placed(view.Width(), view.Height());
    for (const auto& [name, stretch] : order) {
        TrackLabel label;
        label.text = Cp1250ToQString(name);
        label.size = QSizeF(metrics.horizontalAdvance(label.text) + 2 * kPadX * ratio,
                            metrics.height() + 2 * kPadY * ratio);
        if (label.size.width() > stretch.length) continue;
        label.centre = (stretch.a + stretch.b) / 2;
        double angle = std::atan2(stretch.b.y() - stretch.a.y(), stretch.b.x() - stretch.a.x()) *
                       180 / std::numbers::pi;
        // Upright; a vertical name reads upwards, as on the side of a chart.
        if (angle >= 90) angle -= 180;
        if (angle < -90) angle += 180;
        label.angle = angle;
        placed.TryAdd(std::move(label));
    }
    return placed.Take();
}

void PaintTrackLabels(QPainter& p, const std::vector<TrackLabel>& labels, double ratio) {
    if (labels.empty()) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(LabelFont(ratio));
    for (const TrackLabel& label : labels) {
        p.save();
        p.translate(label.centre);
        p.rotate(label.angle);
        const QRectF box(-label.size.width() / 2, -label.size.height() / 2, label.size.width(),
                         label.size.height());
        p.setPen(QPen(Qt::black, std::max(1.0, std::round(ratio))));
        p.setBrush(Qt::white);
        p.drawRect(box);
        p.setBrush(Qt::NoBrush);
        p.drawText(box, Qt::AlignCenter, label.text);
        p.restore();
    }
    p.restore();
}

}  // namespace tarvik
