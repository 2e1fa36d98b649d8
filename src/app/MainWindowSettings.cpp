// The main window's part of start-up and close: the stored settings applied to the menu items
// and windows, taken back from them, and the command line.
#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <algorithm>

#include "LegendForm.h"
#include "MainWindow.h"
#include "MiniMapForm.h"
#include "WorkModeForm.h"

namespace tarvik {
namespace {

DesignedSizes CurrentSizes() {
    DesignedSizes d;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        d.screenWidth = screen->geometry().width();
        d.screenHeight = screen->geometry().height();
    }
    d.miniMapWidth = TMiniMapForm::kDefaultWidth;
    d.miniMapHeight = TMiniMapForm::kDefaultHeight;
    return d;
}

// The smallest a tool window is made from stored bounds.
constexpr int kLeastSide = 40;

// Stored bounds: the window frame's position and the size of its inside. Bounds from a
// damaged or foreign settings file are made usable: no smaller than the window allows, no
// larger than the screens, and not wholly off them.
void Place(QWidget& window, const WindowBounds& b, bool withSize) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
    QSize size = window.size();
    if (withSize) {
        size = QSize(std::clamp(b.width, std::max(window.minimumWidth(), kLeastSide),
                                std::max(desktop.width(), kLeastSide)),
                     std::clamp(b.height, std::max(window.minimumHeight(), kLeastSide),
                                std::max(desktop.height(), kLeastSide)));
        window.resize(size);
    }
    QPoint at(b.left, b.top);
    if (!desktop.intersects(QRect(at, size))) {
        at = desktop.center() - QPoint(size.width() / 2, size.height() / 2);
    }
    window.move(at);
}

WindowBounds BoundsOf(const QWidget& window) {
    return {window.x(), window.y(), window.width(), window.height()};
}

}  // namespace

void TForm1::ApplyFormCreateSettings() {
    const DesignedSizes sizes = CurrentSizes();
    ReadFormCreateSettings(store_, settings_, sizes, dialogs_);
    const AppSettings& s = settings_;
    MainActions& a = actions_;

    recent_.SetCount(s.RecentCount());
    for (int n = 0; n < s.RecentCount(); ++n) {
        const RecentItem& stored = s.Recent[static_cast<std::size_t>(n)];
        recent_.Item(n) = {stored.name, stored.file, !stored.file.empty()};
    }
    ShowRecentFiles();

    Place(*this, s.Main, true);
    const bool coversScreen = width() >= sizes.screenWidth && height() >= sizes.screenHeight - 30;
    if (s.MainMaximized || coversScreen) setWindowState(windowState() | Qt::WindowMaximized);

    a.PaintTrack->setChecked(s.Map.PaintTrack);
    a.PaintRoad->setChecked(s.Map.PaintRoad);
    a.PaintRiver->setChecked(s.Map.PaintRiver);
    a.PaintTraction->setChecked(s.Map.PaintTraction);
    a.PaintSpeedLimit->setChecked(s.Map.PaintSpeedLimit);
    a.PaintElevation->setChecked(s.Map.PaintElevation);
    switch (s.Map.Type) {
        case MapType::Normal:
            a.MapTypeNormal->setChecked(true);
            break;
        case MapType::Hipsometric:
            a.MapTypeHipsometric->setChecked(true);
            break;
        case MapType::Elevation:
            a.MapTypeElevation->setChecked(true);
            break;
        case MapType::Velocity:
            a.MapTypeVelocity->setChecked(true);
            break;
    }
    a.PaintTransparentMenu->setChecked(s.Map.PaintTransparent);
    a.ShowLegend->setChecked(s.LegendShow);
    a.LegendToolButton->setChecked(s.LegendShow);
    a.LegendOnMap->setChecked(s.Map.LegendOnMap);
    a.ShowMiniMap->setChecked(s.MiniMapShow);
    a.MiniMapToolButton->setChecked(s.MiniMapShow);
    a.MiniMapOnMap->setChecked(s.Map.MiniMapOnMap);
    a.ShowTrackList->setChecked(s.TrackListShow);
    a.TrackListToolButton->setChecked(s.TrackListShow);
    a.AnimateZoom->setChecked(s.AnimateZoom);
    SyncOptions();
}

void TForm1::ApplyFinishStartupSettings() {
    ReadFinishStartupSettings(store_, settings_, CurrentSizes(), dialogs_);
    const AppSettings& s = settings_;
    colors_ = s.Colors;
    ResizeMap();
    Place(*miniMap_, s.MiniMap, true);
    Place(*legend_, s.Legend, false);
    mode_ = TWorkMode::Make(s.OwnerMode, s.InterpolateStepsMode);
    workModeForm_->SyncFromMode();
    for (const SettingsParticipant& p : settingsParticipants_) {
        if (p.apply) p.apply(s);
    }
}

void TForm1::FinishStartup() {
    ApplyFinishStartupSettings();
    if (hooks_.registerEditVerb) hooks_.registerEditVerb(*this);
    ShowMiniMapClick(actions_.ShowMiniMap);
    const bool author = mode_.OwnerMode;
    actions_.TrackListToolButton->setEnabled(author);
    actions_.TrackListMenu->setEnabled(author);
    if (!author && trackList_ && actions_.ShowTrackList->isChecked()) trackList_->ShowWindow();
}

void TForm1::RunCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return;
    const QString& first = arguments[0];
    const std::string second =
        arguments.size() > 1 ? QFile::encodeName(arguments[1]).toStdString() : std::string();
    if (first == "/o") {
        LoadScenery(second);
    } else if (first == "/e") {
        LoadScenery(second);
        if (commands_.editFiles) commands_.editFiles(0);
        close();
    } else if (first == "/p") {
        LoadScenery(second);
        if (commands_.print) commands_.print();
        close();
    } else {
        LoadScenery(QFile::encodeName(first).toStdString());
    }
}

AppSettings TForm1::CollectSettings() const {
    AppSettings s = settings_;
    const MainActions& a = actions_;
    for (int n = 0; n < RecentFiles::kItems; ++n) {
        const RecentFileItem& item = recent_.Item(n);
        s.Recent[static_cast<std::size_t>(n)] = {item.caption, item.path};
    }
    const QRect normal = isMaximized() ? normalGeometry() : geometry();
    s.Main = isMaximized() ? WindowBounds{normal.x(), normal.y(), normal.width(), normal.height()}
                           : BoundsOf(*this);
    s.MainMaximized = isMaximized();
    s.MiniMap = BoundsOf(*miniMap_);
    s.Legend = BoundsOf(*legend_);
    s.Colors = colors_;
    s.Map = options_;
    s.Map.PaintTrack = a.PaintTrack->isChecked();
    s.Map.PaintRoad = a.PaintRoad->isChecked();
    s.Map.PaintRiver = a.PaintRiver->isChecked();
    s.Map.PaintTraction = a.PaintTraction->isChecked();
    s.Map.PaintSpeedLimit = a.PaintSpeedLimit->isChecked();
    s.Map.PaintElevation = a.PaintElevation->isChecked();
    s.Map.LegendOnMap = a.LegendOnMap->isChecked();
    s.Map.MiniMapOnMap = a.MiniMapOnMap->isChecked();
    s.Map.PaintTransparent = a.PaintTransparentMenu->isChecked();
    s.LegendShow = a.ShowLegend->isChecked();
    s.MiniMapShow = a.ShowMiniMap->isChecked();
    s.TrackListShow = a.ShowTrackList->isChecked();
    s.AnimateZoom = a.AnimateZoom->isChecked();
    s.OwnerMode = mode_.OwnerMode;
    s.InterpolateStepsMode = mode_.InterpolateStepsMode;
    for (const SettingsParticipant& p : settingsParticipants_) {
        if (p.collect) p.collect(s);
    }
    return s;
}

void TForm1::closeEvent(QCloseEvent* event) {
    WriteSettings(store_, CollectSettings(), dialogs_);
    // The tool windows belong to the main window and go with it.
    legend_->hide();
    miniMap_->hide();
    if (trackList_) trackList_->HideWindow();
    event->accept();
}

}  // namespace tarvik
