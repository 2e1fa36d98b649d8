#include "PaintMap.h"

#include <chrono>
#include <cmath>

#include "ElapsedText.h"
#include "LayerPainter.h"
#include "Overlays.h"
#include "QtColor.h"

namespace tarvik {
namespace {

// Shows the drawing cursor for as long as it lives.
class DrawingCursor {
  public:
    explicit DrawingCursor(const PaintHooks& hooks) : hooks_(hooks) {
        if (hooks_.drawingCursor) hooks_.drawingCursor(true);
    }
    ~DrawingCursor() {
        if (hooks_.drawingCursor) hooks_.drawingCursor(false);
    }
    DrawingCursor(const DrawingCursor&) = delete;
    DrawingCursor& operator=(const DrawingCursor&) = delete;

  private:
    const PaintHooks& hooks_;
};

void AddOverlays(QImage& picture, double m, const MapOptions& o, MapOverlays* overlays) {
    const int a = o.PaintTransparent ? 33 : 0;
    BlendOverlay(MakeScaleBar(m), picture, 15, picture.height() - 30, a);
    if (!overlays) return;
    if (o.LegendOnMap && o.LegendOnMapEnabled) {
        BlendOverlay(overlays->LegendPicture(), picture, 15, 15, a);
    }
    if (o.MiniMapOnMap || overlays->MiniMapWindowVisible()) overlays->RefreshMiniMap();
    if (o.MiniMapOnMap && o.MiniMapOnMapEnabled) {
        const QImage& mini = overlays->MiniMapPicture();
        BlendOverlay(mini, picture, picture.width() - mini.width(), 15, a);
    }
}

}  // namespace

float PaintMap(QPainter& target, std::uint16_t width, std::uint16_t height, TPointF& viewMin,
               TPointF& viewMax, const TSegmentObj* selected, bool whiteBackground, bool noOverlays,
               const MapSources& sources, MapOverlays* overlays, const PaintHooks& hooks) {
    if (viewMin.x == viewMax.x || viewMin.y == viewMax.y) return 0;
    const DrawingCursor cursor(hooks);
    if (hooks.status) hooks.status->StatusText("Rysowanie...");
    const auto start = std::chrono::steady_clock::now();
    RunawayGuard guard(hooks);

    const MapView view = MapView::Fit(viewMin, viewMax, width, height);
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(whiteBackground ? QColor(Qt::white) : ToQColor(sources.colors.Background));
    try {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        LayerPainter layers(p, view, sources, guard);
        const MapOptions& o = sources.options;
        if (o.PaintRiver) layers.PaintRivers();
        if (o.PaintRoad) layers.PaintRoads();
        if (o.PaintTrack) layers.PaintTracks(selected, whiteBackground, noOverlays);
        if (o.PaintTraction) layers.PaintTraction();
    } catch (const DrawingAbandoned&) {
        return static_cast<float>(view.Scale());
    }
    if (!noOverlays) AddOverlays(picture, view.Scale(), sources.options, overlays);
    target.drawImage(0, 0, picture);

    if (!noOverlays && hooks.status) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        hooks.status->StatusText(ElapsedText("Rysowanie: ", elapsed));
    }
    return static_cast<float>(view.Scale());
}

}  // namespace tarvik
