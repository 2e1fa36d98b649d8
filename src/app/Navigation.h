#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "SegmentStore.h"
#include "ViewState.h"

namespace tarvik {

enum class MapTool { None, Hand, Zoom, Ruler, Identify };
enum class MouseButton { Left, Right, Middle };

// The held modifier keys and mouse buttons, always compared as a whole set.
using ShiftSet = unsigned;
inline constexpr ShiftSet kShift = 1;
inline constexpr ShiftSet kAlt = 2;
inline constexpr ShiftSet kCtrl = 4;
inline constexpr ShiftSet kLeft = 8;
inline constexpr ShiftSet kRight = 16;
inline constexpr ShiftSet kMiddle = 32;
// A key the commands do not know of (Meta) makes a set that matches none of theirs.
inline constexpr ShiftSet kOtherKey = 64;

// The cursor a position asks for: a cursor slot, or one of these.
inline constexpr int kDefaultCursor = 0;
inline constexpr int kCrossCursor = -1;

// Width of the bands along the picture's edges that scroll the view.
inline constexpr int kEdgeBand = 30;
// A view this small in either direction is not zoomed in further.
inline constexpr double kZoomLimit = 60;

struct PressEffect {
    bool redraw = false;
    bool warpPointer = false;  // move the pointer to the centre of the map frame
    bool showAll = false;      // the picture is filled with the background before the redraw
    bool grab = false;         // the hand tool took hold: the grabbing cursor everywhere
    bool identify = false;     // the identify tool asks what is under the press
};

struct ReleaseEffect {
    enum class Kind { None, Measured, Dragged } kind = Kind::None;
    double distance = 0;  // metres, for Measured
    bool redraw = false;
};

// How the map tools, the edge bands and the wheel change the view. Pixel positions are those
// of the map picture; the view's MapScale converts them into world points.
class MapNavigator {
  public:
    MapTool Tool() const { return tool_; }
    void SetTool(MapTool tool) { tool_ = tool; }

    bool PressPending() const { return pending_; }
    // A press of another button (back, forward) only ends the drag or measurement begun.
    void DropPress() { pending_ = false; }
    int PressX() const { return pressX_; }
    int PressY() const { return pressY_; }

    PressEffect Press(MouseButton button, ShiftSet shift, int x, int y, int width, int height,
                      ViewState& view, const SceneryBounds& extent);
    ReleaseEffect Release(int x, int y, ViewState& view);
    // The ruler's distance in metres from its pending press to (x, y); none without one.
    std::optional<double> DistanceTo(int x, int y, const ViewState& view) const;

    // The cursor for a pointer over (x, y) when no drag is shown.
    int CursorAt(ShiftSet shift, int x, int y, int width, int height, const ViewState& view) const;

    // The wheel as a press on a fixed pixel of the picture; nothing when the modifiers do not
    // take part.
    PressEffect Wheel(ShiftSet keys, int delta, int width, int height, ViewState& view,
                      const SceneryBounds& extent);

  private:
    MapTool tool_ = MapTool::None;
    bool pending_ = false;
    double pressWorldX_ = 0;
    double pressWorldY_ = 0;
    int pressX_ = 0;
    int pressY_ = 0;
};

// The zoom tool's zoom in about the view's centre: the view halves while it is more than
// kZoomLimit in both directions.
void ZoomInView(ViewState& view);
// The zoom tool's zoom out about the view's centre: the view doubles, never beyond the extent;
// true when it reached the extent, which then is to be shown whole.
bool ZoomOutView(ViewState& view, const SceneryBounds& extent);
// The whole extent in view.
void ShowAllView(ViewState& view, const SceneryBounds& extent);
// Moves the view by a quarter of its size per step, as a press in an edge band does: dx -1
// to the left, +1 to the right, dy -1 up, +1 down.
void PanView(ViewState& view, int dx, int dy);
// The view scaled by 1 / factor about the world point under pixel (x, y), which stays under
// it: factor above 1 zooms in. A view kZoomLimit or less in either direction is not zoomed in;
// a zoom out that reaches the extent in either direction shows all, and returns true.
bool ZoomViewAt(ViewState& view, const SceneryBounds& extent, double x, double y, double factor);
// Moves the view so that the world point under pixel from comes under pixel to.
void DragView(ViewState& view, int fromX, int fromY, int toX, int toY);
// Whether pixel (x, y) of a picture of this size lies in one of its edge bands.
bool InEdgeBand(int x, int y, int width, int height);
// A reload keeps the view when the new extent still holds the view's centre.
bool ViewFitsExtent(const ViewState& view, const SceneryBounds& extent);

// A wheel event as the wheel table takes it: the modifiers and the turn.
struct WheelTurn {
    ShiftSet keys = 0;
    int delta = 0;
};

// The turn of a wheel event of vertical and horizontal angles (positive: forward, or tilted
// to the left). The larger one counts; a horizontal turn scrolls sideways as Shift with the
// wheel does, the left tilt to the left, and only without modifiers or with Shift. An event
// without a turn (a touchpad's begin or end) is none.
std::optional<WheelTurn> WheelTurnOf(ShiftSet keys, int horizontal, int vertical);

// A scale that turns pixels into metres without dividing by zero or by garbage.
bool UsableScale(float scale);

// The ruler's distance as the message shows it, with the decimal comma: "12 km", "9,5 km",
// "1000 m", "10,0 m".
std::string RulerDistanceText(double metres);

}  // namespace tarvik
