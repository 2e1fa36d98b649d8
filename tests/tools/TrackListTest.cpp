#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <map>
#include <set>

#include "MapWidget.h"
#include "QtText.h"
#include "TrackListBuilder.h"
#include "TrackListFixture.h"
#include "TrackListModel.h"
#include "TrackZoom.h"

namespace tarvik {
namespace {

using test::Piece;
using test::Switch;
using test::Trainset;
using test::Vehicle;

// In file order; the list holds it newest first: the switch's two pieces, the separate tor_a,
// tor_e, the unnamed piece, then the run of two tor_a pieces.
std::string StationText() {
    return Piece("tor_a", 0, 0, 0, 100) + Piece("tor_a", 0, 100, 0, 150) +
           Piece("none", 0, 150, 0, 200, {"event1 anonim"}) +
           Piece("tor_e", 0, 200, 0, 300, {"event0 wjazd", "eventall semafor"}) +
           Piece("tor_a", 0, 300, 0, 400) + Switch("zwr", 400, 500, -10, {"event0 przestaw"}) +
           "FirstInit\r\n" + Trainset("Pierwszy", "tor_a", Vehicle("L1", "headdriver")) +
           Trainset("Drugi", "tor_a", Vehicle("L2", "headdriver")) +
           Trainset("Zgubiony", "brak", Vehicle("L3", "headdriver"));
}

class TrackEntriesTest : public ::testing::Test {
  protected:
    void Load(const TWorkMode& mode) {
        test::LoadFile(scenery, dir.Write("stacja.scn", StationText()), mode, dialogs);
        tracks = test::Segments(scenery.Tracks());
        ASSERT_EQ(tracks.size(), 7u);
    }
    std::vector<TrackListEntry> Entries(TrackListView view) const {
        return BuildTrackEntries(view, scenery.Tracks(), scenery.Trainsets);
    }
    static std::vector<std::string> Captions(const std::vector<TrackListEntry>& entries) {
        std::vector<std::string> out;
        for (const TrackListEntry& e : entries)
            out.push_back(e.caption);
        return out;
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    TScenery scenery;
    std::vector<const TSegmentObj*> tracks;
};

TEST_F(TrackEntriesTest, NamedTracksCollapseOnlyConsecutiveRunsIntoTheirFirstPiece) {
    Load(test::AuthorMode());
    const std::vector<TrackListEntry> e = Entries(TrackListView::NamedTracks);
    EXPECT_EQ(Captions(e), (std::vector<std::string>{"zwr", "tor_a", "tor_e", "tor_a"}));
    ASSERT_EQ(e.size(), 4u);
    // The switch heads the list: its entry is the first of its two pieces.
    EXPECT_EQ(e[0].segment, scenery.Tracks().Head());
    EXPECT_EQ(e[1].segment, tracks[2]);
    // The run of two tor_a pieces is one entry; the separate tor_a has its own.
    EXPECT_EQ(e[3].segment, tracks[5]);
    // Both tor_a entries name the first trainset of the list standing on a tor_a, although it
    // stands on the newer piece only; the switch has none.
    EXPECT_EQ(e[1].second, "Drugi");
    EXPECT_EQ(e[3].second, "Drugi");
    EXPECT_EQ(e[0].second, "");

    const TrainsetFinder finder(scenery.Trainsets);
    EXPECT_EQ(finder.FindTrainsetOnTrack("tor_a"), "Drugi");
    EXPECT_EQ(finder.FindTrainsetOnTrack("TOR_A"), "");
    EXPECT_EQ(finder.FindTrainsetOnTrack("brak"), "");
}

TEST_F(TrackEntriesTest, EventsTrainsetsAndAllTracks) {
    Load(test::AuthorMode());
    const std::vector<TrackListEntry> events = Entries(TrackListView::Events);
    EXPECT_EQ(Captions(events),
              (std::vector<std::string>{"przestaw", "wjazd", "semafor", "anonim"}));
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].second, "zwr");
    EXPECT_EQ(events[1].segment, events[2].segment);
    EXPECT_EQ(events[2].second, "tor_e");
    EXPECT_EQ(events[3].second, "");
    EXPECT_EQ(events[3].segment, tracks[4]);

    const std::vector<TrackListEntry> trains = Entries(TrackListView::Trainsets);
    EXPECT_EQ(Captions(trains), (std::vector<std::string>{"Zgubiony", "Drugi", "Pierwszy"}));
    ASSERT_EQ(trains.size(), 3u);
    EXPECT_EQ(trains[0].segment, nullptr);
    EXPECT_EQ(trains[0].second, "");
    EXPECT_EQ(trains[2].segment, tracks[2]);
    EXPECT_EQ(trains[2].second, "tor_a");

    const std::vector<TrackListEntry> all = Entries(TrackListView::AllTracks);
    ASSERT_EQ(all.size(), tracks.size());
    std::set<std::string> ids;
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].caption[0], '$');
        EXPECT_EQ(all[i].caption.find_first_not_of("0123456789", 1), std::string::npos);
        EXPECT_EQ(all[i].segment, tracks[i]);
        EXPECT_EQ(all[i].second, std::string(tracks[i]->Name()));
        ids.insert(all[i].caption);
    }
    EXPECT_EQ(ids.size(), all.size());
    EXPECT_EQ(all[4].second, "");
}

TEST_F(TrackEntriesTest, TheUserModeHasNoNamesAndNoEvents) {
    test::LoadFile(scenery, dir.Write("stacja.scn", StationText()), test::UserMode(), dialogs);
    EXPECT_TRUE(Entries(TrackListView::NamedTracks).empty());
    EXPECT_TRUE(Entries(TrackListView::Events).empty());
    const std::vector<TrackListEntry> trains = Entries(TrackListView::Trainsets);
    ASSERT_EQ(trains.size(), 3u);
    for (const TrackListEntry& t : trains) {
        EXPECT_EQ(t.segment, nullptr);
        EXPECT_EQ(t.second, "");
    }
    const std::vector<TrackListEntry> all = Entries(TrackListView::AllTracks);
    EXPECT_EQ(all.size(), scenery.Tracks().Count());
    for (const TrackListEntry& t : all)
        EXPECT_EQ(t.second, "");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(TrackZoom, AnimationStepsShrinkAndStop) {
    ViewState v{{0, 0}, {1600, 800}, 0};
    ShrinkView(v);
    EXPECT_FLOAT_EQ(v.ViewMin.x, 400);
    EXPECT_FLOAT_EQ(v.ViewMax.x, 1300);  // a quarter of the 1200 left after the first move
    EXPECT_FLOAT_EQ(v.ViewMax.y - v.ViewMin.y, 450);

    const ViewState scenery{{0, 0}, {1000, 1000}, 0};
    EXPECT_TRUE(ZoomStepFits(scenery, {500, 500, 499, 10}));
    EXPECT_FALSE(ZoomStepFits(scenery, {500, 500, 500, 10}));  // strict: half the width
    EXPECT_FALSE(ZoomStepFits(scenery, {500, 500, 10, 501}));
    EXPECT_FALSE(ZoomStepFits({{0, 0}, {200, 900}, 0}, {0, 0, 1, 1}));
}

TEST(TrackZoom, AFinishedOrReplacedZoomShowsItsFinalViewAndReportsOnce) {
    ViewState view;
    int shown = 0;
    ZoomAnimation zoom(
        view, [&view](double x, double y) { CenterView(view, x, y); }, [&shown] { ++shown; });
    std::function<void()> next;
    zoom.SetPause([&next](std::chrono::milliseconds, std::function<void()> go) { next = go; });
    const SceneryBounds bounds{{0, 0}, {10000, 10000}};
    int done = 0;
    zoom.Start({5000, 5000, 10, 10}, bounds, true, [&done] { ++done; });
    EXPECT_TRUE(zoom.Running());
    EXPECT_EQ(shown, 1);
    next();
    EXPECT_EQ(shown, 2);
    EXPECT_FLOAT_EQ(view.ViewMax.x - view.ViewMin.x, 5625);
    const std::function<void()> stale = next;

    // A new zoom finishes the running one first.
    zoom.Start({1000, 2000, 10, 10}, bounds, false, [&done] { done += 10; });
    EXPECT_EQ(done, 11);
    EXPECT_FALSE(zoom.Running());
    EXPECT_FLOAT_EQ(view.ViewMax.x - view.ViewMin.x, 200);
    EXPECT_FLOAT_EQ((view.ViewMin.y + view.ViewMax.y) / 2, 2000);
    stale();
    zoom.Finish();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(done, 11);
}

TEST(TrackListSort, LocaleOrderWithLetterCaseAndStableTies) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    const auto sorted = [](QStringList captions) {
        std::vector<TrackListModel::Row> rows;
        for (int i = 0; i < captions.size(); ++i)
            rows.push_back({captions[i], QString::number(i), nullptr, {}});
        SortByCaption(rows);
        QStringList out;
        for (const TrackListModel::Row& r : rows)
            out << r.caption + "/" + r.second;
        return out;
    };
    const QStringList a = sorted({"Zebra", "ćma", "apel", "Dąb", "czar", "Apel", "apel"});
    const QStringList b = sorted({"apel", "Apel", "czar", "Dąb", "apel", "ćma", "Zebra"});
    QLocale::setDefault(before);
    // Not by bytes: upper and lower case of a letter go together, ć after c and before d.
    ASSERT_EQ(a.size(), 7);
    QStringList names;
    for (const QString& s : a)
        names << s.section('/', 0, 0);
    EXPECT_TRUE(names.indexOf("Apel") <= 2) << names.join(' ').toStdString();
    EXPECT_LT(names.indexOf("czar"), names.indexOf("ćma"));
    EXPECT_LT(names.indexOf("ćma"), names.indexOf("Dąb"));
    EXPECT_EQ(names.back(), "Zebra");
    // Case counts: the two spellings of apel come out in one order whatever the input order;
    // equal captions keep theirs.
    EXPECT_EQ(a.indexOf("Apel/5") < a.indexOf("apel/2"), b.indexOf("Apel/1") < b.indexOf("apel/0"));
    EXPECT_LT(a.indexOf("apel/2"), a.indexOf("apel/6"));
    EXPECT_LT(b.indexOf("apel/0"), b.indexOf("apel/4"));
}

class TrackListWindowTest : public test::TrackListFixture {};

TEST_F(TrackListWindowTest, ViewsFillOnlyOnceChosenWithHeadersSortingAndTiming) {
    Load(StationText());
    ShowList();
    EXPECT_EQ(list->findChild<QComboBox*>("ComboBox")->currentIndex(), -1);
    list->BuildTrackList();
    EXPECT_TRUE(list->ListEmpty());
    EXPECT_EQ(ListStatus(), "");

    const QRegularExpression timing("^Tworzenie listy: \\d+:\\d\\d\\.\\d\\d\\d$");
    const std::pair<const char*, const char*> headers[] = {
        {"Tor", "Pociąg"}, {"Zdarzenie", "Tor"}, {"Pociąg", "Tor"}, {"ID", "Nazwa"}};
    const int counts[] = {4, 4, 3, 7};
    for (int view = 0; view < 4; ++view) {
        ChooseView(view);
        EXPECT_EQ(Header(0), QString::fromUtf8(headers[view].first));
        EXPECT_EQ(Header(1), QString::fromUtf8(headers[view].second));
        EXPECT_EQ(Rows(), counts[view]);
        EXPECT_TRUE(timing.match(ListStatus()).hasMatch()) << ListStatus().toStdString();
    }
    ChooseView(0);
    QStringList captions;
    for (int r = 0; r < Rows(); ++r)
        captions << Cell(r, 0);
    EXPECT_EQ(captions, (QStringList{"tor_a", "tor_a", "tor_e", "zwr"}));
    EXPECT_EQ(Cell(0, 1), "Drugi");

    // A new load empties the list and fills it again for the chosen view.
    Load(Piece("jedyny", 0, 0, 0, 100));
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, 0), "jedyny");

    // A list longer than the window is laid out within the building, scroll bar and column
    // widths, rather than on the next turn of the event loop.
    std::string many;
    for (int i = 0; i < 300; ++i)
        many += Piece("tor_numer_" + std::to_string(i), 0, i, 0, i + 1);
    Load(many);
    list->BuildTrackList();
    const int laidOut = View()->header()->sectionSize(0);
    const bool scrolls = View()->verticalScrollBar()->isVisible();
    EXPECT_TRUE(scrolls);
    QApplication::processEvents();
    EXPECT_EQ(View()->header()->sectionSize(0), laidOut);
    EXPECT_EQ(View()->verticalScrollBar()->isVisible(), scrolls);
}

// Every view tells where its tracks were read, the file named from the scenery's folder.
TEST_F(TrackListWindowTest, TheSourceColumnNamesTheFileAndLineOfTheTrack) {
    dir.Write("tory/boczny.inc", "// bocznica\r\n" + Piece("boczny", 50, 0, 50, 100));
    Load(Piece("glowny", 0, 0, 0, 100) + "include tory/boczny.inc\r\n" +
         Piece("drugi", 100, 0, 100, 100, {"event0 wjazd"}) + "FirstInit\r\n" +
         Trainset("Pierwszy", "boczny", Vehicle("L1", "headdriver")) +
         Trainset("Zgubiony", "brak", Vehicle("L2", "headdriver")));
    ShowList();
    EXPECT_EQ(Header(2), "");
    const std::map<QString, QString> places = {
        {"glowny", "test.scn:1"}, {"boczny", "tory/boczny.inc:2"}, {"drugi", "test.scn:10"}};
    for (int view = 0; view < 4; ++view) {
        ChooseView(view);
        EXPECT_EQ(View()->model()->columnCount(), 3);
        EXPECT_EQ(Header(2), "Źródło");
        for (int r = 0; r < Rows(); ++r) {
            // The name of the track is in the first or the second column.
            const QString track = places.count(Cell(r, 0)) ? Cell(r, 0) : Cell(r, 1);
            const auto place = places.find(track);
            EXPECT_EQ(Cell(r, 2), place == places.end() ? QString() : place->second)
                << view << " " << Cell(r, 0).toStdString();
        }
    }
    ChooseView(2);
    EXPECT_EQ(Cell(RowOf("Pierwszy"), 2), "tory/boczny.inc:2");
    EXPECT_EQ(Cell(RowOf("Zgubiony"), 2), "");
    ChooseView(1);
    EXPECT_EQ(Cell(RowOf("wjazd"), 2), "test.scn:10");
}

TEST_F(TrackListWindowTest, SelectionReportsHighlightsAndEnablesTheProperties) {
    Load(StationText());
    ShowList();
    ChooseView(2);
    QToolButton* props = ListButton("PropertiesToolButton");
    EXPECT_FALSE(props->isEnabled());
    const auto whitePixels = [this] {
        const QImage picture = window->Map().Picture().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                n += picture.pixel(x, y) == 0xFFFFFFFFu;
        }
        return n;
    };
    EXPECT_EQ(whitePixels(), 0);

    ClickRow(RowOf("Drugi"));
    EXPECT_TRUE(props->isEnabled());
    EXPECT_EQ(ListStatus(), "Tor: tor_a");
    ASSERT_NE(list->SelectedSegment(), nullptr);
    EXPECT_EQ(list->SelectedSegment()->Name(), "tor_a");
    // The map is drawn again with the track highlighted, without searching for it.
    EXPECT_GT(whitePixels(), 0);

    // A trainset without a track: an empty track text, and no search changes the view.
    ClickRow(RowOf("Zgubiony"));
    EXPECT_EQ(ListStatus(), "Tor: ");
    EXPECT_EQ(list->SelectedSegment(), nullptr);
    EXPECT_EQ(whitePixels(), 0);
    const ViewState before = window->View();
    list->ShowTrackOnMap();
    EXPECT_EQ(ListStatus(), "Tor: ");
    EXPECT_EQ(window->View().ViewMin.x, before.ViewMin.x);
    EXPECT_EQ(window->View().ViewMax.y, before.ViewMax.y);

    ChooseView(3);
    ClickRow(
        RowOf(QString::fromStdString(SegmentId(*test::Segments(window->Scenery().Tracks())[4]))));
    EXPECT_EQ(ListStatus(), "Tor: (!Nienazwany)");
}

// A 10 m x 2 m and a 1000 m x 50 m track in a scenery of about 6 km, and one track along
// the whole of it.
std::string ZoomText() {
    return Piece("maly", 2000, 1000, 2010, 1002) + Piece("dlugi", 3000, 3000, 4000, 3050) +
           Piece("obwod", 0, 0, 6000, 0) + Piece("bok", 0, 0, 0, 6000);
}

class TrackZoomWindowTest : public test::TrackListFixture {
  protected:
    void SetUp() override {
        Load(ZoomText());
        ShowList();
        ChooseView(0);
        window->Zoom().SetPause([this](std::chrono::milliseconds ms, std::function<void()> next) {
            pauses.push_back(ms);
            const ViewState& v = window->View();
            widths.push_back(static_cast<double>(v.ViewMax.x) - v.ViewMin.x);
            if (onPause) onPause();
            next();
        });
    }
    void ShowTrack(const char* name) {
        ClickRow(RowOf(name));
        pauses.clear();
        widths.clear();
        list->ShowTrackOnMap();
    }
    // The view shown for a rectangle of a x b metres, once widened to the map's proportions.
    void ExpectView(double mx, double my, double a, double b) const {
        const ViewState& v = window->View();
        const QImage& picture = window->Map().Picture();
        const double scale = std::min(picture.width() / a, picture.height() / b);
        EXPECT_NEAR((v.ViewMin.x + v.ViewMax.x) / 2.0, mx, 0.01);
        EXPECT_NEAR((v.ViewMin.y + v.ViewMax.y) / 2.0, my, 0.01);
        EXPECT_NEAR(v.ViewMax.x - v.ViewMin.x, picture.width() / scale, 0.05);
        EXPECT_NEAR(v.ViewMax.y - v.ViewMin.y, picture.height() / scale, 0.05);
    }

    std::vector<std::chrono::milliseconds> pauses;
    std::vector<double> widths;
    std::function<void()> onPause;
};

TEST_F(TrackZoomWindowTest, FinalViewIsAtLeast200MetresAndCentredOnTheTrack) {
    ShowTrack("maly");
    EXPECT_TRUE(pauses.empty());  // no animation unless asked for
    ExpectView(-2005, -1001, 200, 200);
    EXPECT_EQ(ListStatus(), "Tor: maly");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ShowTrack("dlugi");
    ExpectView(-3500, -3025, 1040, 200);
}

TEST_F(TrackZoomWindowTest, AnimationShrinksInPausedStepsUnlessTheTrackSpansHalfTheScenery) {
    ListButton("AnimateZoomToolButton")->click();
    EXPECT_TRUE(window->findChild<QAction*>("AnimateZoom")->isChecked());
    ShowTrack("maly");
    ASSERT_GE(pauses.size(), 3u);
    for (const auto pause : pauses)
        EXPECT_EQ(pause, std::chrono::milliseconds(100));
    for (std::size_t i = 1; i < widths.size(); ++i)
        EXPECT_NEAR(widths[i] / widths[i - 1], 9.0 / 16.0, 1e-4);
    ExpectView(-2005, -1001, 200, 200);

    ShowTrack("obwod");
    EXPECT_TRUE(pauses.empty());
    ExpectView(-3000, 0, 6240, 200);

    // The menu item sets the button in turn.
    window->findChild<QAction*>("AnimateZoom")->trigger();
    EXPECT_FALSE(ListButton("AnimateZoomToolButton")->isChecked());
    ShowTrack("maly");
    EXPECT_TRUE(pauses.empty());
}

// The go-to command finds a track by its name, in any letter case, and shows it as the list
// does, animated alike.
TEST_F(TrackZoomWindowTest, GoToANameZoomsAsTheListDoes) {
    const auto goTo = [this](std::vector<std::string> texts) {
        dialogs.goToTexts.assign(texts.begin(), texts.end());
        pauses.clear();
        widths.clear();
        QTest::keyRelease(window.get(), Qt::Key_G, Qt::ControlModifier);
    };
    goTo({"brak", "maly tor", "MALY"});
    ASSERT_EQ(dialogs.goToRequests.size(), 1u);
    EXPECT_EQ(dialogs.goToRequests[0].prompt, "Współrzędne x z w osiach scenerii albo nazwa toru:");
    std::vector<std::string> names = dialogs.goToRequests[0].names;
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"bok", "dlugi", "maly", "obwod"}));
    EXPECT_EQ(dialogs.goToMessages,
              (std::vector<std::string>{"Nie znaleziono toru o nazwie brak",
                                        "Wpisz dwie liczby (x z) albo nazwę toru."}));
    EXPECT_TRUE(pauses.empty());
    ExpectView(-2005, -1001, 200, 200);
    // A track is not marked: the map shows it whole.
    EXPECT_FALSE(window->Map().Mark());

    ShowTrack("dlugi");
    const ViewState byList = window->View();
    goTo({"maly"});
    goTo({"Dlugi"});
    EXPECT_EQ(window->View().ViewMin.x, byList.ViewMin.x);
    EXPECT_EQ(window->View().ViewMax.y, byList.ViewMax.y);

    window->findChild<QAction*>("AnimateZoom")->trigger();
    goTo({"maly"});
    const std::vector<double> byGoTo = widths;
    ShowTrack("obwod");
    ShowTrack("maly");
    EXPECT_GE(byGoTo.size(), 3u);
    EXPECT_EQ(byGoTo, widths);
    ExpectView(-2005, -1001, 200, 200);
}

TEST_F(TrackZoomWindowTest, NoSecondSearchStartsDuringOne) {
    window->findChild<QAction*>("AnimateZoom")->trigger();
    int depth = 0;
    onPause = [&] {
        EXPECT_TRUE(list->SearchBusy());
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(ListStatus(), "Tor: maly -> Wyszukiwanie...");
        ++depth;
        EXPECT_EQ(depth, 1);
        list->ShowTrackOnMap();
        --depth;
    };
    ShowTrack("maly");
    EXPECT_FALSE(pauses.empty());
    EXPECT_FALSE(list->SearchBusy());
    ExpectView(-2005, -1001, 200, 200);
}

TEST_F(TrackZoomWindowTest, HeldKeysHoldTheSearchBackUntilReleased) {
    ListButton("ShowOnMapToolButton")->click();
    ClickRow(0);  // bok, dlugi, maly, obwod
    ExpectView(0, -3000, 200, 6240);
    QWidget* view = View();
    QTest::keyPress(view, Qt::Key_Down);
    QTest::keyPress(view, Qt::Key_Down);
    EXPECT_TRUE(list->SearchBusy());
    ExpectView(0, -3000, 200, 6240);
    QTest::keyRelease(view, Qt::Key_Down);
    EXPECT_FALSE(list->SearchBusy());
    EXPECT_EQ(ListStatus(), "Tor: maly");
    ExpectView(-2005, -1001, 200, 200);

    // A key of the main window is released there: it does its work and holds nothing back.
    QTest::keyPress(view, Qt::Key_T, Qt::ControlModifier);
    QTest::keyRelease(view, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(window->findChild<QAction*>("PaintTrack")->isChecked());
    EXPECT_FALSE(list->SearchBusy());
    QTest::keyClick(view, Qt::Key_F1);
    EXPECT_FALSE(list->SearchBusy());

    // A double click searches even with the button up.
    ListButton("ShowOnMapToolButton")->click();
    const QRect r = View()->visualRect(View()->model()->index(RowOf("dlugi"), 0));
    // As the window system sends it: a click, then the second press as a double click.
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseRelease(View()->viewport(), Qt::LeftButton, {}, r.center());
    ExpectView(-3500, -3025, 1040, 200);
}

TEST_F(TrackZoomWindowTest, TheAnimationRunsOnTheEventLoopAndEndsAtOnceOnInputToTheMap) {
    window->Zoom().SetPause(nullptr);
    window->findChild<QAction*>("AnimateZoom")->trigger();
    ShowTrack("maly");
    // The search lasts until the map shows the track; meanwhile the list starts none.
    EXPECT_TRUE(list->SearchBusy());
    EXPECT_EQ(ListStatus(), "Tor: maly -> Wyszukiwanie...");
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(!list->SearchBusy(), 5000);
    EXPECT_EQ(ListStatus(), "Tor: maly");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ExpectView(-2005, -1001, 200, 200);

    // A press on the map during the animation takes the final view first, then acts on it.
    ShowTrack("maly");
    ASSERT_TRUE(list->SearchBusy());
    QTest::mouseClick(&window->Map(), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_FALSE(list->SearchBusy());
    EXPECT_EQ(ListStatus(), "Tor: maly");
    const ViewState& v = window->View();
    EXPECT_LE(v.ViewMax.y - v.ViewMin.y, 201);
}

// A load delivered by the event loop while the zoom animates frees the model the zoom was
// started on; neither the zoom nor the properties window may read the freed track.
TEST_F(TrackZoomWindowTest, AReloadDuringTheAnimatedZoomLeavesNoFreedTrackBehind) {
    window->Zoom().SetPause(nullptr);
    window->findChild<QAction*>("AnimateZoom")->trigger();
    QToolButton* props = ListButton("PropertiesToolButton");
    const auto field = [this](const char* name) {
        return properties->findChild<QLabel*>(name)->text();
    };
    ClickRow(RowOf("maly"));
    props->click();
    ASSERT_TRUE(properties->isVisible());
    const QString oldX = field("P1X");

    // The same names, every track 500 m further along the file's x axis.
    const std::string moved = Piece("maly", 2500, 1000, 2510, 1002) +
                              Piece("dlugi", 3500, 3000, 4500, 3050) +
                              Piece("obwod", 500, 0, 6500, 0) + Piece("bok", 500, 0, 500, 6000);
    bool reloaded = false;
    QTimer::singleShot(150, window.get(), [&] {
        ASSERT_TRUE(list->SearchBusy());
        Load(moved);
        reloaded = true;
    });
    list->ShowTrackOnMap();
    QTRY_VERIFY_WITH_TIMEOUT(reloaded, 5000);
    // The zoom ended before the load; the new scenery is shown whole, with nothing selected,
    // and the properties window no longer shows the old track.
    EXPECT_FALSE(list->SearchBusy());
    EXPECT_FALSE(window->Zoom().Running());
    EXPECT_EQ(list->SelectedSegment(), nullptr);
    EXPECT_EQ(field("TrackName"), "");
    EXPECT_EQ(field("P1X"), "");
    // No step of the old zoom is left to come.
    QTest::qWait(300);
    EXPECT_FALSE(window->Zoom().Running());

    // The properties window, shown again, waits for a track of the new scenery.
    props->click();
    EXPECT_FALSE(properties->isVisible());
    props->click();
    ASSERT_TRUE(properties->isVisible());
    EXPECT_EQ(field("P1X"), "");
    ClickRow(RowOf("maly"));
    EXPECT_EQ(field("TrackName"), "maly");
    EXPECT_NE(field("P1X"), oldX);
    list->ShowTrackOnMap();
    QTRY_VERIFY_WITH_TIMEOUT(!list->SearchBusy(), 5000);
    ExpectView(-2505, -1001, 200, 200);
}

// The list on its own, with a map that only records what it is asked.
class TrackListAloneTest : public ::testing::Test {
  protected:
    class RecordingMap final : public MapControl {
      public:
        bool SceneryLoaded() const override { return true; }
        const ViewState& View() const override { return view; }
        void SetHighlight(const TSegmentObj* segment) override { highlights.push_back(segment); }
        const TSegmentObj* Highlight() const override {
            return highlights.empty() ? nullptr : highlights.back();
        }
        void Redraw() override { ++redraws; }
        void CenterOn(double, double) override {}
        void CenterAndMark(double, double) override {}
        void ZoomTo(const TSegmentObj& segment, std::function<void()> done) override {
            zoomedTo = &segment;
            whenShown = std::move(done);
        }

        ViewState view;
        std::vector<const TSegmentObj*> highlights;
        int redraws = 0;
        const TSegmentObj* zoomedTo = nullptr;
        std::function<void()> whenShown;
    };

    TrackListAloneTest() {
        test::LoadFile(scenery, dir.Write("stacja.scn", StationText()), test::AuthorMode(),
                       scriptedAnswers);
        list.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
        list.findChild<QComboBox*>("ComboBox")->setCurrentIndex(0);
    }
    QTreeView* View() { return list.findChild<QTreeView*>("TrackList"); }
    void Select(int row) { View()->setCurrentIndex(View()->model()->index(row, 0)); }
    QString Status() { return list.findChild<QLabel*>("StatusBar1")->text(); }

    test::TempDir dir;
    test::ScriptedDialogs scriptedAnswers;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    TScenery scenery;
    std::string path;
    TWorkMode mode = test::AuthorMode();
    CursorTable cursors;
    RecordingMap map;
    TTrackListForm list{
        ToolContext{scenery, path, mode, dialogs, files, cursors, map,
                    [](int key, Qt::KeyboardModifiers) { return key == Qt::Key_F1; }},
        nullptr};
};

TEST_F(TrackListAloneTest, ThePickedTrackGoesToTheMapWhateverPicksIt) {
    Select(0);
    ASSERT_NE(list.SelectedSegment(), nullptr);
    ASSERT_FALSE(map.highlights.empty());
    EXPECT_EQ(map.highlights.back(), list.SelectedSegment());
    // Another view empties the list: nothing may stay highlighted.
    list.findChild<QComboBox*>("ComboBox")->setCurrentIndex(1);
    EXPECT_EQ(map.highlights.back(), nullptr);
    EXPECT_EQ(map.redraws, 1);
    Select(1);
    const TSegmentObj* picked = list.SelectedSegment();
    list.ClearList();
    EXPECT_EQ(map.highlights.back(), nullptr);
    EXPECT_NE(picked, nullptr);
}

TEST_F(TrackListAloneTest, ASearchLastsUntilTheMapShowsTheTrack) {
    Select(0);
    list.ShowTrackOnMap();
    EXPECT_EQ(map.zoomedTo, list.SelectedSegment());
    EXPECT_TRUE(list.SearchBusy());
    EXPECT_EQ(Status(), "Tor: " + Cp1250ToQString(map.zoomedTo->Name()) + " -> Wyszukiwanie...");
    map.zoomedTo = nullptr;
    list.ShowTrackOnMap();
    EXPECT_EQ(map.zoomedTo, nullptr);
    map.whenShown();
    EXPECT_FALSE(list.SearchBusy());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Closing by hand is reported; a main-window key held in the list holds no search back.
    int closed = 0;
    QObject::connect(&list, &TTrackListForm::closedByUser, [&closed] { ++closed; });
    QTest::keyPress(View(), Qt::Key_F1);
    EXPECT_FALSE(list.SearchBusy());
    list.close();
    EXPECT_EQ(closed, 1);
    list.hide();
    EXPECT_EQ(closed, 1);
}

TEST_F(TrackListWindowTest, ClosingSwitchesTheListOffAndClosesTheProperties) {
    Load(StationText());
    QAction* show = window->findChild<QAction*>("ShowTrackList");
    show->trigger();
    EXPECT_TRUE(list->isVisible());
    ChooseView(0);
    ClickRow(0);
    ListButton("PropertiesToolButton")->click();
    EXPECT_TRUE(properties->isVisible());
    EXPECT_TRUE(ListButton("PropertiesToolButton")->isChecked());

    list->close();
    EXPECT_FALSE(list->isVisible());
    EXPECT_FALSE(show->isChecked());
    EXPECT_FALSE(window->findChild<QToolButton*>("TrackListToolButton")->isChecked());
    EXPECT_FALSE(properties->isVisible());
    EXPECT_FALSE(ListButton("PropertiesToolButton")->isChecked());

    // Shown again from the menu, an emptied list is built for the view chosen before.
    list->ClearList();
    show->trigger();
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(Rows(), 4);
}

class StoredBoundsTest : public test::TrackListFixture {
  protected:
    StoredBoundsTest()
        : TrackListFixture(
              "[General]\nOwnerMode=1\n[Bounds]\nTLX1=33\nTLY1=44\nTLX2=300\n"
              "TLY2=350\n") {}
};

TEST_F(StoredBoundsTest, BoundsAreAppliedAndWrittenBack) {
    EXPECT_EQ(list->pos(), QPoint(33, 44));
    EXPECT_EQ(list->size(), QSize(300, 350));
    list->move(50, 60);
    list->resize(280, 320);
    window->close();
    const QSettings s(ConfPath(), QSettings::IniFormat);
    EXPECT_EQ(s.value("Bounds/TLX1").toInt(), 50);
    EXPECT_EQ(s.value("Bounds/TLY1").toInt(), 60);
    EXPECT_EQ(s.value("Bounds/TLX2").toInt(), 280);
    EXPECT_EQ(s.value("Bounds/TLY2").toInt(), 320);
}

TEST_F(TrackListWindowTest, RealSceneries) {
    const std::string demo = std::string(TARVIK_SOURCE_DIR) + "/examples/demo/demo.scn";
    window->LoadScenery(demo);
    ShowList();
    ChooseView(0);
    const int tor1 = RowOf("st_tor1");
    ASSERT_GE(tor1, 0);
    EXPECT_EQ(Cell(tor1, 1), "Os1234");
    EXPECT_GE(RowOf("zwr1"), 0);
    ChooseView(1);
    EXPECT_GE(RowOf("st_semafor"), 0);

    const auto shared = test::SharedSceneries();
    if (!shared) GTEST_SKIP() << "no shared sceneries";
    window->LoadScenery((*shared / "linia053-misja5.scm").string());
    ChooseView(3);
    EXPECT_EQ(static_cast<std::size_t>(Rows()), window->Scenery().Tracks().Count());
    ChooseView(0);
    EXPECT_GT(Rows(), 100);
}

}  // namespace
}  // namespace tarvik
