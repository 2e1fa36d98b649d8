#include "SceneryStatistics.h"

#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>

#include "Fonts.h"
#include "NumberText.h"
#include "Numbers.h"
#include "QtColor.h"
#include "ScaleColor.h"
#include "SegmentGeometry.h"

namespace tarvik {
namespace {

// What the model's records take, as the estimate counts them.
constexpr double kSegmentBytes = 80;
constexpr double kNameBytes = 256;
constexpr double kCurveBytes = 32;
constexpr double kEventBytes = 516;
constexpr double kTrainsetBytes = 272;
constexpr double kVehicleBytes = 264;

void AddSegmentMemory(const TSegmentObj& s, double& bytes) {
    bytes += kSegmentBytes;
    if (s.HasName()) bytes += kNameBytes;
    if (s.IsCurve()) bytes += kCurveBytes;
    if (s.HasEvents()) {
        for (const TEventRef& e : s.Events()) {
            (void)e;
            bytes += kEventBytes;
        }
    }
}

KindTotals Totals(const SegmentList& list, const TWorkMode& mode, double& bytes) {
    KindTotals t;
    for (const TSegmentObj& s : list) {
        ++t.count;
        t.length += SegmentLength(s, false, mode);
        AddSegmentMemory(s, bytes);
    }
    return t;
}

int RoundToInt(double v) {
    if (!(v < static_cast<double>(INT_MAX))) return INT_MAX;
    return static_cast<int>(RoundHalfEven(v));
}

}  // namespace

int SceneryStatistics::MeanSpeed() const {
    return tracks.length > 0 ? RoundToInt(speedSum / tracks.length) : 0;
}

double SceneryStatistics::MeanGradient() const {
    return tracks.length > 0 ? gradientSum / tracks.length : 0;
}

SceneryStatistics ComputeStatistics(const TScenery& scenery, const TWorkMode& mode) {
    SceneryStatistics st;
    const SceneryBounds& b = scenery.Bounds();
    st.areaKm2 = ((static_cast<double>(b.SceneryMax.x) - b.SceneryMin.x) / 1000) *
                 ((static_cast<double>(b.SceneryMax.y) - b.SceneryMin.y) / 1000);
    for (const TSegmentObj& s : scenery.Tracks()) {
        const double length = SegmentLength(s, false, mode);
        ++st.tracks.count;
        st.tracks.length += length;
        st.speedSum += length * s.Velocity;
        // Above the last class the track counts in it, as the graph's axis ends there.
        st.speedClasses[std::min<std::size_t>(s.Velocity, SceneryStatistics::kSpeedClasses - 1)] +=
            length;
        const double rounded = RoundHalfEven(static_cast<double>(SegmentGradient(s, mode)));
        const int r = static_cast<int>(std::clamp(rounded, 0.0, 50.0));
        st.gradientSum += r * length;
        st.gradientClasses[static_cast<std::size_t>(r)] += length;
        AddSegmentMemory(s, st.memoryBytes);
    }
    st.roads = Totals(scenery.Roads(), mode, st.memoryBytes);
    st.rivers = Totals(scenery.Rivers(), mode, st.memoryBytes);
    st.tractions = Totals(scenery.Tractions(), mode, st.memoryBytes);
    for (const TTrainsObj& t : scenery.Trainsets) {
        st.memoryBytes += kTrainsetBytes;
        for (const TVehicleObj& v : t.Vehicles) {
            (void)v;
            st.memoryBytes += kVehicleBytes;
        }
    }
    return st;
}

Histogram BuildHistogram(const double* classes, int count, double classFactor) {
    Histogram h;
    for (int n = 0; n < count; ++n) {
        const double c = classes[n];
        const int a = static_cast<int>(RoundHalfEven(n * classFactor * 350));
        if (a < 0 || a >= Histogram::kBins) continue;
        double& bin = h.bins[static_cast<std::size_t>(a)];
        bin += c;
        if (bin > h.peak) {
            h.second = h.peak;
            h.peak = bin;
        }
        if (bin > h.second && bin < h.peak) h.second = bin;
        // Halves spread out until a share rounds to nothing; a value that never does (not a
        // number) stops at the edges of the graph.
        for (int i = 1; i < Histogram::kBins; ++i) {
            const double w = std::ldexp(c, -i);
            if (a - i >= 0) h.bins[static_cast<std::size_t>(a - i)] += w;
            if (a + i < Histogram::kBins) h.bins[static_cast<std::size_t>(a + i)] += w;
            if (RoundHalfEven(w) == 0) break;
        }
    }
    return h;
}

void FitSlider(const Histogram& histogram, ScaleSlider& slider) {
    const int peak = std::max(1, RoundToInt(histogram.peak));
    if (slider.maximum == peak) return;
    slider.maximum = peak;
    slider.position = std::max(1, peak - RoundToInt(histogram.second) - 10);
}

int GridStep(double s) {
    static constexpr std::pair<double, int> kSteps[] = {
        {10, 1},       {20, 2},       {50, 5},         {100, 10},      {200, 20},
        {500, 50},     {1000, 100},   {2000, 200},     {5000, 500},    {10000, 1000},
        {20000, 2000}, {50000, 5000}, {100000, 10000}, {200000, 20000}};
    for (const auto& [limit, step] : kSteps) {
        if (s <= limit) return step;
    }
    return 50000;
}

std::string GridLabel(int step, int line) {
    const long long value = static_cast<long long>(step) * line;
    if (step < 100) return std::to_string(value) + "m";
    if (step < 1000) return FormatFixed(value * 0.001, 1, false) + " km";
    return std::to_string(static_cast<long long>(step / 1000) * line) + "km";
}

void DrawHistogram(QImage& picture, const Histogram& histogram, double scale,
                   const ColorScale& colors, TColor trackColor) {
    picture.fill(Qt::white);
    QPainter p(&picture);
    const int h = picture.height();
    const int step = GridStep(scale);
    p.setFont(SmallFont());
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    const int lines = RoundToInt(scale / step);
    for (int d = 0; d <= lines; ++d) {
        const int y = RoundToInt(h - static_cast<double>(step) * d * h / scale);
        p.drawLine(0, y, 360, y);
        p.drawText(0, y - 8 + p.fontMetrics().ascent(), QString::fromStdString(GridLabel(step, d)));
    }
    for (int i = 0; i < Histogram::kBins; ++i) {
        const TColor c = ScaleColor(colors, 350, 0, static_cast<float>(i), trackColor);
        const double bar = histogram.bins[static_cast<std::size_t>(i)] / scale * h;
        const int top = bar > INT_MAX / 2 ? INT_MIN / 2 : h - RoundToInt(bar);
        p.setPen(QPen(ToQColor(c), 1, top < 0 ? Qt::DashLine : Qt::SolidLine));
        p.drawLine(i + 10, h, i + 10, std::max(top, 0));
    }
}

}  // namespace tarvik
