#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>

namespace tarvik {

// Candidate lengths of the scale bar, in metres.
inline constexpr std::array<std::uint16_t, 15> ScaleDistances = {
    1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000, 50000};

// The length of the scale bar in metres for m pixels per metre, and its label ("200m", "50km").
double ScaleBarDistance(double m);
QString ScaleBarLabel(double distance);

// The scale bar for m pixels per metre: the first candidate at least 50 pixels long; ratio
// picture pixels for each of those pixels.
QImage MakeScaleBar(double m, double ratio = 1);
// Its size, and the bar itself drawn with its top-left corner at the painter's origin.
QSize ScaleBarSize(double m);
void PaintScaleBar(QPainter& p, double m);

// Blends source onto picture with its top-left corner at (x, y): each colour byte becomes
// ((100 - a) * source + a * picture) div 100; the overlay is cut at the picture's edges.
void BlendOverlay(const QImage& source, QImage& picture, int x, int y, int a);

}  // namespace tarvik
