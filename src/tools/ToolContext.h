#pragma once

#include <QtCore/qnamespace.h>

#include <functional>
#include <string>

#include "FileSystem.h"
#include "Scenery.h"
#include "ViewState.h"
#include "WorkMode.h"

namespace tarvik {

class CursorTable;
class ViewerDialogs;

// What the tool windows ask of the main window's map.
class MapControl {
  public:
    virtual ~MapControl() = default;

    // Whether a scenery has been loaded, so that the map and its commands are in use.
    virtual bool SceneryLoaded() const = 0;
    virtual const ViewState& View() const = 0;
    // The track highlighted from the next drawing on, with every segment of its name; null for
    // none.
    virtual void SetHighlight(const TSegmentObj* segment) = 0;
    // The track highlighted now, whoever chose it.
    virtual const TSegmentObj* Highlight() const = 0;
    virtual void Redraw() = 0;
    // Centres the map on a world point and draws it.
    virtual void CenterOn(double x, double y) = 0;
    // Centres the map on a world point and marks it with a cross until the view moves.
    virtual void CenterAndMark(double x, double y) = 0;
    // Centres and zooms the map on the segment, animated when the main window says so; done
    // runs once the map shows the segment.
    virtual void ZoomTo(const TSegmentObj& segment, std::function<void()> done) = 0;
};

// What a tool window reads and uses, all owned by the main window, which outlives its tool
// windows.
struct ToolContext {
    const TScenery& scenery;
    // The loaded scenery's path, empty before the first load.
    const std::string& sceneryPath;
    const TWorkMode& mode;
    ViewerDialogs& dialogs;
    const FileSystem& files;
    const CursorTable& cursors;
    MapControl& map;
    // Keys that the main window acts on, also when they are released in a tool window.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> isMainWindowKey;
};

}  // namespace tarvik
