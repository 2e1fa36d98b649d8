#include "MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QWheelEvent>
#include <QWindow>
#include <cstdlib>
#include <filesystem>

#include "AbsolutePath.h"
#include "ChangedFiles.h"
#include "ColorsForm.h"
#include "Cp1250.h"
#include "FileChanges.h"
#include "LegendForm.h"
#include "LegendPicture.h"
#include "LoadProgressPanel.h"
#include "MapController.h"
#include "MapWidget.h"
#include "MenuSwitches.h"
#include "PointerPanel.h"
#include "ProblemsForm.h"
#include "ProblemsLink.h"
#include "ProperytyForm.h"
#include "QtColor.h"
#include "QtText.h"
#include "RunSimForm.h"
#include "SceneryLoader.h"
#include "SceneryProperytyForm.h"
#include "TextNow.h"
#include "TrackListForm.h"
#include "Translate.h"
#include "WindowStatus.h"
#include "WorkModeForm.h"

namespace tarvik {
namespace {

constexpr int kMinimumWidth = 415;
constexpr int kMinimumHeight = 440;

// A side of a picture as the fit takes it.
std::uint16_t PictureSide(int pixels) {
    return static_cast<std::uint16_t>(std::min(pixels, 65535));
}

}  // namespace

TForm1::TForm1(ViewerDialogs& dialogs, const FileSystem& files, SettingsStore& store,
               const std::function<void(std::string_view text)>& progress)
    : dialogs_(dialogs),
      files_(files),
      store_(store),
      check_(*this),
      gradientsMeasure_(*this),
      clock_([] { return std::chrono::steady_clock::now(); }),
      questions_(dialogs, [this] { return clock_(); }),
      actions_(CreateMainActions(*this, cursors_)) {
    setObjectName("Form1");
    setWindowTitle(kApplicationTitle);
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    map_ = new MapWidget(this);
    setCentralWidget(map_);
    controller_ = std::make_unique<MapController>(*map_, view_, scenery_, cursors_);
    zoom_ = std::make_unique<ZoomAnimation>(
        view_,
        [this](double x, double y) {
            CenterView(view_, x, y);
            RedrawMap(RedrawCause::Navigation);
        },
        [this] { map_->repaint(); });
    status_ = new QLabel(this);
    status_->setObjectName("StatusBar1");
    statusBar()->addWidget(status_, 1);
    problemsStatus_ = new ProblemsLink(this);
    statusBar()->addPermanentWidget(problemsStatus_);
    connect(problemsStatus_, &QLabel::linkActivated, this, [this] { OpenProblemsWindow(); });
    loadPanel_ = new LoadProgressPanel(this);
    statusBar()->addPermanentWidget(loadPanel_);
    // Shown by a load that lasts.
    loadPanel_->hide();
    pointer_ = new PointerPanel(this);
    statusBar()->addPermanentWidget(pointer_);
    statusSink_ = std::make_unique<WindowStatus>(*status_, *loadPanel_, *this);
    statusBar()->setSizeGripEnabled(true);

    programFolder_ = QCoreApplication::applicationDirPath();
    manualLanguage_ = ResolveLanguage(LanguageChoice::System);
    FindHelpFiles();
    ConnectActions();
    ConnectNavigation();
    ApplyFormCreateSettings();
    ApplyNavigationSettings();
    CreateToolWindows(progress);
    ConnectToolWindows();

    map_->onResized = [this] { ResizeMap(); };
    resizeDrawing_.setSingleShot(true);
    resizeDrawing_.setInterval(0);
    connect(&resizeDrawing_, &QTimer::timeout, this, [this] {
        map_->ShowPreviousNow();
        RedrawMap(RedrawCause::Resize);
        map_->DropPrevious();
    });
    map_->onPointer = [this](std::optional<QPointF> at) { ShowPointer(at); };
    connect(controller_.get(), &MapController::aboutToNavigate, this, [this] {
        FinishResize();
        zoom_->Finish();
    });
    connect(controller_.get(), &MapController::viewChanged, this, [this](bool showAll) {
        if (showAll) map_->Picture().fill(ToRgb(colors_.Background));
        RedrawMap(RedrawCause::Navigation);
    });
    connect(controller_.get(), &MapController::measured, this, [this](double m) { Measured(m); });
    connect(controller_.get(), &MapController::measuring, this, [this](double m) { Measuring(m); });
    connect(controller_.get(), &MapController::identify, this,
            [this](QPoint pixel, bool menu) { IdentifyAt(pixel, menu); });
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) CheckFilesChanged();
    });
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::ConnectActions() {
    const MainActions& a = actions_;
    const auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    on(a.OpenMenuItem, [this] { OpenButtonClick(); });
    for (std::size_t i = 0; i < a.MRUList.size(); ++i) {
        on(a.MRUList[i], [this, i] { LoadScenery(recent_.Item(static_cast<int>(i)).path); });
    }
    on(a.Zapiszobrazsceneriidopliku1, [this] { SaveImageButtonClick(); });
    on(a.CopyMap, [this] { CopyMapClick(); });
    on(a.Drukujobrazscenerii1, [this] { PrintButtonClick(); });
    on(a.PrintPreviewMenuItem, [this] { PrintPreviewMenuItemClick(); });
    on(a.Zamknij1, [this] { close(); });
    on(a.PaintButton, [this] { RedrawMap(RedrawCause::Button); });
    on(a.apa1, [this] { SelectTool(MapTool::Hand); });
    on(a.Lupa1, [this] { SelectTool(MapTool::Zoom); });
    on(a.Linijka1, [this] { SelectTool(MapTool::Ruler); });
    on(a.Informacja1, [this] { SelectTool(MapTool::Identify); });
    on(a.GoTo, [this] { GoToClick(); });
    on(a.ShowLegend, [this] { ShowLegendClick(actions_.ShowLegend); });
    on(a.ShowMiniMap, [this] { ShowMiniMapClick(actions_.ShowMiniMap); });
    on(a.ShowTrackList, [this] { ShowTrackListClick(); });
    on(a.ShowProblems, [this] { ShowProblemsClick(); });
    for (QAction* onMap : {a.LegendOnMap, a.MiniMapOnMap}) {
        on(onMap, [this] {
            SyncOptions();
            RedrawMap(RedrawCause::OnMap);
        });
    }
    on(a.PaintTransparentMenu, [this] { PaintTransparentMenuClick(); });
    for (QAction* layer : {a.PaintTrack, a.PaintTraction, a.PaintRoad, a.PaintRiver})
        on(layer, [this] { RedrawMap(RedrawCause::Layer); });
    // The mini-map is drawn with the same lines.
    on(a.SmoothLines, [this] { RedrawMap(RedrawCause::Layer); });
    for (QAction* marks : {a.PaintSpeedLimit, a.PaintElevation, a.PaintTrackNames})
        on(marks, [this] { RedrawMap(RedrawCause::Marks); });
    for (QAction* type :
         {a.MapTypeVelocity, a.MapTypeHipsometric, a.MapTypeElevation, a.MapTypeNormal}) {
        on(type, [this, type] { MapTypeVelocityClick(type); });
    }
    on(a.Kolory, [this] { KoloryClick(); });
    on(a.WorkMode, [this] { WorkModeClick(); });
    on(a.HelpMenuItem, [this] { HelpButtonClick(); });
    on(a.AboutMenuItem, [this] { AboutMenuItemClick(); });
}

void TForm1::SyncOptions() {
    AppSettings shown;
    ReadMenuSwitches(actions_, shown);
    options_ = shown.Map;
    options_.LegendOnMapEnabled = actions_.LegendOnMap->isEnabled();
    options_.MiniMapOnMapEnabled = actions_.MiniMapOnMap->isEnabled();
}

QString TForm1::StatusText() const {
    return status_->text();
}

void TForm1::SetStatusText(std::string_view text) {
    SetTextNow(*status_, ToQString(text));
}

// ---- Loading -------------------------------------------------------------------------------

void TForm1::LoadScenery(std::string path, LoadView keep) {
    // The path is kept in the recent files and handed to outside programs, which may be
    // started from another folder.
    path = AbsolutePath(path, WorkingFolder());
    if (!CheckSceneryExists(path, files_, dialogs_)) return;
    // The zoom of the old scenery ends before its model goes.
    zoom_->Finish();
    // The view as drawn now, for a reload that keeps it.
    const std::optional<ViewState> before =
        keep == LoadView::KeepIfInside && SceneryLoaded() ? std::optional(view_) : std::nullopt;
    bool keptView = false;
    const Stopwatch stopwatch(clock_);
    const auto answeredBefore = questions_.Answering();
    LoadResult result;
    {
        const OverrideCursor busy(cursors_.Cursor(CursorTable::kLoading));
        const struct Busy {
            TForm1& w;
            explicit Busy(TForm1& window) : w(window) { w.loading_ = true; }
            ~Busy() {
                w.loading_ = false;
                w.modelReady_ = true;
            }
        } loading(*this);
        SetStatusText(Translate("TForm1", "Wczytywanie scenerii..."));
        ShowPointer(std::nullopt);
        tools_.statistics->Invalidate();
        tools_.launcher->ClearTree();
        tools_.trackList->ClearList();
        tools_.properties->Clear();
        // The checks read the model, and the problems point into it.
        check_.Stop();
        gradientsMeasure_.Stop();
        gradients_.reset();
        tools_.problems->Clear();
        problemsStatus_->hide();
        highlight_ = nullptr;
        // Its items point into the model.
        if (identifyMenu_) {
            identifyMenu_->close();
            identifyMenu_->clear();
        }
        // The grids point into the model, so they go before it.
        index_.reset();
        modelReady_ = false;
        questions_.SetAnswerParseErrors(actions_.ParseErrorsUnasked->isChecked());
        {
            const WindowStatus::LoadScope watched(*statusSink_);
            result = LoadSceneryModel(scenery_, path, mode_, files_, questions_, *statusSink_,
                                      {.reading = mode_.Reading});
        }
        index_ = std::make_unique<SceneryIndex>(scenery_);
        modelReady_ = true;
        keptView = before && ViewFitsExtent(*before, scenery_.Bounds());
        if (keptView) {
            view_.ViewMin = before->ViewMin;
            view_.ViewMax = before->ViewMax;
        } else {
            ShowAllView(view_, scenery_.Bounds());
        }
        AddRecentFile(path, Cp1250ToUtf8(scenery_.SceneryName));
        if (!SceneryLoaded()) {
            SelectTool(MapTool::Zoom);
            EnableAfterFirstLoad();
        }
        TTrackListForm& list = *tools_.trackList;
        // In the user mode the list has nothing to show, and its item is off.
        if (actions_.ShowTrackList->isChecked() && actions_.ShowTrackList->isEnabled() &&
            !list.isVisible()) {
            list.show();
        }
        if (list.isVisible()) {
            SetStatusText(Translate("TForm1", "Tworzenie listy nazwanych torów..."));
            list.BuildTrackList();
        }
        if (actions_.ShowLegend->isChecked()) {
            if (tools_.legend->isVisible()) {
                tools_.legend->Rebuild();
            } else {
                tools_.legend->show();
            }
        }
        RedrawMap(RedrawCause::Load);
        // The checks and the gradients run beside the window, but only once the new scenery
        // is drawn: the user waits for the map, and the drawing needs both cores.
        StartProblemsCheck();
        MeasureGradients();
        // The views gone through stay for the same scenery as long as its view stays.
        if (keptView) {
            RememberView();
        } else {
            history_.Reset(view_);
            ShowViewItems();
        }
        const QString name = scenery_.SceneryName.empty() ? ToQString(DisplayPath(path))
                                                          : Cp1250ToQString(scenery_.SceneryName);
        setWindowTitle(name + " - " + kApplicationTitle);
        // Linux paths have no short form; the launcher and the timetables take the path.
        sceneryShortPath_ = path;
        // The time the user took over the questions is not the load's.
        SetStatusText(stopwatch.ElapsedText(Translate("TForm1", "Wczyt.+Optymaliz.+Rys.: "),
                                            questions_.Answering() - answeredBefore));
    }
    // Closed meanwhile: the user no longer waits for a message.
    if (closeRequested_) {
        close();
        return;
    }
    if (result.status == LoadStatus::Failed) {
        dialogs_.MessageBox(result.error, kApplicationTitle, MessageIcon::Error,
                            MessageButtons::Ok);
    }
}

void TForm1::EnableAfterFirstLoad() {
    sceneryLoaded_ = true;
    controller_->SetActive(true);
    const MainActions& a = actions_;
    for (QAction* item : {a.EditFiles, a.PaintButton, a.Zapiszobrazsceneriidopliku1, a.CopyMap,
                          a.Drukujobrazscenerii1, a.PrintPreviewMenuItem, a.Uruchomsymulator1,
                          a.SceneryProperyty, a.apa1, a.Lupa1, a.Linijka1, a.Informacja1, a.GoTo}) {
        item->setEnabled(true);
    }
    for (QAction* item :
         {a.Reload, a.PanLeft, a.PanRight, a.PanUp, a.PanDown, a.ZoomIn, a.ZoomOut, a.ShowAll}) {
        item->setEnabled(true);
    }
}

void TForm1::AddRecentFile(const std::string& path, const std::string& name) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    recent_.Add(path, name);
    ShowRecentFiles();
}

void TForm1::ShowRecentFiles() {
    for (int i = 0; i < RecentFiles::kItems; ++i) {
        QAction* item = actions_.MRUList[static_cast<std::size_t>(i)];
        const RecentFileItem& r = recent_.Item(i);
        item->setText(ToQString(r.caption));
        const QString hint = ToQString(DisplayPath(r.path));
        item->setStatusTip(hint);
        item->setToolTip(hint);
        item->setVisible(i < recent_.Count() && r.visible);
    }
}

void TForm1::CheckFilesChanged() {
    if (loading_ || checkingFiles_ || scenery_.IncFiles.empty()) return;
    checkingFiles_ = true;
    // The names as they were: a file that is gone loses its name in the update.
    const std::vector<TIncFile> before(scenery_.IncFiles.begin(), scenery_.IncFiles.end());
    if (UpdateFileStamps(scenery_.IncFiles, files_) &&
        dialogs_.MessageBox(
            FileChangeQuestion(ChangedFileNames(before, scenery_.IncFiles), sceneryShortPath_),
            Translate("TForm1", "Zmiana pliku"), MessageIcon::Question,
            MessageButtons::YesNo) == MessageAnswer::Yes) {
        checkingFiles_ = false;
        LoadScenery(sceneryShortPath_, LoadView::KeepIfInside);
        return;
    }
    checkingFiles_ = false;
}

void TForm1::OpenButtonClick() {
    OpenFileRequest request;
    request.title = Translate("TForm1", "Wybierz plik scenerii");
    request.filter = Translate("TForm1",
                               "Plik scenerii (*.scn)|*.scn|Wszystkie pliki (*.*)|*.*|"
                               "Części scenerii (*.scm;*.inc)|*.scm;*.inc");
    // The next file is usually one of the same scenery's.
    if (!sceneryShortPath_.empty())
        request.folder = std::filesystem::path(sceneryShortPath_).parent_path().string();
    const std::optional<std::string> path = dialogs_.OpenFileName(request);
    if (!path) return;
    lastOpenedPath_ = *path;
    LoadScenery(*path);
}

// ---- Drawing -------------------------------------------------------------------------------

PaintHooks TForm1::MainPaintHooks() {
    PaintHooks hooks;
    hooks.status = statusSink_.get();
    hooks.dialogs = &questions_;
    hooks.drawingCursor = [this](bool drawing) {
        if (drawing) {
            QApplication::setOverrideCursor(cursors_.Cursor(CursorTable::kDrawing));
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    return hooks;
}

void TForm1::RedrawMap(RedrawCause cause) {
    if (cause == RedrawCause::Navigation || cause == RedrawCause::Load) goToMark_.reset();
    // The window repaints during a load (a resize may ask for a drawing); the half-read model
    // is not drawn.
    if (!SceneryLoaded() || ModelBusy()) return;
    SyncOptions();
    ClampToScenery(view_, scenery_.Bounds());
    // The mini-map's picture of the scenery, drawn again for a new scenery or for changed
    // layers or colours, is drawn on the main map's threads beside its bands.
    TMiniMapForm& miniMap = *tools_.miniMap;
    QImage& picture = map_->Picture();
    if (picture.width() < 1 || picture.height() < 1) {
        if (cause == RedrawCause::Load) miniMap.Refresh(true);
        return;
    }
    std::function<void()> miniMapDrawing = miniMap.StartRebuild(cause == RedrawCause::Load);
    {
        QPainter painter(&picture);
        // An empty view draws nothing; the last usable scale stays for the tools.
        // The picture has the screen's pixels; the tools count in the window's.
        const double ratio = map_->Ratio();
        if (const std::optional<MapResult> drawn =
                PaintMainMap(painter, picture.size(), MapPurpose::Screen, highlight_, false, ratio,
                             std::move(miniMapDrawing))) {
            view_.MapScale = static_cast<float>(drawn->scale / ratio);
        }
    }
    // The picture has the widget's size now: one left for after a resize is not needed.
    resizeDrawing_.stop();
    map_->DropPrevious();
    // Taken here when the main map, empty or stopped, did not frame it.
    if (miniMap.Rebuilding()) miniMap.Refresh(false);
    map_->ClearFeedback();
    ShowPlaces();
    if (cause == RedrawCause::Navigation) RememberView();
}

void TForm1::ResizeMap() {
    map_->Picture().fill(ToRgb(colors_.Background));
    if (const std::optional<QTransform> place = PreviousPlace()) {
        map_->ShowPrevious(*place, ToQColor(colors_.Background));
        resizeDrawing_.start();
        return;
    }
    map_->DropPrevious();
    RedrawMap(RedrawCause::Resize);
    map_->update();
}

std::optional<QTransform> TForm1::PreviousPlace() const {
    if (!shownView_ || !SceneryLoaded() || ModelBusy()) return std::nullopt;
    // The view as the drawing will fit it to the new size.
    ViewState next = view_;
    ClampToScenery(next, scenery_.Bounds());
    const QSize size = map_->Picture().size();
    if (size.width() < 1 || size.height() < 1) return std::nullopt;
    const std::optional<MapView> fit =
        FitMap(next.ViewMin, next.ViewMax, PictureSide(size.width()), PictureSide(size.height()));
    if (!fit) return std::nullopt;
    return shownView_->To(*fit);
}

void TForm1::FinishResize() {
    if (!resizeDrawing_.isActive()) return;
    RedrawMap(RedrawCause::Resize);
    map_->DropPrevious();
}

MapSources TForm1::Sources() const {
    return MapSources{scenery_, options_, colors_, mode_, index_.get(), gradients_.get()};
}

void TForm1::MeasureGradients() {
    // A table that fits is kept, so that a table is replaced only while no drawing reads it
    // (a drawing may run the event loop, for a question).
    if (gradients_ && gradients_->Fits(scenery_.Tracks(), mode_)) {
        gradientsMeasure_.Stop();
        return;
    }
    gradientsMeasure_.Start(
        scenery_.Tracks(), mode_,
        [this](std::shared_ptr<const TrackGradients> table) { gradients_ = std::move(table); });
}

void TForm1::CenterOn(double x, double y) {
    // The user moves the map: a zoom to a track ends first.
    zoom_->Finish();
    CenterView(view_, x, y);
    RedrawMap(RedrawCause::Navigation);
}

void TForm1::ZoomTo(const TSegmentObj& segment, std::function<void()> done) {
    zoom_->Start(ZoomTargetOf(segment), scenery_.Bounds(), actions_.AnimateZoom->isChecked(),
                 std::move(done));
}

std::optional<MapResult> TForm1::PaintMainMap(QPainter& target, QSize size, MapPurpose purpose,
                                              const TSegmentObj* selected, bool vector,
                                              double ratio, std::function<void()> beside) {
    // Only the screen's drawing widens the window's view; a picture or a page of another shape
    // is fitted with a copy, so the map under the pointer stays as the screen shows it.
    ViewState copy = view_;
    ViewState& fitted = purpose == MapPurpose::Screen ? view_ : copy;
    const std::optional<MapView> view = FitMap(
        fitted.ViewMin, fitted.ViewMax, PictureSide(size.width()), PictureSide(size.height()));
    if (purpose == MapPurpose::Screen) shownView_ = view;
    if (!view) return std::nullopt;
    OverlayPictures overlays;
    TLegendForm& legend = *tools_.legend;
    QImage legendPicture;
    if (options_.LegendOnMap && options_.LegendOnMapEnabled) {
        if (legend.Picture().isNull()) legend.Rebuild();
        legendPicture = legend.Picture();
        // The window's picture has its screen's pixels; another picture gets its own.
        if (legendPicture.devicePixelRatio() != ratio) {
            legendPicture = MakeLegendPicture(options_.Type, scenery_.Ranges(), colors_, ratio);
        }
        overlays.legend = &legendPicture;
    }
    // The mini-map frames the view as the fit widened it, once the layers are drawn: its
    // picture of a new scenery is drawn meanwhile.
    TMiniMapForm& miniMap = *tools_.miniMap;
    QImage framing;
    overlays.finish = [&] {
        if (options_.MiniMapOnMap || miniMap.isVisible() || miniMap.Rebuilding())
            miniMap.Refresh(false);
        framing = &fitted == &view_ ? miniMap.Picture() : miniMap.PictureFraming(fitted);
        if (const double shown = miniMap.Map().Ratio(); shown != ratio && !framing.isNull()) {
            // Drawn for a screen of another ratio: brought to this picture's pixels.
            framing = framing.scaled(framing.size() * (ratio / shown), Qt::IgnoreAspectRatio,
                                     Qt::SmoothTransformation);
        }
    };
    overlays.miniMap = &framing;
    const MapResult result = PaintMap({.target = target,
                                       .view = *view,
                                       .sources = Sources(),
                                       .selected = selected,
                                       .purpose = purpose,
                                       .overlays = overlays,
                                       .hooks = MainPaintHooks(),
                                       .vector = vector,
                                       .pixelRatio = ratio,
                                       .beside = std::move(beside)});
    EndProgramOnAbort(result.outcome);
    return result;
}

void TForm1::EndProgramOnAbort(MapOutcome outcome) {
    if (outcome == MapOutcome::EndProgram) std::exit(1);
}

// ---- Window toggles and drawing options ----------------------------------------------------

void TForm1::ShowLegendClick(const QObject* sender) {
    ShowToolWindowClick(*tools_.legend, *actions_.ShowLegend, *actions_.LegendOnMap,
                        RedrawCause::ShowLegend, sender);
}

void TForm1::ShowMiniMapClick(const QObject* sender) {
    ShowToolWindowClick(*tools_.miniMap, *actions_.ShowMiniMap, *actions_.MiniMapOnMap,
                        RedrawCause::ShowMiniMap, sender);
}

void TForm1::ShowToolWindowClick(QWidget& window, const QAction& show, QAction& onMap,
                                 RedrawCause cause, const QObject* sender) {
    if (show.isChecked()) {
        if (!window.isVisible() && sender != &window) window.show();
        onMap.setEnabled(true);
        RedrawMap(cause);
        return;
    }
    if (window.isVisible() && sender != &window) window.hide();
    onMap.setEnabled(false);
    // A window drawn on the map would otherwise stay there until the next drawing.
    if (onMap.isChecked()) RedrawMap(RedrawCause::OnMap);
}

void TForm1::ShowTrackListClick() {
    const MainActions& a = actions_;
    TTrackListForm& list = *tools_.trackList;
    if (a.ShowTrackList->isChecked() && a.ShowTrackList->isEnabled() &&
        a.TrackListMenu->isEnabled()) {
        list.show();
        if (list.ListEmpty()) list.BuildTrackList();
    } else {
        list.hide();
    }
}

void TForm1::SelectTool(MapTool tool) {
    const MainActions& a = actions_;
    controller_->SetTool(tool);
    switch (tool) {
        case MapTool::Hand:
            a.apa1->setChecked(true);
            break;
        case MapTool::Zoom:
            a.Lupa1->setChecked(true);
            break;
        case MapTool::Ruler:
            a.Linijka1->setChecked(true);
            break;
        case MapTool::Identify:
            a.Informacja1->setChecked(true);
            break;
        case MapTool::None:
            break;
    }
}

void TForm1::PaintTransparentMenuClick() {
    // The menu item has flipped its own check mark.
    SyncOptions();
    if ((options_.LegendOnMap && options_.LegendOnMapEnabled) ||
        (options_.MiniMapOnMap && options_.MiniMapOnMapEnabled)) {
        RedrawMap(RedrawCause::Transparency);
    }
}

void TForm1::MapTypeVelocityClick(QAction* item) {
    const MapType before = options_.Type;
    item->setChecked(true);
    SyncOptions();
    if (options_.Type == before) return;
    if (tools_.legend->isVisible()) tools_.legend->Rebuild();
    RedrawMap(RedrawCause::MapType);
}

void TForm1::KoloryClick() {
    if (tools_.colors->Execute()) ColorsChanged();
}

void TForm1::ColorsChanged() {
    if (SceneryLoaded()) {
        RedrawMap(RedrawCause::Colors);
    } else {
        ResizeMap();
    }
    tools_.legend->Rebuild();
}

void TForm1::WorkModeClick() {
    const bool namesBefore = mode_.OwnerMode;
    const std::uint16_t stepsBefore = mode_.InterpolateSteps;
    if (tools_.workMode->Execute() && !scenery_.IncFiles.empty() &&
        dialogs_.MessageBox(Translate("TForm1", "Czy przeładować scenerię teraz?"),
                            Translate("TForm1", "Zmiany w scenerii"), MessageIcon::Question,
                            MessageButtons::YesNo) == MessageAnswer::Yes) {
        LoadScenery(sceneryShortPath_, LoadView::KeepIfInside);
    } else {
        // The curves are measured with the new sample points at once; the table follows.
        if (mode_.InterpolateSteps != stepsBefore && SceneryLoaded()) MeasureGradients();
        if (mode_.OwnerMode != namesBefore && actions_.PaintTrackNames->isChecked()) {
            // The track names come and go with the author mode.
            RedrawMap(RedrawCause::Marks);
        }
    }
    FollowWorkMode();
    ShowTrackListClick();
}

void TForm1::FollowWorkMode() {
    const bool author = mode_.OwnerMode;
    actions_.ShowTrackList->setEnabled(author);
    actions_.TrackListMenu->setEnabled(author);
    actions_.PaintTrackNames->setEnabled(author);
}

void TForm1::SetManualLanguage(UiLanguage language) {
    manualLanguage_ = language;
    FindHelpFiles();
}

void TForm1::SetProgramFolder(const QString& folder) {
    programFolder_ = folder;
    FindHelpFiles();
}

void TForm1::FindHelpFiles() {
    help_ = FindHelp(programFolder_, manualLanguage_,
                     [](const QString& name) { return QStandardPaths::findExecutable(name); });
    actions_.HelpMenuItem->setEnabled(help_.Found());
}

void TForm1::HelpButtonClick() {
    if (help_.chmViewer) {
        const StartResult started = helpOpeners_.start(*help_.chmViewer);
        if (!started.started) {
            dialogs_.MessageBox(StartFailureText(help_.chmViewer->program, started.reason),
                                Translate("TForm1", "Błąd"), MessageIcon::Error,
                                MessageButtons::Ok);
        }
    } else if (!help_.manual.isEmpty() && !helpOpeners_.openUrl(help_.manual)) {
        dialogs_.MessageBox(
            FormatText(
                Translate("TForm1", "Nie udało się otworzyć podręcznika w przeglądarce:\n%1"),
                {QFile::encodeName(help_.manual.toLocalFile()).toStdString()}),
            Translate("TForm1", "Błąd"), MessageIcon::Error, MessageButtons::Ok);
    }
}

// ---- Navigation, keys and activation -------------------------------------------------------

void TForm1::Measured(double metres) {
    dialogs_.MessageBox(
        FormatText(Translate("TForm1", "Odległość między wybranymi punktami wynosi ok. %1"),
                   {RulerDistanceText(metres)}),
        Translate("TForm1", "Linijka"), MessageIcon::Information, MessageButtons::Ok);
    map_->ClearFeedback();
}

void TForm1::wheelEvent(QWheelEvent* event) {
    event->accept();
    controller_->Wheel(*event);
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) CheckFilesChanged();
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::Show) {
        // A modal dialog goes above the tool windows, which stay on top of the program's
        // other windows. It is still to be shown on the screen, so the hint takes effect.
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal() && widget->windowHandle()) {
            widget->windowHandle()->setFlag(Qt::WindowStaysOnTopHint);
        }
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // The keys that move the map act on press, held ones again and again; they are the main
    // window's own, as the tool windows' lists and fields take the same keys. An open menu
    // passes Left and Right on to the menu bar to move to the next menu: they stay its own.
    if (type == QEvent::KeyPress && static_cast<QWidget*>(watched)->window() == this &&
        QApplication::activePopupWidget() == nullptr && NavigationKeyPress(*key)) {
        return true;
    }
    if (type == QEvent::KeyRelease && static_cast<QWidget*>(watched)->window() == this)
        lastKeyRelease_ = {key->key(), key->timestamp()};
    if (key->isAutoRepeat()) return false;
    // The keys of these windows act as the main window's own.
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    const QWidget* keyWindows[] = {
        this, tools_.legend, tools_.miniMap, tools_.trackList, tools_.properties, tools_.problems};
    if (std::find(std::begin(keyWindows), std::end(keyWindows), window) == std::end(keyWindows)) {
        return false;
    }
    if (type == QEvent::KeyPress) {
        keyPresses_.Pressed(key->key(), key->modifiers());
        return false;
    }
    return TriggerKeyRelease(actions_, key->key(), key->modifiers(),
                             keyPresses_.Released(key->key(), key->modifiers()));
}

}  // namespace tarvik
