#pragma once

#include <QObject>
#include <QPoint>
#include <optional>

#include "Navigation.h"
#include "Scenery.h"
#include "ViewState.h"

class QMouseEvent;
class QWheelEvent;

namespace tarvik {

class CursorTable;
class MapWidget;

// The map's mouse and wheel: presses, drags and wheel turns become the navigator's steps on
// the view. The controller keeps the pointer's cursor and the drag feedback on the map; what
// is to be drawn or told it leaves to the main window.
class MapController : public QObject {
    Q_OBJECT

  public:
    MapController(MapWidget& map, ViewState& view, const TScenery& scenery,
                  const CursorTable& cursors);
    // A hold of the hand still pending gives the grabbing cursor back.
    ~MapController() override;
    MapController(const MapController&) = delete;
    MapController& operator=(const MapController&) = delete;

    MapTool Tool() const { return navigator_.Tool(); }
    void SetTool(MapTool tool);
    // Until a scenery is loaded the map takes no input and shows the arrow.
    void SetActive(bool active) { active_ = active; }
    // The main window's wheel, wherever it is turned over the window.
    void Wheel(const QWheelEvent& event);
    // The wheel zooms about the point under the pointer (Shift with it scrolls sideways).
    void SetWheelZoomsAtPointer(bool on) { wheelZoomsAtPointer_ = on; }
    // The zoom tool leaves the pointer where it is.
    void SetKeepPointer(bool on) { keepPointer_ = on; }

  signals:
    // Input is about to change the view.
    void aboutToNavigate();
    // The view has changed; showAll: to the whole scenery, from a picture of the background.
    void viewChanged(bool showAll);
    // The ruler's distance in metres; the rubber line stays until the map is drawn again.
    void measured(double metres);
    // The ruler's distance while it is dragged.
    void measuring(double metres);
    // The identify tool's press at a pixel of the map: the left button shows what is there,
    // the right one asks for its menu.
    void identify(QPoint pixel, bool menu);

  private:
    // A press of the middle button in the interior waits: a drag pans the map whatever the
    // tool, a click does what the press always did.
    struct MiddleHold {
        QPoint at;
        ShiftSet shift = 0;
        bool dragging = false;
    };

    void Press(const QMouseEvent& event);
    void PressAt(MouseButton button, ShiftSet shift, QPoint p);
    bool WheelZoom(const QWheelEvent& event);
    void DropMiddle();
    void Move(const QMouseEvent& event);
    void Release(const QMouseEvent& event);
    void Apply(const PressEffect& effect);
    // The map is taken hold of: the grabbing cursor on it and everywhere.
    void Grab();
    // The hand lets go: its cursor back on the map, the grabbing one gone.
    void EndGrab();
    // Ends the drag or measurement begun, with its feedback, without acting on it.
    void DropPress();
    void SetCursor(int slot);

    MapWidget& map_;
    ViewState& view_;
    const TScenery& scenery_;
    const CursorTable& cursors_;
    MapNavigator navigator_;
    int cursor_ = kDefaultCursor;
    bool grabbing_ = false;
    bool active_ = false;
    bool wheelZoomsAtPointer_ = false;
    bool keepPointer_ = false;
    std::optional<MiddleHold> middle_;
};

}  // namespace tarvik
