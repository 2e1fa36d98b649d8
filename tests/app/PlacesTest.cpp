// The pointer's coordinates in the status line and the go-to command.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>

#include "GoToPlace.h"
#include "MainWindow.h"
#include "MapWidget.h"
#include "PointerPanel.h"
#include "ScriptedViewerDialogs.h"

namespace tarvik {
namespace {

TEST(PointerTexts, CoordinatesHaveOneDecimalACommaAndTheMinusSign) {
    EXPECT_EQ(CoordinatesText(1234.5, -678.9), "x: 1234,5  z: \u2212678,9");
    EXPECT_EQ(CoordinatesText(-12345.67, 0.05), "x: \u221212345,7  z: 0,1");
    // What rounds to zero has no sign.
    EXPECT_EQ(CoordinatesText(-0.04, -0.0), "x: 0,0  z: 0,0");
}

TEST(PointerTexts, ScaleHasThreeSignificantDigitsWithoutTrailingZeros) {
    const std::pair<double, const char*> cases[] = {
        {2.5, "2,5"},     {1.0 / 3, "0,333"},     {10, "10"},
        {12.345, "12,3"}, {0.0012345, "0,00123"}, {9.996, "10"},
        {0.09996, "0,1"}, {1234.5, "1235"},       {100.04, "100"}};
    for (const auto& [metres, text] : cases)
        EXPECT_EQ(ScaleText(metres), std::string("1 px = ") + text + " m") << metres;
    EXPECT_EQ(ScaleText(0), "");
}

TEST(GoToText, TwoNumbersAsTheyMayBeTyped) {
    for (const char* text : {"1234,5 -678,9", "1234.5\t -678.9", "1234,5;-678,9",
                             "1234,5 ; \u2212678,9", "1234.5, -678.9", "1234,5, -678,9",
                             "x: 1234,5  z: \u2212678,9", "X: 1234,5; Z: -678,9"}) {
        const std::optional<TPointD> p = TypedCoordinates(text);
        ASSERT_TRUE(p) << text;
        EXPECT_DOUBLE_EQ(p->x, 1234.5) << text;
        EXPECT_DOUBLE_EQ(p->y, -678.9) << text;
    }
    const std::optional<TPointD> whole = TypedCoordinates("+7 8");
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->x, 7);
    EXPECT_EQ(whole->y, 8);
    // A comma between digits is a decimal one, so these are not two numbers.
    for (const char* text :
         {"1,5", "1,5,2", "1.5,2", "1 2 3", "1;;2", "1; 2;", "1.2.3 4", ".5 1", "1. 2", "1e3 2",
          "1,", "1, ", "x: 1", "z: 1 x: 2", "1 x", "--1 2", "", "tor_a"}) {
        EXPECT_FALSE(TypedCoordinates(text)) << text;
    }
}

class GoToNamesTest : public ::testing::Test {
  protected:
    void Load(const TWorkMode& mode) {
        const auto piece = [](const std::string& name, double x) {
            test::PieceSpec p;
            // Side by side, so that no two pieces join.
            p.name = name;
            p.x1 = p.x2 = x;
            p.z2 = 100;
            return test::TrackNode(p);
        };
        // In file order; the list holds them newest first. "\xB3\xF3\x64\x9F" is "łódź".
        const std::string text = piece("Tor_A", 0) + piece("zwr", 100) + piece("Tor_A", 200) +
                                 piece("TOR_A", 300) + piece("\xB3\xF3\x64\x9F", 400);
        test::LoadFile(scenery, dir.Write("nazwy.scn", text), mode, dialogs);
        pieces = test::Segments(scenery.Tracks());
        ASSERT_EQ(pieces.size(), 5u);
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    TScenery scenery;
    std::vector<const TSegmentObj*> pieces;  // newest first
};

TEST_F(GoToNamesTest, NamesAreFoundByTheirFirstPieceAsWrittenElseInAnyCase) {
    Load(test::AuthorMode());
    const TrackNameIndex names(scenery.Tracks());
    EXPECT_EQ(names.Names(), (std::vector<std::string>{"łódź", "TOR_A", "Tor_A", "zwr"}));
    EXPECT_EQ(names.Find("Tor_A"), pieces[2]);
    EXPECT_EQ(names.Find("TOR_A"), pieces[1]);
    EXPECT_EQ(names.Find("tor_a"), pieces[1]);
    EXPECT_EQ(names.Find("ŁÓDŹ"), pieces[0]);
    EXPECT_EQ(names.Find("zw"), nullptr);

    const GoToTarget point = ResolveGoTo(" 10 20 ", true, names);
    ASSERT_TRUE(point.mapPoint);
    EXPECT_EQ(point.mapPoint->x, -10);
    EXPECT_EQ(point.mapPoint->y, -20);
    EXPECT_EQ(point.message, "");
    EXPECT_EQ(ResolveGoTo("  Zwr ", true, names).track, pieces[3]);
    EXPECT_EQ(ResolveGoTo("brak", true, names).message, "Nie znaleziono toru o nazwie brak");
    for (const char* text : {"", "12", "zwr tor_a", "1 2 3"}) {
        const GoToTarget t = ResolveGoTo(text, true, names);
        EXPECT_EQ(t.message, "Wpisz dwie liczby (x z) albo nazwę toru.") << text;
        EXPECT_EQ(t.track, nullptr);
        EXPECT_FALSE(t.mapPoint);
    }
}

TEST_F(GoToNamesTest, TheUserModeAsksForNumbersOnly) {
    Load(test::UserMode());
    const TrackNameIndex names(scenery.Tracks());
    EXPECT_TRUE(names.Names().empty());
    EXPECT_EQ(ResolveGoTo("zwr", false, names).message, "Wpisz dwie liczby (x z).");
    EXPECT_TRUE(ResolveGoTo("1;2", false, names).mapPoint);
}

// Two tracks along the file's x and z axes, 1000 m each: the map runs from -1000 to 0.
std::string SquareScenery() {
    test::PieceSpec alongX;
    alongX.x2 = 1000;
    test::PieceSpec alongZ;
    alongZ.z2 = 1000;
    return test::TrackNode(alongX) + test::TrackNode(alongZ);
}

class PlacesWindowTest : public ::testing::Test {
  protected:
    PlacesWindowTest() : window(dialogs, files, store) {
        window.resize(800, 600);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void LoadSquare() { window.LoadScenery(dir.Write("kwadrat.scn", SquareScenery())); }
    QAction* Action(const char* name) { return window.findChild<QAction*>(name); }
    MapWidget& Map() { return window.Map(); }
    PointerPanel& Panel() { return *window.findChild<PointerPanel*>("PointerPanel"); }
    void MoveTo(QPoint p) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), Map().mapToGlobal(QPointF(p)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&Map(), &move);
    }
    // The scenery's point under a pixel of the map picture.
    TPointD SceneryAt(QPoint p) const {
        const ViewState& v = window.View();
        return {-(p.x() / static_cast<double>(v.MapScale) + v.ViewMin.x),
                -(p.y() / static_cast<double>(v.MapScale) + v.ViewMin.y)};
    }
    TPointD Centre() const {
        const ViewState& v = window.View();
        return {(v.ViewMin.x + v.ViewMax.x) / 2.0, (v.ViewMin.y + v.ViewMax.y) / 2.0};
    }
    void GoTo(const std::string& text) {
        dialogs.goToTexts.push_back(text);
        QTest::keyRelease(&window, Qt::Key_G, Qt::ControlModifier);
    }
    QColor Shown(QPointF at) { return Map().grab().toImage().pixelColor(at.toPoint()); }

    test::TempDir dir;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    SettingsStore store{QString::fromStdString((dir.Path() / "Zorvan.conf").string())};
    TForm1 window;
};

TEST_F(PlacesWindowTest, ThePanelFollowsThePointerOverTheMapAndIsEmptyOffIt) {
    MoveTo({300, 200});
    EXPECT_EQ(Panel().Coordinates(), "");
    EXPECT_EQ(Panel().Scale(), "");

    LoadSquare();
    const QString status = window.StatusText();
    for (const QPoint p : {QPoint(300, 200), QPoint(Map().width() - 5, 10)}) {
        MoveTo(p);
        const TPointD s = SceneryAt(p);
        EXPECT_EQ(Panel().Coordinates().toStdString(), CoordinatesText(s.x, s.y));
        EXPECT_EQ(Panel().Scale().toStdString(), ScaleText(1 / window.View().MapScale));
    }
    // The map is wider than the square: its right edge lies beyond the scenery's x = 0.
    EXPECT_TRUE(Panel().Coordinates().startsWith("x: \u2212"))
        << Panel().Coordinates().toStdString();
    EXPECT_EQ(window.StatusText(), status);

    // Zoomed in at the centre, the scale halves.
    const double before = 1 / window.View().MapScale;
    QTest::mouseClick(&Map(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 250));
    MoveTo({400, 250});
    EXPECT_EQ(Panel().Scale().toStdString(), ScaleText(before / 2));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&Map(), &leave);
    EXPECT_EQ(Panel().Coordinates(), "");
    EXPECT_EQ(Panel().Scale(), "");

    // On the right of the status text, which keeps its room in the narrowest window.
    window.resize(window.minimumWidth(), 500);
    QTest::qWait(20);
    window.SetStatusText("Wczyt.+Optymaliz.+Rys.: 0:00.123");
    QTest::qWait(20);
    const auto* text = window.findChild<QLabel*>("StatusBar1");
    EXPECT_GE(text->width(), text->sizeHint().width());
    EXPECT_GE(Panel().x(), text->geometry().right());
    EXPECT_GT(Panel().width(), 0);
}

TEST_F(PlacesWindowTest, GoToNumbersCentresAtTheScaleAndMarksThePointUntilTheViewMoves) {
    QAction* goTo = Action("GoTo");
    EXPECT_FALSE(goTo->isEnabled());
    EXPECT_TRUE(goTo->text().endsWith("\tCtrl+G"));
    GoTo("250 750");
    EXPECT_TRUE(dialogs.goToRequests.empty());
    dialogs.goToTexts.clear();

    LoadSquare();
    EXPECT_TRUE(goTo->isEnabled());
    // Zoomed in first, so that the view is not pulled back into the scenery.
    QTest::mouseClick(&Map(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 250));
    const ViewState before = window.View();
    GoTo("250 750");
    ASSERT_EQ(dialogs.goToRequests.size(), 1u);
    EXPECT_EQ(dialogs.goToRequests[0].prompt, "Współrzędne x z w osiach scenerii:");
    EXPECT_TRUE(dialogs.goToRequests[0].names.empty());
    EXPECT_NEAR(Centre().x, -250, 1e-2);
    EXPECT_NEAR(Centre().y, -750, 1e-2);
    EXPECT_FLOAT_EQ(window.View().MapScale, before.MapScale);

    ASSERT_TRUE(Map().Mark());
    const QPointF mark = *Map().Mark();
    EXPECT_NEAR(mark.x(), Map().width() / 2.0, 1);
    EXPECT_NEAR(mark.y(), Map().height() / 2.0, 1);
    const QColor cross(255, 255, 0);
    EXPECT_EQ(Shown(mark), cross);
    EXPECT_EQ(Shown(mark + QPointF(4, 0)), cross);
    EXPECT_EQ(Shown(mark + QPointF(0, -4)), cross);
    // Drawing again without moving keeps it.
    QTest::keyRelease(&window, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(Map().Mark(), mark);

    // Any move of the view takes it away: a zoom, the wheel, the whole scenery, a reload.
    const std::vector<std::function<void()>> moves = {
        [&] { QTest::mouseClick(&Map(), Qt::LeftButton, Qt::NoModifier, QPoint(300, 200)); },
        [&] {
            QWheelEvent e(QPointF(300, 300), Map().mapToGlobal(QPointF(300, 300)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&window, &e);
        },
        [&] { QTest::mouseClick(&Map(), Qt::MiddleButton, Qt::NoModifier, QPoint(300, 200)); },
        [&] { LoadSquare(); }};
    for (std::size_t i = 0; i < moves.size(); ++i) {
        GoTo("500 500");
        ASSERT_TRUE(Map().Mark()) << i;
        const QPointF at = *Map().Mark();
        moves[i]();
        EXPECT_FALSE(Map().Mark()) << i;
        EXPECT_EQ(Shown(at), Map().Picture().pixelColor(at.toPoint())) << i;
    }
}

TEST_F(PlacesWindowTest, TextLeadingNowhereIsToldInTheDialogWhichStaysOpen) {
    LoadSquare();
    dialogs.goToTexts = {"tor_a", "1,5", "100; 200"};
    QTest::keyRelease(&window, Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(dialogs.goToRequests.size(), 1u);
    EXPECT_EQ(dialogs.goToMessages,
              (std::vector<std::string>{"Wpisz dwie liczby (x z).", "Wpisz dwie liczby (x z)."}));
    EXPECT_NEAR(Centre().x, -100, 1e-2);

    // Cancelled after a wrong text: the view and its cross stay as they were.
    const ViewState now = window.View();
    const std::optional<QPointF> mark = Map().Mark();
    ASSERT_TRUE(mark);
    GoTo("gdzieś");
    EXPECT_EQ(dialogs.goToMessages.size(), 3u);
    EXPECT_EQ(window.View().ViewMin.x, now.ViewMin.x);
    EXPECT_EQ(window.View().ViewMin.y, now.ViewMin.y);
    EXPECT_EQ(Map().Mark(), mark);
}

}  // namespace
}  // namespace tarvik
