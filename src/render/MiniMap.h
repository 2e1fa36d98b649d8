#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QSize>
#include <optional>

#include "PaintMap.h"
#include "ViewState.h"

namespace tarvik {

// The mini-map's pictures: a cache of the whole scenery drawn without overlays, and the
// window picture, the cache with a red frame (or a cross, when the view is tiny) around the
// main view.
class MiniMap {
  public:
    // Both pictures take the new size, ratio picture pixels for each pixel of the window; their
    // old contents are discarded.
    void Resize(int width, int height, double ratio = 1);

    // Draws the scenery into the cache again and keeps the cache's mapping. Returns how the
    // drawing ended, Drawn also when there is nothing to draw.
    MapOutcome Rebuild(const MapSources& sources, const PaintHooks& hooks = {});

    // A cache drawn apart from the mini-map, with its mapping, for Take.
    struct Drawing;
    // What Rebuild draws, drawn without touching this mini-map, on as many threads as given
    // (0: one per core): it may run on another thread while the mini-map is read, as long as
    // nothing changes the sources.
    Drawing Draw(const MapSources& sources, const PaintHooks& hooks = {}, int threads = 0) const;
    // Takes a drawing made for the cache's present size, as Rebuild would have left it; a
    // drawing of another size is dropped. Returns how it ended.
    MapOutcome Take(Drawing drawing);
    // Whether the cache holds the scenery drawn with these switches and colours: those of the
    // main map alone (its type, the names, the overlays) leave the cache as it is. A change of
    // the scenery itself is not seen here.
    bool CacheShows(const MapSources& sources) const;
    // Draws the window picture from the cache with the frame of view.
    void Refresh(const ViewState& view, const SceneryBounds& bounds);

    // What the window picture shows after a rebuild and a refresh with view, drawn with its
    // top-left corner at the painter's origin in paths rather than from the cache, size pixels
    // large: for a vector picture.
    static void PaintVector(QPainter& p, QSize size, const MapSources& sources,
                            const ViewState& view);

    // The world point, in whole metres, under the pixel (x, y) of the picture (not of the
    // window, when the ratio is not 1).
    QPointF ClickToWorld(int x, int y) const;

    const QImage& Picture() const { return picture_; }
    const QImage& Cache() const { return cache_; }
    float Scale() const { return scale_; }
    double Ratio() const { return ratio_; }

  private:
    // The frame of view on a picture of the given mapping; within, the picture's size, when
    // the painter does not cut at its edges.
    static void PaintFrame(QPainter& p, const ViewState& view, float scale, float offX, float offY,
                           std::optional<QSize> within = std::nullopt, int ratio = 1);

    // What the cache was drawn with, as far as it shows in the cache.
    struct CacheSources {
        MapOptions options;
        ColorSlots colors;
        bool ownerMode = false;
        std::uint16_t interpolateSteps = 0;
        bool operator==(const CacheSources&) const = default;
    };
    // At the cache's scale, which decides whether signs show.
    static CacheSources CacheSourcesOf(const MapSources& sources, float scale);

    QImage cache_;
    std::optional<CacheSources> drawnWith_;

  public:
    struct Drawing {
        // Null when nothing was drawn (no cache, or an empty scenery).
        QImage cache;
        MapOutcome outcome = MapOutcome::Drawn;
        float scale = 0;
        float offX = 0;
        float offY = 0;
        std::optional<CacheSources> with;
    };

  private:
    QImage picture_;
    float scale_ = 0;
    float offX_ = 0;
    float offY_ = 0;
    double ratio_ = 1;
};

}  // namespace tarvik
