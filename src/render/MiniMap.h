#pragma once

#include <QImage>
#include <QPointF>

#include "PaintMap.h"
#include "ViewState.h"

namespace tarvik {

// The mini-map's pictures: a cache of the whole scenery drawn without overlays, and the
// window picture, the cache with a red frame (or a cross, when the view is tiny) around the
// main view.
class MiniMap {
  public:
    // Both pictures take the new size; their old contents are discarded.
    void Resize(int width, int height);

    // Draws the scenery into the cache again and keeps the cache's mapping. Returns how the
    // drawing ended, Drawn also when there is nothing to draw.
    MapOutcome Rebuild(const MapSources& sources, const PaintHooks& hooks = {});
    // Draws the window picture from the cache with the frame of view.
    void Refresh(const ViewState& view, const SceneryBounds& bounds);

    // The world point, in whole metres, under the pixel (x, y) of the picture.
    QPointF ClickToWorld(int x, int y) const;

    const QImage& Picture() const { return picture_; }
    const QImage& Cache() const { return cache_; }
    float Scale() const { return scale_; }

  private:
    QImage cache_;
    QImage picture_;
    float scale_ = 0;
    float offX_ = 0;
    float offY_ = 0;
};

}  // namespace tarvik
