#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <chrono>

#include "LauncherTestSupport.h"
#include "MapWidget.h"
#include "ProblemTexts.h"
#include "ProblemsCheck.h"
#include "ProblemsForm.h"
#include "SegmentSearch.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::FakeProgram;
using test::LauncherHarness;

std::string Piece(double x1, double z1, double x2, double z2) {
    test::PieceSpec p;
    p.x1 = x1, p.z1 = z1, p.x2 = x2, p.z2 = z2;
    return test::TrackNode(p);
}

// Lines 1 to 8 and 9 to 16 of the include: two tracks whose ends miss each other by 0,3 m;
// lines 17 to 24: a track whose first point line (19) is short, so that the piece is lost.
std::string TracksText() {
    return Piece(0, 0, 10, 0) + Piece(10.3, 0, 500, 1000) +
           CrLf({"node -1 0 none track normal 34.0 1.435 0.24 15.0 20 0 flat vis",
                 " Rail_screw_used1 4 Rail_screw_used1 0.2 2.75 2.5", "60.0 0.0", "0 0 0", "0 0 0",
                 "60.0 0.0 100.0 0.0", "0", "endtrack"});
}

class ProblemsWindowTest : public ::testing::Test {
  protected:
    void Start(const std::string& settings = "") {
        h = std::make_unique<LauncherHarness>(settings);
        h->window->resize(800, 600);
        h->window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(h->window.get()));
        h->dir.Write("tory.inc", TracksText());
        scenery = h->dir.Write("main.scn", CrLf({"include tory.inc", "include brak.inc"}));
    }
    void Load(const std::string& path) {
        h->window->LoadScenery(path);
        QTRY_VERIFY(!h->window->CheckingProblems());
    }
    TForm1& Window() { return *h->window; }
    TProblemsForm& Problems() { return *Window().Tools().problems; }
    QTableView& Table() { return *Problems().findChild<QTableView*>("ProblemTable"); }
    QLabel& StatusLink() { return *Window().findChild<QLabel*>("ProblemsStatus"); }
    QAction& Item(const char* name) { return *Window().findChild<QAction*>(name); }
    QString Cell(int row, int column) {
        return Table().model()->index(row, column).data().toString();
    }
    QStringList Rows() {
        QStringList rows;
        for (int r = 0; r < Table().model()->rowCount(); ++r)
            rows << Cell(r, 0) + " | " + Cell(r, 1) + " | " + Cell(r, 2);
        return rows;
    }
    QPoint RowPoint(int row) { return Table().visualRect(Table().model()->index(row, 1)).center(); }
    TPointD Centre() {
        const ViewState& v = Window().View();
        return {(v.ViewMin.x + v.ViewMax.x) / 2, (v.ViewMin.y + v.ViewMax.y) / 2};
    }

    std::unique_ptr<LauncherHarness> h;
    std::string scenery;
};

TEST_F(ProblemsWindowTest, TheStatusLineCountsTheProblemsAndOpensTheListInFileOrder) {
    Start();
    Load(scenery);
    EXPECT_EQ(Window().ProblemsStatusText(), "Problemy: 3 błędy, 1 ostrzeżenie");
    EXPECT_TRUE(StatusLink().isVisible());
    // The window waits to be asked for.
    EXPECT_FALSE(Problems().isVisible());
    // Once the status line has made room for the whole text.
    QTRY_COMPARE(StatusLink().width(), StatusLink().sizeHint().width());
    QTest::mouseClick(&StatusLink(), Qt::LeftButton, {}, StatusLink().rect().center());
    ASSERT_TRUE(Problems().isVisible());
    EXPECT_TRUE(Item("ShowProblems").isChecked());

    EXPECT_EQ(Rows(),
              (QStringList{"Brak dołączanego pliku | main.scn | 2",
                           "Niezłączone końce torów | tory.inc | 1",
                           "Błąd parsowania | tory.inc | 19", "Błąd parsowania | tory.inc | 19"}));
    EXPECT_EQ(Cell(1, 3), "Końce torów z tory.inc:1 i z tory.inc:9 mijają się o 0,300 m");
    EXPECT_EQ(Problems().findChild<QLabel*>("ProblemCounts")->text(),
              "Problemy: 3 błędy, 1 ostrzeżenie — Błąd parsowania: 2 · Brak dołączanego pliku: "
              "1 · Niezłączone końce torów: 1");

    // The filter looks through kind, place and message, in either case.
    auto* filter = Problems().findChild<QLineEdit*>("ProblemFilter");
    QTest::keyClicks(filter, "TORY.INC:19");
    EXPECT_EQ(Table().model()->rowCount(), 2);
    EXPECT_EQ(Problems().findChild<QLabel*>("ProblemStatus")->text(), "Pokazano 2 z 4.");
    filter->clear();
    QTest::keyClicks(filter, "near-miss");
    EXPECT_EQ(Rows(), QStringList{"Niezłączone końce torów | tory.inc | 1"});
    filter->clear();
    EXPECT_EQ(Table().model()->rowCount(), 4);
    // A header sorts; the line sorts as a number.
    Table().horizontalHeader()->setSortIndicator(2, Qt::DescendingOrder);
    EXPECT_EQ(Cell(0, 2), "19");
    EXPECT_EQ(Cell(3, 2), "1");

    // In a window too narrow for both, the status text keeps its room and the count its total.
    Window().SetStatusText("Wczyt.+Optymaliz.+Rys.: 0:00.123");
    Window().resize(Window().minimumWidth(), 500);
    const auto* text = Window().findChild<QLabel*>("StatusBar1");
    QTRY_VERIFY(StatusLink().text().contains(">Problemy: 4<"));
    EXPECT_GE(text->width(), text->sizeHint().width());
    EXPECT_EQ(Window().ProblemsStatusText(), "Problemy: 3 błędy, 1 ostrzeżenie");
    Window().resize(800, 600);
    QTRY_VERIFY(StatusLink().text().contains(">Problemy: 3 błędy, 1 ostrzeżenie<"));

    // A scenery without problems leaves the status line and says so in the window.
    h->dir.Write("tory.inc", Piece(0, 0, 10, 0));
    h->dir.Write("main.scn", CrLf({"include tory.inc"}));
    Load(scenery);
    EXPECT_EQ(Window().ProblemsStatusText(), "");
    EXPECT_FALSE(StatusLink().isVisible());
    EXPECT_EQ(Table().model()->rowCount(), 0);
    EXPECT_EQ(Problems().findChild<QLabel*>("ProblemCounts")->text(), "Nie znaleziono problemów.");
}

TEST_F(ProblemsWindowTest, AClickShowsTheProblemOnTheMapAndADoubleClickEditsAtItsLine) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    Start("[Editors]\nName0=Fake\nExe0=" + editor.Path() + "\nParam0=--line %l %f\n");
    Load(scenery);
    // Zoomed in, so that the view can move within the scenery.
    for (int i = 0; i < 3; ++i) {
        const QPoint centre = Window().Map().rect().center();
        QTest::mouseClick(&Window().Map(), Qt::LeftButton, {}, centre);
    }
    QTest::keyClick(&Window(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(Problems().isVisible());
    const double scale = Window().View().MapScale;

    QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, RowPoint(1));
    // Centred on the middle of the gap at the same scale, marked, and the track highlighted.
    EXPECT_NEAR(Centre().x, -10.15, 1e-3);
    EXPECT_NEAR(Centre().y, 0, 1e-3);
    EXPECT_DOUBLE_EQ(Window().View().MapScale, scale);
    ASSERT_TRUE(Window().Map().Mark());
    const QPoint mark = Window().Map().Mark()->toPoint();
    // The track read first runs to the right of the gap, drawn white; the other is not.
    EXPECT_EQ(Window().Map().Picture().pixel(mark + QPoint(12, 0)), qRgb(255, 255, 255));
    EXPECT_NE(Window().Map().Picture().pixel(mark + QPoint(-12, 0)), qRgb(255, 255, 255));
    auto* edit = Problems().findChild<QPushButton*>("EditHereButton");
    EXPECT_TRUE(edit->isEnabled());

    // A problem without a point on the map leaves the view as it is.
    const ViewState before = Window().View();
    QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, RowPoint(0));
    EXPECT_EQ(Window().View().ViewMin.x, before.ViewMin.x);
    EXPECT_EQ(Problems().findChild<QLabel*>("ProblemStatus")->text(),
              "Ten problem nie ma miejsca na mapie.");

    QSignalSpy edits(&Problems(), &TProblemsForm::editAt);
    // A double click: the first press and release, then the second press as the double one.
    QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, RowPoint(2));
    QTest::mouseDClick(Table().viewport(), Qt::LeftButton, {}, RowPoint(2));
    EXPECT_EQ(edits.count(), 1);
    std::vector<FakeProgram::Run> runs = editor.WaitForRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].arguments,
              (std::vector<std::string>{"--line", "19", (h->dir.Path() / "tory.inc").string()}));
    QTest::mouseClick(edit, Qt::LeftButton);
    runs = editor.WaitForRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].arguments[1], "19");
}

TEST_F(ProblemsWindowTest, TheKeyTheItemAndTheCloseBoxAgreeAndThePlaceIsKept) {
    Start("[Bounds]\nPRX1=120\nPRY1=140\nPRX2=500\nPRY2=300\n");
    EXPECT_EQ(Problems().size(), QSize(500, 300));
    EXPECT_TRUE(Item("ShowProblems").text().endsWith("\tCtrl+Shift+P"));
    // Before a load the window is there, with nothing in it.
    QTest::keyClick(&Window(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Problems().isVisible());
    EXPECT_EQ(Problems().findChild<QLabel*>("ProblemCounts")->text(), "Nie wczytano scenerii.");
    QTest::keyClick(&Window(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(Problems().isVisible());
    Item("ShowProblems").trigger();
    ASSERT_TRUE(Problems().isVisible());
    Problems().close();
    EXPECT_FALSE(Item("ShowProblems").isChecked());
    Problems().move(200, 210);
    Problems().resize(450, 280);
    const WindowBounds stored = Window().CollectSettings().Problems;
    EXPECT_EQ(stored.width, 450);
    EXPECT_EQ(stored.height, 280);
}

TEST_F(ProblemsWindowTest, TheOptionsOpenTheWindowAfterALoadAndAnswerParseErrorsWithoutABox) {
    Start("[Problems]\nShowAfterLoad=1\nParseErrorsUnasked=1\n");
    EXPECT_TRUE(Item("ProblemsAfterLoad").isChecked());
    EXPECT_TRUE(Item("ParseErrorsUnasked").isChecked());
    Load(scenery);
    EXPECT_TRUE(h->dialogs.Messages().empty());
    EXPECT_TRUE(Problems().isVisible());
    EXPECT_EQ(Table().model()->rowCount(), 4);
    EXPECT_TRUE(Window().CollectSettings().ParseErrorsUnasked);

    // Off, the questions come back as they were.
    Problems().close();
    Item("ParseErrorsUnasked").trigger();
    Item("ProblemsAfterLoad").trigger();
    Load(scenery);
    ASSERT_EQ(h->dialogs.Messages().size(), 2u);
    EXPECT_EQ(h->dialogs.Messages()[0].caption, "Błąd parsowania");
    EXPECT_EQ(h->dialogs.Messages()[1].text, "Błąd przy odczycie drogi! '60.0 0.0'");
    EXPECT_FALSE(Problems().isVisible());
    const AppSettings s = Window().CollectSettings();
    EXPECT_FALSE(s.ParseErrorsUnasked);
    EXPECT_FALSE(s.ProblemsAfterLoad);
}

TEST_F(ProblemsWindowTest, TheLoadTimeLeavesOutTheTimeSpentAnswering) {
    Start();
    std::chrono::steady_clock::time_point now{};
    Window().SetClock([&now] { return now; });
    // Each box is up for six seconds; nothing else takes time on this clock.
    h->dialogs.basic.whileAsked = [&now] { now += std::chrono::seconds(6); };
    Load(scenery);
    EXPECT_EQ(h->dialogs.Messages().size(), 2u);
    EXPECT_EQ(Window().StatusText(), "Wczyt.+Optymaliz.+Rys.: 0:00.000");
}

TEST(ProblemsCheckTest, AStoppedCheckNeverDeliversAndARunningOneDoes) {
    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::LoadFile(scenery, dir.Write("main.scn", TracksText()), test::UserMode(), dialogs);
    QObject receiver;
    ProblemsCheck check(receiver);
    int delivered = 0;
    std::size_t found = 0;
    const auto done = [&](std::vector<Problem> problems) {
        ++delivered;
        found = problems.size();
    };
    check.Start(scenery, {}, done);
    check.Stop();
    QTest::qWait(50);
    EXPECT_EQ(delivered, 0);
    // A second start replaces the first, whose result is dropped.
    check.Start(scenery, {}, done);
    check.Start(scenery, {}, done);
    EXPECT_TRUE(check.Running());
    QTRY_COMPARE(delivered, 1);
    EXPECT_FALSE(check.Running());
    EXPECT_EQ(found, 1u);
    QTest::qWait(50);
    EXPECT_EQ(delivered, 1);
}

TEST(ProblemTextsTest, CountsTakeThePolishFormOfTheirNumber) {
    EXPECT_EQ(ProblemCountText(0, 0), "");
    EXPECT_EQ(ProblemCountText(1, 0), "Problemy: 1 błąd");
    EXPECT_EQ(ProblemCountText(0, 1), "Problemy: 1 ostrzeżenie");
    EXPECT_EQ(ProblemCountText(2, 5), "Problemy: 2 błędy, 5 ostrzeżeń");
    EXPECT_EQ(ProblemCountText(12, 14), "Problemy: 12 błędów, 14 ostrzeżeń");
    EXPECT_EQ(ProblemCountText(22, 104), "Problemy: 22 błędy, 104 ostrzeżenia");
    EXPECT_EQ(ProblemCountText(111, 21), "Problemy: 111 błędów, 21 ostrzeżeń");
}

}  // namespace
}  // namespace tarvik
