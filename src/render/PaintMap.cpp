#include "PaintMap.h"

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

void AddOverlays(QImage& picture, double m, const MapOptions& o, const OverlayPictures& overlays) {
    const int a = o.PaintTransparent ? 33 : 0;
    if (overlays.scaleBar) BlendOverlay(MakeScaleBar(m), picture, 15, picture.height() - 30, a);
    if (overlays.legend && o.LegendOnMap && o.LegendOnMapEnabled) {
        BlendOverlay(*overlays.legend, picture, 15, 15, a);
    }
    if (overlays.miniMap && o.MiniMapOnMap && o.MiniMapOnMapEnabled) {
        const QImage& mini = *overlays.miniMap;
        BlendOverlay(mini, picture, picture.width() - mini.width(), 15, a);
    }
}

}  // namespace

std::optional<MapView> FitMap(TPointF& min, TPointF& max, std::uint16_t width,
                              std::uint16_t height) {
    if (min.x == max.x || min.y == max.y) return std::nullopt;
    return MapView::Fit(min, max, width, height);
}

MapResult PaintMap(const MapRequest& request) {
    const MapView& view = request.view;
    const MapSources& sources = request.sources;
    const PaintHooks& hooks = request.hooks;
    const bool miniMap = request.purpose == MapPurpose::MiniMap;
    const DrawingCursor cursor(hooks);
    if (hooks.status) hooks.status->StatusText("Rysowanie...");
    const Stopwatch stopwatch;
    RunawayGuard guard(hooks);

    MapResult result{static_cast<float>(view.Scale()), MapOutcome::Drawn};
    QImage picture(view.Width(), view.Height(), QImage::Format_RGB32);
    picture.fill(request.purpose == MapPurpose::Print ? QColor(Qt::white)
                                                      : ToQColor(sources.colors.Background));
    try {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        LayerPainter layers(p, view, sources, guard);
        const MapOptions& o = sources.options;
        if (o.PaintRiver) layers.PaintRivers();
        if (o.PaintRoad) layers.PaintRoads();
        if (o.PaintTrack) layers.PaintTracks(request.selected, !miniMap);
        if (o.PaintTraction) layers.PaintTraction();
    } catch (const DrawingStopped& stopped) {
        result.outcome = stopped.outcome;
        return result;
    }
    if (!miniMap) AddOverlays(picture, view.Scale(), sources.options, request.overlays);
    request.target.drawImage(0, 0, picture);

    if (!miniMap && hooks.status) hooks.status->StatusText(stopwatch.ElapsedText("Rysowanie: "));
    return result;
}

}  // namespace tarvik
