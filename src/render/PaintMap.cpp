#include "PaintMap.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cwchar>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

#include "ElapsedText.h"
#include "LayerPainter.h"
#include "LegendPicture.h"
#include "MiniMap.h"
#include "Overlays.h"
#include "QtColor.h"
#include "TrackLabels.h"
#include "Translate.h"

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

// The overlays' places are in pixels of the user interface, ratio picture pixels each.
void AddOverlays(QImage& picture, double m, double ratio, const MapOptions& o,
                 const OverlayPictures& overlays) {
    const int a = o.PaintTransparent ? 33 : 0;
    const auto px = [ratio](int logical) { return static_cast<int>(std::lround(logical * ratio)); };
    if (overlays.scaleBar) {
        BlendOverlay(MakeScaleBar(m / ratio, ratio), picture, px(15), picture.height() - px(30), a);
    }
    if (overlays.legend && o.LegendOnMap && o.LegendOnMapEnabled) {
        BlendOverlay(*overlays.legend, picture, px(15), px(15), a);
    }
    if (overlays.miniMap && o.MiniMapOnMap && o.MiniMapOnMapEnabled) {
        const QImage& mini = *overlays.miniMap;
        BlendOverlay(mini, picture, picture.width() - mini.width(), px(15), a);
    }
}

// Which of the layers PaintLayers draws: all of them, or the traction apart from the others.
enum class Layers { All, BelowTraction, Traction };

// The layers of the view in their order, each when its switch is on; on a raster band, only
// what shows in it.
void PaintLayers(QPainter& p, const MapRequest& request, RunawayGuard& guard, RasterBand band = {},
                 Layers which = Layers::All) {
    p.setRenderHint(QPainter::Antialiasing, request.sources.options.Antialiased);
    p.setBrush(Qt::NoBrush);
    LayerPainter layers(p, request.view, request.sources, guard, request.vector, band);
    const MapOptions& o = request.sources.options;
    if (which != Layers::Traction) {
        if (o.PaintRiver) layers.PaintRivers();
        if (o.PaintRoad) layers.PaintRoads();
        if (o.PaintTrack)
            layers.PaintTracks(request.selected, request.purpose != MapPurpose::MiniMap);
    }
    if (o.PaintTraction && which != Layers::BelowTraction) layers.PaintTraction();
}

// The track names over the layers.
void PaintLabels(QPainter& p, const MapRequest& request) {
    if (TrackLabelsShown(request.sources, request.purpose)) {
        PaintTrackLabels(p, PlaceTrackLabels(request.view, request.sources, request.pixelRatio),
                         request.pixelRatio);
    }
}

// Fills rows [top, top + rows) of 32-bit pixels. Through the C library's wide fill, which uses
// the widest stores the processor has: the fill is bound by the speed of the caches.
void FillRows(uchar* bits, qsizetype stride, int width, int top, int rows, QRgb fill) {
    static_assert(sizeof(wchar_t) == sizeof(QRgb));
    const auto pixel = static_cast<wchar_t>(fill);
    auto* const first = reinterpret_cast<wchar_t*>(bits + static_cast<qsizetype>(top) * stride);
    if (stride == static_cast<qsizetype>(width) * 4) {
        std::wmemset(first, pixel,
                     static_cast<std::size_t>(width) * static_cast<std::size_t>(rows));
        return;
    }
    for (int y = 0; y < rows; ++y)
        std::wmemset(reinterpret_cast<wchar_t*>(bits + static_cast<qsizetype>(top + y) * stride),
                     pixel, static_cast<std::size_t>(width));
}

// Rows a band has at least: below that, a thread costs more than it saves.
constexpr int kMinBandRows = 48;

// Whether the drawing runs to its end: the runaway question, which may stop it halfway, is
// asked only of a drawing that walks more segments than its limit.
bool RunsToTheEnd(const MapRequest& request) {
    return !DrawingMayStop(request.sources, request.hooks);
}

// How many threads the layers are drawn on: one when the drawing may stop halfway, as the
// runaway question is asked on the caller's thread.
int ThreadCount(const MapRequest& request, int rows) {
    if (request.plain || !RunsToTheEnd(request)) return 1;
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int threads = request.threads > 0 ? std::min(request.threads, cores) : cores;
    return std::clamp(rows / kMinBandRows, 1, std::min(threads, 8));
}

// Whether the traction is drawn on a clear picture of its own, beside the bands, and laid over
// them: its dashes run on from one wire to the next, so that every band would have to draw
// every wire. Laying it over gives the same pixels only when they are opaque and unsmoothed.
bool TractionApart(const MapRequest& request) {
    const MapOptions& o = request.sources.options;
    return o.PaintTraction && !o.Antialiased &&
           ToQColor(request.sources.colors.Traction).alpha() == 255;
}

// The parts of a drawing, each thread taking the next one not yet taken until none is left.
class DrawingParts {
  public:
    void Add(std::function<void()> part) { parts_.push_back(std::move(part)); }
    void Run(int threads) {
        std::vector<std::thread> workers;
        workers.reserve(static_cast<std::size_t>(threads - 1));
        for (int i = 1; i < threads; ++i)
            workers.emplace_back([this] { Work(); });
        Work();
        for (std::thread& worker : workers)
            worker.join();
    }

  private:
    void Work() {
        for (std::size_t i; (i = next_.fetch_add(1)) < parts_.size();)
            parts_[i]();
    }
    std::vector<std::function<void()>> parts_;
    std::atomic<std::size_t> next_{0};
};

// The target's own pixels, when the drawing may go straight into them instead of into a
// picture copied on at the end: a picture of the drawing's size and pixel format that nothing
// shares, under a painter that neither moves, clips nor blends, and a drawing that cannot stop
// halfway (a stopped drawing leaves the target as it was).
std::optional<QImage> TargetPixels(const MapRequest& request) {
    const QPainter& t = request.target;
    QPaintDevice* device = t.device();
    if (request.plain || !device || device->devType() != QInternal::Image) return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    if (image->size() != QSize(request.view.Width(), request.view.Height()) ||
        image->format() != QImage::Format_RGB32 || image->devicePixelRatio() != 1 ||
        !image->isDetached() || !t.transform().isIdentity() || t.hasClipping() ||
        t.opacity() != 1 || t.compositionMode() != QPainter::CompositionMode_SourceOver ||
        !RunsToTheEnd(request)) {
        return std::nullopt;
    }
    return QImage(image->bits(), image->width(), image->height(), image->bytesPerLine(),
                  image->format());
}

// The background and the layers and the track names into the picture. Bands are drawn on
// several threads, each filling its rows and drawing with the painter clipped to them and the
// segments in list order, so that every pixel is drawn by the same pieces in the same order as
// in one band. The work handed in beside the drawing goes first, as it is the longest part.
void PaintRaster(QImage& picture, const QColor& background, const MapRequest& request,
                 RunawayGuard& guard) {
    const int threads = ThreadCount(request, picture.height());
    if (threads == 1) {
        picture.fill(background);
        QPainter p(&picture);
        PaintLayers(p, request, guard,
                    request.plain ? RasterBand{} : RasterBand{&picture, 0, picture.height()});
        PaintLabels(p, request);
        return;
    }
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    // The background's pixel as the picture's own fill writes it.
    QImage pixel(1, 1, picture.format());
    pixel.fill(background);
    const QRgb fill = reinterpret_cast<const QRgb*>(pixel.constBits())[0];
    const PaintHooks unasked{};
    DrawingParts parts;
    if (request.beside) parts.Add(request.beside);
    const bool tractionApart = TractionApart(request);
    QImage traction;
    if (tractionApart) {
        traction = QImage(picture.size(), QImage::Format_ARGB32_Premultiplied);
        parts.Add([&] {
            traction.fill(Qt::transparent);
            QPainter p(&traction);
            RunawayGuard partGuard(unasked);
            PaintLayers(p, request, partGuard, RasterBand{&traction, 0, traction.height()},
                        Layers::Traction);
        });
    }
    // With parts of other sizes, smaller bands share the threads out evenly; through the
    // grids a band walks little more than its own segments.
    const bool uneven = tractionApart || request.beside;
    const int most = uneven && request.sources.index ? 4 * threads : threads;
    const int bands = std::clamp(picture.height() / kMinBandRows, 1, most);
    for (int i = 0; i < bands; ++i) {
        const int top = picture.height() * i / bands;
        const int rows = picture.height() * (i + 1) / bands - top;
        parts.Add([&, top, rows] {
            // A fill of the whole picture is memory bound: each band fills its own rows.
            FillRows(bits, stride, picture.width(), top, rows, fill);
            // The same pixels seen as a picture of their own, for a painter of this thread.
            QImage whole(bits, picture.width(), picture.height(), stride, picture.format());
            QPainter p(&whole);
            p.setClipRect(0, top, picture.width(), rows);
            RunawayGuard partGuard(unasked);
            PaintLayers(p, request, partGuard, RasterBand{&whole, top, top + rows},
                        tractionApart ? Layers::BelowTraction : Layers::All);
        });
    }
    parts.Run(threads);
    QPainter p(&picture);
    if (tractionApart) p.drawImage(0, 0, traction);
    p.setRenderHint(QPainter::Antialiasing, request.sources.options.Antialiased);
    p.setBrush(Qt::NoBrush);
    PaintLabels(p, request);
}

// The overlays of AddOverlays drawn as shapes and text at the same places. Each shape is
// blended on its own, so where an overlay's lines cross its own background they show a
// little darker than in a picture, which blends the overlay as a whole.
void PaintVectorOverlays(QPainter& p, const MapRequest& request) {
    const MapView& view = request.view;
    const MapSources& sources = request.sources;
    const MapOptions& o = sources.options;
    const OverlayPictures& overlays = request.overlays;
    const auto paintAt = [&p, &o](QPoint at, const std::function<void()>& paint) {
        p.save();
        p.translate(at);
        if (o.PaintTransparent) p.setOpacity(0.67);
        paint();
        p.restore();
    };
    if (overlays.scaleBar) {
        paintAt(QPoint(15, view.Height() - 30), [&] { PaintScaleBar(p, view.Scale()); });
    }
    if (overlays.legend && o.LegendOnMap && o.LegendOnMapEnabled) {
        paintAt(QPoint(15, 15),
                [&] { PaintLegend(p, o.Type, sources.scenery.Ranges(), sources.colors); });
    }
    if (overlays.miniMap && o.MiniMapOnMap && o.MiniMapOnMapEnabled) {
        const QSize size = overlays.miniMap->size();
        const ViewState framed{view.Min(), view.Max(), static_cast<float>(view.Scale())};
        paintAt(QPoint(view.Width() - size.width(), 15),
                [&] { MiniMap::PaintVector(p, size, sources, framed); });
    }
}

}  // namespace

bool DrawingMayStop(const MapSources& sources, const PaintHooks& hooks) {
    const TScenery& s = sources.scenery;
    const std::uint64_t most = std::uint64_t{s.Rivers().Count()} + s.Roads().Count() +
                               2 * std::uint64_t{s.Tracks().Count()} + s.Tractions().Count();
    return most >= hooks.runawayLimit;
}

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
    if (hooks.status) hooks.status->StatusText(Translate("PaintMap", "Rysowanie..."));
    const Stopwatch stopwatch;
    RunawayGuard guard(hooks);

    MapResult result{static_cast<float>(view.Scale()), MapOutcome::Drawn};
    const QColor background = request.purpose == MapPurpose::Print
                                  ? QColor(Qt::white)
                                  : ToQColor(sources.colors.Background);
    if (request.vector) {
        QPainter& p = request.target;
        p.save();
        p.fillRect(QRect(0, 0, view.Width(), view.Height()), background);
        try {
            PaintLayers(p, request, guard);
            PaintLabels(p, request);
        } catch (const DrawingStopped& stopped) {
            p.restore();
            result.outcome = stopped.outcome;
            return result;
        }
        if (!miniMap) {
            if (request.overlays.finish) request.overlays.finish();
            PaintVectorOverlays(p, request);
        }
        p.restore();
    } else {
        // One picture of the pixels, not a copy: a copy would be detached by the first write.
        std::optional<QImage> targetPixels = TargetPixels(request);
        QImage ownPicture;
        if (!targetPixels) ownPicture = QImage(view.Width(), view.Height(), QImage::Format_RGB32);
        QImage& picture = targetPixels ? *targetPixels : ownPicture;
        try {
            PaintRaster(picture, background, request, guard);
        } catch (const DrawingStopped& stopped) {
            result.outcome = stopped.outcome;
            return result;
        }
        if (!miniMap) {
            if (request.overlays.finish) request.overlays.finish();
            AddOverlays(picture, view.Scale(), request.pixelRatio, sources.options,
                        request.overlays);
        }
        if (!targetPixels) request.target.drawImage(0, 0, picture);
    }

    if (!miniMap && hooks.status)
        hooks.status->StatusText(stopwatch.ElapsedText(Translate("PaintMap", "Rysowanie: ")));
    return result;
}

}  // namespace tarvik
