#pragma once

#include <QKeySequence>
#include <array>
#include <optional>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace tarvik {

class CursorTable;

// What the main window's keys do. Keys act on release, with exactly the listed modifiers.
enum class KeyCommand {
    Help,
    RunSimulator,
    Close,
    HandTool,
    ZoomTool,
    RulerTool,
    ToggleRoads,
    EditFiles,
    ToggleLegend,
    ToggleMiniMap,
    Open,
    Print,
    ToggleRivers,
    Save,
    ToggleTracks,
    ToggleTraction,
    EditorSettings,
    ToggleLegendOnMap,
    ToggleMiniMapOnMap,
    PrintPreview,
};

std::optional<KeyCommand> KeyCommandFor(int key, Qt::KeyboardModifiers modifiers);

// Every menu item and tool button of the main window, named by its role.
struct MainActions {
    // "Plik"
    QAction* OpenMenuItem = nullptr;
    QMenu* MRUMenu = nullptr;
    std::array<QAction*, 9> MRUList{};
    QAction* EditSource = nullptr;
    QAction* Zapiszobrazsceneriidopliku1 = nullptr;
    QAction* Drukujobrazscenerii1 = nullptr;
    QAction* PrintPreviewMenuItem = nullptr;
    QAction* Uruchomsymulator1 = nullptr;
    QAction* SceneryProperyty = nullptr;
    QAction* Zamknij1 = nullptr;
    // "Narzędzia"
    QActionGroup* ToolGroup = nullptr;
    QAction* apa1 = nullptr;
    QAction* Lupa1 = nullptr;
    QAction* Linijka1 = nullptr;
    // "Okna"
    QMenu* LegendMenu = nullptr;
    QAction* ShowLegend = nullptr;
    QAction* LegendOnMap = nullptr;
    QMenu* MiniMapMenu = nullptr;
    QAction* ShowMiniMap = nullptr;
    QAction* MiniMapOnMap = nullptr;
    QMenu* TrackListSubmenu = nullptr;
    QAction* TrackListMenu = nullptr;  // the submenu's own item
    QAction* ShowTrackList = nullptr;
    QAction* AnimateZoom = nullptr;
    QAction* PaintTransparentMenu = nullptr;
    // "Opcje"
    QAction* PaintTrack = nullptr;
    QAction* PaintTraction = nullptr;
    QAction* PaintRoad = nullptr;
    QAction* PaintRiver = nullptr;
    QAction* PaintSpeedLimit = nullptr;
    QAction* PaintElevation = nullptr;
    QActionGroup* MapTypes = nullptr;
    QAction* MapTypeVelocity = nullptr;
    QAction* MapTypeHipsometric = nullptr;
    QAction* MapTypeElevation = nullptr;
    QAction* MapTypeNormal = nullptr;
    QAction* Kolory = nullptr;
    QAction* WorkMode = nullptr;
    // "Pomoc"
    QAction* HelpMenuItem = nullptr;
    QAction* AboutMenuItem = nullptr;
    // The editors drop-down: nine slots and the settings.
    QMenu* EditorsMenu = nullptr;
    std::array<QAction*, 9> EditorItems{};
    QAction* EditorSettings = nullptr;
    // The tool bar.
    QToolBar* ToolBar = nullptr;
    QToolButton* OpenToolButton = nullptr;
    QToolButton* EditSourceToolButton = nullptr;
    QToolButton* PaintToolButton = nullptr;
    QToolButton* SaveToolButton = nullptr;
    QToolButton* PrintToolButton = nullptr;
    QToolButton* RunSimToolButton = nullptr;
    QToolButton* HandToolButton = nullptr;
    QToolButton* ZoomToolButton = nullptr;
    QToolButton* LengthToolButton = nullptr;
    QToolButton* LegendToolButton = nullptr;
    QToolButton* MiniMapToolButton = nullptr;
    QToolButton* TrackListToolButton = nullptr;
};

// Builds the menu bar and the tool bar of the window with every item in its initial state.
// Menu items show their keys as text only: the keys are acted on by the window's key-release
// handling, never by the items themselves.
MainActions CreateMainActions(QMainWindow& window, const CursorTable& cursors);

}  // namespace tarvik
