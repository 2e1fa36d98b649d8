#include "MiniMap.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tarvik {
namespace {

bool EmptyBox(const SceneryBounds& b) {
    return b.SceneryMin.x == b.SceneryMax.x || b.SceneryMin.y == b.SceneryMax.y;
}

}  // namespace

void MiniMap::Resize(int width, int height, double ratio) {
    ratio_ = ratio;
    width = static_cast<int>(std::lround(width * ratio));
    height = static_cast<int>(std::lround(height * ratio));
    cache_ = QImage(width, height, QImage::Format_RGB32);
    picture_ = QImage(width, height, QImage::Format_RGB32);
    // Blended onto the map before the first rebuild, it must not show stale memory.
    cache_.fill(Qt::white);
    picture_.fill(Qt::white);
    drawnWith_.reset();
}

MiniMap::CacheSources MiniMap::CacheSourcesOf(const MapSources& sources, float scale) {
    // The mini-map draws the layers alone, tracks in their plain colour, with no overlays,
    // and signs only when the scenery is small enough for them to show.
    MapOptions o = sources.options;
    // (They show from 9 pixels on; below 8 no rounding of the scale can bring them.)
    if (16.0 * scale < 8) o.PaintSpeedLimit = o.PaintElevation = false;
    o.Type = MapType::Normal;
    o.PaintTrackNames = false;
    o.LegendOnMap = o.LegendOnMapEnabled = o.MiniMapOnMap = o.MiniMapOnMapEnabled = false;
    o.PaintTransparent = false;
    return {o, sources.colors, sources.mode.OwnerMode, sources.mode.InterpolateSteps};
}

bool MiniMap::CacheShows(const MapSources& sources) const {
    return drawnWith_ == CacheSourcesOf(sources, scale_);
}

MapOutcome MiniMap::Rebuild(const MapSources& sources, const PaintHooks& hooks) {
    return Take(Draw(sources, hooks));
}

MiniMap::Drawing MiniMap::Draw(const MapSources& sources, const PaintHooks& hooks,
                               int threads) const {
    Drawing d;
    if (cache_.isNull()) return d;
    const SceneryBounds& bounds = sources.scenery.Bounds();
    TPointF min = bounds.SceneryMin;
    TPointF max = bounds.SceneryMax;
    const std::optional<MapView> view = FitMap(min, max, static_cast<std::uint16_t>(cache_.width()),
                                               static_cast<std::uint16_t>(cache_.height()));
    if (!view) return d;
    d.cache = QImage(cache_.size(), QImage::Format_RGB32);
    QPainter p(&d.cache);
    const MapResult result = PaintMap({.target = p,
                                       .view = *view,
                                       .sources = sources,
                                       .purpose = MapPurpose::MiniMap,
                                       .hooks = hooks,
                                       .threads = threads});
    d.outcome = result.outcome;
    d.scale = result.scale;
    d.offX = -min.x;
    d.offY = -min.y;
    if (result.outcome == MapOutcome::Drawn) d.with = CacheSourcesOf(sources, result.scale);
    return d;
}

MapOutcome MiniMap::Take(Drawing drawing) {
    if (drawing.cache.isNull()) return drawing.outcome;
    if (drawing.cache.size() != cache_.size()) return MapOutcome::Drawn;
    scale_ = drawing.scale;
    offX_ = drawing.offX;
    offY_ = drawing.offY;
    drawnWith_ = drawing.with;
    // A stopped drawing leaves the cache as it was.
    if (drawing.outcome == MapOutcome::Drawn) cache_ = std::move(drawing.cache);
    return drawing.outcome;
}

void MiniMap::Refresh(const ViewState& view, const SceneryBounds& bounds) {
    if (EmptyBox(bounds) || picture_.isNull()) return;
    QPainter p(&picture_);
    p.drawImage(0, 0, cache_);
    PaintFrame(p, view, scale_, offX_, offY_, std::nullopt,
               std::max(1, static_cast<int>(std::lround(ratio_))));
}

void MiniMap::PaintFrame(QPainter& p, const ViewState& view, float scale, float offX, float offY,
                         std::optional<QSize> within, int ratio) {
    const auto at = [scale](float world, float offset) {
        return static_cast<int>(std::nearbyint((world + offset) * scale));
    };
    const int left = at(view.ViewMin.x, offX) + 1;
    const int top = at(view.ViewMin.y, offY) + 1;
    const int right = at(view.ViewMax.x, offX);
    const int bottom = at(view.ViewMax.y, offY);
    p.setRenderHint(QPainter::Antialiasing, false);
    // The frame's pen and the cross keep their size on a screen of several pixels to one.
    p.setPen(QPen(QColor(255, 0, 0), 2 * ratio));
    p.setBrush(Qt::NoBrush);
    const int arm = 4 * ratio;
    if (right - 3 * ratio < left && bottom - 3 * ratio < top) {
        p.drawLine(left - arm, top - arm, right + arm, bottom + arm);
        p.drawLine(left - arm, bottom + arm, right + arm, top - arm);
    } else if (within) {
        // A picture cuts the frame at its edges; a vector picture draws only the sides that
        // show, as far as they show.
        const int w = within->width();
        const int h = within->height();
        const int x1 = std::clamp(left, 0, w);
        const int x2 = std::clamp(right - 1, 0, w);
        const int y1 = std::clamp(top, 0, h);
        const int y2 = std::clamp(bottom - 1, 0, h);
        if (top >= 0 && top <= h) p.drawLine(x1, top, x2, top);
        if (bottom - 1 >= 0 && bottom - 1 <= h) p.drawLine(x1, bottom - 1, x2, bottom - 1);
        if (left >= 0 && left <= w) p.drawLine(left, y1, left, y2);
        if (right - 1 >= 0 && right - 1 <= w) p.drawLine(right - 1, y1, right - 1, y2);
    } else {
        // The outline runs through the last pixels before right and bottom, as the window
        // system's rectangles do: a frame of the whole scenery keeps all four sides in view.
        p.drawRect(QRectF(QPointF(left, top), QPointF(right - 1, bottom - 1)));
    }
}

void MiniMap::PaintVector(QPainter& p, QSize size, const MapSources& sources,
                          const ViewState& view) {
    const SceneryBounds& bounds = sources.scenery.Bounds();
    TPointF min = bounds.SceneryMin;
    TPointF max = bounds.SceneryMax;
    const std::optional<MapView> fitted = FitMap(min, max, static_cast<std::uint16_t>(size.width()),
                                                 static_cast<std::uint16_t>(size.height()));
    if (!fitted) return;
    const MapResult drawn = PaintMap({.target = p,
                                      .view = *fitted,
                                      .sources = sources,
                                      .purpose = MapPurpose::MiniMap,
                                      .vector = true});
    PaintFrame(p, view, drawn.scale, -min.x, -min.y, size);
}

QPointF MiniMap::ClickToWorld(int x, int y) const {
    if (scale_ == 0) return {};
    return {std::nearbyint(x / static_cast<double>(scale_) - offX_),
            std::nearbyint(y / static_cast<double>(scale_) - offY_)};
}

}  // namespace tarvik
