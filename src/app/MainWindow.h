#pragma once

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AppSettings.h"
#include "ColorSlots.h"
#include "Cursors.h"
#include "ElapsedText.h"
#include "FileSystem.h"
#include "GradientsMeasure.h"
#include "KeyPresses.h"
#include "LoadQuestions.h"
#include "MainActions.h"
#include "MapOptions.h"
#include "MiniMapForm.h"
#include "Navigation.h"
#include "PaintMap.h"
#include "ProblemsCheck.h"
#include "ProgramHelp.h"
#include "RecentFiles.h"
#include "Scenery.h"
#include "SegmentGeometry.h"
#include "SegmentGrid.h"
#include "SegmentSearch.h"
#include "SettingsStore.h"
#include "ToolContext.h"
#include "ToolWindows.h"
#include "TrackZoom.h"
#include "UiLanguage.h"
#include "ViewHistory.h"
#include "ViewState.h"
#include "ViewerDialogs.h"
#include "WorkMode.h"

class QLabel;
class QMenu;

namespace tarvik {

class LoadProgressPanel;
class MapController;
class MapWidget;
class PointerPanel;
class ProblemsLink;
class WindowStatus;

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

// What a load does with the view: a new scenery is shown whole; a reload keeps the view when
// the reloaded scenery still holds its centre.
enum class LoadView { ShowAll, KeepIfInside };

// The main window: owns the scenery model, the view and the tool windows, draws the map, and
// carries the menus, the tool bar and the status line.
class TForm1 : public QMainWindow, private MapControl, private MiniMapHost {
  public:
    // Creating the main window reads the first half of the settings, then creates the tool
    // windows in the start-up order, telling each step's text to progress.
    TForm1(ViewerDialogs& dialogs, const FileSystem& files, SettingsStore& store,
           const std::function<void(std::string_view text)>& progress = {});
    ~TForm1() override;

    // The second half of the settings, the other windows' places, the mini-map and the work
    // mode.
    void FinishStartup();
    // The arguments after the program's name, as the file system's bytes: "/o", "/e" or "/p"
    // and a path, or a path.
    void RunCommandLine(const std::vector<std::string>& arguments);
    // Every setting as the windows and items hold it now.
    AppSettings CollectSettings() const;

    // Takes its own copy of the path: the recent-files list it may come from changes meanwhile.
    // A relative path is made absolute against the working folder before anything uses it.
    void LoadScenery(std::string path, LoadView keep = LoadView::ShowAll);
    // The loaded scenery again, from its top file, keeping the view where it can.
    void ReloadScenery();
    void CheckFilesChanged();
    void RedrawMap(RedrawCause cause);
    // The colours have been changed (by the colours window): the map and the legend take them.
    void ColorsChanged();
    // A drawing is still to come: the zoom to a track is under way, or the map of a resized
    // window waits for the previous picture to be shown.
    bool DrawingPending() const { return zoom_->Running() || resizeDrawing_.isActive(); }

    bool SceneryLoaded() const override { return sceneryLoaded_; }
    const TScenery& Scenery() const { return scenery_; }
    const ViewState& View() const override { return view_; }
    ViewState& View() { return view_; }
    const MapOptions& Options() const { return options_; }
    ColorSlots& Colors() { return colors_; }
    TWorkMode& Mode() { return mode_; }
    RecentFiles& Recent() { return recent_; }
    const MainActions& Actions() const { return actions_; }
    const ToolWindows& Tools() const { return tools_; }
    MapWidget& Map() { return *map_; }
    ZoomAnimation& Zoom() { return *zoom_; }
    const CursorTable& Cursors() const { return cursors_; }
    const std::string& SceneryShortPath() const { return sceneryShortPath_; }
    QString StatusText() const;
    void SetStatusText(std::string_view text);
    // The count of the last load's problems in the status line; empty while there are none or
    // the checks still run.
    QString ProblemsStatusText() const;
    bool CheckingProblems() const { return check_.Running(); }
    bool MeasuringGradients() const { return gradientsMeasure_.Running(); }
    // The gradients of the tracks measured after the load, or null until they are.
    const TrackGradients* Gradients() const { return gradients_.get(); }
    // For tests of the timing text.
    void SetClock(Stopwatch::Clock clock) { clock_ = std::move(clock); }
    // The language of the manual that "Pomoc" opens; the other one's when it is missing.
    void SetManualLanguage(UiLanguage language);
    // The folder the help is looked for beside; the program's own by default.
    void SetProgramFolder(const QString& folder);
    void SetHelpOpeners(HelpOpeners openers) { helpOpeners_ = std::move(openers); }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    ToolContext Context();
    void CreateToolWindows(const std::function<void(std::string_view)>& progress);
    void ConnectActions();
    void ConnectToolWindows();
    // The keys, commands and options that move the map beyond its tools
    // (MainWindowNavigation.cpp).
    void ConnectNavigation();
    void ApplyNavigationSettings();
    // A key that moves the map, pressed (or repeated while held) in the main window.
    bool NavigationKeyPress(const QKeyEvent& key);
    // A view-changing command of the keyboard: the view is drawn and remembered.
    void Navigate(const std::function<bool(ViewState&)>& change);
    // The view as the last drawing left it, remembered for going back to it.
    void RememberView();
    void GoThroughViews(bool back);
    void ShowViewItems();
    void ApplyFormCreateSettings();
    void ApplyFinishStartupSettings();
    void ShowEditorsMenu();
    void RegisterEditVerb();

    // Commands.
    void OpenButtonClick();
    void ShowLegendClick(const QObject* sender);
    void ShowMiniMapClick(const QObject* sender);
    // The legend's and the mini-map's "Pokaż": the window and its "Rysuj na mapie".
    void ShowToolWindowClick(QWidget& window, const QAction& show, QAction& onMap,
                             RedrawCause cause, const QObject* sender);
    void ShowTrackListClick();
    void ShowProblemsClick();
    void OpenProblemsWindow();
    // After a load: the checks over the model start beside the window, and what they find
    // joins the load's own problems in the problems window and the status line.
    void StartProblemsCheck();
    // After a load's drawing, and when the sample points per curve change: the tracks'
    // gradients are measured beside the window for the drawings by gradient.
    void MeasureGradients();
    void ProblemsFound(std::vector<Problem> found);
    void SelectTool(MapTool tool);
    void PaintTransparentMenuClick();
    void MapTypeVelocityClick(QAction* item);
    void KoloryClick();
    void WorkModeClick();
    // Enables the commands that the author mode alone offers.
    void FollowWorkMode();
    // Looks for the help anew and enables "Pomoc" when it is there.
    void FindHelpFiles();
    void HelpButtonClick();
    void SaveImageButtonClick();
    void CopyMapClick();
    void PrintButtonClick();
    void PrintPreviewMenuItemClick();
    void AboutMenuItemClick();
    void GoToClick();

    void SyncOptions();
    void EnableAfterFirstLoad();
    void AddRecentFile(const std::string& path, const std::string& name);
    void ShowRecentFiles();
    void ResizeMap();
    // Where the last drawing's pixels lie in a drawing of the view at the picture's new size;
    // nothing while there is none to show.
    std::optional<QTransform> PreviousPlace() const;
    // The drawing a resize left for later, at once: input is to act on the view drawn.
    void FinishResize();
    void Measured(double metres);
    void Measuring(double metres);
    // The pointer's place over the map, in the status line; none (it has left) clears it.
    void ShowPointer(std::optional<QPointF> at);
    // After a drawing: the go-to cross where its point is now, and the pointer's place anew.
    void ShowPlaces();

    // The identify tool (MainWindowIdentify.cpp): a press at a pixel of the map shows the
    // segment there, or opens its menu.
    void IdentifyAt(QPoint pixel, bool menu);
    void ShowIdentified(const std::optional<SegmentHit>& hit);
    void ShowIdentifyMenu(const SegmentHit& hit, TPointD at, QPoint pixel);
    void EditWhereRead(const TSegmentObj& segment);
    void ShowInTrackList(const TSegmentObj& track);

    // MapControl
    void SetHighlight(const TSegmentObj* segment) override { highlight_ = segment; }
    const TSegmentObj* Highlight() const override { return highlight_; }
    void Redraw() override { RedrawMap(RedrawCause::Button); }
    void CenterOn(double x, double y) override;
    void CenterAndMark(double x, double y) override;
    void ZoomTo(const TSegmentObj& segment, std::function<void()> done) override;
    // MiniMapHost
    MapSources Sources() const override;
    bool ModelBusy() const override { return loading_ && !modelReady_; }
    PaintHooks MiniMapPaintHooks() override { return MainPaintHooks(); }
    void MiniMapDrawn(MapOutcome outcome) override { EndProgramOnAbort(outcome); }
    PaintHooks MainPaintHooks();
    // Fits the view to a picture of size, gets the legend and the mini-map ready for the fitted
    // view and draws the map onto target. Nothing for an empty view. The screen's drawing
    // widens the window's view in place; the other purposes leave it as it is. A vector
    // target (an SVG or PDF picture) is drawn on in paths and text. ratio: picture pixels to a
    // pixel of the screen, for the overlays' size; the result's scale is in picture pixels.
    // beside: work done on the drawing's threads beside its bands (see MapRequest).
    std::optional<MapResult> PaintMainMap(QPainter& target, QSize size, MapPurpose purpose,
                                          const TSegmentObj* selected = nullptr,
                                          bool vector = false, double ratio = 1,
                                          std::function<void()> beside = {});
    // Every drawing ends here: Abort at the runaway question ends the program at once.
    static void EndProgramOnAbort(MapOutcome outcome);

    ViewerDialogs& dialogs_;
    const FileSystem& files_;
    SettingsStore& store_;
    // The values read at start; those whose windows hold them are taken back from the windows
    // at close, the others are written as they were read.
    AppSettings settings_;
    CursorTable cursors_;
    TScenery scenery_;
    std::unique_ptr<SceneryIndex> index_;
    // Reads the model while it runs, so it goes before the model.
    ProblemsCheck check_;
    GradientsMeasure gradientsMeasure_;
    // Replaced only while it does not fit the tracks and the mode: no drawing reads it then.
    std::shared_ptr<const TrackGradients> gradients_;
    ViewState view_;
    MapOptions options_;
    ColorSlots colors_;
    TWorkMode mode_;
    RecentFiles recent_;
    // The track the map highlights, chosen in the named-track list or with the identify tool.
    const TSegmentObj* highlight_ = nullptr;
    // The identify tool's menu on the segment under the pointer.
    QMenu* identifyMenu_ = nullptr;
    // The point the go-to command went to (map axes), marked until the view is moved.
    std::optional<TPointD> goToMark_;
    // The fit of the last drawing on the screen.
    std::optional<MapView> shownView_;
    // After a resize the map is drawn once the previous picture is on the screen and the
    // resizes waiting behind it are taken.
    QTimer resizeDrawing_;
    std::unique_ptr<WindowStatus> statusSink_;
    Stopwatch::Clock clock_;
    // The load asks through these, so that its time leaves the answers out.
    LoadQuestions questions_;
    std::string sceneryShortPath_;
    std::string lastOpenedPath_;
    QString programFolder_;
    UiLanguage manualLanguage_ = UiLanguage::Polish;
    HelpPlace help_;
    HelpOpeners helpOpeners_ = DesktopHelpOpeners();
    bool sceneryLoaded_ = false;
    bool loading_ = false;
    bool modelReady_ = true;  // false while a load is replacing the model
    bool checkingFiles_ = false;
    ViewHistory history_;
    // A view from the history is being drawn: it is not a new one.
    bool restoringView_ = false;
    // The key moving the map is held down: its steps make one view.
    bool keyRepeating_ = false;
    struct KeyRelease {
        int key = 0;
        quint64 time = 0;
    } lastKeyRelease_;
    // The window was closed during a load: it closes once the load has stopped.
    bool closeRequested_ = false;

    MainActions actions_;
    KeyPresses keyPresses_;
    MapWidget* map_ = nullptr;
    std::unique_ptr<MapController> controller_;
    std::unique_ptr<ZoomAnimation> zoom_;
    QLabel* status_ = nullptr;
    LoadProgressPanel* loadPanel_ = nullptr;
    PointerPanel* pointer_ = nullptr;
    ProblemsLink* problemsStatus_ = nullptr;
    ToolWindows tools_;
};

}  // namespace tarvik
