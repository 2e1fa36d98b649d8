#pragma once

#include <QImage>
#include <QPainter>
#include <cstdint>
#include <functional>
#include <optional>

#include "ColorSlots.h"
#include "MapOptions.h"
#include "MapView.h"
#include "Scenery.h"
#include "TrackGradients.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik {

class SceneryIndex;

// What a drawing shows: the model, the switches, the colours and the work mode, and, when the
// owner of the model keeps them, the grids that find the segments of a small view quickly and
// the gradients of the tracks measured once. A table that does not fit the tracks and the mode
// is left aside and the drawing measures the gradients it needs.
struct MapSources {
    const TScenery& scenery;
    const MapOptions& options;
    const ColorSlots& colors;
    const TWorkMode& mode;
    const SceneryIndex* index = nullptr;
    const TrackGradients* gradients = nullptr;
};

// Where a drawing reports: status texts, the runaway question and the busy cursor.
struct PaintHooks {
    StatusSink* status = nullptr;
    UserDialogs* dialogs = nullptr;
    std::function<void(bool drawing)> drawingCursor{};
    // Segments drawn in one call before the runaway question is asked.
    std::uint32_t runawayLimit = 0xFFFFFFFFu;
};

// Who asks for a drawing. Screen and Export draw the same; Print draws on white; MiniMap
// draws the layers alone, tracks in their plain colour, and reports no drawing time.
enum class MapPurpose { Screen, Export, Print, MiniMap };

// The finished pictures laid over the map, the legend at the top left and the mini-map at the
// top right, each only when given and the options ask for it; and the scale bar at the lower
// left. The mini-map purpose lays none of them.
struct OverlayPictures {
    const QImage* legend = nullptr;
    const QImage* miniMap = nullptr;
    // Called once the layers are drawn, before the pictures are read: pictures drawn
    // meanwhile on another thread are finished here.
    std::function<void()> finish{};
    // Off for the command line's layers alone on white, which no purpose of the viewer draws.
    bool scaleBar = true;
};

// One drawing: where it goes, what it shows, who asks and where it reports.
struct MapRequest {
    // Receives the finished picture at (0, 0).
    QPainter& target;
    // The fit from FitMap; its size is the picture's.
    MapView view;
    MapSources sources;
    // Highlighted with every segment of its name; may be null.
    const TSegmentObj* selected = nullptr;
    MapPurpose purpose = MapPurpose::Screen;
    OverlayPictures overlays{};
    PaintHooks hooks{};
    // Draws straight onto the target, which keeps paths and text (an SVG or PDF picture),
    // instead of through a picture copied on at the end: lines and curves stay paths, signs
    // and overlays are drawn as shapes and text, and the overlays are blended by opacity. The
    // legend and the mini-map are drawn where their pictures are given, at their size.
    bool vector = false;
    // Picture pixels to a pixel of the user interface, for a screen that shows several pixels
    // for each: the view's fit and the widths of lines and signs are in picture pixels, while
    // the overlays keep their size on the screen and are drawn finer.
    double pixelRatio = 1;
    // Every segment handed to the painter, on the caller's thread: the picture as the painter
    // alone draws it, which the quicker ways of drawing it (bands on several threads, pixels
    // set directly) must match pixel for pixel.
    bool plain = false;
    // Most threads the bands are drawn on, 0 for one per core: a drawing beside another one
    // takes fewer.
    int threads = 0;
    // Work of the caller's done on one of the drawing's threads while the bands are drawn
    // (before the overlays are laid), so that it shares the cores with them rather than
    // competing for them. Left alone by a drawing on one thread: the caller then does it
    // itself.
    std::function<void()> beside{};
};

enum class MapOutcome {
    Drawn,
    // Retry at the runaway question: the target keeps what it held.
    Abandoned,
    // Abort at the runaway question: nothing is drawn and the caller ends the program at once.
    EndProgram,
};

struct MapResult {
    // Pixels per metre of the fit, whatever the outcome.
    float scale = 0;
    MapOutcome outcome = MapOutcome::Drawn;
};

// Fits min..max to a picture of width x height pixels and widens min and max to its
// proportions; nothing, and min and max untouched, for an empty rectangle. Widening again
// moves the edges by rounding, so a view is fitted once per drawing, before the mini-map
// frames it.
std::optional<MapView> FitMap(TPointF& min, TPointF& max, std::uint16_t width,
                              std::uint16_t height);

// Draws the rivers, roads, tracks and traction of the fitted view, lays the overlays over them
// and copies the picture onto the target (or, for a vector target, draws them there). The status
// shows "Rysowanie..." and the drawing cursor is on while it draws; the drawing time follows,
// except for the mini-map.
MapResult PaintMap(const MapRequest& request);

// Whether a drawing of these sources may stop halfway at the runaway question, which is asked
// on the caller's thread: such a drawing cannot be handed to another thread.
bool DrawingMayStop(const MapSources& sources, const PaintHooks& hooks);

}  // namespace tarvik
