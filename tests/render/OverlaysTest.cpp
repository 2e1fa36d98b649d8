#include <gtest/gtest.h>

#include <QImage>
#include <future>

#include "FirstRunSwitches.h"
#include "LegendPicture.h"
#include "MiniMap.h"
#include "Overlays.h"
#include "QtColor.h"
#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

bool Black(const QImage& image, int x, int y) {
    return image.pixel(x, y) == 0xFF000000;
}

TEST(ScaleBar, LengthLabelAndTicks) {
    EXPECT_EQ(ScaleBarDistance(0.3), 200);
    EXPECT_EQ(ScaleBarLabel(200), "200m");
    EXPECT_EQ(ScaleBarDistance(0.001), 50000);
    EXPECT_EQ(ScaleBarLabel(50000), "50km");
    EXPECT_EQ(ScaleBarDistance(0.0001), 50000);
    EXPECT_EQ(ScaleBarDistance(5), 10);
    EXPECT_EQ(ScaleBarLabel(10), "10m");
    EXPECT_EQ(ScaleBarDistance(60), 1);
    EXPECT_EQ(ScaleBarLabel(1), "1m");

    const QImage bar = MakeScaleBar(0.3);
    EXPECT_EQ(bar.size(), QSize(110, 16));
    EXPECT_EQ(bar.pixel(40, 3), qRgb(0xFF, 0xFF, 0xE1));
    for (const int x : {12, 72})
        EXPECT_TRUE(Black(bar, x, 5)) << x;
    EXPECT_TRUE(Black(bar, 40, 12));
    // Ticks every tenth, the even tenths longer.
    for (int j = 1; j <= 9; ++j) {
        const int x = 12 + 6 * j;
        EXPECT_TRUE(Black(bar, x, 9)) << x;
        EXPECT_EQ(Black(bar, x, 7), j % 2 == 0) << x;
    }
    EXPECT_FALSE(Black(bar, 15, 10));
}

TEST(BlendOverlay, MixesBytesAndStopsAtThePictureEdges) {
    QImage map(10, 10, QImage::Format_RGB32);
    map.fill(qRgb(0, 0, 0));
    QImage over(4, 4, QImage::Format_RGB32);
    over.fill(qRgb(200, 100, 50));
    BlendOverlay(over, map, 0, 0, 33);
    EXPECT_EQ(map.pixel(0, 0), qRgb(134, 67, 33));
    EXPECT_EQ(map.pixel(4, 4), qRgb(0, 0, 0));
    // Without transparency the overlay replaces the map, up to its rightmost column.
    BlendOverlay(over, map, 7, 8, 0);
    EXPECT_EQ(map.pixel(9, 9), qRgb(200, 100, 50));
    EXPECT_EQ(map.pixel(7, 8), qRgb(200, 100, 50));
    EXPECT_EQ(map.pixel(6, 8), qRgb(0, 0, 0));
    // Nothing to blend: outside the picture.
    BlendOverlay(over, map, 10, 0, 0);
    BlendOverlay(over, map, 0, 12, 0);
    EXPECT_EQ(map.pixel(9, 0), qRgb(0, 0, 0));
}

TEST(Legend, LabelsSplitTheRangeInThirds) {
    EXPECT_EQ(LegendLabels(100, 400), (std::array<int, 4>{100, 200, 300, 400}));
    EXPECT_EQ(LegendLabels(0, 160), (std::array<int, 4>{0, 53, 106, 160}));
    EXPECT_EQ(LegendLabels(-10, 10), (std::array<int, 4>{-10, -4, 2, 10}));
}

TEST(Legend, BarTicksAndSamples) {
    const ColorSlots colors;
    SceneryRanges ranges{40, 160, 0, 100, 0, 30};
    const QImage legend = MakeLegendPicture(MapType::Velocity, ranges, colors);
    EXPECT_EQ(legend.size(), QSize(100, 90));
    EXPECT_EQ(legend.pixel(10, 17), ToRgb(colors.Speed1));
    EXPECT_EQ(legend.pixel(90, 17), ToRgb(colors.Speed4));
    // Ticks: x = 10, 17, 23, ... every 10 km/h from 40 to 160; the ones of 20s reach row 22.
    EXPECT_TRUE(Black(legend, 10, 22));
    EXPECT_TRUE(Black(legend, 17, 20));
    EXPECT_FALSE(Black(legend, 17, 21));
    EXPECT_TRUE(Black(legend, 23, 22));
    EXPECT_TRUE(Black(legend, 90, 21));
    EXPECT_EQ(legend.pixel(13, 50), ToRgb(colors.Traction));
    EXPECT_EQ(legend.pixel(14, 50), qRgb(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(legend.pixel(21, 69), ToRgb(colors.River));
    EXPECT_EQ(legend.pixel(12, 75), ToRgb(colors.Road));

    // One speed only: a plain 3-pixel line in the track colour.
    ranges.SpeedMin = ranges.SpeedMax = 160;
    ColorSlots other;
    other.Track = 0x0000FF;
    const QImage single = MakeLegendPicture(MapType::Velocity, ranges, other);
    for (const int y : {16, 17, 18})
        EXPECT_EQ(single.pixel(50, y), ToRgb(other.Track)) << y;
    EXPECT_EQ(single.pixel(50, 15), qRgb(0xFF, 0xFF, 0xE1));

    // The plain map: ticks and samples, no bar.
    const QImage plain = MakeLegendPicture(MapType::Normal, ranges, colors);
    EXPECT_EQ(plain.pixel(50, 17), qRgb(0xFF, 0xFF, 0xE1));
    EXPECT_TRUE(Black(plain, 10, 22));
    EXPECT_EQ(plain.pixel(15, 65), ToRgb(colors.River));
}

class MiniMapTest : public ::testing::Test {
  protected:
    MiniMapTest() {
        scenery.Segments.Ranges.Reset();
        scenery.Segments.NewSegment(
            {.kind = SegmentKind::Track, .x2 = 1000, .y2 = 1000, .velocity = 160});
        scenery.Segments.Bounds = {{0, 0}, {1000, 1000}};
        miniMap.Resize(100, 100);
        miniMap.Rebuild(MapSources{scenery, options, colors, mode});
    }
    bool Red(int x, int y) const { return miniMap.Picture().pixel(x, y) == qRgb(255, 0, 0); }

    TScenery scenery;
    MapOptions options = test::FirstRunSwitches();
    ColorSlots colors;
    TWorkMode mode;
    MiniMap miniMap;
};

TEST_F(MiniMapTest, WholeViewFramesTheEdges) {
    EXPECT_FLOAT_EQ(miniMap.Scale(), 0.1f);
    miniMap.Refresh(ViewState{{0, 0}, {1000, 1000}, 0}, scenery.Bounds());
    EXPECT_TRUE(Red(0, 50));
    EXPECT_TRUE(Red(1, 50));
    EXPECT_TRUE(Red(50, 1));
    EXPECT_FALSE(Red(2, 50));
    // The right and bottom sides lie on the picture's last two pixels, inside it.
    EXPECT_TRUE(Red(98, 50));
    EXPECT_TRUE(Red(99, 50));
    EXPECT_TRUE(Red(50, 98));
    EXPECT_TRUE(Red(50, 99));
    EXPECT_FALSE(Red(97, 50));
    EXPECT_FALSE(Red(50, 97));
    EXPECT_FALSE(Red(50, 50));
    // The cache keeps the scenery: its track runs along the diagonal.
    EXPECT_EQ(miniMap.Cache().pixel(50, 50), ToRgb(colors.Track));
}

TEST_F(MiniMapTest, FrameOfAPartRunsFromLeftTopToJustBeforeRightBottom) {
    // left = 20 + 1, top = 30 + 1, right = 60, bottom = 80.
    miniMap.Refresh(ViewState{{200, 300}, {600, 800}, 0}, scenery.Bounds());
    for (const int x : {20, 21, 58, 59})
        EXPECT_TRUE(Red(x, 50)) << x;
    for (const int x : {19, 22, 57, 60})
        EXPECT_FALSE(Red(x, 50)) << x;
    for (const int y : {30, 31, 78, 79})
        EXPECT_TRUE(Red(40, y)) << y;
    for (const int y : {29, 32, 77, 80})
        EXPECT_FALSE(Red(40, y)) << y;
}

TEST_F(MiniMapTest, TinyViewIsMarkedWithACross) {
    miniMap.Refresh(ViewState{{500, 500}, {510, 510}, 0}, scenery.Bounds());
    EXPECT_TRUE(Red(46, 46));
    EXPECT_TRUE(Red(55, 46));
    EXPECT_TRUE(Red(46, 55));
    EXPECT_FALSE(Red(46, 50));
}

TEST_F(MiniMapTest, ClickGivesTheWorldPointInWholeMetres) {
    EXPECT_EQ(miniMap.ClickToWorld(0, 0), QPointF(0, 0));
    EXPECT_EQ(miniMap.ClickToWorld(25, 75), QPointF(250, 750));
    EXPECT_EQ(miniMap.ClickToWorld(33, 1), QPointF(330, 10));
}

// At a pixel ratio of 2 the pictures have twice the pixels, the scale is doubled and the frame
// keeps its width on the screen; a press is turned into the picture's pixels by the window.
TEST_F(MiniMapTest, RatioTwoDrawsTwiceThePixels) {
    MiniMap fine;
    fine.Resize(100, 100, 2);
    fine.Rebuild(MapSources{scenery, options, colors, mode});
    EXPECT_EQ(fine.Picture().size(), QSize(200, 200));
    EXPECT_FLOAT_EQ(fine.Scale(), 0.2f);
    EXPECT_EQ(fine.ClickToWorld(50, 150), miniMap.ClickToWorld(25, 75));
    fine.Refresh(ViewState{{200, 300}, {600, 800}, 0}, scenery.Bounds());
    // left = 40 + 1; the pen is four pixels wide.
    const auto red = [&](int x, int y) { return fine.Picture().pixel(x, y) == qRgb(255, 0, 0); };
    int width = 0;
    for (int x = 30; x < 50; ++x)
        width += red(x, 100);
    EXPECT_EQ(width, 4);
    EXPECT_TRUE(red(41, 100));
    // The track along the diagonal stays one pixel wide.
    EXPECT_EQ(fine.Cache().pixel(100, 100), ToRgb(colors.Track));
}

// Drawn on another thread and in one band, the cache is the one drawn in place by bands; a
// drawing made before a resize is dropped.
TEST_F(MiniMapTest, CacheDrawnApartIsTheOneDrawnInPlace) {
    scenery.Segments.NewSegment({.kind = SegmentKind::Track,
                                 .x1 = 0,
                                 .y1 = 1000,
                                 .x2 = 1000,
                                 .y2 = 0,
                                 .cx1 = 300,
                                 .cy1 = 100,
                                 .cx2 = -100,
                                 .cy2 = 300,
                                 .velocity = 80});
    scenery.Segments.NewSegment({.kind = SegmentKind::Road, .x1 = 100, .x2 = 900, .y2 = 400});
    const MapSources sources{scenery, options, colors, mode};
    ASSERT_EQ(miniMap.Rebuild(sources), MapOutcome::Drawn);
    MiniMap apart;
    apart.Resize(100, 100);
    MiniMap::Drawing drawing =
        std::async(std::launch::async, [&] { return apart.Draw(sources, {}, 1); }).get();
    EXPECT_EQ(apart.Scale(), 0);
    EXPECT_EQ(apart.Take(std::move(drawing)), MapOutcome::Drawn);
    EXPECT_EQ(apart.Cache(), miniMap.Cache());
    EXPECT_EQ(apart.Scale(), miniMap.Scale());
    EXPECT_EQ(apart.ClickToWorld(30, 70), miniMap.ClickToWorld(30, 70));
    EXPECT_TRUE(apart.CacheShows(sources));

    MiniMap::Drawing old = apart.Draw(sources);
    apart.Resize(50, 40);
    EXPECT_EQ(apart.Take(std::move(old)), MapOutcome::Drawn);
    EXPECT_FALSE(apart.CacheShows(sources));
    EXPECT_EQ(apart.Cache().size(), QSize(50, 40));
}

TEST_F(MiniMapTest, RebuildReportsTheRunawayAnswerAndKeepsTheCacheWhenStopped) {
    const MapSources sources{scenery, options, colors, mode};
    EXPECT_EQ(miniMap.Rebuild(sources), MapOutcome::Drawn);
    const QImage before = miniMap.Cache();
    // A finished drawing would show the new colour.
    colors.Track = 0x0000FF;
    test::ScriptedDialogs dialogs;
    dialogs.answers = {MessageAnswer::Retry, MessageAnswer::Abort};
    const PaintHooks hooks{.dialogs = &dialogs, .runawayLimit = 1};
    EXPECT_EQ(miniMap.Rebuild(sources, hooks), MapOutcome::Abandoned);
    EXPECT_EQ(miniMap.Cache(), before);
    EXPECT_EQ(miniMap.Rebuild(sources, hooks), MapOutcome::EndProgram);
    EXPECT_EQ(miniMap.Cache(), before);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

}  // namespace
}  // namespace tarvik
