// The main window's part of start-up and close: the stored settings applied to the menu items
// and windows, taken back from them, and the command line.
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <algorithm>
#include <limits>

#include "EditSourceForm.h"
#include "LegendForm.h"
#include "MainWindow.h"
#include "MenuSwitches.h"
#include "MiniMapForm.h"
#include "ProblemsForm.h"
#include "ProperytyForm.h"
#include "RunSimForm.h"
#include "TrackListForm.h"
#include "WindowStatus.h"
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
    d.problemsWidth = TProblemsForm::kDesignedWidth;
    d.problemsHeight = TProblemsForm::kDesignedHeight;
    return d;
}

// The smallest a tool window is made from stored bounds.
constexpr int kLeastSide = 40;

// The screen that bounds belong on: the one they overlap most, else the nearest one.
QRect ScreenFor(const QRect& bounds) {
    QRect best(0, 0, 1024, 768);
    long long bestScore = std::numeric_limits<long long>::min();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        const QRect overlap = area.intersected(bounds);
        long long score = 0;
        if (overlap.isEmpty()) {
            const QPoint c = bounds.center();
            const long long dx = c.x() - std::clamp(c.x(), area.left(), area.right());
            const long long dy = c.y() - std::clamp(c.y(), area.top(), area.bottom());
            score = -(dx * dx + dy * dy);
        } else {
            score = static_cast<long long>(overlap.width()) * overlap.height();
        }
        if (score > bestScore) {
            bestScore = score;
            best = area;
        }
    }
    return best;
}

// Stored bounds: the window frame's position and the size of its inside. They may come from
// a damaged or foreign settings file, other screens or another scale, so the window is made
// no smaller than it allows, no larger than its screen, and wholly on that screen.
void Place(QWidget& window, const WindowBounds& b, bool withSize) {
    const QRect wanted(QPoint(b.left, b.top), withSize ? QSize(b.width, b.height) : window.size());
    const QRect screen = ScreenFor(wanted);
    QSize size = window.size();
    if (withSize) {
        size = QSize(std::clamp(b.width, std::max(window.minimumWidth(), kLeastSide),
                                std::max(screen.width(), kLeastSide)),
                     std::clamp(b.height, std::max(window.minimumHeight(), kLeastSide),
                                std::max(screen.height(), kLeastSide)));
        window.resize(size);
    }
    const auto within = [](int at, int first, int end, int length) {
        return std::clamp(at, first, std::max(first, end - length));
    };
    window.move(within(b.left, screen.left(), screen.right() + 1, size.width()),
                within(b.top, screen.top(), screen.bottom() + 1, size.height()));
}

WindowBounds BoundsOf(const QWidget& window) {
    return {window.x(), window.y(), window.width(), window.height()};
}

}  // namespace

void TForm1::ApplyFormCreateSettings() {
    const DesignedSizes sizes = CurrentSizes();
    ReadFormCreateSettings(store_, settings_, sizes, dialogs_);
    const AppSettings& s = settings_;

    recent_.SetCount(s.RecentCount());
    for (int n = 0; n < s.RecentCount(); ++n) {
        const RecentItem& stored = s.Recent[static_cast<std::size_t>(n)];
        recent_.Item(n) = {stored.name, stored.file, !stored.file.empty()};
    }
    ShowRecentFiles();

    Place(*this, s.Main, true);
    const bool coversScreen = width() >= sizes.screenWidth && height() >= sizes.screenHeight - 30;
    if (s.MainMaximized || coversScreen) setWindowState(windowState() | Qt::WindowMaximized);
    ShowMenuSwitches(s, actions_);
    // "Rysuj na mapie" counts while its window's "Pokaż" is on.
    actions_.LegendOnMap->setEnabled(s.LegendShow);
    actions_.MiniMapOnMap->setEnabled(s.MiniMapShow);
    SyncOptions();
}

void TForm1::ApplyFinishStartupSettings() {
    ReadFinishStartupSettings(store_, settings_, CurrentSizes(), dialogs_);
    const AppSettings& s = settings_;
    colors_ = s.Colors;
    ResizeMap();
    Place(*tools_.miniMap, s.MiniMap, true);
    Place(*tools_.legend, s.Legend, false);
    Place(*tools_.trackList, s.TrackList, true);
    Place(*tools_.launcher, s.Launcher, true);
    Place(*tools_.problems, s.Problems, true);
    Place(*tools_.properties, BoundsOf(*tools_.properties), false);
    tools_.launcher->SetSimulator(s.SimFile, s.RunSimParam);
    tools_.editors->SetSlots(s.EditorSlots, s.EditorCount());
    mode_ = TWorkMode::Make(s.OwnerMode, s.InterpolateStepsMode);
    mode_.Reading = s.SimulatorReading ? SceneryReading::Simulator : SceneryReading::Classic;
    tools_.workMode->SyncFromMode();
}

void TForm1::FinishStartup() {
    ApplyFinishStartupSettings();
    RegisterEditVerb();
    ShowMiniMapClick(actions_.ShowMiniMap);
    const bool author = mode_.OwnerMode;
    FollowWorkMode();
    if (!author && actions_.ShowTrackList->isChecked()) tools_.trackList->show();
}

void TForm1::RunCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return;
    const std::string& first = arguments[0];
    const std::string second = arguments.size() > 1 ? arguments[1] : std::string();
    if (first == "/o") {
        LoadScenery(second);
    } else if (first == "/e") {
        LoadScenery(second);
        if (closeRequested_) return;
        tools_.editors->EditFiles(0);
        close();
    } else if (first == "/p") {
        LoadScenery(second);
        if (closeRequested_) return;
        PrintButtonClick();
        close();
    } else {
        LoadScenery(first);
    }
}

AppSettings TForm1::CollectSettings() const {
    AppSettings s = settings_;
    for (int n = 0; n < RecentFiles::kItems; ++n) {
        const RecentFileItem& item = recent_.Item(n);
        s.Recent[static_cast<std::size_t>(n)] = {item.caption, item.path};
    }
    // A maximised window is stored as it will come back: the frame, not the inside, where it
    // was before.
    const QRect normal = normalGeometry();
    const QPoint frame = geometry().topLeft() - pos();
    s.Main = isMaximized() ? WindowBounds{normal.x() - frame.x(), normal.y() - frame.y(),
                                          normal.width(), normal.height()}
                           : BoundsOf(*this);
    s.MainMaximized = isMaximized();
    s.MiniMap = BoundsOf(*tools_.miniMap);
    s.Legend = BoundsOf(*tools_.legend);
    s.TrackList = BoundsOf(*tools_.trackList);
    s.Launcher = BoundsOf(*tools_.launcher);
    s.Problems = BoundsOf(*tools_.problems);
    s.Colors = colors_;
    ReadMenuSwitches(actions_, s);
    s.SimFile = tools_.launcher->SimulatorProgram();
    s.RunSimParam = tools_.launcher->SimulatorParameters();
    s.EditorSlots = tools_.editors->Slots();
    s.OwnerMode = mode_.OwnerMode;
    s.InterpolateStepsMode = mode_.InterpolateStepsMode;
    s.SimulatorReading = mode_.Reading == SceneryReading::Simulator;
    s.Navigation = {.WheelZoomsAtPointer = actions_.WheelZoomsAtPointer->isChecked(),
                    .KeepPointer = actions_.KeepPointer->isChecked()};
    return s;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // The load ends first, keeping what it read; the window closes after it.
    if (loading_) {
        closeRequested_ = true;
        statusSink_->RequestStop();
        event->ignore();
        return;
    }
    WriteSettings(store_, CollectSettings(), dialogs_);
    // The tool windows belong to the main window and go with it.
    tools_.legend->hide();
    tools_.miniMap->hide();
    tools_.trackList->hide();
    tools_.problems->hide();
    event->accept();
}

}  // namespace tarvik
