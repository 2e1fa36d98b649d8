#pragma once

#include <QPainter>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <array>
#include <vector>

#include "MapView.h"
#include "PaintMap.h"

namespace tarvik {

// One track name on the map: a box of size centred at centre and turned by angle degrees
// (clockwise on the picture, in [-90, 90) so that the text never reads upside down).
struct TrackLabel {
    QString text;
    QPointF centre;
    double angle = 0;
    QSizeF size;

    // The box's corners on the picture, in order round it.
    std::array<QPointF, 4> Corners() const;
};

// Whether two labels' boxes share any point, edges included.
bool LabelsOverlap(const TrackLabel& a, const TrackLabel& b);

// Whether a drawing for purpose carries the track names: in the author mode only, when both
// the tracks and their names are switched on, and never on the mini-map.
bool TrackLabelsShown(const MapSources& sources, MapPurpose purpose);

// The names of the view's named tracks, each name once, along the longest straight stretch of
// that name within the picture, when the name's box fits in the stretch's drawn length. The
// longest stretches are placed first; a name whose box would overlap one placed already is
// left out. On a screen of more picture pixels to a point (ratio) the names are as large to
// the eye as on others.
std::vector<TrackLabel> PlaceTrackLabels(const MapView& view, const MapSources& sources,
                                         double ratio = 1);

// Draws the labels as the signs are drawn: black text on white with a black edge, in the
// small font of the map's pictures, at the ratio they were placed for.
void PaintTrackLabels(QPainter& p, const std::vector<TrackLabel>& labels, double ratio = 1);

}  // namespace tarvik
