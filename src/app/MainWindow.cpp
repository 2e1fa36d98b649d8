#include "MainWindow.h"

#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cstdlib>

#include "ColorsForm.h"
#include "Cp1250.h"
#include "ElapsedText.h"
#include "FileChanges.h"
#include "LegendForm.h"
#include "MapWidget.h"
#include "QtColor.h"
#include "SceneryLoader.h"
#include "SceneryProperytyForm.h"
#include "WorkModeForm.h"

namespace tarvik {
namespace {

constexpr int kMinimumWidth = 415;
constexpr int kMinimumHeight = 440;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

ShiftSet ToShift(Qt::KeyboardModifiers keys, Qt::MouseButtons buttons) {
    ShiftSet s = 0;
    if (keys & Qt::ShiftModifier) s |= kShift;
    if (keys & Qt::AltModifier) s |= kAlt;
    if (keys & Qt::ControlModifier) s |= kCtrl;
    if (keys & Qt::MetaModifier) s |= kOtherKey;
    if (buttons & Qt::LeftButton) s |= kLeft;
    if (buttons & Qt::RightButton) s |= kRight;
    if (buttons & Qt::MiddleButton) s |= kMiddle;
    return s;
}

}  // namespace

// Status texts of loading and drawing go to the status line, which is painted at once; during
// a load the window also repaints, without taking the user's input in the middle of it.
class TForm1::StatusBarSink final : public StatusSink {
  public:
    explicit StatusBarSink(TForm1& window) : window_(window) {}

    void StatusText(std::string_view text) override { window_.SetStatusText(text); }

    void Progress(std::string_view path, std::uint64_t done, std::uint64_t total) override {
        const int percent =
            total == 0 ? 100 : static_cast<int>(std::min<std::uint64_t>(100, done * 100 / total));
        window_.SetStatusText("Ładowanie... " + DisplayPath(path) + " (" + std::to_string(percent) +
                              "%)");
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

  private:
    TForm1& window_;
};

TForm1::TForm1(ViewerDialogs& dialogs, const FileSystem& files, SettingsStore& store,
               StartupHooks hooks)
    : dialogs_(dialogs),
      files_(files),
      store_(store),
      hooks_(std::move(hooks)),
      statusSink_(std::make_unique<StatusBarSink>(*this)),
      clock_([] { return std::chrono::steady_clock::now(); }),
      actions_(CreateMainActions(*this, cursors_)) {
    setObjectName("Form1");
    setWindowTitle(kApplicationTitle);
    setMinimumSize(kMinimumWidth, kMinimumHeight);

    map_ = new MapWidget(this);
    setCentralWidget(map_);
    status_ = new QLabel(this);
    status_->setObjectName("StatusBar1");
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(true);

    helpFile_ = QCoreApplication::applicationDirPath() + "/Zorvan.chm";
    actions_.HelpMenuItem->setEnabled(QFileInfo(helpFile_).isFile());
    actions_.LegendOnMap->setEnabled(false);
    actions_.MiniMapOnMap->setEnabled(false);
    ConnectActions();
    MainCommands own;
    own.saveImage = [this] { SaveImageButtonClick(); };
    own.print = [this] { PrintButtonClick(); };
    own.printPreview = [this] { PrintPreviewMenuItemClick(); };
    own.sceneryProperties = [this] { SceneryProperytyClick(); };
    AddCommands(own);
    ApplyFormCreateSettings();
    keyWindows_ = {this};

    const auto step = [this](std::string_view text, const std::function<void(TForm1&)>& create) {
        if (!text.empty() && hooks_.progress) hooks_.progress(text);
        if (create) create(*this);
    };
    step({}, hooks_.createEditorDialog);
    colorsForm_ = new TColorsForm(colors_, dialogs_, this);
    step("20% Legenda", {});
    legend_ = new TLegendForm(options_, scenery_, colors_, this);
    step("30% MiniMap", {});
    miniMap_ = new TMiniMapForm(*this, this);
    keyWindows_.push_back(legend_);
    keyWindows_.push_back(miniMap_);
    step("40% TrackList", hooks_.createTrackList);
    step("50% RunSim", hooks_.createLauncher);
    step("60% Properyty", hooks_.createTrackProperties);
    step("70% SceneryProperyty", {});
    statistics_ = new TSceneryProperytyForm(
        scenery_, mode_, colors_, cursors_, [this] { return sceneryShortPath_; }, this);
    step("80% WorkMode", {});
    workModeForm_ = new TWorkModeForm(mode_, dialogs_, this);
    step("90% Czyt. konfig...", hooks_.createTimetable);

    map_->onPress = [this](QMouseEvent* e) { Image1MouseDown(e); };
    map_->onMove = [this](QMouseEvent* e) { Image1MouseMove(e); };
    map_->onRelease = [this](QMouseEvent* e) { Image1MouseUp(e); };
    map_->onResized = [this] { ResizeMap(); };
    legend_->onUserClose = [this] {
        actions_.ShowLegend->setChecked(false);
        ShowLegendClick(legend_);
    };
    miniMap_->onUserClose = [this] {
        actions_.ShowMiniMap->setChecked(false);
        ShowMiniMapClick(miniMap_);
    };
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive) CheckFilesChanged();
    });
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

void TForm1::AddCommands(const MainCommands& commands) {
    const auto take = [](auto& mine, const auto& given) {
        if (given) mine = given;
    };
    take(commands_.saveImage, commands.saveImage);
    take(commands_.print, commands.print);
    take(commands_.printPreview, commands.printPreview);
    take(commands_.runSimulator, commands.runSimulator);
    take(commands_.sceneryProperties, commands.sceneryProperties);
    take(commands_.editorSettings, commands.editorSettings);
    take(commands_.editFiles, commands.editFiles);
    take(commands_.about, commands.about);
    if (commands.sceneryReplaced) {
        if (commands_.sceneryReplaced) {
            commands_.sceneryReplaced = [first = commands_.sceneryReplaced,
                                         then = commands.sceneryReplaced] {
                first();
                then();
            };
        } else {
            commands_.sceneryReplaced = commands.sceneryReplaced;
        }
    }
    actions_.EditSource->setEnabled(static_cast<bool>(commands_.editorSettings));
    actions_.EditorSettings->setEnabled(static_cast<bool>(commands_.editorSettings));
    actions_.AboutMenuItem->setEnabled(static_cast<bool>(commands_.about));
    // Which editor slots can be chosen is the editors' business; without them none can.
    if (!commands_.editFiles) {
        for (QAction* item : actions_.EditorItems)
            item->setEnabled(false);
    }
    if (SceneryLoaded()) EnableAfterFirstLoad();
}

void TForm1::AddSettingsParticipant(std::function<void(const AppSettings&)> apply,
                                    std::function<void(AppSettings&)> collect) {
    settingsParticipants_.push_back({std::move(apply), std::move(collect)});
}

void TForm1::SetTrackList(TrackListWindow* list) {
    trackList_ = list;
    if (trackList_) trackList_->SetAnimateZoom(actions_.AnimateZoom->isChecked());
}

void TForm1::SetAnimateZoom(bool animate) {
    actions_.AnimateZoom->setChecked(animate);
}

void TForm1::AddKeyWindow(QWidget* window) {
    keyWindows_.push_back(window);
}

void TForm1::ConnectActions() {
    MainActions& a = actions_;
    connect(a.OpenMenuItem, &QAction::triggered, this, [this] { OpenButtonClick(); });
    connect(a.OpenToolButton, &QToolButton::clicked, this, [this] { OpenButtonClick(); });
    for (QAction* item : a.MRUList) {
        connect(item, &QAction::triggered, this, [this, item] {
            LoadScenery(recent_
                            .Item(static_cast<int>(
                                std::find(actions_.MRUList.begin(), actions_.MRUList.end(), item) -
                                actions_.MRUList.begin()))
                            .path);
        });
    }
    const auto command = [this](std::function<void()> MainCommands::*member) {
        return [this, member] {
            if (commands_.*member) (commands_.*member)();
        };
    };
    connect(a.EditSource, &QAction::triggered, this, command(&MainCommands::editorSettings));
    connect(a.EditorSettings, &QAction::triggered, this, command(&MainCommands::editorSettings));
    connect(a.Zapiszobrazsceneriidopliku1, &QAction::triggered, this,
            command(&MainCommands::saveImage));
    connect(a.SaveToolButton, &QToolButton::clicked, this, command(&MainCommands::saveImage));
    connect(a.Drukujobrazscenerii1, &QAction::triggered, this, command(&MainCommands::print));
    connect(a.PrintToolButton, &QToolButton::clicked, this, command(&MainCommands::print));
    connect(a.PrintPreviewMenuItem, &QAction::triggered, this,
            command(&MainCommands::printPreview));
    connect(a.Uruchomsymulator1, &QAction::triggered, this, command(&MainCommands::runSimulator));
    connect(a.RunSimToolButton, &QToolButton::clicked, this, command(&MainCommands::runSimulator));
    connect(a.SceneryProperyty, &QAction::triggered, this,
            command(&MainCommands::sceneryProperties));
    connect(a.AboutMenuItem, &QAction::triggered, this, command(&MainCommands::about));
    connect(a.EditSourceToolButton, &QToolButton::clicked, this, [this] {
        if (commands_.editFiles) commands_.editFiles(0);
    });
    for (std::size_t i = 0; i < a.EditorItems.size(); ++i) {
        connect(a.EditorItems[i], &QAction::triggered, this, [this, i] {
            if (commands_.editFiles) commands_.editFiles(static_cast<int>(i));
        });
    }
    connect(a.Zamknij1, &QAction::triggered, this, [this] { close(); });
    connect(a.PaintToolButton, &QToolButton::clicked, this,
            [this] { RedrawMap(RedrawCause::Button); });

    connect(a.apa1, &QAction::triggered, this, [this] { SelectTool(MapTool::Hand); });
    connect(a.Lupa1, &QAction::triggered, this, [this] { SelectTool(MapTool::Zoom); });
    connect(a.Linijka1, &QAction::triggered, this, [this] { SelectTool(MapTool::Ruler); });
    connect(a.HandToolButton, &QToolButton::clicked, this, [this] { SelectTool(MapTool::Hand); });
    connect(a.ZoomToolButton, &QToolButton::clicked, this, [this] { SelectTool(MapTool::Zoom); });
    connect(a.LengthToolButton, &QToolButton::clicked, this,
            [this] { SelectTool(MapTool::Ruler); });

    connect(a.ShowLegend, &QAction::triggered, this,
            [this] { ShowLegendClick(actions_.ShowLegend); });
    connect(a.ShowMiniMap, &QAction::triggered, this,
            [this] { ShowMiniMapClick(actions_.ShowMiniMap); });
    connect(a.ShowTrackList, &QAction::triggered, this, [this] { ShowTrackListClick(); });
    connect(a.AnimateZoom, &QAction::triggered, this, [this] { AnimateZoomClick(); });
    connect(a.LegendToolButton, &QToolButton::clicked, this, [this] {
        actions_.ShowLegend->toggle();
        ShowLegendClick(actions_.LegendToolButton);
    });
    connect(a.MiniMapToolButton, &QToolButton::clicked, this, [this] {
        actions_.ShowMiniMap->toggle();
        ShowMiniMapClick(actions_.MiniMapToolButton);
    });
    connect(a.TrackListToolButton, &QToolButton::clicked, this, [this] {
        actions_.ShowTrackList->toggle();
        ShowTrackListClick();
    });
    for (QAction* onMap : {a.LegendOnMap, a.MiniMapOnMap}) {
        connect(onMap, &QAction::triggered, this, [this] {
            SyncOptions();
            RedrawMap(RedrawCause::OnMap);
        });
    }
    connect(a.PaintTransparentMenu, &QAction::triggered, this,
            [this] { PaintTransparentMenuClick(); });
    for (QAction* layer : {a.PaintTrack, a.PaintTraction, a.PaintRoad, a.PaintRiver}) {
        connect(layer, &QAction::triggered, this, [this] { PaintTrackClick(); });
    }
    for (QAction* marks : {a.PaintSpeedLimit, a.PaintElevation}) {
        connect(marks, &QAction::triggered, this, [this] {
            SyncOptions();
            RedrawMap(RedrawCause::Marks);
        });
    }
    for (QAction* type :
         {a.MapTypeVelocity, a.MapTypeHipsometric, a.MapTypeElevation, a.MapTypeNormal}) {
        connect(type, &QAction::triggered, this, [this, type] { MapTypeVelocityClick(type); });
    }
    connect(a.Kolory, &QAction::triggered, this, [this] { KoloryClick(); });
    connect(a.WorkMode, &QAction::triggered, this, [this] { WorkModeClick(); });
    connect(a.HelpMenuItem, &QAction::triggered, this, [this] { HelpButtonClick(); });
}

void TForm1::SyncOptions() {
    const MainActions& a = actions_;
    options_.PaintRiver = a.PaintRiver->isChecked();
    options_.PaintRoad = a.PaintRoad->isChecked();
    options_.PaintTrack = a.PaintTrack->isChecked();
    options_.PaintTraction = a.PaintTraction->isChecked();
    options_.PaintSpeedLimit = a.PaintSpeedLimit->isChecked();
    options_.PaintElevation = a.PaintElevation->isChecked();
    options_.LegendOnMap = a.LegendOnMap->isChecked();
    options_.LegendOnMapEnabled = a.LegendOnMap->isEnabled();
    options_.MiniMapOnMap = a.MiniMapOnMap->isChecked();
    options_.MiniMapOnMapEnabled = a.MiniMapOnMap->isEnabled();
    options_.PaintTransparent = a.PaintTransparentMenu->isChecked();
    if (a.MapTypeHipsometric->isChecked()) {
        options_.Type = MapType::Hipsometric;
    } else if (a.MapTypeElevation->isChecked()) {
        options_.Type = MapType::Elevation;
    } else if (a.MapTypeNormal->isChecked()) {
        options_.Type = MapType::Normal;
    } else {
        options_.Type = MapType::Velocity;
    }
}

bool TForm1::SceneryLoaded() const {
    return actions_.PaintToolButton->isEnabled();
}

QString TForm1::StatusText() const {
    return status_->text();
}

void TForm1::SetStatusText(std::string_view text) {
    status_->setText(Utf8(text));
    status_->repaint();
}

// ---- Loading -------------------------------------------------------------------------------

void TForm1::LoadScenery(std::string path) {
    if (!CheckSceneryExists(path, files_, dialogs_)) return;
    const auto start = clock_();
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
        SetStatusText("Wczytywanie scenerii...");
        statistics_->Invalidate();
        if (commands_.sceneryReplaced) commands_.sceneryReplaced();
        if (trackList_) trackList_->ClearList();
        // The grids point into the model, so they go before it.
        index_.reset();
        modelReady_ = false;
        result = LoadSceneryModel(scenery_, path, mode_, files_, dialogs_, *statusSink_);
        index_ = std::make_unique<SceneryIndex>(scenery_);
        modelReady_ = true;
        view_.ViewMin = scenery_.Bounds().SceneryMin;
        view_.ViewMax = scenery_.Bounds().SceneryMax;
        AddRecentFile(path, Cp1250ToUtf8(scenery_.SceneryName));
        if (!SceneryLoaded()) {
            SelectTool(MapTool::Zoom);
            EnableAfterFirstLoad();
        }
        if (trackList_) {
            if (actions_.ShowTrackList->isChecked() && !trackList_->IsShown()) {
                trackList_->ShowWindow();
            }
            if (trackList_->IsShown()) {
                SetStatusText("Tworzenie listy nazwanych torów...");
                trackList_->BuildTrackList();
            }
        }
        if (actions_.ShowLegend->isChecked()) {
            if (legend_->isVisible()) {
                legend_->Rebuild();
            } else {
                legend_->show();
            }
        }
        RedrawMap(RedrawCause::Load);
        const QString name = scenery_.SceneryName.empty()
                                 ? Utf8(DisplayPath(path))
                                 : Utf8(Cp1250ToUtf8(scenery_.SceneryName));
        setWindowTitle(name + " - " + kApplicationTitle);
        // Linux paths have no short form; the launcher and the timetables take the path.
        sceneryShortPath_ = path;
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(clock_() - start);
        SetStatusText(ElapsedText("Wczyt.+Optymaliz.+Rys.: ", elapsed));
    }
    if (result.status == LoadStatus::Failed) {
        dialogs_.MessageBox(result.error, kApplicationTitle, MessageIcon::Error,
                            MessageButtons::Ok);
    }
}

void TForm1::EnableAfterFirstLoad() {
    MainActions& a = actions_;
    for (QToolButton* b :
         {a.PaintToolButton, a.ZoomToolButton, a.HandToolButton, a.LengthToolButton}) {
        b->setEnabled(true);
    }
    for (QAction* item : {a.apa1, a.Lupa1, a.Linijka1})
        item->setEnabled(true);
    const bool save = static_cast<bool>(commands_.saveImage);
    const bool print = static_cast<bool>(commands_.print);
    const bool preview = static_cast<bool>(commands_.printPreview);
    const bool run = static_cast<bool>(commands_.runSimulator);
    a.SaveToolButton->setEnabled(save);
    a.Zapiszobrazsceneriidopliku1->setEnabled(save);
    a.PrintToolButton->setEnabled(print);
    a.Drukujobrazscenerii1->setEnabled(print);
    a.PrintPreviewMenuItem->setEnabled(preview);
    a.RunSimToolButton->setEnabled(run);
    a.Uruchomsymulator1->setEnabled(run);
    a.EditSourceToolButton->setEnabled(static_cast<bool>(commands_.editFiles));
    a.SceneryProperyty->setEnabled(static_cast<bool>(commands_.sceneryProperties));
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
        item->setText(Utf8(r.caption));
        const QString hint = Utf8(DisplayPath(r.path));
        item->setStatusTip(hint);
        item->setToolTip(hint);
        item->setVisible(i < recent_.Count() && r.visible);
    }
}

void TForm1::CheckFilesChanged() {
    if (loading_ || checkingFiles_ || scenery_.IncFiles.empty()) return;
    checkingFiles_ = true;
    if (UpdateFileStamps(scenery_.IncFiles, files_) &&
        dialogs_.MessageBox("Plik lub pliki załadowane uległy zmianie. Czy przeładować?",
                            "Zmiana pliku", MessageIcon::Question,
                            MessageButtons::YesNo) == MessageAnswer::Yes) {
        const std::string top = scenery_.IncFiles.front().FileName;
        checkingFiles_ = false;
        LoadScenery(top);
        return;
    }
    checkingFiles_ = false;
}

void TForm1::OpenButtonClick() {
    const std::optional<std::string> path = dialogs_.OpenFileName(
        "Wybierz plik scenerii", "Plik scenerii (*.scn)|*.scn|Wszystkie pliki (*.*)|*.*", true);
    if (!path) return;
    lastOpenedPath_ = *path;
    LoadScenery(*path);
}

// ---- Drawing -------------------------------------------------------------------------------

PaintHooks TForm1::MainPaintHooks() {
    PaintHooks hooks;
    hooks.status = statusSink_.get();
    hooks.dialogs = &dialogs_;
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
    // The window repaints during a load (a resize may ask for a drawing); the half-read model
    // is not drawn.
    if (!SceneryLoaded() || ModelBusy()) return;
    SyncOptions();
    ClampToScenery(view_, scenery_.Bounds());
    switch (cause) {
        case RedrawCause::Load:
        case RedrawCause::Layer:
        case RedrawCause::ShowLegend:
        case RedrawCause::ShowMiniMap:
        case RedrawCause::Transparency:
        case RedrawCause::MapType:
            miniMap_->Refresh(true);
            break;
        default:
            break;
    }
    QImage& picture = map_->Picture();
    if (picture.width() < 1 || picture.height() < 1) return;
    {
        QPainter painter(&picture);
        const TSegmentObj* selected = trackList_ ? trackList_->SelectedSegment() : nullptr;
        // An empty view draws nothing; the last usable scale stays for the tools.
        if (const std::optional<MapResult> drawn =
                PaintMainMap(painter, picture.size(), MapPurpose::Screen, selected)) {
            view_.MapScale = drawn->scale;
        }
    }
    map_->ClearFeedback();
}

void TForm1::ResizeMap() {
    map_->Picture().fill(ToRgb(colors_.Background));
    RedrawMap(RedrawCause::Resize);
    map_->update();
}

MapSources TForm1::Sources() const {
    return MapSources{scenery_, options_, colors_, mode_, index_.get()};
}

PaintHooks TForm1::MiniMapPaintHooks() {
    return MainPaintHooks();
}

void TForm1::CenterOn(double x, double y) {
    CenterView(view_, x, y);
    RedrawMap(RedrawCause::Navigation);
}

std::optional<MapResult> TForm1::PaintMainMap(QPainter& target, QSize size, MapPurpose purpose,
                                              const TSegmentObj* selected) {
    const auto side = [](int pixels) {
        return static_cast<std::uint16_t>(std::min(pixels, 65535));
    };
    const std::optional<MapView> view =
        FitMap(view_.ViewMin, view_.ViewMax, side(size.width()), side(size.height()));
    if (!view) return std::nullopt;
    OverlayPictures overlays;
    if (options_.LegendOnMap && options_.LegendOnMapEnabled) {
        if (legend_->Picture().isNull()) legend_->Rebuild();
        overlays.legend = &legend_->Picture();
    }
    // The mini-map frames the view as the fit widened it.
    if (options_.MiniMapOnMap || miniMap_->isVisible()) miniMap_->Refresh(false);
    overlays.miniMap = &miniMap_->Picture();
    const MapResult result = PaintMap({.target = target,
                                       .view = *view,
                                       .sources = Sources(),
                                       .selected = selected,
                                       .purpose = purpose,
                                       .overlays = overlays,
                                       .hooks = MainPaintHooks()});
    EndProgramOnAbort(result.outcome);
    return result;
}

void TForm1::EndProgramOnAbort(MapOutcome outcome) {
    if (outcome == MapOutcome::EndProgram) std::exit(1);
}

// ---- Window toggles and drawing options ----------------------------------------------------

void TForm1::ShowLegendClick(QObject* sender) {
    const MainActions& a = actions_;
    ShowToolWindowClick(*legend_, *a.ShowLegend, *a.LegendToolButton, *a.LegendOnMap,
                        RedrawCause::ShowLegend, sender);
}

void TForm1::ShowMiniMapClick(QObject* sender) {
    const MainActions& a = actions_;
    ShowToolWindowClick(*miniMap_, *a.ShowMiniMap, *a.MiniMapToolButton, *a.MiniMapOnMap,
                        RedrawCause::ShowMiniMap, sender);
}

void TForm1::ShowToolWindowClick(QWidget& window, const QAction& show, QToolButton& button,
                                 QAction& onMap, RedrawCause cause, const QObject* sender) {
    button.setChecked(show.isChecked());
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
    MainActions& a = actions_;
    a.TrackListToolButton->setChecked(a.ShowTrackList->isChecked());
    if (!trackList_) return;
    if (a.ShowTrackList->isChecked() && a.ShowTrackList->isEnabled() &&
        a.TrackListMenu->isEnabled()) {
        trackList_->ShowWindow();
        if (trackList_->ListEmpty()) trackList_->BuildTrackList();
    } else {
        trackList_->HideWindow();
    }
}

void TForm1::AnimateZoomClick() {
    if (trackList_) trackList_->SetAnimateZoom(actions_.AnimateZoom->isChecked());
}

void TForm1::SelectTool(MapTool tool) {
    MainActions& a = actions_;
    navigator_.SetTool(tool);
    switch (tool) {
        case MapTool::Hand:
            a.HandToolButton->setChecked(true);
            a.apa1->setChecked(true);
            SetMapCursor(CursorTable::kHand);
            break;
        case MapTool::Zoom:
            a.ZoomToolButton->setChecked(true);
            a.Lupa1->setChecked(true);
            SetMapCursor(CursorTable::kZoomIn);
            break;
        case MapTool::Ruler:
            a.LengthToolButton->setChecked(true);
            a.Linijka1->setChecked(true);
            SetMapCursor(kCrossCursor);
            break;
        case MapTool::None:
            SetMapCursor(kDefaultCursor);
            break;
    }
}

void TForm1::SetMapCursor(int slot) {
    if (slot == mapCursor_) return;
    mapCursor_ = slot;
    if (slot == kCrossCursor) {
        map_->setCursor(Qt::CrossCursor);
    } else if (slot == kDefaultCursor) {
        map_->setCursor(Qt::ArrowCursor);
    } else {
        map_->setCursor(cursors_.Cursor(slot));
    }
}

void TForm1::PaintTrackClick() {
    RedrawMap(RedrawCause::Layer);
}

void TForm1::ToggleLayer(QAction* layer) {
    layer->toggle();
    SyncOptions();
    PaintTrackClick();
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
    if (legend_->isVisible()) legend_->Rebuild();
    RedrawMap(RedrawCause::MapType);
}

void TForm1::KoloryClick() {
    if (!colorsForm_->Execute()) return;
    if (SceneryLoaded()) {
        RedrawMap(RedrawCause::Colors);
    } else {
        ResizeMap();
    }
    legend_->Rebuild();
}

void TForm1::WorkModeClick() {
    if (workModeForm_->Execute() && !scenery_.IncFiles.empty() &&
        dialogs_.MessageBox("Czy przeładować scenerię teraz?", "Zmiany w scenerii",
                            MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes) {
        LoadScenery(scenery_.IncFiles.front().FileName);
    }
    actions_.TrackListToolButton->setEnabled(mode_.OwnerMode);
    actions_.TrackListMenu->setEnabled(mode_.OwnerMode);
    ShowTrackListClick();
}

void TForm1::HelpButtonClick() {
    if (!actions_.HelpMenuItem->isEnabled()) return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile_));
}

// ---- Navigation ----------------------------------------------------------------------------

void TForm1::ApplyPress(const PressEffect& effect) {
    if (effect.warpPointer) QCursor::setPos(map_->mapToGlobal(map_->rect().center()));
    if (effect.grab) {
        SetMapCursor(CursorTable::kGrab);
        if (!grabbing_) QApplication::setOverrideCursor(cursors_.Cursor(CursorTable::kGrab));
        grabbing_ = true;
    }
    if (effect.showAll) map_->Picture().fill(ToRgb(colors_.Background));
    if (effect.redraw) RedrawMap(RedrawCause::Navigation);
}

void TForm1::Image1MouseDown(QMouseEvent* event) {
    if (!SceneryLoaded()) return;
    MouseButton button;
    switch (event->button()) {
        case Qt::LeftButton:
            button = MouseButton::Left;
            break;
        case Qt::RightButton:
            button = MouseButton::Right;
            break;
        case Qt::MiddleButton:
            button = MouseButton::Middle;
            break;
        default:
            return;
    }
    const QPoint p = event->position().toPoint();
    ApplyPress(navigator_.Press(button, ToShift(event->modifiers(), event->buttons()), p.x(), p.y(),
                                map_->width(), map_->height(), view_, scenery_.Bounds()));
}

void TForm1::Image1MouseMove(QMouseEvent* event) {
    if (!SceneryLoaded()) {
        SetMapCursor(kDefaultCursor);
        return;
    }
    const ShiftSet shift = ToShift(event->modifiers(), event->buttons());
    const QPoint p = event->position().toPoint();
    const MapTool tool = navigator_.Tool();
    if (tool == MapTool::Ruler && shift == kLeft) {
        if (navigator_.PressPending()) {
            map_->ShowRubberLine({navigator_.PressX(), navigator_.PressY()}, p);
        }
        return;
    }
    if (tool == MapTool::Hand && (shift == kLeft || shift == kRight)) {
        if (navigator_.PressPending()) {
            map_->ShowDrag({p.x() - navigator_.PressX(), p.y() - navigator_.PressY()});
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        return;
    }
    SetMapCursor(navigator_.CursorAt(shift, p.x(), p.y(), map_->width(), map_->height(), view_));
}

void TForm1::Image1MouseUp(QMouseEvent* event) {
    if (grabbing_) {
        grabbing_ = false;
        QApplication::restoreOverrideCursor();
        SetMapCursor(CursorTable::kHand);
    }
    const QPoint p = event->position().toPoint();
    const ReleaseEffect effect = navigator_.Release(p.x(), p.y(), view_);
    if (effect.kind == ReleaseEffect::Kind::Measured) {
        dialogs_.MessageBox(
            "Odległość między wybranymi punktami wynosi ok. " + RulerDistanceText(effect.distance),
            "Linijka", MessageIcon::Information, MessageButtons::Ok);
        map_->ClearFeedback();
    }
    if (effect.redraw) RedrawMap(RedrawCause::Navigation);
}

void TForm1::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (!SceneryLoaded()) return;
    const QPoint angle = event->angleDelta();
    const int delta = angle.y() != 0 ? angle.y() : angle.x();
    ApplyPress(navigator_.Wheel(ToShift(event->modifiers(), Qt::NoButton), delta, map_->width(),
                                map_->height(), view_, scenery_.Bounds()));
}

// ---- Keys and activation -------------------------------------------------------------------

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) CheckFilesChanged();
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyRelease || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) return false;
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    if (std::find(keyWindows_.begin(), keyWindows_.end(), window) == keyWindows_.end()) {
        return false;
    }
    if (!KeyCommandFor(key->key(), key->modifiers())) return false;
    FormKeyUp(key->key(), key->modifiers());
    return true;
}

void TForm1::FormKeyUp(int key, Qt::KeyboardModifiers modifiers) {
    const std::optional<KeyCommand> command = KeyCommandFor(key, modifiers);
    if (!command) return;
    MainActions& a = actions_;
    const auto run = [](const std::function<void()>& f) {
        if (f) f();
    };
    switch (*command) {
        case KeyCommand::Help:
            HelpButtonClick();
            break;
        case KeyCommand::RunSimulator:
            if (a.RunSimToolButton->isEnabled()) run(commands_.runSimulator);
            break;
        case KeyCommand::Close:
            close();
            break;
        case KeyCommand::HandTool:
            SelectTool(MapTool::Hand);
            break;
        case KeyCommand::ZoomTool:
            SelectTool(MapTool::Zoom);
            break;
        case KeyCommand::RulerTool:
            SelectTool(MapTool::Ruler);
            break;
        case KeyCommand::ToggleRoads:
            ToggleLayer(a.PaintRoad);
            break;
        case KeyCommand::ToggleRivers:
            ToggleLayer(a.PaintRiver);
            break;
        case KeyCommand::ToggleTracks:
            ToggleLayer(a.PaintTrack);
            break;
        case KeyCommand::ToggleTraction:
            ToggleLayer(a.PaintTraction);
            break;
        case KeyCommand::EditFiles:
            if (commands_.editFiles) commands_.editFiles(0);
            break;
        case KeyCommand::ToggleLegend:
            a.ShowLegend->toggle();
            ShowLegendClick(a.ShowLegend);
            break;
        case KeyCommand::ToggleMiniMap:
            a.ShowMiniMap->toggle();
            ShowMiniMapClick(a.ShowMiniMap);
            break;
        case KeyCommand::Open:
            OpenButtonClick();
            break;
        case KeyCommand::Print:
            if (a.PrintToolButton->isEnabled()) run(commands_.print);
            break;
        case KeyCommand::Save:
            if (a.SaveToolButton->isEnabled()) run(commands_.saveImage);
            break;
        case KeyCommand::EditorSettings:
            run(commands_.editorSettings);
            break;
        case KeyCommand::ToggleLegendOnMap:
            a.LegendOnMap->toggle();
            SyncOptions();
            RedrawMap(RedrawCause::OnMap);
            break;
        case KeyCommand::ToggleMiniMapOnMap:
            a.MiniMapOnMap->toggle();
            SyncOptions();
            RedrawMap(RedrawCause::OnMap);
            break;
        case KeyCommand::PrintPreview:
            if (a.PrintPreviewMenuItem->isEnabled()) run(commands_.printPreview);
            break;
    }
}

}  // namespace tarvik
