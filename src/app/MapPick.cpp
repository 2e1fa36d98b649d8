#include "MapPick.h"

#include "Navigation.h"

namespace tarvik {
namespace {

QString Coordinate(double value) {
    QString text = QString::number(value, 'f', 2);
    // A value that rounds to nothing is written without its sign.
    if (text == QStringLiteral("-0.00")) text.remove(0, 1);
    return text;
}

}  // namespace

TPointD MapPointAt(const ViewState& view, int x, int y) {
    const double scale = view.MapScale;
    return {x / scale + view.ViewMin.x, y / scale + view.ViewMin.y};
}

KindSet DrawnKinds(const MapOptions& options) {
    KindSet kinds{};
    kinds[static_cast<int>(SegmentKind::Track)] = options.PaintTrack;
    kinds[static_cast<int>(SegmentKind::Road)] = options.PaintRoad;
    kinds[static_cast<int>(SegmentKind::River)] = options.PaintRiver;
    kinds[static_cast<int>(SegmentKind::Traction)] = options.PaintTraction;
    return kinds;
}

std::optional<SegmentHit> PickSegment(const TScenery& scenery, const ViewState& view,
                                      const MapOptions& options, const TWorkMode& mode, int x,
                                      int y) {
    if (!UsableScale(view.MapScale)) return std::nullopt;
    const std::vector<SegmentHit> hits = SegmentsNear(
        scenery, MapPointAt(view, x, y), kPickPixels / view.MapScale, DrawnKinds(options), mode);
    if (hits.empty()) return std::nullopt;
    return hits.front();
}

QString SceneryPointText(const SegmentHit& hit, TPointD at, const TWorkMode& mode) {
    const SegmentPlace place = NearestPlace(*hit.segment, at, mode);
    const TPointD scenery = SceneryPointOf(place.point);
    if (hit.kind == SegmentKind::Traction)
        return Coordinate(scenery.x) + ' ' + Coordinate(scenery.y);
    return Coordinate(scenery.x) + ' ' + Coordinate(HeightAlong(*hit.segment, place.along)) + ' ' +
           Coordinate(scenery.y);
}

}  // namespace tarvik
