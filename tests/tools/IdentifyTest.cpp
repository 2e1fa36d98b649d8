#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QTreeWidget>
#include <algorithm>

#include "Cp1250.h"
#include "MapWidget.h"
#include "SegmentSearch.h"
#include "TrackListFixture.h"

namespace tarvik {
namespace {

std::string Node(const std::string& name, const std::string& subKind, double x1, double h1,
                 double z1, double x2, double h2, double z2, std::vector<std::string> extra = {}) {
    test::PieceSpec p;
    p.name = name;
    p.subKind = subKind;
    p.x1 = x1;
    p.h1 = h1;
    p.z1 = z1;
    p.x2 = x2;
    p.h2 = h2;
    p.z2 = z2;
    p.extraLines = std::move(extra);
    return test::TrackNode(p);
}

std::string Wire(double x1, double z1, double x2, double z2) {
    return "node -1 0 drut traction pwr01 3000 1000 0.01 Cu 3.0 0\r\n" + std::to_string(x1) +
           " 6.0 " + std::to_string(z1) + "\r\n" + std::to_string(x2) + " 6.0 " +
           std::to_string(z2) + "\r\n0 0 0\r\n0 0 0\r\nendtraction\r\n";
}

// Columns along the file's z axis from 0 to 200, at file x = 0 a named track with an unnamed
// road on top of it, -100 a named track alone, 100 a named road with an event, 200 a river,
// 300 a wire, 400 an unnamed track rising from 10 to 20 m; two pieces far off keep the columns
// away from the map's scrolling bands.
std::string IdentifyText() {
    return Node("prosty", "normal", 0, 0, 0, 0, 0, 200) + Node("none", "road", 0, 0, 0, 0, 0, 200) +
           Node("boczny", "normal", -100, 0, 0, -100, 0, 200) +
           Node("ulica", "road", 100, 0, 0, 100, 0, 200, {"event0 swiatla"}) +
           Node("potok", "river", 200, 0, 0, 200, 0, 200) + Wire(300, 0, 300, 200) +
           Node("none", "normal", 400, 10, 0, 400, 20, 200) +
           Node("none", "normal", -300, 0, -300, -301, 0, -300) +
           Node("none", "normal", 700, 0, 500, 701, 0, 500);
}

// The real main window in the author mode, with the identify tool chosen by its key.
class IdentifyTest : public test::TrackListFixture {
  protected:
    explicit IdentifyTest(const std::string& settings = "[General]\nOwnerMode=1\n")
        : TrackListFixture(settings) {}

    void SetUp() override {
        Load(IdentifyText());
        QTest::keyRelease(window.get(), Qt::Key_4, Qt::ControlModifier);
    }

    // The pixel of the map picture that shows a point given in the file's x and z.
    QPoint PixelOf(double x, double z) const {
        const ViewState& v = window->View();
        const TPointD map = MapPointOf(x, z);
        return QPoint(static_cast<int>(std::lround((map.x - v.ViewMin.x) * v.MapScale)),
                      static_cast<int>(std::lround((map.y - v.ViewMin.y) * v.MapScale)));
    }
    void Click(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
        const QWidget& map = window->Map();
        ASSERT_TRUE(p.x() >= 30 && p.x() < map.width() - 30 && p.y() >= 30 &&
                    p.y() < map.height() - 30)
            << "in a scrolling band: " << p.x() << ", " << p.y();
        QTest::mouseClick(&window->Map(), button, {}, p);
    }
    // The map shows white, the highlight's colour, on the column of a file point.
    bool HighlightedAt(double x, double z) const {
        const QPoint p = PixelOf(x, z);
        for (int dx = -1; dx <= 1; ++dx) {
            if (window->Map().Picture().pixel(p.x() + dx, p.y()) == qRgb(255, 255, 255))
                return true;
        }
        return false;
    }
    QLabel* Field(const char* name) const { return properties->findChild<QLabel*>(name); }
    QString Value(const char* name) const { return Field(name)->text(); }
    QMenu* Menu() const { return window->findChild<QMenu*>("IdentifyMenu"); }
    bool MenuShown() const { return Menu() && Menu()->isVisible(); }
    QAction* Item(const char* name) const { return Menu()->findChild<QAction*>(name); }
    QStringList ItemTexts() const {
        QStringList texts;
        for (const QAction* a : Menu()->actions())
            texts << a->text();
        return texts;
    }
    void CloseMenu() {
        if (Menu()) Menu()->close();
    }
    QString SelectedCaption() const {
        const QModelIndexList rows = View()->selectionModel()->selectedRows();
        return rows.isEmpty() ? QString() : rows.front().data().toString();
    }
};

TEST_F(IdentifyTest, TheToolIsChosenLikeTheOthers) {
    const MainActions& a = window->Actions();
    EXPECT_TRUE(a.Informacja1->isChecked());
    EXPECT_FALSE(a.Lupa1->isChecked());
    EXPECT_EQ(a.Informacja1->text(), "Informacja\tCtrl+4");
    EXPECT_EQ(a.Informacja1->toolTip(), "Informacja o obiekcie na mapie");
    EXPECT_EQ(a.Informacja1->statusTip(), "Informacja o obiekcie na mapie");
    // The fourth of the tools menu's items, after the ruler, and a button beside the ruler's.
    QMenu* toolsMenu = nullptr;
    for (QAction* item : window->menuBar()->actions()) {
        if (item->text() == "Narzędzia") toolsMenu = item->menu();
    }
    ASSERT_NE(toolsMenu, nullptr);
    ASSERT_GE(toolsMenu->actions().size(), 4);
    EXPECT_EQ(toolsMenu->actions()[2], a.Linijka1);
    EXPECT_EQ(toolsMenu->actions()[3], a.Informacja1);
    EXPECT_EQ(a.ToolGroup->actions().size(), 4);
    QToolButton* button = window->findChild<QToolButton*>("InfoToolButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->defaultAction(), a.Informacja1);
    EXPECT_TRUE(button->isChecked());
    EXPECT_FALSE(button->icon().isNull());
    const QRect ruler = window->findChild<QToolButton*>("LengthToolButton")->geometry();
    EXPECT_EQ(button->geometry().top(), ruler.top());
    EXPECT_GE(button->geometry().left(), ruler.right());
    EXPECT_LT(button->geometry().left(), ruler.right() + 8);
    // Its own cursor on the map, drawn like the others.
    const QCursor& identify = window->Cursors().Cursor(CursorTable::kIdentify);
    EXPECT_FALSE(identify.pixmap().isNull());
    EXPECT_EQ(window->Map().cursor().pixmap().cacheKey(), identify.pixmap().cacheKey());
    for (const int other : {CursorTable::kZoomIn, CursorTable::kHand})
        EXPECT_NE(identify.pixmap().cacheKey(),
                  window->Cursors().Cursor(other).pixmap().cacheKey());

    QTest::keyRelease(window.get(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_FALSE(button->isChecked());
    button->click();
    EXPECT_TRUE(a.Informacja1->isChecked());
    EXPECT_FALSE(a.apa1->isChecked());
}

TEST_F(IdentifyTest, AClickNearATrackSelectsItAndFillsThePropertiesWindow) {
    ASSERT_FALSE(properties->isVisible());
    ASSERT_FALSE(HighlightedAt(-100, 100));
    Click(PixelOf(-100, 100) + QPoint(3, 0));
    ASSERT_TRUE(properties->isVisible());
    EXPECT_EQ(properties->windowTitle(), "Właściwości toru");
    EXPECT_EQ(Value("NameCaption"), "Nazwa toru:");
    EXPECT_EQ(Value("TrackName"), "boczny");
    EXPECT_EQ(Value("P1X"), "100");
    EXPECT_EQ(Value("P2Y"), "-200");
    EXPECT_EQ(Value("Velocity"), "160 km/h");
    EXPECT_EQ(Value("SourceFile"), "test.scn");
    // The third node of the file, each of eight lines, begins on line 17.
    EXPECT_EQ(Value("SourceLine"), "17");
    // Highlighted on the map as the list highlights its entry.
    EXPECT_TRUE(HighlightedAt(-100, 100));
    EXPECT_FALSE(HighlightedAt(400, 100));

    // Another object takes the selection: a road is no highlighted track.
    Click(PixelOf(100, 100) + QPoint(-2, 0));
    EXPECT_EQ(Value("TrackName"), "ulica");
    EXPECT_FALSE(HighlightedAt(-100, 100));
    Click(PixelOf(400, 150));
    EXPECT_EQ(Value("TrackName"), "(!Nie nazwany)");
    EXPECT_TRUE(HighlightedAt(400, 150));
}

TEST_F(IdentifyTest, AtEqualDistancesTheTrackWins) {
    const QPoint onBoth = PixelOf(0, 100) + QPoint(2, 0);
    Click(onBoth);
    EXPECT_EQ(properties->windowTitle(), "Właściwości toru");
    EXPECT_EQ(Value("TrackName"), "prosty");
    // Only the layers drawn are looked at: without the tracks the road is found.
    QTest::keyRelease(window.get(), Qt::Key_T, Qt::ControlModifier);
    ASSERT_FALSE(window->Options().PaintTrack);
    Click(onBoth);
    EXPECT_EQ(properties->windowTitle(), "Właściwości drogi");
    EXPECT_EQ(Value("TrackName"), "(!Nie nazwana)");
}

TEST_F(IdentifyTest, RoadsRiversAndWiresShowWhatAppliesToThem) {
    Click(PixelOf(100, 50) + QPoint(1, 0));
    EXPECT_EQ(properties->windowTitle(), "Właściwości drogi");
    EXPECT_EQ(Value("NameCaption"), "Nazwa drogi:");
    EXPECT_EQ(Value("TrackName"), "ulica");
    EXPECT_EQ(Value("Velocity"), "");
    EXPECT_FALSE(Field("Velocity")->isEnabled());
    EXPECT_FALSE(Field("VelocityCaption")->isEnabled());
    EXPECT_EQ(Value("Length12"), "200,00m");
    EXPECT_EQ(Value("Gradient12"), "0,0‰");
    EXPECT_TRUE(Field("Gradient12")->isEnabled());
    EXPECT_EQ(Value("P1H"), "0");
    EXPECT_EQ(Value("P1FileX"), "100");
    EXPECT_FALSE(properties->findChild<QGroupBox*>("TrainGroup")->isEnabled());
    EXPECT_EQ(properties->findChild<QTreeWidget*>("TrainTree")->topLevelItemCount(), 0);
    const auto* events = properties->findChild<QListWidget*>("EventList");
    ASSERT_EQ(events->count(), 1);
    EXPECT_EQ(events->item(0)->text(), "event0 : swiatla");
    EXPECT_TRUE(properties->findChild<QGroupBox*>("EventGroup")->isEnabled());

    Click(PixelOf(200, 50));
    EXPECT_EQ(properties->windowTitle(), "Właściwości rzeki");
    EXPECT_EQ(Value("NameCaption"), "Nazwa rzeki:");
    EXPECT_EQ(Value("TrackName"), "potok");

    // Wires are not drawn at first, so there is nothing to find.
    Click(PixelOf(300, 50));
    EXPECT_EQ(Value("TrackName"), "");
    QTest::keyRelease(window.get(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(window->Options().PaintTraction);
    Click(PixelOf(300, 50) + QPoint(0, 4));
    EXPECT_EQ(properties->windowTitle(), "Właściwości sieci trakcyjnej");
    EXPECT_EQ(Value("NameCaption"), "Rodzaj:");
    EXPECT_EQ(Value("TrackName"), "Sieć trakcyjna");
    EXPECT_EQ(Value("P1X"), "-300");
    EXPECT_EQ(Value("P2Y"), "-200");
    EXPECT_EQ(Value("P1FileX"), "300");
    EXPECT_EQ(Value("P2FileZ"), "200");
    EXPECT_EQ(Value("Length12"), "200,00m");
    // Read without heights or control vectors, and no rail: those fields stay empty and off.
    for (const char* name :
         {"P1Vx", "P1Vy", "P1H", "P2H", "P1FileY", "P2FileY", "Velocity", "Gradient12"}) {
        EXPECT_EQ(Value(name), "") << name;
        EXPECT_FALSE(Field(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(properties->findChild<QGroupBox*>("EventGroup")->isEnabled());

    // A track afterwards has all its fields back.
    Click(PixelOf(-100, 50));
    EXPECT_EQ(properties->windowTitle(), "Właściwości toru");
    EXPECT_EQ(Value("NameCaption"), "Nazwa toru:");
    for (const char* name : {"P1H", "P1FileY", "Velocity", "VelocityCaption", "Gradient12"})
        EXPECT_TRUE(Field(name)->isEnabled()) << name;
    EXPECT_EQ(Value("P1H"), "0");
}

TEST_F(IdentifyTest, TheReachIsSixPixelsAndAClickOnNothingClearsTheSelection) {
    const QPoint track = PixelOf(-100, 100);
    Click(track + QPoint(5, 0));
    EXPECT_EQ(Value("TrackName"), "boczny");
    EXPECT_TRUE(HighlightedAt(-100, 100));
    Click(track + QPoint(-7, 0));
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(Value("TrackName"), "");
    EXPECT_EQ(Value("SourceFile"), "");
    EXPECT_FALSE(HighlightedAt(-100, 100));
    Click(track + QPoint(-5, 0));
    EXPECT_EQ(Value("TrackName"), "boczny");
    // Beyond its end the track is as far as its end point.
    Click(PixelOf(-100, 200) + QPoint(0, -7));
    EXPECT_EQ(Value("TrackName"), "");
}

TEST_F(IdentifyTest, RightClickOpensTheMenuOfTheObjectUnderThePointer) {
    Click(PixelOf(-200, 100), Qt::RightButton);
    EXPECT_FALSE(MenuShown());

    Click(PixelOf(-100, 100) + QPoint(2, 0), Qt::RightButton);
    ASSERT_TRUE(MenuShown());
    EXPECT_EQ(ItemTexts(),
              (QStringList{"Edytuj w tym miejscu", "Kopiuj współrzędne", "Pokaż w liście torów"}));
    for (const char* name : {"EditHereItem", "CopyCoordinatesItem", "ShowInTrackListItem"})
        EXPECT_TRUE(Item(name)->isEnabled()) << name;
    // The menu selects nothing.
    EXPECT_FALSE(properties->isVisible());
    EXPECT_FALSE(HighlightedAt(-100, 100));
    CloseMenu();

    // An unnamed track is no named track; the list of all tracks holds it.
    Click(PixelOf(400, 100), Qt::RightButton);
    ASSERT_TRUE(MenuShown());
    EXPECT_FALSE(Item("ShowInTrackListItem")->isEnabled());
    CloseMenu();
    ShowList();
    ChooseView(3);
    Click(PixelOf(400, 100), Qt::RightButton);
    EXPECT_TRUE(Item("ShowInTrackListItem")->isEnabled());
    CloseMenu();
    // The list shows tracks only.
    Click(PixelOf(100, 100), Qt::RightButton);
    EXPECT_TRUE(Item("EditHereItem")->isEnabled());
    EXPECT_FALSE(Item("ShowInTrackListItem")->isEnabled());
    CloseMenu();
}

TEST_F(IdentifyTest, CopiedCoordinatesAreTheNearestPointInTheSceneryAxes) {
    const QPoint p = PixelOf(400, 50) + QPoint(3, 0);
    Click(p, Qt::RightButton);
    ASSERT_TRUE(MenuShown());
    Item("CopyCoordinatesItem")->trigger();
    // Straight across to the track, whose height rises evenly along it.
    const ViewState& v = window->View();
    const double z = -(v.ViewMin.y + p.y() / static_cast<double>(v.MapScale));
    ASSERT_GT(z, 40);
    ASSERT_LT(z, 60);
    const QString expected =
        QStringLiteral("400.00 %1 %2").arg(10 + z / 20, 0, 'f', 2).arg(z, 0, 'f', 2);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
    CloseMenu();

    // A wire has no height in the model: its point is x and z only.
    QTest::keyRelease(window.get(), Qt::Key_V, Qt::ControlModifier);
    Click(PixelOf(300, 200) + QPoint(0, -20), Qt::RightButton);
    EXPECT_FALSE(MenuShown());
    Click(PixelOf(300, 200) + QPoint(0, -4), Qt::RightButton);
    ASSERT_TRUE(MenuShown());
    Item("CopyCoordinatesItem")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "300.00 200.00");
    CloseMenu();
}

TEST_F(IdentifyTest, ShowInTheTrackListSelectsTheEntryAsAClickWould) {
    Click(PixelOf(0, 100) + QPoint(1, 0));
    ASSERT_EQ(Value("TrackName"), "prosty");
    Click(PixelOf(-100, 100), Qt::RightButton);
    ASSERT_TRUE(MenuShown());
    Item("ShowInTrackListItem")->trigger();
    // No view was chosen: the named tracks are.
    ASSERT_TRUE(list->isVisible());
    EXPECT_TRUE(window->Actions().ShowTrackList->isChecked());
    EXPECT_EQ(list->findChild<QComboBox*>("ComboBox")->currentIndex(), 0);
    EXPECT_EQ(SelectedCaption(), "boczny");
    EXPECT_EQ(ListStatus(), "Tor: boczny");
    EXPECT_EQ(Value("TrackName"), "boczny");
    EXPECT_TRUE(HighlightedAt(-100, 100));
    CloseMenu();

    // The same entry again, after the map's highlight went elsewhere, highlights it again.
    Click(PixelOf(100, 100));
    ASSERT_FALSE(HighlightedAt(-100, 100));
    Click(PixelOf(-100, 100), Qt::RightButton);
    Item("ShowInTrackListItem")->trigger();
    EXPECT_EQ(SelectedCaption(), "boczny");
    EXPECT_TRUE(HighlightedAt(-100, 100));
    CloseMenu();
}

class IdentifyUserModeTest : public IdentifyTest {
  protected:
    IdentifyUserModeTest() : IdentifyTest("[General]\nOwnerMode=0\n") {}
};

TEST_F(IdentifyUserModeTest, TheListItemIsTheAuthorModesOnly) {
    Click(PixelOf(-100, 100), Qt::RightButton);
    ASSERT_TRUE(MenuShown());
    EXPECT_EQ(ItemTexts(), (QStringList{"Edytuj w tym miejscu", "Kopiuj współrzędne"}));
    CloseMenu();
}

// A file included under an origin: the properties show where a track was written and its ends
// as the files write them, the origin added.
class SourceRowsTest : public IdentifyTest {
  protected:
    void SetUp() override {
        dir.Write("tory/" + kFolder + "/stacja.inc",
                  test::CrLf({"// stacja", "//"}) +
                      Node("peron", "normal", -4.5, 1.5, 60, -4.5, 2.5, 160));
        Load(test::CrLf({"//$n Test", "origin 200 0 0", "include tory\\" + kFolder + "\\stacja.inc",
                         "endorigin"}) +
             Node("glowny", "normal", 10, 0, 0, 10, 0, 100) +
             Node("none", "normal", -300, 0, -300, -301, 0, -300) +
             Node("none", "normal", 700, 0, 500, 701, 0, 500));
        QTest::keyRelease(window.get(), Qt::Key_4, Qt::ControlModifier);
    }
    const std::string kFolder =
        "bardzo_dluga_nazwa_katalogu_z_torami_stacji_Wolka_Gorna_i_peronami";
};

TEST_F(SourceRowsTest, FileLineAndTheEndsInTheSceneryAxes) {
    // Written at x = -4.5 under origin 200 0 0: the scenery's x is 195.5, the map's X -195.5.
    Click(PixelOf(195.5, 100));
    ASSERT_EQ(Value("TrackName"), "peron");
    const std::string included = (dir.Path() / "tory" / kFolder / "stacja.inc").string();
    EXPECT_EQ(Field("SourceFile")->toolTip().toStdString(), DisplayPath(included));
    EXPECT_EQ(Value("SourceLine"), "3");
    EXPECT_EQ(Value("P1X"), "-195,5");
    EXPECT_EQ(Value("P1Y"), "-60");
    EXPECT_EQ(Value("P1H"), "1,5");
    EXPECT_EQ(Value("P1FileX"), "195,5");
    EXPECT_EQ(Value("P1FileY"), "1,5");
    EXPECT_EQ(Value("P1FileZ"), "60");
    EXPECT_EQ(Value("P2FileX"), "195,5");
    EXPECT_EQ(Value("P2FileY"), "2,5");
    EXPECT_EQ(Value("P2FileZ"), "160");
    for (const char* name : {"P3FileX", "P3FileY", "P3FileZ"}) {
        EXPECT_EQ(Value(name), "") << name;
        EXPECT_FALSE(Field(name)->isEnabled()) << name;
    }
    // The path, relative to the scenery's folder, is too long for its field: its middle goes.
    const QString shown = Value("SourceFile");
    EXPECT_TRUE(shown.startsWith("tory/")) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith("stacja.inc")) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QChar(0x2026))) << shown.toStdString();

    // Nothing is cut off: the fixed window holds every row at its size, the lists get room.
    EXPECT_EQ(properties->size(),
              QSize(TProperytyForm::kClientWidth, TProperytyForm::kClientHeight));
    const QSize needed = properties->layout()->minimumSize();
    EXPECT_LE(needed.width(), properties->width());
    EXPECT_LE(needed.height(), properties->height());
    for (const QLabel* label : properties->findChildren<QLabel*>()) {
        EXPECT_GE(label->height(), label->minimumSizeHint().height())
            << label->objectName().toStdString();
        EXPECT_GE(label->contentsRect().width(),
                  label->fontMetrics().horizontalAdvance(label->text()))
            << label->text().toStdString();
    }
    const int row = properties->fontMetrics().height();
    EXPECT_GE(properties->findChild<QTreeWidget*>("TrainTree")->height(), 4 * row);
    EXPECT_GE(properties->findChild<QListWidget*>("EventList")->height(), 2 * row);

    Click(PixelOf(10, 50));
    EXPECT_EQ(Value("TrackName"), "glowny");
    EXPECT_EQ(Value("SourceFile"), "test.scn");
    EXPECT_EQ(Value("SourceLine"), "5");
    EXPECT_EQ(Field("SourceFile")->toolTip().toStdString(),
              DisplayPath((dir.Path() / "test.scn").string()));
}

}  // namespace
}  // namespace tarvik
