#pragma once

#include <QMainWindow>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "ColorSlots.h"
#include "Cursors.h"
#include "FileSystem.h"
#include "MainActions.h"
#include "MapOptions.h"
#include "MiniMapForm.h"
#include "Navigation.h"
#include "PaintMap.h"
#include "RecentFiles.h"
#include "Scenery.h"
#include "SegmentGrid.h"
#include "SettingsStore.h"
#include "TrackListWindow.h"
#include "ViewState.h"
#include "ViewerDialogs.h"
#include "WorkMode.h"

class QAction;
class QLabel;
class QToolButton;

namespace tarvik {

class MapWidget;
class TColorsForm;
class TLegendForm;
class TSceneryProperytyForm;
class TWorkModeForm;

// Why the map is drawn again: some causes rebuild the mini-map's picture of the whole scenery.
enum class RedrawCause {
    Button,
    Load,
    Layer,
    ShowLegend,
    ShowMiniMap,
    Transparency,
    MapType,
    Marks,
    OnMap,
    Navigation,
    Colors,
    Resize,
};

// Commands whose windows are built apart from the main window. An item whose command is not
// given stays disabled.
struct MainCommands {
    std::function<void()> saveImage;
    std::function<void()> print;
    std::function<void()> printPreview;
    std::function<void()> runSimulator;
    std::function<void()> sceneryProperties;
    std::function<void()> editorSettings;
    std::function<void(int slot)> editFiles;
    std::function<void()> about;
    // Runs before a load frees the model, for windows that hold results computed from it.
    std::function<void()> sceneryReplaced;
};

// The windows built apart from the main window, created at their place in the start-up order
// (each given the main window), and the progress text shown before each step.
struct StartupHooks {
    std::function<void(std::string_view text)> progress;
    std::function<void(class TForm1&)> createEditorDialog;
    std::function<void(class TForm1&)> createTrackList;
    std::function<void(class TForm1&)> createLauncher;
    std::function<void(class TForm1&)> createTrackProperties;
    std::function<void(class TForm1&)> createTimetable;
    // Adds the edit verb to the desktop registration, once the editors are known.
    std::function<void(class TForm1&)> registerEditVerb;
};

// The main window: owns the scenery model and the view, draws the map, and carries the menus,
// the tool bar, the navigation tools and the status line.
class TForm1 : public QMainWindow, private MiniMapHost {
  public:
    // Creating the main window reads the first half of the settings; the other windows follow
    // in the start-up order.
    TForm1(ViewerDialogs& dialogs, const FileSystem& files, SettingsStore& store,
           StartupHooks hooks = {});
    ~TForm1() override;

    // Commands given here take the place of those given before; the handlers of a new load
    // run after the earlier ones.
    void AddCommands(const MainCommands& commands);
    // Windows that keep settings of their own: apply runs when the second half of the settings
    // has been read, collect when the settings are written at close.
    void AddSettingsParticipant(std::function<void(const AppSettings&)> apply,
                                std::function<void(AppSettings&)> collect);
    void SetTrackList(TrackListWindow* list);
    TrackListWindow* TrackList() const { return trackList_; }
    // The list's own animation button reports its state here.
    void SetAnimateZoom(bool animate);
    // Key releases of these windows act as the main window's own.
    void AddKeyWindow(QWidget* window);

    // Takes its own copy of the path: the recent-files list it may come from changes meanwhile.
    // The second half of the settings, the other windows' places, the mini-map and the work
    // mode.
    void FinishStartup();
    // The arguments after the program's name: "/o", "/e" or "/p" and a path, or a path.
    void RunCommandLine(const QStringList& arguments);
    // Every setting as the windows and items hold it now.
    AppSettings CollectSettings() const;

    void LoadScenery(std::string path);
    void CheckFilesChanged();
    void RedrawMap(RedrawCause cause);
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers);

    bool SceneryLoaded() const;
    const TScenery& Scenery() const { return scenery_; }
    const ViewState& View() const override { return view_; }
    ViewState& View() { return view_; }
    const MapOptions& Options() const { return options_; }
    ColorSlots& Colors() { return colors_; }
    TWorkMode& Mode() { return mode_; }
    RecentFiles& Recent() { return recent_; }
    const MainActions& Actions() const { return actions_; }
    MainActions& Actions() { return actions_; }
    // What the main window draws with, for the windows that draw the same way.
    MapSources Sources() const override;
    PaintHooks MainPaintHooks();
    ViewerDialogs& Dialogs() { return dialogs_; }
    const FileSystem& Files() const { return files_; }
    MapWidget& Map() { return *map_; }
    TLegendForm& Legend() { return *legend_; }
    TMiniMapForm& MiniMapWindow() { return *miniMap_; }
    TColorsForm& ColorsForm() { return *colorsForm_; }
    TWorkModeForm& WorkModeForm() { return *workModeForm_; }
    TSceneryProperytyForm& StatisticsForm() { return *statistics_; }
    // The path last chosen in the open dialog in this run, the title of print jobs.
    const std::string& LastOpenedPath() const { return lastOpenedPath_; }
    const CursorTable& Cursors() const { return cursors_; }
    const std::string& SceneryShortPath() const { return sceneryShortPath_; }
    QString StatusText() const;
    void SetStatusText(std::string_view text);
    // The recent-files menu items take the list's captions, paths and visibility.
    void ShowRecentFiles();
    // For tests of the timing text.
    void SetClock(std::function<std::chrono::steady_clock::time_point()> clock) {
        clock_ = std::move(clock);
    }

    // Command handlers.
    void OpenButtonClick();
    void ShowLegendClick(QObject* sender);
    void ShowMiniMapClick(QObject* sender);
    void ShowTrackListClick();
    void AnimateZoomClick();
    void SelectTool(MapTool tool);
    void PaintTrackClick();
    void PaintTransparentMenuClick();
    void MapTypeVelocityClick(QAction* item);
    void KoloryClick();
    void WorkModeClick();
    void HelpButtonClick();
    void SaveImageButtonClick();
    void PrintButtonClick();
    void PrintPreviewMenuItemClick();
    void SceneryProperytyClick();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    class StatusBarSink;

    void ConnectActions();
    void ApplyFormCreateSettings();
    void ApplyFinishStartupSettings();
    // The legend's and the mini-map's "Pokaż": the window, its button and "Rysuj na mapie".
    void ShowToolWindowClick(QWidget& window, const QAction& show, QToolButton& button,
                             QAction& onMap, RedrawCause cause, const QObject* sender);
    void SyncOptions();
    void EnableAfterFirstLoad();
    void AddRecentFile(const std::string& path, const std::string& name);
    void ApplyPress(const PressEffect& effect);
    void ResizeMap();
    void ToggleLayer(QAction* layer);
    void Image1MouseDown(QMouseEvent* event);
    void Image1MouseMove(QMouseEvent* event);
    void Image1MouseUp(QMouseEvent* event);
    void SetMapCursor(int slot);

    // Fits the view to a picture of size, gets the legend and the mini-map ready for the fitted
    // view and draws the map onto target. Nothing for an empty view.
    std::optional<MapResult> PaintMainMap(QPainter& target, QSize size, MapPurpose purpose,
                                          const TSegmentObj* selected = nullptr);
    // Every drawing ends here: Abort at the runaway question ends the program at once.
    static void EndProgramOnAbort(MapOutcome outcome);
    // MiniMapHost
    bool ModelBusy() const override { return loading_ && !modelReady_; }
    PaintHooks MiniMapPaintHooks() override;
    void MiniMapDrawn(MapOutcome outcome) override { EndProgramOnAbort(outcome); }

  public:
    void CenterOn(double x, double y) override;

  private:
    ViewerDialogs& dialogs_;
    const FileSystem& files_;
    SettingsStore& store_;
    StartupHooks hooks_;
    // The values read at start; those whose windows hold them are taken back from the windows
    // at close, the others are written as they were read.
    AppSettings settings_;
    CursorTable cursors_;
    TScenery scenery_;
    std::unique_ptr<SceneryIndex> index_;
    ViewState view_;
    MapOptions options_;
    ColorSlots colors_;
    TWorkMode mode_;
    RecentFiles recent_;
    MapNavigator navigator_;
    MainCommands commands_;
    TrackListWindow* trackList_ = nullptr;
    std::vector<QWidget*> keyWindows_;
    struct SettingsParticipant {
        std::function<void(const AppSettings&)> apply;
        std::function<void(AppSettings&)> collect;
    };
    std::vector<SettingsParticipant> settingsParticipants_;
    std::unique_ptr<StatusBarSink> statusSink_;
    std::function<std::chrono::steady_clock::time_point()> clock_;
    std::string sceneryShortPath_;
    std::string lastOpenedPath_;
    QString helpFile_;
    int mapCursor_ = kDefaultCursor;
    bool grabbing_ = false;
    bool loading_ = false;
    bool modelReady_ = true;  // false while a load is replacing the model
    bool checkingFiles_ = false;

    MainActions actions_;
    MapWidget* map_ = nullptr;
    QLabel* status_ = nullptr;
    TLegendForm* legend_ = nullptr;
    TMiniMapForm* miniMap_ = nullptr;
    TColorsForm* colorsForm_ = nullptr;
    TWorkModeForm* workModeForm_ = nullptr;
    TSceneryProperytyForm* statistics_ = nullptr;
};

}  // namespace tarvik
