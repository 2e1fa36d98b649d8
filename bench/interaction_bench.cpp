// Times the interactions of the main window on a large scenery: a real window on the offscreen
// platform, its map 1920 x 1080 pixels, with the legend and the mini-map shown and laid on the
// map, in the author mode with the named-track list open. The scenery is written by
// tarvik-gen-scenery (found beside this program) into a temporary folder. Each step is timed
// from the input event to the finished picture: the event is sent, and the event loop runs
// until the main map, the mini-map and the legend are drawn and painted and no drawing is left
// for later.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QWheelEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "LegendForm.h"
#include "MainWindow.h"
#include "MapWidget.h"
#include "MiniMapForm.h"
#include "QuietDialogs.h"
#include "TrackListForm.h"
#include "Translate.h"

namespace {

using namespace tarvik;
using Clock = std::chrono::steady_clock;

constexpr double kLimitMs = 100;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Runs the event loop until the window has painted what the step asked for and no drawing is
// pending: posted events (the widgets' updates among them) are delivered until none are left.
void Settle(TForm1& window) {
    for (int quiet = 0; quiet < 2;) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (window.DrawingPending()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            quiet = 0;
        } else {
            ++quiet;
        }
    }
}

// Marks when the status line first shows "Rysowanie..." after being armed: where the drawing
// after a reload begins.
class DrawingStart : public QObject {
  public:
    void Arm() {
        seen_.reset();
        // In the language the window speaks.
        drawing_ = QString::fromStdString(Translate("PaintMap", "Rysowanie..."));
    }
    std::optional<Clock::time_point> Seen() const { return seen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            if (const auto* label = qobject_cast<QLabel*>(watched);
                label && label->text() == drawing_) {
                seen_ = Clock::now();
            }
        }
        return false;
    }

  private:
    std::optional<Clock::time_point> seen_;
    QString drawing_;
};

struct Step {
    std::string name;
    // Puts the window into the state the step starts from; not timed.
    std::function<void()> prepare;
    // Sends the input; the time runs from here.
    std::function<void()> act;
    // For a reload: the time runs from the start of the drawing instead.
    bool fromDrawing = false;
};

QWheelEvent Wheel(QWidget& target, QPoint at, int delta, Qt::KeyboardModifiers keys) {
    return QWheelEvent(QPointF(at), QPointF(target.mapToGlobal(at)), QPoint(), QPoint(0, delta),
                       Qt::NoButton, keys, Qt::NoScrollPhase, false);
}

}  // namespace

int main(int argc, char** argv) {
    const long pieces = argc > 1 ? std::atol(argv[1]) : 1000000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    if (pieces < 1000 || runs < 1) {
        std::fprintf(stderr, "usage: tarvik-interaction-bench [PIECES >= 1000] [RUNS >= 1]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
    qputenv("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());
    QApplication app(argc, argv);

    // Every piece its own segment (nothing continues another), a fifth of them curves, a few
    // switches, names on a third and a wire along half of them.
    const QString scenery = dir.path() + "/duza.scn";
    QProcess gen;
    gen.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    gen.start(QCoreApplication::applicationDirPath() + "/tarvik-gen-scenery",
              {"--pieces", QString::number(pieces), "--straight-share", "0", "--curve-share", "0.2",
               "--switch-share", "0.02", "--named-share", "0.3", "--traction-share", "0.5",
               "--seed", "1", "-o", scenery});
    if (!gen.waitForFinished(600000) || gen.exitCode() != 0) {
        std::fprintf(stderr, "tarvik-gen-scenery failed\n");
        return 1;
    }
    const QString settings = dir.path() + "/Zorvan.conf";
    std::ofstream(settings.toStdString())
        << "[General]\nOwnerMode=1\n[Legend]\nShow=1\nOnMap=1\n[MiniMap]\nShow=1\nOnMap=1\n"
           "[TrackList]\nShow=1\n";

    QuietDialogs dialogs;
    const PosixFileSystem files;
    SettingsStore store(settings);
    TForm1 window(dialogs, files, store);
    window.show();
    window.FinishStartup();
    QApplication::processEvents();
    MapWidget& map = window.Map();
    // The map 1920 x 1080 whatever the menus, tool bar and status line take.
    const QSize frame = window.size() - map.size();
    const QSize mapSize(1920, 1080);
    window.resize(mapSize + frame);
    QApplication::processEvents();
    const auto loadStart = Clock::now();
    window.LoadScenery(scenery.toStdString());
    Settle(window);
    const double loadMs = Ms(Clock::now() - loadStart);

    const MainActions& a = window.Actions();
    TTrackListForm* list = window.Tools().trackList;
    auto* rows = list->findChild<QTreeView*>("TrackList");
    // The named tracks, as the list's first view shows them.
    auto* views = list->findChild<QComboBox*>("ComboBox");
    if (views->currentIndex() != 0) {
        views->setCurrentIndex(0);
    } else if (rows->model()->rowCount() == 0) {
        list->BuildTrackList();
    }
    Settle(window);
    DrawingStart drawingStart;
    window.findChild<QLabel*>("StatusBar1")->installEventFilter(&drawingStart);

    const QPoint centre(map.width() / 2, map.height() / 2);
    // Every step starts from a window of the full size, with the checks and the measuring of
    // the gradients after a load done.
    const auto showAll = [&] {
        while (window.CheckingProblems() || window.MeasuringGradients())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        if (map.size() != mapSize) {
            window.resize(mapSize + frame);
            Settle(window);
        }
        a.ShowAll->trigger();
        Settle(window);
    };
    const auto zoomedBy = [&](int steps) {
        showAll();
        for (int i = 0; i < steps; ++i)
            a.ZoomIn->trigger();
        Settle(window);
    };
    const auto zoomedIn = [&] { zoomedBy(2); };
    // Close enough for the signs: 32 times the whole view.
    const auto zoomedClose = [&] { zoomedBy(5); };
    const auto tool = [&](QAction* item) {
        return [&, item] {
            showAll();
            item->trigger();
            Settle(window);
        };
    };
    // A switch of the menu turned on and turned off, each from the other state.
    const auto toggleSteps = [&](std::vector<Step>& steps, const std::string& name, QAction* item,
                                 const std::function<void()>& view) {
        // Last in the state the window started in.
        const bool initially = item->isChecked();
        for (const bool on : {!initially, initially}) {
            steps.push_back({name + (on ? " on" : " off"),
                             [&, item, on, view] {
                                 if (item->isChecked() == on) item->trigger();
                                 view();
                             },
                             [item] { item->trigger(); }});
        }
    };
    // A map type chosen while another one is shown.
    const auto typeStep = [&](std::vector<Step>& steps, const std::string& name, QAction* item,
                              QAction* before) {
        steps.push_back({name,
                         [&, before] {
                             before->trigger();
                             showAll();
                         },
                         [item] { item->trigger(); }});
    };
    int trackRow = 0;

    std::vector<Step> steps;
    steps.push_back({"zoom in, click", tool(a.Lupa1),
                     [&] { QTest::mouseClick(&map, Qt::LeftButton, {}, centre); }});
    steps.push_back({"zoom out, click",
                     [&] {
                         zoomedIn();
                         a.Lupa1->trigger();
                     },
                     [&] { QTest::mouseClick(&map, Qt::RightButton, {}, centre); }});
    // The window takes the wheel wherever it is turned over it.
    steps.push_back({"zoom in, wheel", showAll, [&] {
                         QWheelEvent e = Wheel(map, centre, 120, Qt::ControlModifier);
                         QApplication::sendEvent(&window, &e);
                     }});
    steps.push_back({"zoom out, wheel", zoomedIn, [&] {
                         QWheelEvent e = Wheel(map, centre, -120, Qt::ControlModifier);
                         QApplication::sendEvent(&window, &e);
                     }});
    steps.push_back({"show all", zoomedIn, [&] { a.ShowAll->trigger(); }});
    steps.push_back(
        {"hand drag, release",
         [&] {
             showAll();
             a.apa1->trigger();
             QTest::mousePress(&map, Qt::LeftButton, {}, centre);
             QMouseEvent move(QEvent::MouseMove, QPointF(centre + QPoint(150, 90)),
                              QPointF(map.mapToGlobal(centre + QPoint(150, 90))), Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
             QApplication::sendEvent(&map, &move);
             Settle(window);
         },
         [&] { QTest::mouseRelease(&map, Qt::LeftButton, {}, centre + QPoint(150, 90)); }});
    steps.push_back({"edge-band scroll",
                     [&] {
                         zoomedIn();
                         a.Lupa1->trigger();
                     },
                     [&] { QTest::mouseClick(&map, Qt::LeftButton, {}, QPoint(3, centre.y())); }});
    toggleSteps(steps, "layer rivers", a.PaintRiver, showAll);
    toggleSteps(steps, "layer roads", a.PaintRoad, showAll);
    toggleSteps(steps, "layer tracks", a.PaintTrack, showAll);
    toggleSteps(steps, "layer traction", a.PaintTraction, showAll);
    typeStep(steps, "map type heights", a.MapTypeHipsometric, a.MapTypeVelocity);
    typeStep(steps, "map type gradients", a.MapTypeElevation, a.MapTypeHipsometric);
    typeStep(steps, "map type plain", a.MapTypeNormal, a.MapTypeElevation);
    typeStep(steps, "map type speeds", a.MapTypeVelocity, a.MapTypeNormal);
    toggleSteps(steps, "speed signs", a.PaintSpeedLimit, showAll);
    toggleSteps(steps, "gradient signs", a.PaintElevation, showAll);
    toggleSteps(steps, "speed signs, close", a.PaintSpeedLimit, zoomedClose);
    toggleSteps(steps, "gradient signs, close", a.PaintElevation, zoomedClose);
    steps.push_back({"colour change", showAll, [&] {
                         // What the colours window leaves once accepted: one colour changed.
                         ColorSlots& colors = window.Colors();
                         colors.Track = colors.Track == 0x0000FF ? 0x00FF00 : 0x0000FF;
                         window.ColorsChanged();
                     }});
    steps.push_back({"resize", showAll, [&] { window.resize(mapSize + frame - QSize(100, 60)); }});
    steps.push_back({"reload (F5), drawing", showAll,
                     [&] {
                         drawingStart.Arm();
                         a.Reload->trigger();
                     },
                     true});
    // A click on one of the first entries, another each time.
    steps.push_back({"named-track selection", showAll, [&] {
                         const QModelIndex entry = rows->model()->index(1 + trackRow++ % 8, 0);
                         QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                                           rows->visualRect(entry).center());
                     }});

    std::printf("scenery: %ld pieces, %zu track segments, %zu traction segments; load %.0f ms\n",
                pieces, window.Scenery().Tracks().Count(), window.Scenery().Tractions().Count(),
                loadMs);
    std::printf("map %d x %d, legend and mini-map on the map, best of %d runs each\n", map.width(),
                map.height(), runs);
    double slowest = 0;
    std::string slowestName;
    for (const Step& step : steps) {
        double best = 1e300;
        for (int run = 0; run < runs; ++run) {
            step.prepare();
            const auto start = Clock::now();
            step.act();
            Settle(window);
            const auto end = Clock::now();
            const auto from =
                step.fromDrawing && drawingStart.Seen() ? *drawingStart.Seen() : start;
            best = std::min(best, Ms(end - from));
        }
        if (best > slowest) {
            slowest = best;
            slowestName = step.name;
        }
        std::printf("%s: %.1f ms   target <= %.0f ms: %s\n", step.name.c_str(), best, kLimitMs,
                    best <= kLimitMs ? "met" : "NOT met");
    }
    std::printf("slowest step (%s): %.1f ms   target <= %.0f ms: %s\n", slowestName.c_str(),
                slowest, kLimitMs, slowest <= kLimitMs ? "met" : "NOT met");
    return 0;
}
