#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "Cursors.h"
#include "FirstRunSwitches.h"
#include "LegendForm.h"
#include "LegendPicture.h"
#include "MiniMapForm.h"
#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

QImage Rgb32(const QImage& image) {
    return image.convertToFormat(QImage::Format_RGB32);
}

bool StaysOnTopToolWindow(const QWidget& window) {
    return window.windowType() == Qt::Tool && window.windowFlags() & Qt::WindowStaysOnTopHint;
}

// Lets the window system deliver what a visible window's resize sends.
template <typename Done>
void WaitFor(Done done) {
    for (int i = 0; i < 100 && !done(); ++i)
        QTest::qWait(5);
}

class LegendFormTest : public ::testing::Test {
  protected:
    LegendFormTest() { scenery.Segments.Ranges = {40, 160, 100, 400, 0, 30}; }

    MapOptions options = test::FirstRunSwitches();
    TScenery scenery;
    ColorSlots colors;
    TLegendForm legend{options, scenery, colors, nullptr};
};

TEST_F(LegendFormTest, ShowsTheLegendOfTheMapType) {
    EXPECT_EQ(legend.windowTitle(), "Legenda");
    EXPECT_TRUE(StaysOnTopToolWindow(legend));
    legend.show();
    EXPECT_EQ(legend.size(), QSize(100, 90));
    EXPECT_EQ(legend.Picture(), MakeLegendPicture(MapType::Velocity, scenery.Ranges(), colors));
    EXPECT_EQ(Rgb32(legend.grab().toImage()), legend.Picture());

    options.Type = MapType::Hipsometric;
    legend.Rebuild();
    EXPECT_EQ(legend.Picture(), MakeLegendPicture(MapType::Hipsometric, scenery.Ranges(), colors));

    // Showing builds the picture again from the current colours and ranges.
    legend.hide();
    colors.River = 0x00FFFF;
    scenery.Segments.Ranges.HeightMax = 250;
    legend.show();
    EXPECT_EQ(legend.Picture(), MakeLegendPicture(MapType::Hipsometric, scenery.Ranges(), colors));
    EXPECT_EQ(legend.size(), QSize(100, 90));
}

class FakeHost final : public MiniMapHost {
  public:
    FakeHost() {
        scenery.Segments.Ranges.Reset();
        scenery.Segments.NewSegment({.kind = SegmentKind::Track,
                                     .x1 = -500,
                                     .y1 = 200.6,
                                     .x2 = 500,
                                     .y2 = 1200.6,
                                     .velocity = 160});
        scenery.Segments.Bounds = {{-500, 200.6f}, {500, 1200.6f}};
        view = {scenery.Bounds().SceneryMin, scenery.Bounds().SceneryMax, 0};
    }

    MapSources Sources() const override { return {scenery, options, colors, mode}; }
    bool ModelBusy() const override { return false; }
    PaintHooks MiniMapPaintHooks() override {
        ++rebuilds;
        return hooks;
    }
    void MiniMapDrawn(MapOutcome outcome) override { outcomes.push_back(outcome); }
    const ViewState& View() const override { return view; }
    void CenterOn(double x, double y) override { centred.emplace_back(x, y); }

    TScenery scenery;
    MapOptions options = test::FirstRunSwitches();
    ColorSlots colors;
    TWorkMode mode;
    ViewState view;
    PaintHooks hooks;
    int rebuilds = 0;
    std::vector<MapOutcome> outcomes;
    std::vector<std::pair<double, double>> centred;
};

class MiniMapFormTest : public ::testing::Test {
  protected:
    // QTest would take the point (0, 0) for the widget's centre.
    void Press(Qt::MouseButton button, QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, form.mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(&form, &press);
    }
    bool Red(int x, int y) const { return form.Picture().pixel(x, y) == qRgb(255, 0, 0); }

    FakeHost host;
    TMiniMapForm form{host, nullptr};
};

TEST_F(MiniMapFormTest, HiddenWindowIsLeftAlone) {
    EXPECT_EQ(form.windowTitle(), "Miniaturka");
    EXPECT_TRUE(StaysOnTopToolWindow(form));
    EXPECT_EQ(form.size(), QSize(165, 140));
    form.Refresh(true);
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 0);
    EXPECT_EQ(form.Map().Scale(), 0);

    form.show();
    form.Refresh(true);
    ASSERT_EQ(host.rebuilds, 1);
    const QImage before = form.Picture();
    form.hide();
    host.view = {{-100, 500}, {100, 700}, 0};
    form.Refresh(true);
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 1);
    EXPECT_EQ(form.Picture(), before);
}

TEST_F(MiniMapFormTest, RefreshFramesTheMainViewAndRebuildsOnlyWhenAsked) {
    form.resize(100, 50);
    form.show();
    form.Refresh(true);
    EXPECT_EQ(host.rebuilds, 1);
    ASSERT_EQ(form.Picture().size(), QSize(100, 50));
    // The box is fitted to the wider picture: 2000 m across at 0.05 pixels per metre, so the
    // view's left edge lies 500 m, 25 pixels, in.
    EXPECT_FLOAT_EQ(form.Map().Scale(), 0.05f);
    EXPECT_TRUE(Red(26, 25));
    EXPECT_FALSE(Red(10, 25));
    EXPECT_EQ(Rgb32(form.grab().toImage()), form.Picture());

    host.view = {{-1000, 200.6f}, {-500, 700.6f}, 0};
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 1);
    EXPECT_TRUE(Red(1, 12));
    EXPECT_FALSE(Red(26, 40));

    // A resize rebuilds the cache at the new size at once.
    form.resize(120, 80);
    WaitFor([this] { return form.Picture().size() == QSize(120, 80); });
    EXPECT_EQ(form.Picture().size(), QSize(120, 80));
    EXPECT_EQ(host.rebuilds, 2);
}

TEST_F(MiniMapFormTest, CacheResizedWhileHiddenIsRebuiltByTheNextRefresh) {
    form.show();
    form.Refresh(true);
    form.hide();
    form.resize(80, 60);
    form.show();
    EXPECT_EQ(host.rebuilds, 1);
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 2);
    EXPECT_EQ(form.Picture().size(), QSize(80, 60));
}

TEST_F(MiniMapFormTest, CacheIsDrawnAgainForItsLayersAndColoursAlone) {
    form.show();
    form.Refresh(true);
    ASSERT_EQ(host.rebuilds, 1);
    // The main map's type, names, overlays and transparency do not show in the mini-map.
    host.options.Type = MapType::Elevation;
    host.options.PaintTrackNames = true;
    host.options.LegendOnMap = host.options.MiniMapOnMap = true;
    host.options.PaintTransparent = !host.options.PaintTransparent;
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 1);
    const QImage plain = form.Map().Cache();
    // A layer, the smoothing and a colour do.
    host.options.PaintTrack = false;
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 2);
    EXPECT_NE(form.Map().Cache(), plain);
    host.options.PaintTrack = true;
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 3);
    EXPECT_EQ(form.Map().Cache(), plain);
    host.options.Antialiased = true;
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 4);
    host.colors.Track = 0x0000FF;
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 5);
    form.Refresh(false);
    EXPECT_EQ(host.rebuilds, 5);
}

// The picture drawn by the work handed out, on another thread, is the one Refresh draws at
// once; work that has not run is done by Refresh, and work dropped by a resize does nothing.
TEST_F(MiniMapFormTest, PictureDrawnBesideIsTheOneDrawnAtOnce) {
    form.show();
    form.Refresh(true);
    const QImage inPlace = form.Map().Cache();
    const QImage framed = form.Picture();
    std::function<void()> drawing = form.StartRebuild(true);
    ASSERT_TRUE(drawing);
    EXPECT_TRUE(form.Rebuilding());
    // Only one drawing is prepared at a time.
    EXPECT_FALSE(form.StartRebuild(true));
    std::thread(drawing).join();
    // Run again, it does not draw twice.
    drawing();
    form.Refresh(false);
    EXPECT_FALSE(form.Rebuilding());
    EXPECT_EQ(host.outcomes.back(), MapOutcome::Drawn);
    EXPECT_NE(form.Map().Cache().cacheKey(), inPlace.cacheKey());
    EXPECT_EQ(form.Map().Cache(), inPlace);
    EXPECT_EQ(form.Picture(), framed);

    // Not run, it is drawn by the Refresh that takes it.
    const QImage before = form.Map().Cache();
    ASSERT_TRUE(form.StartRebuild(true));
    form.Refresh(false);
    EXPECT_FALSE(form.Rebuilding());
    EXPECT_NE(form.Map().Cache().cacheKey(), before.cacheKey());
    EXPECT_EQ(form.Map().Cache(), inPlace);

    // Without a new scenery, work is handed out only for changed layers or colours.
    EXPECT_FALSE(form.StartRebuild(false));
    host.colors.Track = 0x0000FF;
    drawing = form.StartRebuild(false);
    ASSERT_TRUE(drawing);
    drawing();
    form.Refresh(false);
    EXPECT_TRUE(form.Map().CacheShows(host.Sources()));
    EXPECT_NE(form.Map().Cache(), inPlace);
    EXPECT_FALSE(form.StartRebuild(false));

    // A resize drops a drawing of the old size and draws at the new one.
    drawing = form.StartRebuild(true);
    form.resize(80, 60);
    WaitFor([this] { return form.Picture().size() == QSize(80, 60); });
    EXPECT_FALSE(form.Rebuilding());
    const qint64 resized = form.Map().Cache().cacheKey();
    drawing();
    form.Refresh(false);
    EXPECT_EQ(form.Map().Cache().cacheKey(), resized);
    EXPECT_TRUE(form.Map().CacheShows(host.Sources()));
    EXPECT_EQ(form.Map().Cache().size(), QSize(80, 60));

    // One that may stop at the runaway question is drawn at once, where it may ask.
    test::ScriptedDialogs dialogs;
    dialogs.answers = {MessageAnswer::Ignore};
    host.hooks = {.dialogs = &dialogs, .runawayLimit = 1};
    EXPECT_FALSE(form.StartRebuild(true));
    EXPECT_FALSE(form.Rebuilding());
    EXPECT_EQ(dialogs.messages.size(), 1u);

    form.hide();
    EXPECT_FALSE(form.StartRebuild(true));
    EXPECT_FALSE(form.Rebuilding());
}

// The host decides what an Abort at the runaway question means; the window goes on.
TEST_F(MiniMapFormTest, EveryRebuildTellsTheHostHowItEnded) {
    test::ScriptedDialogs dialogs;
    host.hooks = {.dialogs = &dialogs, .runawayLimit = 1};
    dialogs.answers = {MessageAnswer::Ignore, MessageAnswer::Abort};
    form.show();
    form.Refresh(true);
    form.Refresh(false);
    form.Refresh(true);
    EXPECT_EQ(host.outcomes, (std::vector<MapOutcome>{MapOutcome::Drawn, MapOutcome::EndProgram}));
}

TEST_F(MiniMapFormTest, PressCentresTheMainViewOnTheWholeMetre) {
    form.resize(100, 50);
    form.show();
    // Nothing drawn yet: no mapping to the world.
    Press(Qt::LeftButton, QPoint(0, 0));
    EXPECT_TRUE(host.centred.empty());

    form.Refresh(true);
    Press(Qt::LeftButton, QPoint(0, 0));
    Press(Qt::RightButton, QPoint(50, 25));
    ASSERT_EQ(host.centred.size(), 2u);
    // The fitted rectangle's minimum corner is (-1000, 200.6).
    EXPECT_EQ(host.centred[0], std::make_pair(-1000.0, 201.0));
    EXPECT_EQ(host.centred[1], std::make_pair(0.0, 701.0));
}

TEST_F(MiniMapFormTest, EmptyBoundingBoxDrawsNothing) {
    host.scenery.Segments.Bounds.SceneryMax.x = host.scenery.Segments.Bounds.SceneryMin.x;
    form.show();
    form.Refresh(true);
    EXPECT_EQ(host.rebuilds, 0);
    Press(Qt::LeftButton, QPoint(10, 10));
    EXPECT_TRUE(host.centred.empty());
}

TEST_F(MiniMapFormTest, BothToolWindowsReportOnlyTheUserClosing) {
    MapOptions options = test::FirstRunSwitches();
    ColorSlots colors;
    TLegendForm legend(options, host.scenery, colors, nullptr);
    int closed = 0;
    legend.onUserClose = [&closed] { ++closed; };
    form.onUserClose = [&closed] { closed += 10; };
    for (QWidget* window : {static_cast<QWidget*>(&legend), static_cast<QWidget*>(&form)}) {
        window->show();
        window->hide();
        window->show();
        window->close();
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_EQ(closed, 11);
}

TEST(CursorTable, MapCursorsAreOwnDistinctPicturesOthersAreStandard) {
    const CursorTable table;
    std::vector<QImage> images;
    for (int slot = 1; slot <= 13; ++slot) {
        const QCursor& cursor = table.Cursor(slot);
        ASSERT_EQ(cursor.shape(), Qt::BitmapCursor) << slot;
        const QImage image = cursor.pixmap().toImage();
        ASSERT_FALSE(image.isNull()) << slot;
        EXPECT_TRUE(image.rect().contains(cursor.hotSpot())) << slot;
        for (std::size_t other = 0; other < images.size(); ++other)
            EXPECT_NE(image, images[other]) << slot << " looks like another slot";
        images.push_back(image);
    }
    EXPECT_EQ(table.Cursor(CursorTable::kLoading).shape(), Qt::WaitCursor);
    for (const int slot : {-1, 0, 14, 19, 23, 1000})
        EXPECT_EQ(table.Cursor(slot).shape(), Qt::ArrowCursor) << slot;
    // The identify tool picks with the tip of its arrow, in the top left corner.
    const QCursor& identify = table.Cursor(CursorTable::kIdentify);
    const QPoint tip = identify.hotSpot();
    EXPECT_TRUE(tip.x() < 4 && tip.y() < 4);
    EXPECT_GT(identify.pixmap().toImage().pixelColor(tip).alpha(), 0);
}

TEST(CursorTable, BandArrowsPointAtTheirEdge) {
    const CursorTable table;
    const auto hot = [&table](int slot) { return table.Cursor(slot).hotSpot(); };
    constexpr int kNear = 8;
    constexpr int kFar = 32 - kNear;
    EXPECT_LT(hot(CursorTable::kBandLeft).x(), kNear);
    EXPECT_GT(hot(CursorTable::kBandRight).x(), kFar);
    EXPECT_LT(hot(CursorTable::kBandTop).y(), kNear);
    EXPECT_GT(hot(CursorTable::kBandBottom).y(), kFar);
    const QPoint topLeft = hot(CursorTable::kCornerTopLeft);
    EXPECT_TRUE(topLeft.x() < kNear && topLeft.y() < kNear);
    const QPoint bottomLeft = hot(CursorTable::kCornerBottomLeft);
    EXPECT_TRUE(bottomLeft.x() < kNear && bottomLeft.y() > kFar);
    const QPoint topRight = hot(CursorTable::kCornerTopRight);
    EXPECT_TRUE(topRight.x() > kFar && topRight.y() < kNear);
    const QPoint bottomRight = hot(CursorTable::kCornerBottomRight);
    EXPECT_TRUE(bottomRight.x() > kFar && bottomRight.y() > kFar);
}

}  // namespace
}  // namespace tarvik
