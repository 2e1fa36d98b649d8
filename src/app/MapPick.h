#pragma once

#include <QString>
#include <optional>

#include "MapOptions.h"
#include "SegmentSearch.h"
#include "ViewState.h"

namespace tarvik {

// How far from the pointer the identify tool finds an object, in pixels of the map.
inline constexpr double kPickPixels = 6;

// The map point under a pixel of the map picture.
TPointD MapPointAt(const ViewState& view, int x, int y);

// The layers the map draws, as the kinds a pick looks at.
KindSet DrawnKinds(const MapOptions& options);

// The segment nearest to the pixel within kPickPixels among the drawn layers, tracks first at
// equal distances; none without a usable scale.
std::optional<SegmentHit> PickSegment(const TScenery& scenery, const ViewState& view,
                                      const MapOptions& options, const TWorkMode& mode, int x,
                                      int y);

// The point of the segment nearest to the map point at, in the scenery's own axes as the files
// write them: "x y z" with two decimals and decimal points, y the height along the segment. A
// wire's height is not read with it, so a wire gives "x z".
QString SceneryPointText(const SegmentHit& hit, TPointD at, const TWorkMode& mode);

}  // namespace tarvik
