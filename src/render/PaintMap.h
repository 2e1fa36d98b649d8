#pragma once

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <functional>

#include "ColorSlots.h"
#include "MapOptions.h"
#include "Scenery.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik {

class SceneryIndex;

// What a drawing shows: the model, the switches, the colours and the work mode, and, when the
// owner of the model keeps one, the grids that find the segments of a small view quickly.
struct MapSources {
    const TScenery& scenery;
    const MapOptions& options;
    const ColorSlots& colors;
    const TWorkMode& mode;
    const SceneryIndex* index = nullptr;
};

// The legend and the mini-map of the main window, for the overlay step.
class MapOverlays {
  public:
    virtual ~MapOverlays() = default;
    virtual const QImage& LegendPicture() = 0;
    virtual bool MiniMapWindowVisible() const = 0;
    // Draws the mini-map window's picture again from its cache, with the current view frame.
    virtual void RefreshMiniMap() = 0;
    virtual const QImage& MiniMapPicture() = 0;
};

// Where a drawing reports: status texts, the runaway question and the busy cursor.
struct PaintHooks {
    StatusSink* status = nullptr;
    UserDialogs* dialogs = nullptr;
    std::function<void(bool drawing)> drawingCursor;
    // Segments drawn in one call before the runaway question is asked.
    std::uint32_t runawayLimit = 0xFFFFFFFFu;
};

// Draws the map of viewMin..viewMax into a picture of width x height pixels and copies it onto
// target at (0, 0). viewMin and viewMax come back widened to the picture's proportions. Returns
// the scale in pixels per metre, or 0 when the rectangle is empty and nothing was drawn.
// Overlays (scale bar, legend, mini-map) and the drawing time are left out with noOverlays;
// overlays may be null, which draws the scale bar only.
float PaintMap(QPainter& target, std::uint16_t width, std::uint16_t height, TPointF& viewMin,
               TPointF& viewMax, const TSegmentObj* selected, bool whiteBackground, bool noOverlays,
               const MapSources& sources, MapOverlays* overlays, const PaintHooks& hooks = {});

}  // namespace tarvik
