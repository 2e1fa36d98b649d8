// The main window's ways of moving the map beyond its tools, driven as a user drives them.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "LegendForm.h"
#include "MainWindow.h"
#include "MapWidget.h"
#include "ScriptedViewerDialogs.h"
#include "WorkModeForm.h"

namespace tarvik {
namespace {

using test::PieceSpec;

// A straight track between two points in file coordinates (x, z).
std::string Track(double x1, double z1, double x2, double z2) {
    PieceSpec p;
    p.x1 = x1;
    p.z1 = z1;
    p.x2 = x2;
    p.z2 = z2;
    return test::TrackNode(p);
}

// Two tracks along the file's x and z axes, 1000 m each: the map runs from -1000 to 0.
std::string SquareScenery() {
    return Track(0, 0, 1000, 0) + Track(0, 0, 0, 1000);
}

std::size_t Count(const SegmentList& list) {
    return list.Count();
}

class NavigationWindowTest : public ::testing::Test {
  protected:
    NavigationWindowTest() : window(dialogs, files, store) {
        window.resize(800, 600);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    std::string LoadSquare() {
        const std::string path = dir.Write("kwadrat.scn", SquareScenery());
        window.LoadScenery(path);
        return path;
    }
    QAction* Action(const char* name) { return window.findChild<QAction*>(name); }
    QToolButton* Button(const char* name) { return window.findChild<QToolButton*>(name); }
    QWidget* Map() { return &window.Map(); }
    QPoint Centre() { return Map()->rect().center(); }
    QPointF World(QPointF p) const {
        const ViewState& v = window.View();
        return {p.x() / static_cast<double>(v.MapScale) + v.ViewMin.x,
                p.y() / static_cast<double>(v.MapScale) + v.ViewMin.y};
    }
    double Width() const { return window.View().ViewMax.x - window.View().ViewMin.x; }
    double Height() const { return window.View().ViewMax.y - window.View().ViewMin.y; }
    void ZoomIn(int times) {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, Centre());
    }
    void Press(int key, Qt::KeyboardModifiers keys = Qt::NoModifier, bool repeat = false) {
        QKeyEvent e(QEvent::KeyPress, key, keys, QString(), repeat);
        QApplication::sendEvent(&window, &e);
    }
    void Wheel(QPoint at, QPoint angle, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        QWheelEvent e(Map()->mapTo(&window, QPointF(at)), Map()->mapToGlobal(QPointF(at)), QPoint(),
                      angle, Qt::NoButton, keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window, &e);
    }
    void ExpectView(const ViewState& expected) {
        EXPECT_FLOAT_EQ(window.View().ViewMin.x, expected.ViewMin.x);
        EXPECT_FLOAT_EQ(window.View().ViewMin.y, expected.ViewMin.y);
        EXPECT_FLOAT_EQ(window.View().ViewMax.x, expected.ViewMax.x);
        EXPECT_FLOAT_EQ(window.View().ViewMax.y, expected.ViewMax.y);
    }
    void ExpectShowsAll() {
        const SceneryBounds& b = window.Scenery().Bounds();
        EXPECT_LE(window.View().ViewMin.x, b.SceneryMin.x + 1e-3);
        EXPECT_GE(window.View().ViewMax.x, b.SceneryMax.x - 1e-3);
        EXPECT_LE(window.View().ViewMin.y, b.SceneryMin.y + 1e-3);
        EXPECT_GE(window.View().ViewMax.y, b.SceneryMax.y - 1e-3);
    }
    // A track through the middle of the view, in file coordinates.
    std::string TrackAcrossTheView() {
        const ViewState& v = window.View();
        const double x = -(v.ViewMin.x + v.ViewMax.x) / 2;
        const double z = -(v.ViewMin.y + v.ViewMax.y) / 2;
        return Track(x - 40, z + 20, x + 40, z - 20);
    }

    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    SettingsStore store{QString::fromStdString((dir.Path() / "Zorvan.conf").string())};
    TForm1 window;
};

TEST_F(NavigationWindowTest, F5ReloadsAndKeepsAZoomedView) {
    EXPECT_FALSE(Action("Reload")->isEnabled());
    EXPECT_FALSE(Button("ReloadToolButton")->isEnabled());
    EXPECT_EQ(Action("Reload")->text(), "Przeładuj\tF5");
    EXPECT_EQ(Button("ReloadToolButton")->text(), "Przeładuj");
    EXPECT_EQ(Button("ReloadToolButton")->toolTip(), "Przeładuj scenerię (F5)");
    EXPECT_TRUE(window.menuBar()->actions()[0]->menu()->actions().contains(Action("Reload")));
    const std::string path = LoadSquare();
    ZoomIn(2);
    const ViewState before = window.View();
    const QImage pictureBefore = window.Map().Picture().copy();
    dir.Write("kwadrat.scn", SquareScenery() + TrackAcrossTheView());

    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(Count(window.Scenery().Tracks()), 3u);
    ExpectView(before);
    EXPECT_FLOAT_EQ(window.View().MapScale, before.MapScale);
    EXPECT_NE(window.Map().Picture(), pictureBefore);
    EXPECT_TRUE(window.StatusText().startsWith("Wczyt.+Optymaliz.+Rys.: "));
    EXPECT_TRUE(dialogs.Messages().empty());
    // The reload refreshed what the files are compared with.
    window.CheckFilesChanged();
    EXPECT_TRUE(dialogs.Messages().empty());

    // The button does the same.
    dir.Write("kwadrat.scn", SquareScenery());
    Button("ReloadToolButton")->click();
    EXPECT_EQ(Count(window.Scenery().Tracks()), 2u);
    ExpectView(before);

    // The view's centre is no longer in the scenery: all of it is shown, as a load does.
    dir.Write("kwadrat.scn", Track(5000, 5000, 6000, 5000) + Track(5000, 5000, 5000, 6000));
    QTest::keyClick(&window, Qt::Key_F5);
    ExpectShowsAll();
    EXPECT_LT(window.View().ViewMax.x, -4000);
    EXPECT_EQ(window.SceneryShortPath(), path);
}

TEST_F(NavigationWindowTest, ChangedFilesAreNamedAndTheirReloadKeepsTheView) {
    std::string main;
    for (int i = 0; i < 7; ++i) {
        const std::string name = "czesc" + std::to_string(i) + ".inc";
        dir.Write("tory/" + name, Track(0, 0, 100.0 * (i + 1), 0));
        main += "include tory/" + name + "\r\n";
    }
    const std::string path = dir.Write("glowna.scn", main + SquareScenery());
    window.LoadScenery(path);
    ZoomIn(1);
    const ViewState before = window.View();
    for (int i = 0; i < 7; ++i) {
        dir.Write("tory/czesc" + std::to_string(i) + ".inc",
                  Track(0, 0, 100.0 * (i + 1), 0) + Track(0, 0, 0, 10.0 * (i + 1)));
    }
    dialogs.basic.answers.push_back(MessageAnswer::Yes);
    window.CheckFilesChanged();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    const std::string& text = dialogs.Messages()[0].text;
    EXPECT_EQ(dialogs.Messages()[0].caption, "Zmiana pliku");
    EXPECT_EQ(text.rfind("Plik lub pliki załadowane uległy zmianie. Czy przeładować?\n\n", 0), 0u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
    EXPECT_NE(text.find("\ntory/czesc"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\ni 2 innych"));
    EXPECT_EQ(Count(window.Scenery().Tracks()), 16u);
    ExpectView(before);

    // The work mode's reload keeps it too.
    ZoomIn(1);
    const ViewState zoomed = window.View();
    QTimer::singleShot(
        0, [&] { window.Tools().workMode->findChild<QPushButton*>("BitBtn1")->click(); });
    dialogs.basic.answers.push_back(MessageAnswer::Yes);
    Action("WorkMode")->trigger();
    EXPECT_EQ(dialogs.Messages().back().caption, "Zmiany w scenerii");
    ExpectView(zoomed);
    // Opening a scenery anew shows it whole.
    window.LoadScenery(path);
    ExpectShowsAll();
}

TEST_F(NavigationWindowTest, ArrowsPanOnPressAndAgainWhileHeld) {
    Press(Qt::Key_Left);  // nothing loaded: nothing happens
    LoadSquare();
    ZoomIn(1);
    ViewState v = window.View();
    const double w = Width();
    const double h = Height();
    Press(Qt::Key_Left);
    EXPECT_NEAR(window.View().ViewMin.x, v.ViewMin.x - w / 4, 1e-2);
    EXPECT_FLOAT_EQ(window.View().ViewMin.y, v.ViewMin.y);
    // Held, the key repeats and the map moves on; the release does nothing.
    Press(Qt::Key_Left, Qt::NoModifier, true);
    EXPECT_NEAR(window.View().ViewMin.x, v.ViewMin.x - w / 2, 1e-2);
    QTest::keyRelease(&window, Qt::Key_Left);
    EXPECT_NEAR(window.View().ViewMin.x, v.ViewMin.x - w / 2, 1e-2);
    // The arrow keys of X11 carry the keypad flag.
    Press(Qt::Key_Right, Qt::KeypadModifier);
    Press(Qt::Key_Right);
    EXPECT_NEAR(window.View().ViewMin.x, v.ViewMin.x, 1e-2);
    Press(Qt::Key_Up);
    EXPECT_NEAR(window.View().ViewMin.y, v.ViewMin.y - h / 4, 1e-2);
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_NEAR(window.View().ViewMin.y, v.ViewMin.y + h / 4, 1e-2);
    EXPECT_NEAR(Width(), w, 1e-2);
    // Other modifiers, and the keys of the tool windows, leave the map.
    v = window.View();
    Press(Qt::Key_Left, Qt::ShiftModifier);
    Press(Qt::Key_Left, Qt::ControlModifier);
    window.FinishStartup();
    QTest::keyPress(window.Tools().legend, Qt::Key_Left);
    ExpectView(v);
    // The keys that act on release are as they were.
    QTest::keyPress(&window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(Action("PaintTrack")->isChecked());
    QTest::keyRelease(&window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(Action("PaintTrack")->isChecked());
}

TEST_F(NavigationWindowTest, LeftAndRightInAnOpenMenuMoveToTheNextMenuNotTheMap) {
    LoadSquare();
    ZoomIn(1);
    const ViewState v = window.View();
    QMenuBar* bar = window.menuBar();
    const QList<QAction*> menus = bar->actions();
    ASSERT_GE(menus.size(), 3);
    bar->setActiveAction(menus[0]);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Right);
    EXPECT_EQ(bar->activeAction(), menus[1]);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Left);
    EXPECT_EQ(bar->activeAction(), menus[0]);
    ExpectView(v);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    // With the menus closed the arrows move the map again.
    Press(Qt::Key_Left);
    EXPECT_LT(window.View().ViewMin.x, v.ViewMin.x);
}

TEST_F(NavigationWindowTest, PlusMinusZoomAtTheCentreAndHomeShowsAll) {
    LoadSquare();
    const double all = Width();
    const auto centre = [&] {
        const ViewState& v = window.View();
        return QPointF((v.ViewMin.x + v.ViewMax.x) / 2, (v.ViewMin.y + v.ViewMax.y) / 2);
    };
    const QPointF c = centre();
    // "+" typed with or without Shift, "=", and the keypad's "+".
    const std::pair<int, Qt::KeyboardModifiers> in[] = {{Qt::Key_Plus, Qt::NoModifier},
                                                        {Qt::Key_Plus, Qt::ShiftModifier},
                                                        {Qt::Key_Equal, Qt::NoModifier},
                                                        {Qt::Key_Plus, Qt::KeypadModifier}};
    double expected = all;
    for (const auto& [key, keys] : in) {
        Press(key, keys);
        expected /= 2;
        EXPECT_NEAR(Width(), expected, 1e-2) << key;
        EXPECT_NEAR(centre().x(), c.x(), 1e-2);
        EXPECT_NEAR(centre().y(), c.y(), 1e-2);
    }
    Press(Qt::Key_Minus);
    EXPECT_NEAR(Width(), expected * 2, 1e-2);
    Press(Qt::Key_Minus, Qt::KeypadModifier);
    EXPECT_NEAR(Width(), expected * 4, 1e-2);
    EXPECT_NEAR(centre().x(), c.x(), 1e-2);
    // Whatever the tool.
    Button("HandToolButton")->click();
    Press(Qt::Key_Plus);
    EXPECT_NEAR(Width(), expected * 2, 1e-2);
    Press(Qt::Key_Home);
    ExpectShowsAll();
    EXPECT_NEAR(Width(), all, 1e-2);
    // Zooming out stops at the whole scenery.
    Press(Qt::Key_Plus);
    Press(Qt::Key_Minus);
    Press(Qt::Key_Minus);
    EXPECT_NEAR(Width(), all, 1e-2);
}

TEST_F(NavigationWindowTest, AltArrowsGoThroughTheViews) {
    QAction* previous = Action("PreviousView");
    QAction* next = Action("NextView");
    EXPECT_EQ(previous->text(), "Poprzedni widok\tAlt+Left");
    EXPECT_EQ(next->text(), "Następny widok\tAlt+Right");
    const QMenu* tools = window.menuBar()->actions()[1]->menu();
    EXPECT_EQ(window.menuBar()->actions()[1]->text(), "Narzędzia");
    EXPECT_TRUE(tools->actions().contains(previous));
    EXPECT_TRUE(tools->actions().contains(next));
    LoadSquare();
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_FALSE(next->isEnabled());
    const ViewState v0 = window.View();
    ZoomIn(1);
    const ViewState v1 = window.View();
    Press(Qt::Key_Left);
    const ViewState v2 = window.View();
    EXPECT_TRUE(previous->isEnabled());

    Press(Qt::Key_Left, Qt::AltModifier);
    ExpectView(v1);
    EXPECT_TRUE(next->isEnabled());
    Press(Qt::Key_Left, Qt::AltModifier | Qt::KeypadModifier);
    ExpectView(v0);
    EXPECT_FALSE(previous->isEnabled());
    Press(Qt::Key_Left, Qt::AltModifier);  // nowhere further back
    ExpectView(v0);
    Press(Qt::Key_Right, Qt::AltModifier);
    ExpectView(v1);
    next->trigger();
    ExpectView(v2);
    EXPECT_FALSE(next->isEnabled());
    previous->trigger();
    ExpectView(v1);
    // A new view drops the ones ahead.
    Press(Qt::Key_Down);
    EXPECT_FALSE(next->isEnabled());

    // A held arrow makes one view: back goes to where the hold began.
    const ViewState beforeHold = window.View();
    Press(Qt::Key_Up);
    for (int i = 0; i < 5; ++i)
        Press(Qt::Key_Up, Qt::NoModifier, true);
    Press(Qt::Key_Left, Qt::AltModifier);
    ExpectView(beforeHold);
    // X11 may send a held key as a release and a press at one time, the press not marked as
    // repeated: one view still. A press at another time is a view of its own.
    const auto timed = [&](QEvent::Type type, int key, quint64 time) {
        QKeyEvent e(type, key, Qt::NoModifier);
        e.setTimestamp(time);
        QApplication::sendEvent(&window, &e);
    };
    timed(QEvent::KeyPress, Qt::Key_Down, 100);
    const ViewState firstStep = window.View();
    for (const quint64 t : {200, 300, 400}) {
        timed(QEvent::KeyRelease, Qt::Key_Down, t);
        timed(QEvent::KeyPress, Qt::Key_Down, t);
    }
    timed(QEvent::KeyRelease, Qt::Key_Down, 500);
    timed(QEvent::KeyPress, Qt::Key_Down, 900);
    Press(Qt::Key_Left, Qt::AltModifier);
    EXPECT_GT(window.View().ViewMin.y, firstStep.ViewMin.y);
    Press(Qt::Key_Left, Qt::AltModifier);
    ExpectView(beforeHold);

    // A new scenery starts anew.
    LoadSquare();
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_FALSE(next->isEnabled());
}

TEST_F(NavigationWindowTest, WheelZoomsAtThePointerWhenChosen) {
    QAction* option = Action("WheelZoomsAtPointer");
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->text(), "Kółko przybliża pod kursorem");
    EXPECT_TRUE(option->isCheckable());
    EXPECT_FALSE(option->isChecked());
    const QMenu* navigation = window.findChild<QMenu*>("NavigationMenu");
    EXPECT_EQ(navigation->title(), "Nawigacja");
    EXPECT_TRUE(
        window.menuBar()->actions()[3]->menu()->actions().contains(navigation->menuAction()));
    EXPECT_EQ(window.menuBar()->actions()[3]->text(), "Opcje");
    LoadSquare();
    ZoomIn(1);
    // Off, the wheel scrolls as ever.
    ViewState v = window.View();
    Wheel({200, 150}, {0, 120});
    EXPECT_NEAR(window.View().ViewMin.y, v.ViewMin.y - Height() / 4, 1e-2);
    EXPECT_NEAR(window.View().ViewMax.x - window.View().ViewMin.x, v.ViewMax.x - v.ViewMin.x, 1e-2);

    option->trigger();
    Button("HandToolButton")->click();
    const QPoint cursor = QCursor::pos();
    const QPoint at(200, 150);
    const QPointF grabbed = World(at);
    const double w = Width();
    Wheel(at, {0, 120});
    EXPECT_NEAR(Width(), w / 1.25, 1e-2);
    EXPECT_NEAR(World(at).x(), grabbed.x(), 0.05);
    EXPECT_NEAR(World(at).y(), grabbed.y(), 0.05);
    // A high-resolution wheel in proportion.
    Wheel(at, {0, 60});
    EXPECT_NEAR(Width(), w / 1.25 / std::sqrt(1.25), 1e-2);
    Wheel(at, {0, -60});
    Wheel(at, {0, -120});
    EXPECT_NEAR(Width(), w, 1e-2);
    EXPECT_NEAR(World(at).x(), grabbed.x(), 0.05);
    // Ctrl as well, whatever the tool.
    Button("LengthToolButton")->click();
    Wheel(at, {0, 120}, Qt::ControlModifier);
    EXPECT_NEAR(Width(), w / 1.25, 1e-2);
    EXPECT_EQ(QCursor::pos(), cursor);
    // Shift scrolls sideways.
    v = window.View();
    Wheel(at, {0, -120}, Qt::ShiftModifier);
    EXPECT_NEAR(window.View().ViewMin.x, v.ViewMin.x - Width() / 4, 1e-2);
    EXPECT_FLOAT_EQ(window.View().ViewMin.y, v.ViewMin.y);
    // Out far enough, the whole scenery.
    for (int i = 0; i < 10; ++i)
        Wheel(at, {0, -120});
    ExpectShowsAll();

    option->trigger();
    EXPECT_FALSE(window.CollectSettings().Navigation.WheelZoomsAtPointer);
    option->trigger();
    EXPECT_TRUE(window.CollectSettings().Navigation.WheelZoomsAtPointer);
}

TEST_F(NavigationWindowTest, TheZoomToolCanLeaveThePointerWhereItIs) {
    QAction* option = Action("KeepPointer");
    EXPECT_EQ(option->text(), "Nie przesuwaj kursora");
    EXPECT_FALSE(option->isChecked());
    LoadSquare();
    const QPoint away = Map()->mapToGlobal(QPoint(100, 100));
    QCursor::setPos(away);
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(QCursor::pos(), Map()->mapToGlobal(Centre()));

    option->trigger();
    EXPECT_TRUE(window.CollectSettings().Navigation.KeepPointer);
    QCursor::setPos(away);
    const QPointF target = World(QPoint(100, 100));
    const double w = Width();
    QTest::mouseClick(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_EQ(QCursor::pos(), away);
    // It still centres and zooms.
    EXPECT_NEAR(Width(), w / 2, 1e-2);
    EXPECT_NEAR((window.View().ViewMin.x + window.View().ViewMax.x) / 2, target.x(), 1e-2);
}

TEST_F(NavigationWindowTest, MiddleDragPansWithAnyToolAndAClickKeepsItsMeaning) {
    LoadSquare();
    ZoomIn(2);
    for (const char* tool : {"ZoomToolButton", "LengthToolButton", "InfoToolButton"}) {
        Button(tool)->click();
        const QPointF grabbed = World(QPoint(200, 200));
        const double w = Width();
        QTest::mousePress(Map(), Qt::MiddleButton, Qt::NoModifier, QPoint(200, 200));
        QMouseEvent move(QEvent::MouseMove, QPointF(260, 230),
                         Map()->mapToGlobal(QPointF(260, 230)), Qt::NoButton, Qt::MiddleButton,
                         Qt::NoModifier);
        QApplication::sendEvent(Map(), &move);
        EXPECT_NE(QApplication::overrideCursor(), nullptr) << tool;
        QTest::mouseRelease(Map(), Qt::MiddleButton, Qt::NoModifier, QPoint(260, 230));
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << tool;
        EXPECT_NEAR(World(QPoint(260, 230)).x(), grabbed.x(), 0.5 / window.View().MapScale);
        EXPECT_NEAR(World(QPoint(260, 230)).y(), grabbed.y(), 0.5 / window.View().MapScale);
        EXPECT_NEAR(Width(), w, 1e-2) << tool;
    }
    EXPECT_TRUE(dialogs.Messages().empty());
    // A middle click of the zoom tool shows all, as it did.
    Button("ZoomToolButton")->click();
    QTest::mouseClick(Map(), Qt::MiddleButton, Qt::NoModifier, QPoint(300, 300));
    ExpectShowsAll();
}

TEST_F(NavigationWindowTest, TheRulerShowsTheDistanceWhileDragged) {
    LoadSquare();
    QTest::keyRelease(&window, Qt::Key_3, Qt::ControlModifier);
    QTest::mousePress(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(100, 300), Map()->mapToGlobal(QPointF(100, 300)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Map(), &move);
    const double d = 200 / static_cast<double>(window.View().MapScale);
    EXPECT_EQ(window.StatusText().toStdString(), "Odległość: " + RulerDistanceText(d));
    EXPECT_TRUE(dialogs.Messages().empty());
    QTest::mouseRelease(Map(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 300));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text,
              "Odległość między wybranymi punktami wynosi ok. " + RulerDistanceText(d));
    EXPECT_EQ(dialogs.Messages()[0].caption, "Linijka");
}

TEST_F(NavigationWindowTest, ASceneryDroppedOnTheWindowOpens) {
    const std::string scn = dir.Write("upuszczona.scn", SquareScenery());
    const std::string scm = dir.Write("MODUL.SCM", SquareScenery());
    const std::string txt = dir.Write("notatki.txt", "nic");
    const auto drop = [&](const std::vector<std::string>& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& p : paths)
            urls.push_back(QUrl::fromLocalFile(QString::fromStdString(p)));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
        QCoreApplication::processEvents();
        return dropped.isAccepted();
    };
    EXPECT_FALSE(drop({txt}));
    EXPECT_EQ(window.windowTitle(), "Tarvik Track Viewer");
    EXPECT_TRUE(drop({txt, scn}));
    EXPECT_EQ(window.windowTitle().toStdString(), scn + " - Tarvik Track Viewer");
    EXPECT_TRUE(drop({scm}));
    EXPECT_EQ(window.windowTitle().toStdString(), scm + " - Tarvik Track Viewer");
    EXPECT_EQ(Count(window.Scenery().Tracks()), 2u);
}

}  // namespace
}  // namespace tarvik
