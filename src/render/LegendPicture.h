#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <array>

#include "ColorSlots.h"
#include "MapOptions.h"
#include "SegmentStore.h"

namespace tarvik {

// The four labels of a scale over lo..hi: lo, the two inner thirds, hi.
std::array<int, 4> LegendLabels(int lo, int hi);

// The legend: the track colour scale of the map type with its range, and samples of the
// traction, river and road colours; 100 x 90 pixels.
// ratio: picture pixels for each of those pixels; the picture carries it as its device pixel
// ratio, so that it shows at its size on a screen of that ratio.
QImage MakeLegendPicture(MapType type, const SceneryRanges& ranges, const ColorSlots& colors,
                         double ratio = 1);
inline constexpr QSize kLegendSize{100, 90};
// The legend drawn with its top-left corner at the painter's origin.
void PaintLegend(QPainter& p, MapType type, const SceneryRanges& ranges, const ColorSlots& colors);

}  // namespace tarvik
