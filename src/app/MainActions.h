#pragma once

#include <QKeySequence>
#include <array>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace tarvik {

class CursorTable;

// Every command of the main window, one action each, named by its role; a tool button shows
// the action of its command. Menu items show their keys as text only: the keys are acted on
// by the key tables, the commands on release and the moves of the map on press.
struct MainActions {
    // "Plik"; the open command is also the open button, with the recent files as drop-down.
    QAction* OpenMenuItem = nullptr;
    QMenu* MRUMenu = nullptr;
    std::array<QAction*, 9> MRUList{};
    QAction* Reload = nullptr;      // the scenery loaded again, keeping the view where it can
    QAction* EditSource = nullptr;  // the editor settings
    QAction* Zapiszobrazsceneriidopliku1 = nullptr;
    QAction* CopyMap = nullptr;  // the map's picture to the clipboard
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
    QAction* Informacja1 = nullptr;
    QAction* GoTo = nullptr;
    QAction* PreviousView = nullptr;
    QAction* NextView = nullptr;
    // "Okna"; each "Pokaż" is also its window's tool button, with the submenu as drop-down.
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
    QAction* ShowProblems = nullptr;
    QAction* PaintTransparentMenu = nullptr;
    // "Opcje"
    QAction* PaintTrack = nullptr;
    QAction* PaintTraction = nullptr;
    QAction* PaintRoad = nullptr;
    QAction* PaintRiver = nullptr;
    QAction* PaintSpeedLimit = nullptr;
    QAction* PaintElevation = nullptr;
    QAction* PaintTrackNames = nullptr;
    QActionGroup* MapTypes = nullptr;
    QAction* MapTypeVelocity = nullptr;
    QAction* MapTypeHipsometric = nullptr;
    QAction* MapTypeElevation = nullptr;
    QAction* MapTypeNormal = nullptr;
    QMenu* NavigationMenu = nullptr;
    QAction* WheelZoomsAtPointer = nullptr;
    QAction* KeepPointer = nullptr;
    QMenu* AppearanceMenu = nullptr;
    QAction* SmoothLines = nullptr;
    QMenu* LanguageMenu = nullptr;
    QActionGroup* Languages = nullptr;
    QAction* LanguagePolish = nullptr;
    QAction* LanguageEnglish = nullptr;
    QAction* LanguageSystem = nullptr;
    QAction* Kolory = nullptr;
    QAction* WorkMode = nullptr;
    QAction* ProblemsAfterLoad = nullptr;
    QAction* ParseErrorsUnasked = nullptr;
    // "Pomoc"
    QAction* HelpMenuItem = nullptr;
    QAction* AboutMenuItem = nullptr;
    // Commands of the tool bar only: the redraw, and the edit with the first editor, whose
    // drop-down holds the nine editors and their settings.
    QAction* PaintButton = nullptr;
    QAction* EditFiles = nullptr;
    QMenu* EditorsMenu = nullptr;
    std::array<QAction*, 9> EditorItems{};
    QAction* EditorSettings = nullptr;
    // Commands of the keyboard only, acting on the map's view as the zoom tool and the edge
    // bands do.
    QAction* PanLeft = nullptr;
    QAction* PanRight = nullptr;
    QAction* PanUp = nullptr;
    QAction* PanDown = nullptr;
    QAction* ZoomIn = nullptr;
    QAction* ZoomOut = nullptr;
    QAction* ShowAll = nullptr;
    // The tool bar.
    QToolBar* ToolBar = nullptr;
    QToolButton* OpenToolButton = nullptr;
    QToolButton* ReloadToolButton = nullptr;
    QToolButton* EditSourceToolButton = nullptr;
    QToolButton* PaintToolButton = nullptr;
    QToolButton* SaveToolButton = nullptr;
    QToolButton* PrintToolButton = nullptr;
    QToolButton* RunSimToolButton = nullptr;
    QToolButton* HandToolButton = nullptr;
    QToolButton* ZoomToolButton = nullptr;
    QToolButton* LengthToolButton = nullptr;
    QToolButton* InfoToolButton = nullptr;
    QToolButton* LegendToolButton = nullptr;
    QToolButton* MiniMapToolButton = nullptr;
    QToolButton* TrackListToolButton = nullptr;
};

// Builds the menu bar and the tool bar of the window. Check items start unchecked: the stored
// settings check them.
MainActions CreateMainActions(QMainWindow& window, const CursorTable& cursors);

// The key table: the action a key release triggers, with exactly these modifiers, or null.
QAction* ActionForKey(const MainActions& actions, int key, Qt::KeyboardModifiers modifiers);
bool IsMainWindowKey(int key, Qt::KeyboardModifiers modifiers);
// Triggers the key's action as a click on its item would; the keys of the tools, of the first
// editor and of the two "Rysuj na mapie" items act also while their items are disabled. False
// when the key is not in the table.
bool TriggerKey(const MainActions& actions, int key, Qt::KeyboardModifiers modifiers);
// A key release: the key acts with the modifiers held now; when it finds fewer than it went
// down with (a chord typed fast lets its modifiers go first), with those of its press.
bool TriggerKeyRelease(const MainActions& actions, int key, Qt::KeyboardModifiers held,
                       Qt::KeyboardModifiers atPress);
// The keys that move the map act when pressed, and again while held (the key repeats), with
// exactly the modifiers listed; their commands do nothing while disabled. False when the key
// is not one of them.
bool TriggerKeyPress(const MainActions& actions, int key, Qt::KeyboardModifiers modifiers);
// The key shown beside a command's item, from the key table; empty for none.
QString KeyText(QAction* MainActions::*command);

}  // namespace tarvik
