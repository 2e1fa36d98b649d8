#include "MiniMap.h"

#include <QPainter>
#include <cmath>

namespace tarvik {
namespace {

bool EmptyBox(const SceneryBounds& b) {
    return b.SceneryMin.x == b.SceneryMax.x || b.SceneryMin.y == b.SceneryMax.y;
}

}  // namespace

void MiniMap::Resize(int width, int height) {
    cache_ = QImage(width, height, QImage::Format_RGB32);
    picture_ = QImage(width, height, QImage::Format_RGB32);
    // Blended onto the map before the first rebuild, it must not show stale memory.
    cache_.fill(Qt::white);
    picture_.fill(Qt::white);
}

MapOutcome MiniMap::Rebuild(const MapSources& sources, const PaintHooks& hooks) {
    if (cache_.isNull()) return MapOutcome::Drawn;
    const SceneryBounds& bounds = sources.scenery.Bounds();
    TPointF min = bounds.SceneryMin;
    TPointF max = bounds.SceneryMax;
    const std::optional<MapView> view = FitMap(min, max, static_cast<std::uint16_t>(cache_.width()),
                                               static_cast<std::uint16_t>(cache_.height()));
    if (!view) return MapOutcome::Drawn;
    QPainter p(&cache_);
    const MapResult result = PaintMap({.target = p,
                                       .view = *view,
                                       .sources = sources,
                                       .purpose = MapPurpose::MiniMap,
                                       .hooks = hooks});
    scale_ = result.scale;
    offX_ = -min.x;
    offY_ = -min.y;
    return result.outcome;
}

void MiniMap::Refresh(const ViewState& view, const SceneryBounds& bounds) {
    if (EmptyBox(bounds) || picture_.isNull()) return;
    const auto at = [this](float world, float offset) {
        return static_cast<int>(std::nearbyint((world + offset) * scale_));
    };
    const int left = at(view.ViewMin.x, offX_) + 1;
    const int top = at(view.ViewMin.y, offY_) + 1;
    const int right = at(view.ViewMax.x, offX_);
    const int bottom = at(view.ViewMax.y, offY_);
    QPainter p(&picture_);
    p.drawImage(0, 0, cache_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.setBrush(Qt::NoBrush);
    if (right - 3 < left && bottom - 3 < top) {
        p.drawLine(left - 4, top - 4, right + 4, bottom + 4);
        p.drawLine(left - 4, bottom + 4, right + 4, top - 4);
    } else {
        // The outline runs through the last pixels before right and bottom, as the window
        // system's rectangles do: a frame of the whole scenery keeps all four sides in view.
        p.drawRect(QRectF(QPointF(left, top), QPointF(right - 1, bottom - 1)));
    }
}

QPointF MiniMap::ClickToWorld(int x, int y) const {
    if (scale_ == 0) return {};
    return {std::nearbyint(x / static_cast<double>(scale_) - offX_),
            std::nearbyint(y / static_cast<double>(scale_) - offY_)};
}

}  // namespace tarvik
