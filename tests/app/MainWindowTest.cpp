#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>

#include "ColorsForm.h"
#include "LegendForm.h"
#include "MainWindow.h"
#include "MapWidget.h"
#include "ProperytyForm.h"
#include "ScriptedViewerDialogs.h"
#include "WhenModal.h"
#include "WorkModeForm.h"

namespace tarvik {
namespace {

using test::PieceSpec;

PieceSpec Piece(double PieceSpec::*member, double value) {
    PieceSpec p;
    p.*member = value;
    return p;
}

std::size_t Count(const SegmentList& list) {
    return list.Count();
}

// A wheel turn on a window whose scenery may be empty.
void wheelNothing(QWidget& window) {
    QWheelEvent e(QPointF(300, 300), window.mapToGlobal(QPointF(300, 300)), QPoint(),
                  QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &e);
}

// A press of the left button at a pixel; QTest takes (0, 0) for the widget's centre.
void PressAt(QWidget* widget, QPoint p) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(p), widget->mapToGlobal(QPointF(p)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// Two tracks along the file's x and z axes, 1000 m each: the map runs from -1000 to 0.
std::string SquareScenery(const std::string& nameLine = "") {
    std::string text = nameLine.empty() ? "" : nameLine + "\r\n";
    text += test::TrackNode(Piece(&PieceSpec::x2, 1000));
    text += test::TrackNode(Piece(&PieceSpec::z2, 1000));
    return text;
}

class MainWindowTest : public ::testing::Test {
  protected:
    MainWindowTest() : window(dialogs, files, store) {
        window.resize(800, 600);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    std::string Write(const std::string& name, const std::string& text) {
        return dir.Write(name, text);
    }
    std::string LoadSquare() {
        const std::string path = Write("kwadrat.scn", SquareScenery());
        window.LoadScenery(path);
        return path;
    }
    QToolButton* Button(const char* name) { return window.findChild<QToolButton*>(name); }
    QAction* Action(const char* name) { return window.findChild<QAction*>(name); }
    QWidget* Map() { return &window.Map(); }
    // The world point under a pixel of the map picture.
    QPointF World(QPoint p) const {
        const ViewState& v = window.View();
        return {p.x() / static_cast<double>(v.MapScale) + v.ViewMin.x,
                p.y() / static_cast<double>(v.MapScale) + v.ViewMin.y};
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> out;
        for (const auto& m : dialogs.Messages())
            out.push_back(m.caption);
        return out;
    }

    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    SettingsStore store{QString::fromStdString((dir.Path() / "Zorvan.conf").string())};
    TForm1 window;
};

TEST_F(MainWindowTest, FirstLoadEnablesTheToolsAndSetsTheCaption) {
    EXPECT_EQ(window.windowTitle(), "Tarvik Track Viewer");
    const char* tools[] = {"PaintToolButton", "ZoomToolButton", "HandToolButton",
                           "LengthToolButton", "InfoToolButton"};
    for (const char* name : tools)
        EXPECT_FALSE(Button(name)->isEnabled()) << name;
    for (const char* name : {"apa1", "Lupa1", "Linijka1", "Informacja1"})
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    EXPECT_TRUE(Button("OpenToolButton")->isEnabled());
    EXPECT_TRUE(Button("LegendToolButton")->isEnabled());

    const std::string path = LoadSquare();
    for (const char* name : tools)
        EXPECT_TRUE(Button(name)->isEnabled()) << name;
    for (const char* name :
         {"apa1", "Lupa1", "Linijka1", "Informacja1", "Zapiszobrazsceneriidopliku1"})
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    EXPECT_TRUE(Button("ZoomToolButton")->isChecked());
    EXPECT_TRUE(Action("Lupa1")->isChecked());
    EXPECT_TRUE(Button("SaveToolButton")->isEnabled());
    EXPECT_TRUE(Button("PrintToolButton")->isEnabled());
    EXPECT_TRUE(Button("RunSimToolButton")->isEnabled());
    EXPECT_TRUE(Action("Uruchomsymulator1")->isEnabled());
    EXPECT_EQ(window.windowTitle().toStdString(), path + " - Tarvik Track Viewer");
    EXPECT_TRUE(window.StatusText().startsWith("Wczyt.+Optymaliz.+Rys.: "));
    EXPECT_GT(window.View().MapScale, 0);
    EXPECT_EQ(window.SceneryShortPath(), path);
    // Ctrl+S asks where to save the picture.
    QTest::keyRelease(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.saveFilterShown.size(), 1u);

    // A later load keeps the chosen tool.
    Button("HandToolButton")->click();
    window.LoadScenery(Write("nazwa.scn", SquareScenery("//$n Stacja W\xF3lka")));
    EXPECT_TRUE(Button("HandToolButton")->isChecked());
    EXPECT_EQ(window.windowTitle().toStdString(), "Stacja Wólka - Tarvik Track Viewer");
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(MainWindowTest, MissingFileLeavesTheScenery) {
    const std::string path = LoadSquare();
    const QString title = window.windowTitle();
    window.LoadScenery(dir.Path().string() + "/brak.scn");
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text,
              "Plik o nazwie " + dir.Path().string() + "/brak.scn nie istnieje!");
    EXPECT_EQ(dialogs.Messages()[0].caption, "Brak pliku");
    EXPECT_EQ(dialogs.Messages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(window.windowTitle(), title);
    EXPECT_EQ(Count(window.Scenery().Tracks()), 2u);
}

TEST_F(MainWindowTest, TimingTextAndParseErrorAfterTheCompletionSteps) {
    using namespace std::chrono;
    const auto t0 = steady_clock::time_point{};
    int calls = 0;
    window.SetClock([&] { return calls++ == 0 ? t0 : t0 + milliseconds(65250); });
    const std::string path = Write(
        "blad.scn", SquareScenery() + "node -1 0 none track normal 1 2 3 4 5 1.5 flat vis\r\n");
    window.LoadScenery(path);
    EXPECT_EQ(window.StatusText(), "Wczyt.+Optymaliz.+Rys.: 1:05.250");
    ASSERT_FALSE(dialogs.Messages().empty());
    const auto& last = dialogs.Messages().back();
    EXPECT_EQ(last.caption, "Tarvik Track Viewer");
    EXPECT_NE(last.text.find("'1.5' is not a valid integer value"), std::string::npos);
    // The part read before the error is drawn.
    EXPECT_TRUE(Button("PaintToolButton")->isEnabled());
    EXPECT_EQ(Count(window.Scenery().Tracks()), 2u);
}

TEST_F(MainWindowTest, RecentFilesMenu) {
    window.Recent().SetCount(9);
    const std::string a = Write("a.scn", SquareScenery());
    const std::string b = Write("b.scn", SquareScenery("//$n Bobrowo"));
    window.LoadScenery(a);
    window.LoadScenery(b);
    QAction* first = Action("MRUList1");
    QAction* second = Action("MRUList2");
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->text(), "Bobrowo");
    EXPECT_EQ(first->statusTip().toStdString(), b);
    EXPECT_EQ(second->text(), "a.scn");
    EXPECT_FALSE(Action("MRUList3")->isVisible());
    window.LoadScenery(b);
    EXPECT_EQ(first->statusTip().toStdString(), b);
    EXPECT_EQ(second->statusTip().toStdString(), a);

    second->trigger();
    EXPECT_EQ(window.windowTitle().toStdString(), a + " - Tarvik Track Viewer");
    EXPECT_EQ(first->statusTip().toStdString(), a);

    // A listed file that has gone is reported and stays listed.
    std::filesystem::remove(b);
    second->trigger();
    EXPECT_EQ(Captions(), std::vector<std::string>{"Brak pliku"});
    EXPECT_TRUE(second->isVisible());
}

TEST_F(MainWindowTest, ChangedFilesOfferAReload) {
    const std::string path = LoadSquare();
    window.CheckFilesChanged();
    EXPECT_TRUE(dialogs.Messages().empty());

    Write("kwadrat.scn", SquareScenery() + test::TrackNode(Piece(&PieceSpec::x2, -500)));
    dialogs.basic.answers.push_back(MessageAnswer::No);
    window.CheckFilesChanged();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text,
              "Plik lub pliki załadowane uległy zmianie. Czy przeładować?\n\nkwadrat.scn");
    EXPECT_EQ(dialogs.Messages()[0].caption, "Zmiana pliku");
    EXPECT_EQ(dialogs.Messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(Count(window.Scenery().Tracks()), 2u);
    // No silences the question until a file changes again.
    window.CheckFilesChanged();
    EXPECT_EQ(dialogs.Messages().size(), 1u);

    Write("kwadrat.scn", SquareScenery() + test::TrackNode(Piece(&PieceSpec::x2, -700)) +
                             test::TrackNode(Piece(&PieceSpec::z2, -700)));
    dialogs.basic.answers.push_back(MessageAnswer::Yes);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    EXPECT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(Count(window.Scenery().Tracks()), 4u);
    EXPECT_EQ(window.Scenery().IncFiles.front().FileName, path);
}

TEST_F(MainWindowTest, AReloadLoadsTheOpenedSceneryAlsoAfterAnError) {
    Write("czesc.inc", test::TrackNode(Piece(&PieceSpec::x2, 300)));
    const std::string broken = "node -1 0 none track normal 1 2 3 4 5 1.5 flat vis\r\n";
    const std::string path =
        Write("glowna.scn", "include czesc.inc\r\n" + SquareScenery() + broken);
    window.LoadScenery(path);
    // The error left the include at the head of the files read.
    ASSERT_NE(window.Scenery().IncFiles.front().FileName, path);
    Write("czesc.inc", test::TrackNode(Piece(&PieceSpec::x2, 3000)));
    dialogs.basic.answers.push_back(MessageAnswer::Yes);
    window.CheckFilesChanged();
    EXPECT_EQ(window.SceneryShortPath(), path);
    EXPECT_EQ(window.windowTitle().toStdString(), path + " - Tarvik Track Viewer");
    EXPECT_EQ(Count(window.Scenery().Tracks()), 3u);

    // The work mode's reload as well.
    QTimer::singleShot(
        0, [&] { window.Tools().workMode->findChild<QPushButton*>("BitBtn1")->click(); });
    dialogs.basic.answers.push_back(MessageAnswer::Yes);
    Action("WorkMode")->trigger();
    EXPECT_EQ(window.SceneryShortPath(), path);
    EXPECT_EQ(Count(window.Scenery().Tracks()), 3u);
}

TEST_F(MainWindowTest, ZoomClicksAndEdgeBands) {
    LoadSquare();
    const ViewState start = window.View();
    const double width = start.ViewMax.x - start.ViewMin.x;
    // X = 29 lies in the left band and scrolls by a quarter of the view's width.
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(29, 300));
    EXPECT_NEAR(window.View().ViewMin.x, start.ViewMin.x - width * 0.25, 1e-3);
    EXPECT_NEAR(window.View().ViewMax.x - window.View().ViewMin.x, width, 1e-3);

    // X = 30 is inside: the zoom tool centres there and halves the view.
    const QPointF target = World(QPoint(30, 300));
    const double before = window.View().ViewMax.x - window.View().ViewMin.x;
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 300));
    const ViewState& v = window.View();
    EXPECT_NEAR(v.ViewMax.x - v.ViewMin.x, before / 2, 1e-2);
    EXPECT_NEAR((v.ViewMin.y + v.ViewMax.y) / 2, target.y(), 1e-2);

    // Ctrl + click only centres; the middle button shows all again.
    const double zoomed = v.ViewMax.x - v.ViewMin.x;
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::ControlModifier, QPoint(300, 300));
    EXPECT_NEAR(window.View().ViewMax.x - window.View().ViewMin.x, zoomed, 1e-2);
    QTest::mouseClick(Map(), Qt::MiddleButton, Qt::NoModifier, QPoint(300, 300));
    EXPECT_NEAR(window.View().ViewMax.x - window.View().ViewMin.x, width, 1e-2);
}

TEST_F(MainWindowTest, HandDragKeepsTheGrabbedPointUnderThePointer) {
    LoadSquare();
    // Zoomed in, so that the moved view is not pulled back into the scenery.
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    Button("HandToolButton")->click();
    const QPointF grabbed = World(QPoint(200, 200));
    QTest::mousePress(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_EQ(QApplication::overrideCursor()->pixmap().cacheKey(),
              window.Cursors().Cursor(CursorTable::kGrab).pixmap().cacheKey());
    QMouseEvent move(QEvent::MouseMove, QPointF(260, 230), Map()->mapToGlobal(QPointF(260, 230)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Map(), &move);
    QTest::mouseRelease(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(260, 230));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    const QPointF now = World(QPoint(260, 230));
    EXPECT_NEAR(now.x(), grabbed.x(), 0.5 / window.View().MapScale);
    EXPECT_NEAR(now.y(), grabbed.y(), 0.5 / window.View().MapScale);
}

TEST_F(MainWindowTest, RulerMessage) {
    LoadSquare();
    QTest::keyRelease(&window, Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(Button("LengthToolButton")->isChecked());
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "Odległość między wybranymi punktami wynosi ok. 0,0 m");
    EXPECT_EQ(dialogs.Messages()[0].caption, "Linijka");
    EXPECT_EQ(dialogs.Messages()[0].icon, MessageIcon::Information);
}

TEST_F(MainWindowTest, WheelScrollsAndZooms) {
    LoadSquare();
    const auto wheel = [&](int delta, Qt::KeyboardModifiers keys) {
        QWheelEvent e(QPointF(300, 300), Map()->mapToGlobal(QPointF(300, 300)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, keys, Qt::NoScrollPhase, false);
        // Qt passes on only the wheel events of the window system; this one goes to the window.
        QApplication::sendEvent(&window, &e);
        return window.View();
    };
    const ViewState start = window.View();
    const double h = start.ViewMax.y - start.ViewMin.y;
    const double w = start.ViewMax.x - start.ViewMin.x;
    // Forward: the view moves up by a quarter (and is pulled back into the scenery when the
    // whole scenery was in view, so zoom in first).
    wheel(120, Qt::ControlModifier);
    const ViewState in = window.View();
    EXPECT_NEAR(in.ViewMax.x - in.ViewMin.x, w / 2, 1e-2);
    const ViewState up = wheel(120, Qt::NoModifier);
    EXPECT_NEAR(up.ViewMin.y, in.ViewMin.y - (in.ViewMax.y - in.ViewMin.y) * 0.25, 1e-2);
    const ViewState left = wheel(-120, Qt::ShiftModifier);
    EXPECT_NEAR(left.ViewMin.x, up.ViewMin.x - (up.ViewMax.x - up.ViewMin.x) * 0.25, 1e-2);
    // Alt, or Ctrl with Shift, does nothing.
    const ViewState same = wheel(120, Qt::AltModifier);
    EXPECT_FLOAT_EQ(same.ViewMin.x, left.ViewMin.x);
    EXPECT_FLOAT_EQ(wheel(120, Qt::ControlModifier | Qt::ShiftModifier).ViewMin.y, same.ViewMin.y);
    // Ctrl with the hand tool leaves the view.
    Button("HandToolButton")->click();
    EXPECT_FLOAT_EQ(wheel(-120, Qt::ControlModifier).ViewMin.x, same.ViewMin.x);
    (void)h;
}

// A touchpad's begin and end carry no turn; a tilted wheel scrolls sideways.
TEST_F(MainWindowTest, WheelEventsWithoutAVerticalTurn) {
    LoadSquare();
    const auto wheel = [&](QPoint angle, Qt::KeyboardModifiers keys, Qt::ScrollPhase phase) {
        QWheelEvent e(QPointF(300, 300), Map()->mapToGlobal(QPointF(300, 300)), QPoint(), angle,
                      Qt::NoButton, keys, phase, false);
        QApplication::sendEvent(&window, &e);
        return window.View();
    };
    // Zoomed in, so that a scrolled view is not pulled back into the scenery.
    const ViewState in = wheel({0, 120}, Qt::ControlModifier, Qt::NoScrollPhase);
    for (const Qt::KeyboardModifiers keys : {Qt::NoModifier, Qt::ControlModifier}) {
        for (const Qt::ScrollPhase phase : {Qt::ScrollBegin, Qt::ScrollEnd}) {
            const ViewState v = wheel({0, 0}, keys, phase);
            EXPECT_FLOAT_EQ(v.ViewMin.x, in.ViewMin.x);
            EXPECT_FLOAT_EQ(v.ViewMin.y, in.ViewMin.y);
            EXPECT_FLOAT_EQ(v.ViewMax.x, in.ViewMax.x);
        }
    }
    const double w = in.ViewMax.x - in.ViewMin.x;
    const ViewState left = wheel({120, 0}, Qt::NoModifier, Qt::NoScrollPhase);
    EXPECT_NEAR(left.ViewMin.x, in.ViewMin.x - w * 0.25, 1e-2);
    EXPECT_FLOAT_EQ(left.ViewMin.y, in.ViewMin.y);
    const ViewState right = wheel({-120, 0}, Qt::NoModifier, Qt::NoScrollPhase);
    EXPECT_NEAR(right.ViewMin.x, in.ViewMin.x, 1e-2);
    EXPECT_FLOAT_EQ(right.ViewMin.y, in.ViewMin.y);
    // A tilt with Ctrl neither scrolls nor zooms.
    const ViewState same = wheel({120, 0}, Qt::ControlModifier, Qt::NoScrollPhase);
    EXPECT_FLOAT_EQ(same.ViewMin.x, right.ViewMin.x);
    EXPECT_FLOAT_EQ(same.ViewMax.x, right.ViewMax.x);
}

// The back and forward buttons press nothing: their press ends a measurement or a drag begun
// and their release does nothing.
TEST_F(MainWindowTest, SideButtonsRepeatNoMeasurementOrDrag) {
    LoadSquare();
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    Button("LengthToolButton")->click();
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    for (const Qt::MouseButton side : {Qt::BackButton, Qt::ForwardButton})
        QTest::mouseClick(Map(), side, Qt::NoModifier, QPoint(200, 150));
    EXPECT_EQ(dialogs.Messages().size(), 1u);
    QTest::mousePress(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseClick(Map(), Qt::BackButton, Qt::NoModifier, QPoint(150, 100));
    QTest::mouseRelease(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
    EXPECT_EQ(dialogs.Messages().size(), 1u);

    Button("HandToolButton")->click();
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    const ViewState start = window.View();
    QTest::mouseClick(Map(), Qt::ForwardButton, Qt::NoModifier, QPoint(260, 230));
    EXPECT_FLOAT_EQ(window.View().ViewMin.x, start.ViewMin.x);
    EXPECT_FLOAT_EQ(window.View().ViewMin.y, start.ViewMin.y);
    // A drag let go by a side press: the grabbing cursor goes, the view stays.
    QTest::mousePress(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    QTest::mouseClick(Map(), Qt::BackButton, Qt::NoModifier, QPoint(230, 200));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QTest::mouseRelease(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(260, 230));
    EXPECT_FLOAT_EQ(window.View().ViewMin.x, start.ViewMin.x);
    EXPECT_FLOAT_EQ(window.View().ViewMin.y, start.ViewMin.y);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowTest, KeysActOnReleaseWithExactModifiers) {
    LoadSquare();
    QAction* tracks = Action("PaintTrack");
    ASSERT_TRUE(tracks->isChecked());
    QTest::keyPress(&window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(tracks->isChecked());
    QTest::keyRelease(&window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(tracks->isChecked());
    EXPECT_FALSE(window.Options().PaintTrack);
    QTest::keyRelease(&window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyRelease(&window, Qt::Key_T, Qt::NoModifier);
    EXPECT_FALSE(tracks->isChecked());
    // Key releases in the tool windows act as the main window's own.
    window.FinishStartup();
    QTest::keyRelease(window.Tools().legend, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(tracks->isChecked());
    // Triggering a menu item's shortcut does nothing by itself: only the key handling acts.
    EXPECT_TRUE(Action("PaintRoad")->shortcut().isEmpty());
    EXPECT_TRUE(Action("PaintRoad")->text().endsWith("\tCtrl+D"));
    EXPECT_TRUE(Action("EditSource")->text().endsWith("\tCtrl+Alt+E"));

    QTest::keyRelease(&window, Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(Action("ShowLegend")->isChecked());
    EXPECT_FALSE(window.Tools().legend->isVisible());
    EXPECT_FALSE(Action("LegendOnMap")->isEnabled());
    EXPECT_FALSE(Button("LegendToolButton")->isChecked());
    QTest::keyRelease(&window, Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(window.Tools().legend->isVisible());
    EXPECT_TRUE(Action("LegendOnMap")->isEnabled());
}

// Ctrl+T typed fast: Ctrl goes up before T, and T's release shows no Ctrl any more.
TEST_F(MainWindowTest, AChordTypedFastActsOnceOnItsKeysRelease) {
    LoadSquare();
    window.FinishStartup();
    QAction* tracks = Action("PaintTrack");
    ASSERT_TRUE(tracks->isChecked());
    for (QWidget* target :
         {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.Tools().legend)}) {
        const bool before = tracks->isChecked();
        QTest::keyPress(target, Qt::Key_Control, Qt::NoModifier);
        QTest::keyPress(target, Qt::Key_T, Qt::ControlModifier);
        QTest::keyRelease(target, Qt::Key_Control, Qt::NoModifier);
        EXPECT_EQ(tracks->isChecked(), before);
        QTest::keyRelease(target, Qt::Key_T, Qt::NoModifier);
        EXPECT_NE(tracks->isChecked(), before);
    }
    // The press is forgotten: T alone still does nothing, nor does Ctrl+Shift+T let go fast.
    const bool now = tracks->isChecked();
    QTest::keyClick(&window, Qt::Key_T);
    QTest::keyPress(&window, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyRelease(&window, Qt::Key_T, Qt::NoModifier);
    EXPECT_EQ(tracks->isChecked(), now);
}

TEST_F(MainWindowTest, KeysTriggerTheItemsTheyShowAndSomeActWhileTheItemIsDisabled) {
    // Before a load the tools can be chosen by key, although their items are disabled, and
    // "Rysuj na mapie" flips while its window is hidden; the commands of a loaded scenery stay
    // silent.
    QTest::keyRelease(&window, Qt::Key_1, Qt::ControlModifier);
    EXPECT_TRUE(Action("apa1")->isChecked());
    EXPECT_TRUE(Button("HandToolButton")->isChecked());
    EXPECT_FALSE(Button("HandToolButton")->isEnabled());
    QTest::keyRelease(&window, Qt::Key_3, Qt::ControlModifier);
    EXPECT_TRUE(Action("Linijka1")->isChecked());
    EXPECT_FALSE(Action("apa1")->isChecked());
    QTest::keyRelease(&window, Qt::Key_4, Qt::ControlModifier);
    EXPECT_TRUE(Action("Informacja1")->isChecked());
    EXPECT_TRUE(Button("InfoToolButton")->isChecked());
    EXPECT_FALSE(Action("Linijka1")->isChecked());
    // Before a load the map takes no input: a click picks nothing.
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    EXPECT_FALSE(window.Tools().properties->isVisible());
    QTest::keyRelease(&window, Qt::Key_3, Qt::ControlModifier);
    QTest::keyRelease(&window, Qt::Key_L, Qt::ControlModifier);
    ASSERT_FALSE(Action("LegendOnMap")->isEnabled());
    QTest::keyRelease(&window, Qt::Key_L, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(Action("LegendOnMap")->isChecked());
    int launcherShown = 0;
    test::WhenModal("RunSimForm", [&](QWidget* launcher) {
        ++launcherShown;
        launcher->close();
    });
    for (const int key : {Qt::Key_S, Qt::Key_P})
        QTest::keyRelease(&window, key, Qt::ControlModifier);
    QTest::keyRelease(&window, Qt::Key_F9);
    EXPECT_TRUE(dialogs.saveFilterShown.empty());
    EXPECT_EQ(dialogs.printRequests, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(launcherShown, 0);

    // Once loaded, F9 shows the launcher as its button does.
    LoadSquare();
    QTest::keyRelease(&window, Qt::Key_F9);
    EXPECT_EQ(launcherShown, 1);

    // Menu item and tool button are one action: text, hint, state and keys shown once.
    EXPECT_EQ(Button("SaveToolButton")->defaultAction(), Action("Zapiszobrazsceneriidopliku1"));
    EXPECT_EQ(Button("SaveToolButton")->toolTip(), "Zapisz obraz scenerii do pliku (Ctrl+S)");
    EXPECT_EQ(Button("LegendToolButton")->text(), "Legenda");
    EXPECT_EQ(Button("OpenToolButton")->text(), "Ostatnio otwarte");
    EXPECT_FALSE(Action("Zapiszobrazsceneriidopliku1")->isIconVisibleInMenu());
    EXPECT_TRUE(Action("Lupa1")->text().endsWith("\tCtrl+2"));
    EXPECT_TRUE(Action("ShowMiniMap")->text().endsWith("\tCtrl+M"));
    EXPECT_TRUE(Action("EditorSettings")->text().endsWith("\tCtrl+Alt+E"));
    EXPECT_TRUE(Action("EditorItem1")->text().endsWith("\tCtrl+E"));
    Action("ShowMiniMap")->trigger();
    EXPECT_EQ(Button("MiniMapToolButton")->isChecked(), Action("ShowMiniMap")->isChecked());
}

TEST_F(MainWindowTest, ToolWindowsFollowTheirItems) {
    LoadSquare();
    window.FinishStartup();
    EXPECT_TRUE(window.Tools().miniMap->isVisible());
    EXPECT_TRUE(window.Tools().legend->isVisible());
    // Closing the legend by hand unchecks its item and disables "Rysuj na mapie".
    window.Tools().legend->close();
    EXPECT_FALSE(Action("ShowLegend")->isChecked());
    EXPECT_FALSE(Action("LegendOnMap")->isEnabled());
    Button("LegendToolButton")->click();
    EXPECT_TRUE(window.Tools().legend->isVisible());
    EXPECT_TRUE(Action("ShowLegend")->isChecked());

    // A press at the mini-map's top-left corner centres the main view on the scenery's corner,
    // in whole metres.
    const QPointF corner = window.Tools().miniMap->Map().ClickToWorld(0, 0);
    PressAt(window.Tools().miniMap, QPoint(0, 0));
    const ViewState& v = window.View();
    EXPECT_NEAR((v.ViewMin.x + v.ViewMax.x) / 2, corner.x(), 1e-2);
    EXPECT_NEAR((v.ViewMin.y + v.ViewMax.y) / 2, corner.y(), 1e-2);
    EXPECT_EQ(corner.x(), std::round(corner.x()));

    window.Tools().miniMap->close();
    EXPECT_FALSE(Action("ShowMiniMap")->isChecked());
    EXPECT_FALSE(Action("MiniMapOnMap")->isEnabled());
    EXPECT_FALSE(Button("MiniMapToolButton")->isChecked());
}

TEST_F(MainWindowTest, MapTypesAndLayersRedraw) {
    LoadSquare();
    const QImage before = window.Map().Picture().copy();
    Action("MapTypeNormal")->trigger();
    EXPECT_EQ(window.Options().Type, MapType::Normal);
    // Clicking the checked type again keeps it checked.
    Action("MapTypeNormal")->trigger();
    EXPECT_TRUE(Action("MapTypeNormal")->isChecked());
    EXPECT_EQ(window.Options().Type, MapType::Normal);
    Action("PaintTrack")->trigger();
    Action("PaintRoad")->trigger();
    Action("PaintRiver")->trigger();
    // Nothing but the background (and the scale bar at the lower left) is left.
    const QImage& p = window.Map().Picture();
    EXPECT_EQ(QColor(p.pixel(p.width() / 2, p.height() / 2)), QColor(0, 128, 0));
    EXPECT_NE(before, p);
}

TEST_F(MainWindowTest, DamagedSceneriesLeaveTheWindowUsable) {
    window.FinishStartup();
    std::string noise(200000, '\0');
    unsigned seed = 3;
    for (char& c : noise)
        c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    const std::string point =
        "node -1 0 p track normal 1 2 3 4 5 0 flat vis\r\n r 4\r\n5 0 5 0\r\n1 0 1\r\n2 0 2\r\n"
        "5 0 5 0\r\n0\r\nendtrack\r\n";
    dialogs.basic.answers.assign(8, MessageAnswer::Ignore);
    for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
             {"noise.scn", noise},
             {"empty.scn", ""},
             {"long.scn", "node " + std::string(5'000'000, 'x')},
             {"self.scn", "include self.scn\r\n"},
             {"point.scn", point}}) {
        window.LoadScenery(Write(name, text));
        EXPECT_TRUE(window.StatusText().startsWith("Wczyt.+Optymaliz.+Rys.: ")) << name;
        QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
        QTest::keyRelease(&window, Qt::Key_T, Qt::ControlModifier);
        wheelNothing(window);
    }
    for (const auto& m : dialogs.Messages())
        EXPECT_LT(m.text.size(), 1200u) << m.caption;
    // A proper scenery afterwards loads and draws as ever.
    LoadSquare();
    EXPECT_GT(window.View().MapScale, 0);
    const ViewState before = window.View();
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    EXPECT_LT(window.View().ViewMax.x - window.View().ViewMin.x,
              before.ViewMax.x - before.ViewMin.x);
}

TEST_F(MainWindowTest, OnlySomeCausesRebuildTheMiniMap) {
    LoadSquare();
    window.FinishStartup();
    const auto cacheKey = [&] { return window.Tools().miniMap->Map().Cache().cacheKey(); };
    const auto rebuilds = [&](const std::function<void()>& change) {
        const qint64 before = cacheKey();
        change();
        return cacheKey() != before;
    };
    EXPECT_TRUE(rebuilds([&] { Action("PaintRoad")->trigger(); }));
    // The mini-map draws the layers alone in their own colours: the map type and the
    // transparency of the overlays do not show in it.
    EXPECT_FALSE(rebuilds([&] { Action("MapTypeElevation")->trigger(); }));
    EXPECT_FALSE(rebuilds([&] { Action("MapTypeElevation")->trigger(); }));
    EXPECT_FALSE(rebuilds([&] { Action("PaintSpeedLimit")->trigger(); }));
    EXPECT_FALSE(rebuilds([&] { Action("MiniMapOnMap")->trigger(); }));
    EXPECT_FALSE(rebuilds([&] { Button("PaintToolButton")->click(); }));
    EXPECT_FALSE(rebuilds([&] { Action("PaintTransparentMenu")->trigger(); }));
    EXPECT_TRUE(rebuilds([&] { Action("PaintRoad")->trigger(); }));
    // Transparency alone redraws only when something is drawn on the map.
    Action("MiniMapOnMap")->trigger();
    EXPECT_FALSE(rebuilds([&] { Action("PaintTransparentMenu")->trigger(); }));
    EXPECT_FALSE(rebuilds([&] { QTest::mouseClick(Map(), Qt::LeftButton, {}, {300, 300}); }));
    // A hidden mini-map is left alone.
    window.Tools().miniMap->close();
    EXPECT_FALSE(rebuilds([&] { Action("PaintRoad")->trigger(); }));
}

// A new scenery's mini-map, drawn beside the main map, is the one drawn in place, and it is
// laid on the main map as drawn.
TEST_F(MainWindowTest, MiniMapOfANewSceneryIsTheOneDrawnInPlace) {
    LoadSquare();
    window.FinishStartup();
    Action("MiniMapOnMap")->trigger();
    const TMiniMapForm& form = *window.Tools().miniMap;
    ASSERT_TRUE(form.isVisible());
    const qint64 before = form.Map().Cache().cacheKey();
    window.LoadScenery(
        Write("inna.scn", SquareScenery() + test::TrackNode(Piece(&PieceSpec::x1, 500))));
    EXPECT_FALSE(form.Rebuilding());
    EXPECT_NE(form.Map().Cache().cacheKey(), before);
    MiniMap inPlace;
    inPlace.Resize(form.width(), form.height(), form.Map().Ratio());
    const MapSources sources{window.Scenery(), window.Options(), window.Colors(), window.Mode()};
    ASSERT_EQ(inPlace.Rebuild(sources), MapOutcome::Drawn);
    EXPECT_EQ(form.Map().Cache(), inPlace.Cache());
    inPlace.Refresh(window.View(), window.Scenery().Bounds());
    EXPECT_EQ(form.Picture(), inPlace.Picture());
    const QImage& map = window.Map().Picture();
    const QImage& mini = form.Picture();
    const int left = map.width() - mini.width();
    for (const QPoint at : {QPoint(5, 5), QPoint(mini.width() / 2, mini.height() / 2)}) {
        EXPECT_EQ(map.pixel(left + at.x(), 15 + at.y()), mini.pixel(at)) << at.x();
    }
}

// The frame is put on the mini-map once the drawing has widened the view to the map's shape.
TEST_F(MainWindowTest, MiniMapFramesTheViewAsDrawn) {
    LoadSquare();
    window.FinishStartup();
    ASSERT_TRUE(window.Tools().miniMap->isVisible());
    window.View() = ViewState{{-600, -600}, {-400, -400}, 0};
    window.RedrawMap(RedrawCause::Button);
    const ViewState& drawn = window.View();
    ASSERT_NE(drawn.ViewMax.x - drawn.ViewMin.x, drawn.ViewMax.y - drawn.ViewMin.y);
    MiniMap expected = window.Tools().miniMap->Map();
    expected.Refresh(drawn, window.Scenery().Bounds());
    EXPECT_EQ(window.Tools().miniMap->Picture(), expected.Picture());
}

TEST_F(MainWindowTest, ColourDialogDefaultsThenCancelKeepsTheColours) {
    LoadSquare();
    window.Colors().Background = RGBColor(10, 20, 30);
    window.RedrawMap(RedrawCause::Colors);
    const QImage before = window.Map().Picture().copy();
    QTimer::singleShot(0, [&] {
        window.Tools().colors->findChild<QPushButton*>("DefaultButton")->click();
        window.Tools().colors->findChild<QPushButton*>("CancelButton")->click();
    });
    Action("Kolory")->trigger();
    EXPECT_EQ(window.Colors().Background, RGBColor(10, 20, 30));
    EXPECT_EQ(window.Map().Picture(), before);

    QTimer::singleShot(0, [&] {
        window.Tools().colors->findChild<QPushButton*>("DefaultButton")->click();
        window.Tools().colors->findChild<QPushButton*>("OkButton")->click();
    });
    Action("Kolory")->trigger();
    EXPECT_EQ(window.Colors(), ColorSlots{});
    const QImage& p = window.Map().Picture();
    EXPECT_EQ(QColor(p.pixel(p.width() / 2, p.height() / 2)), QColor(0, 128, 0));
    // The mini-map takes the new colours too.
    window.FinishStartup();
    const QImage& mini = window.Tools().miniMap->Picture();
    EXPECT_EQ(QColor(mini.pixel(mini.width() / 2, mini.height() / 2)), QColor(0, 128, 0));
    QTimer::singleShot(0, [&] {
        window.Tools().colors->findChild<QWidget*>("BgShape")->setFocus();
        dialogs.colorAnswers.push_back(RGBColor(200, 10, 10));
        QTest::mouseClick(window.Tools().colors->findChild<QWidget*>("BgShape"), Qt::LeftButton);
        window.Tools().colors->findChild<QPushButton*>("OkButton")->click();
    });
    Action("Kolory")->trigger();
    EXPECT_EQ(QColor(mini.pixel(mini.width() / 2, mini.height() / 2)), QColor(200, 10, 10));
}

TEST_F(MainWindowTest, ModalDialogsGoAboveTheToolWindows) {
    LoadSquare();
    bool above = false;
    test::WhenModal("RunSimForm", [&](QWidget* launcher) {
        above = launcher->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
        launcher->close();
    });
    QTest::keyRelease(&window, Qt::Key_F9);
    EXPECT_TRUE(above);
}

TEST_F(MainWindowTest, WorkModeDialogAsksForAReloadOnlyWithAScenery) {
    const auto confirm = [&] {
        QTimer::singleShot(0, [&] {
            window.Tools().workMode->findChild<QWidget*>("OwnerMode")->setFocus();
            QTest::mouseClick(window.Tools().workMode->findChild<QWidget*>("OwnerMode"),
                              Qt::LeftButton);
            window.Tools().workMode->findChild<QPushButton*>("BitBtn1")->click();
        });
        Action("WorkMode")->trigger();
    };
    confirm();
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_TRUE(window.Mode().OwnerMode);
    EXPECT_TRUE(Button("TrackListToolButton")->isEnabled());
    EXPECT_TRUE(Action("TrackListMenu")->isEnabled());

    LoadSquare();
    dialogs.basic.answers.push_back(MessageAnswer::Yes);
    const int loadsBefore = static_cast<int>(
        std::distance(window.Scenery().IncFiles.begin(), window.Scenery().IncFiles.end()));
    confirm();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "Czy przeładować scenerię teraz?");
    EXPECT_EQ(dialogs.Messages()[0].caption, "Zmiany w scenerii");
    EXPECT_EQ(static_cast<int>(std::distance(window.Scenery().IncFiles.begin(),
                                             window.Scenery().IncFiles.end())),
              loadsBefore);
    EXPECT_TRUE(window.StatusText().startsWith("Wczyt.+Optymaliz.+Rys.: "));
}

TEST_F(MainWindowTest, TheSimulatorReadingIsChosenInTheWorkModeDialogAndTakenOnReload) {
    Write("tor.inc", test::TrackNode(Piece(&PieceSpec::x2, 1000)));
    // The classic reading takes the include joined by ";" for one unknown word.
    window.LoadScenery(Write("sym.scn", "include;tor.inc;end\r\n"));
    const auto hasSyntaxProblem = [&] {
        return std::any_of(window.Scenery().LoadProblems.begin(),
                           window.Scenery().LoadProblems.end(),
                           [](const Problem& p) { return p.kind == ProblemKind::SimulatorSyntax; });
    };
    EXPECT_TRUE(hasSyntaxProblem());
    EXPECT_EQ(Count(window.Scenery().Tracks()), 0u);
    EXPECT_FALSE(window.CollectSettings().SimulatorReading);

    dialogs.basic.answers.push_back(MessageAnswer::Yes);
    QTimer::singleShot(0, [&] {
        QWidget* box = window.Tools().workMode->findChild<QWidget*>("SimulatorReading");
        QTest::mouseClick(box, Qt::LeftButton);
        window.Tools().workMode->findChild<QPushButton*>("BitBtn1")->click();
    });
    Action("WorkMode")->trigger();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, "Czy przeładować scenerię teraz?");
    EXPECT_EQ(window.Mode().Reading, SceneryReading::Simulator);
    EXPECT_TRUE(window.CollectSettings().SimulatorReading);
    EXPECT_FALSE(hasSyntaxProblem());
    EXPECT_EQ(Count(window.Scenery().Tracks()), 1u);
}

TEST_F(MainWindowTest, TrackGradientsAreMeasuredAfterEachLoadAndForOtherSamplePoints) {
    LoadSquare();
    const auto expectTable = [&] {
        QTRY_VERIFY(!window.MeasuringGradients());
        ASSERT_NE(window.Gradients(), nullptr);
        EXPECT_TRUE(window.Gradients()->Fits(window.Scenery().Tracks(), window.Mode()));
    };
    expectTable();

    // Fewer sample points, without a reload: measured again.
    const std::uint16_t steps = window.Mode().InterpolateSteps;
    dialogs.basic.answers.push_back(MessageAnswer::No);
    QTimer::singleShot(0, [&] {
        auto* precision = window.Tools().workMode->findChild<QSlider*>("TrackBar1");
        precision->setValue(precision->value() == 1 ? 2 : 1);
        window.Tools().workMode->findChild<QPushButton*>("BitBtn1")->click();
    });
    Action("WorkMode")->trigger();
    ASSERT_NE(window.Mode().InterpolateSteps, steps);
    expectTable();

    // Another scenery: the table of the one before is gone at once.
    PieceSpec curve = Piece(&PieceSpec::x2, 800);
    curve.h2 = 12;
    curve.c1z = 300;
    curve.c2z = 300;
    window.LoadScenery(Write("luk.scn", SquareScenery() + test::TrackNode(curve)));
    EXPECT_EQ(window.Gradients(), nullptr);
    expectTable();
    EXPECT_EQ(window.Gradients()->Count(), 3u);
}

TEST_F(MainWindowTest, TrackNamesFollowTheirItemInTheAuthorModeOnly) {
    window.FinishStartup();
    QAction* names = Action("PaintTrackNames");
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->text(), QString::fromUtf8("Nazwy torów"));
    EXPECT_FALSE(names->isChecked());
    EXPECT_FALSE(names->isEnabled());
    const auto switchMode = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* owner = window.Tools().workMode->findChild<QWidget*>("OwnerMode");
            QWidget* user = window.Tools().workMode->findChild<QWidget*>("UserMode");
            QWidget* target = window.Mode().OwnerMode ? user : owner;
            target->setFocus();
            QTest::mouseClick(target, Qt::LeftButton);
            window.Tools().workMode->findChild<QPushButton*>("BitBtn1")->click();
        });
        Action("WorkMode")->trigger();
    };
    switchMode();
    ASSERT_TRUE(window.Mode().OwnerMode);
    EXPECT_TRUE(names->isEnabled());

    PieceSpec along = Piece(&PieceSpec::x2, 1000);
    along.name = "Tor_wzdluz";
    PieceSpec across = Piece(&PieceSpec::z2, 1000);
    across.name = "Tor_wszerz";
    window.LoadScenery(Write("nazwy.scn", test::TrackNode(along) + test::TrackNode(across)));
    const QImage plain = window.Map().Picture().copy();

    names->trigger();
    EXPECT_TRUE(window.Options().PaintTrackNames);
    EXPECT_TRUE(window.CollectSettings().Map.PaintTrackNames);
    const QImage named = window.Map().Picture().copy();
    ASSERT_NE(named, plain);
    int changedWhite = 0;
    for (int y = 0; y < named.height(); ++y) {
        for (int x = 0; x < named.width(); ++x)
            changedWhite +=
                named.pixel(x, y) != plain.pixel(x, y) && named.pixel(x, y) == qRgb(255, 255, 255);
    }
    EXPECT_GT(changedWhite, 200);

    names->trigger();
    EXPECT_EQ(window.Map().Picture(), plain);
    names->trigger();
    EXPECT_EQ(window.Map().Picture(), named);

    // Back in the user mode without a reload, the names go at once and the item waits.
    dialogs.basic.answers.push_back(MessageAnswer::No);
    switchMode();
    ASSERT_FALSE(window.Mode().OwnerMode);
    EXPECT_FALSE(names->isEnabled());
    EXPECT_TRUE(names->isChecked());
    EXPECT_EQ(window.Map().Picture(), plain);
}

}  // namespace
}  // namespace tarvik
