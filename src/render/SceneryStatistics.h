#pragma once

#include <QImage>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ColorSlots.h"
#include "Scenery.h"
#include "WorkMode.h"

namespace tarvik {

struct KindTotals {
    std::uint64_t count = 0;
    double length = 0;  // metres, with the height difference of the ends
};

// The figures describing a loaded scenery, computed once per load. Lengths depend on the
// work mode's precision at the moment of computing.
struct SceneryStatistics {
    static constexpr int kSpeedClasses = 161;    // 0..160 km/h
    static constexpr int kGradientClasses = 51;  // 0..50 per mille

    KindTotals tracks, roads, rivers, tractions;
    double speedSum = 0;     // track metres times km/h
    double gradientSum = 0;  // track metres times per mille, steeper than 50 counted as 50
    double areaKm2 = 0;      // of the bounding box as widened at load
    double memoryBytes = 0;  // the estimate of what the model takes
    std::array<double, kSpeedClasses> speedClasses{};        // metres per line speed
    std::array<double, kGradientClasses> gradientClasses{};  // metres per whole gradient

    // Rounded mean line speed of the tracks, 0 without tracks.
    int MeanSpeed() const;
    // Mean gradient of the tracks in per mille, 0 without tracks.
    double MeanGradient() const;
};

SceneryStatistics ComputeStatistics(const TScenery& scenery, const TWorkMode& mode);

// A graph of track metres over 351 pixel columns, with each class smeared into its
// neighbours. peak and second are the highest and the next highest column reached.
struct Histogram {
    static constexpr int kBins = 351;
    std::array<double, kBins> bins{};
    double peak = 1;
    double second = 1;
};

// classFactor: the share of the axis one class takes (1/160 for speeds, 1/50 for gradients).
Histogram BuildHistogram(const double* classes, int count, double classFactor);

// The vertical slider that sets a graph's full scale; its minimum is 1.
struct ScaleSlider {
    int maximum = 1;
    int position = 1;
    // The full scale in metres.
    double Scale() const { return maximum - position + 1.0; }
};

// Sets the slider's range from the histogram when its maximum no longer fits the peak.
void FitSlider(const Histogram& histogram, ScaleSlider& slider);

// The step of the graph's grid lines for a full scale in metres.
int GridStep(double scale);
// The label of grid line d for step b: "500m", "1,5 km", "20km".
std::string GridLabel(int step, int line);

// Draws the graph (white, with the grid and the bars coloured along the scale) into picture.
void DrawHistogram(QImage& picture, const Histogram& histogram, double scale,
                   const ColorScale& colors, TColor trackColor);

}  // namespace tarvik
