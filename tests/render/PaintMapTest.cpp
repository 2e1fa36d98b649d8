#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>

#include "ElapsedText.h"
#include "FirstRunSwitches.h"
#include "LegendPicture.h"
#include "MapView.h"
#include "Overlays.h"
#include "PaintMap.h"
#include "QtColor.h"
#include "Scenery.h"
#include "SegmentGrid.h"
#include "Signs.h"
#include "TestSupport.h"
#include "ViewState.h"

namespace tarvik {
namespace {

// A scenery built in memory and drawn into a picture.
class PaintTest : public ::testing::Test {
  protected:
    PaintTest() { scenery.Segments.Ranges.Reset(); }

    TSegmentObj* Add(SegmentKind kind, double x1, double y1, double x2, double y2,
                     std::uint8_t velocity = 160, std::string_view name = "", double h1 = 0,
                     double h2 = 0) {
        return scenery.Segments.NewSegment({.kind = kind,
                                            .name = name,
                                            .x1 = x1,
                                            .y1 = y1,
                                            .x2 = x2,
                                            .y2 = y2,
                                            .height1 = h1,
                                            .height2 = h2,
                                            .velocity = velocity});
    }

    // Fits min..max to a picture of w x h and draws into it; returns the scale, or 0 when the
    // rectangle is empty and nothing was drawn.
    float Paint(TPointF min, TPointF max, int w, int h, const TSegmentObj* selected = nullptr,
                MapPurpose purpose = MapPurpose::MiniMap) {
        picture = QImage(w, h, QImage::Format_RGB32);
        picture.fill(Qt::magenta);
        QPainter p(&picture);
        viewMin = min;
        viewMax = max;
        const std::optional<MapView> view =
            FitMap(viewMin, viewMax, static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h));
        if (!view) return 0;
        const MapResult result = PaintMap({.target = p,
                                           .view = *view,
                                           .sources = {scenery, options, colors, mode},
                                           .selected = selected,
                                           .purpose = purpose,
                                           .overlays = overlays,
                                           .hooks = hooks,
                                           .pixelRatio = ratio});
        outcome = result.outcome;
        return result.scale;
    }

    // Pixels of colour c in column x.
    int ColumnCount(int x, TColor c) const {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y)
            n += picture.pixel(x, y) == ToRgb(c);
        return n;
    }
    int CountOf(QRgb c, QRect area) const {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                n += area.contains(x, y) && picture.valid(x, y) && picture.pixel(x, y) == c;
            }
        }
        return n;
    }

    TScenery scenery;
    MapOptions options = test::FirstRunSwitches();
    ColorSlots colors;
    TWorkMode mode = TWorkMode::Make(false, 2);
    PaintHooks hooks;
    OverlayPictures overlays;
    double ratio = 1;
    QImage picture;
    TPointF viewMin, viewMax;
    MapOutcome outcome = MapOutcome::Drawn;
};

TEST(MapView, FitWidensTheRectangleToThePicture) {
    TPointF min{0, 0};
    TPointF max{1000, 1000};
    const MapView view = MapView::Fit(min, max, 400, 300);
    EXPECT_DOUBLE_EQ(view.Scale(), 0.3);
    EXPECT_NEAR(min.x, -166.6667f, 1e-3);
    EXPECT_NEAR(max.x, 1166.6667f, 1e-3);
    EXPECT_EQ(min.y, 0);
    EXPECT_EQ(max.y, 1000);
    // Pixels round halves to even.
    TPointF lo{0, 0};
    TPointF hi{40, 40};
    const MapView half = MapView::Fit(lo, hi, 20, 20);
    EXPECT_EQ(half.Map(5, 3), QPoint(2, 2));
    EXPECT_EQ(half.Map(7, -7), QPoint(4, -4));
}

// A resize fits the widened rectangle again: wider keeps the scale and moves the picture,
// narrower shrinks it about the middle. Every world point goes where the new view draws it.
TEST(MapView, ToPutsThePixelsOfOneViewWhereAnotherDrawsThem) {
    TPointF min{0, 0};
    TPointF max{1000, 500};
    const MapView shown = MapView::Fit(min, max, 400, 200);
    TPointF wideMin = min;
    TPointF wideMax = max;
    const MapView wider = MapView::Fit(wideMin, wideMax, 500, 200);
    TPointF narrowMin = min;
    TPointF narrowMax = max;
    const MapView narrower = MapView::Fit(narrowMin, narrowMax, 200, 200);
    EXPECT_TRUE(qFuzzyCompare(shown.To(wider), QTransform::fromTranslate(50, 0)));
    EXPECT_TRUE(qFuzzyCompare(shown.To(narrower), QTransform(0.5, 0, 0, 0.5, 0, 50)));
    for (const MapView& to : {wider, narrower}) {
        for (const QPointF world : {QPointF(0, 0), QPointF(250, 125), QPointF(1000, 500)}) {
            const QPointF from = shown.Map(world.x(), world.y());
            const QPointF expected = to.Map(world.x(), world.y());
            const QPointF got = shown.To(to).map(from);
            EXPECT_NEAR(got.x(), expected.x(), 1);
            EXPECT_NEAR(got.y(), expected.y(), 1);
        }
    }
}

TEST(ViewState, ClampPullsABigViewBackToTheScenery) {
    const SceneryBounds bounds{{0, 0}, {100, 50}};
    ViewState wide{{-10, 10}, {120, 20}, 0};
    ClampToScenery(wide, bounds);
    EXPECT_EQ(wide.ViewMin.x, 0);
    EXPECT_EQ(wide.ViewMax.x, 100);
    EXPECT_EQ(wide.ViewMin.y, 10);  // inside on y: kept
    ViewState tall{{10, -5}, {20, 60}, 0};
    ClampToScenery(tall, bounds);
    EXPECT_EQ(tall.ViewMin.y, 0);
    EXPECT_EQ(tall.ViewMax.y, 50);
    // Smaller than the scenery both ways: untouched, even where it reaches beyond it.
    ViewState small{{-10, -10}, {20, 20}, 0};
    ClampToScenery(small, bounds);
    EXPECT_EQ(small.ViewMin.x, -10);
    // Wide but only beyond one side: untouched on that axis.
    ViewState shifted{{50, 0}, {200, 10}, 0};
    ClampToScenery(shifted, bounds);
    EXPECT_EQ(shifted.ViewMin.x, 50);
}

TEST(ViewState, CenterViewKeepsTheSize) {
    ViewState view{{0, 0}, {40, 20}, 0};
    CenterView(view, 100.5, -7);
    EXPECT_FLOAT_EQ(view.ViewMin.x, 80.5f);
    EXPECT_FLOAT_EQ(view.ViewMax.x, 120.5f);
    EXPECT_FLOAT_EQ(view.ViewMin.y, -17);
    EXPECT_FLOAT_EQ(view.ViewMax.y, 3);
}

TEST(MapView, PixelsRoundHalvesToEvenAndStayInRange) {
    EXPECT_EQ(MapView::ToPixel(2.5), 2);
    EXPECT_EQ(MapView::ToPixel(3.5), 4);
    EXPECT_EQ(MapView::ToPixel(-2.5), -2);
    EXPECT_EQ(MapView::ToPixel(-2.6), -3);
    EXPECT_EQ(MapView::ToPixel(1e300), 1 << 30);
    EXPECT_EQ(MapView::ToPixel(-1e300), -(1 << 30));
    EXPECT_EQ(MapView::ToPixel(NAN), -(1 << 30));
}

// The grid only spares the culling of far segments: pictures drawn through it are the same.
TEST_F(PaintTest, DrawingThroughTheGridGivesTheSamePicture) {
    std::mt19937 rng(9);
    std::uniform_real_distribution<double> at(0, 1000);
    for (int i = 0; i < 3000; ++i) {
        const double x = at(rng), y = at(rng);
        const double dx = (at(rng) - 500) / 10, dy = (at(rng) - 500) / 10;
        const auto kind = static_cast<SegmentKind>(i % 4);
        if (i % 5 == 0) {
            scenery.Segments.NewSegment({.kind = kind,
                                         .x1 = x,
                                         .y1 = y,
                                         .x2 = x + dx,
                                         .y2 = y + dy,
                                         .cx1 = -dy,
                                         .cy1 = dx,
                                         .cx2 = dy,
                                         .cy2 = -dx,
                                         .velocity = static_cast<std::uint8_t>(i)});
        } else {
            Add(kind, x, y, x + dx, y + dy, static_cast<std::uint8_t>(i));
        }
    }
    // A very long one, kept aside by the grid.
    Add(SegmentKind::Track, -5000, -5000, 6000, 6000);
    scenery.Segments.Ranges = {0, 250, 0, 0, 0, 0};
    options.PaintTraction = true;
    const SceneryIndex index(scenery);
    for (const auto& [lo, hi] : {std::pair{TPointF{0, 0}, TPointF{1000, 1000}},
                                 std::pair{TPointF{100, 200}, TPointF{160, 240}},
                                 std::pair{TPointF{-300, -300}, TPointF{-100, -100}},
                                 std::pair{TPointF{990, 10}, TPointF{1400, 80}}}) {
        Paint(lo, hi, 320, 240, nullptr, MapPurpose::Screen);
        const QImage plain = picture;
        const MapSources sources{scenery, options, colors, mode, &index};
        QImage indexed(320, 240, QImage::Format_RGB32);
        QPainter p(&indexed);
        TPointF a = lo, b = hi;
        const std::optional<MapView> view = FitMap(a, b, 320, 240);
        ASSERT_TRUE(view);
        PaintMap({.target = p, .view = *view, .sources = sources});
        p.end();
        EXPECT_EQ(indexed, plain) << lo.x << "," << lo.y;
    }
}

TEST_F(PaintTest, PenWidthsFollowTheScale) {
    options.PaintTraction = false;
    colors.Background = 0x000000;
    colors.Road = 0x00FF00;
    colors.River = 0xFF0000;
    options.Type = MapType::Normal;
    colors.Track = 0x0000FF;
    Add(SegmentKind::River, 0, 100, 400, 100);
    Add(SegmentKind::Road, 0, 200, 400, 200);
    Add(SegmentKind::Track, 0, 300, 400, 300);
    // 0..800 x 0..400 metres on 400 x 200 pixels: half a pixel per metre.
    EXPECT_FLOAT_EQ(Paint({0, 0}, {800, 400}, 400, 200), 0.5f);
    EXPECT_EQ(ColumnCount(100, colors.River), 8);  // round(7.5)
    EXPECT_EQ(ColumnCount(100, colors.Road), 2);   // round(2.5), halves to even
    EXPECT_EQ(ColumnCount(100, colors.Track), 1);  // round(0.7175)
    Paint({0, 0}, {20000, 10000}, 400, 200);
    EXPECT_EQ(ColumnCount(2, colors.River), 1);
    EXPECT_EQ(ColumnCount(2, colors.Road), 1);
    EXPECT_EQ(ColumnCount(2, colors.Track), 1);
}

TEST_F(PaintTest, SegmentOnOnePixelIsNotDrawn) {
    colors.Track = 0xFFFFFF;
    options.Type = MapType::Normal;
    Add(SegmentKind::Track, 100.2, 100, 100.4, 100);
    Paint({0, 0}, {400, 200}, 400, 200);
    EXPECT_EQ(CountOf(0xFFFFFFFF, QRect(0, 0, 400, 200)), 0);
}

TEST_F(PaintTest, EveryLayerOffLeavesTheBackground) {
    options.PaintRiver = options.PaintRoad = options.PaintTrack = options.PaintTraction = false;
    Add(SegmentKind::Track, 0, 0, 100, 100);
    Paint({0, 0}, {100, 100}, 50, 50);
    EXPECT_EQ(CountOf(ToRgb(colors.Background), QRect(0, 0, 50, 50)), 2500);
}

TEST_F(PaintTest, EmptyRectangleDrawsNothing) {
    Add(SegmentKind::Track, 0, 0, 100, 100);
    EXPECT_EQ(Paint({5, 0}, {5, 100}, 50, 50), 0);
    EXPECT_EQ(picture.pixel(10, 10), QColor(Qt::magenta).rgb());
    // The rectangle is left as it was given.
    EXPECT_EQ(viewMin.x, 5);
    EXPECT_EQ(viewMin.y, 0);
    EXPECT_EQ(viewMax.y, 100);
}

TEST_F(PaintTest, TracksAreColouredByTheMapType) {
    Add(SegmentKind::Track, 0, 10, 100, 10, 40, "", 0, 0);
    Add(SegmentKind::Track, 0, 50, 100, 50, 160, "", 50, 50);
    Add(SegmentKind::Track, 0, 90, 100, 90, 100, "", 0, 5);
    SceneryRanges& r = scenery.Segments.Ranges;
    r = {40, 160, 0, 50, 0, 50};
    options.PaintTraction = false;
    options.Type = MapType::Velocity;
    colors.Speed4 = 0x123456;
    // The main window's drawing (with overlays) colours by the map type.
    Paint({0, 0}, {100, 100}, 100, 100, nullptr, MapPurpose::Screen);
    EXPECT_EQ(picture.pixel(50, 10), ToRgb(colors.Speed1));
    EXPECT_EQ(picture.pixel(50, 50), ToRgb(colors.Speed4));
    // The mini-map's drawing keeps the plain track colour.
    Paint({0, 0}, {100, 100}, 100, 100, nullptr, MapPurpose::MiniMap);
    EXPECT_EQ(picture.pixel(50, 10), ToRgb(colors.Track));
    // A printout colours by the map type too, on white.
    Paint({0, 0}, {100, 100}, 100, 100, nullptr, MapPurpose::Print);
    EXPECT_EQ(picture.pixel(50, 10), ToRgb(colors.Speed1));
    EXPECT_EQ(picture.pixel(50, 30), 0xFFFFFFFF);
    options.Type = MapType::Hipsometric;
    Paint({0, 0}, {100, 100}, 100, 100, nullptr, MapPurpose::Screen);
    EXPECT_EQ(picture.pixel(50, 10), ToRgb(colors.Hipsometric1));
    EXPECT_EQ(picture.pixel(50, 50), ToRgb(colors.Hipsometric4));
    options.Type = MapType::Elevation;
    Paint({0, 0}, {100, 100}, 100, 100, nullptr, MapPurpose::Screen);
    EXPECT_EQ(picture.pixel(50, 10), ToRgb(colors.Elevation1));
    EXPECT_EQ(picture.pixel(50, 90), ToRgb(colors.Elevation4));
}

TEST_F(PaintTest, SelectedTrackIsWhiteWithEveryPieceOfItsName) {
    options.Type = MapType::Normal;
    const TSegmentObj* a = Add(SegmentKind::Track, 0, 10, 100, 10, 160, "zwr1");
    Add(SegmentKind::Track, 0, 50, 100, 50, 160, "zwr1");
    Add(SegmentKind::Track, 0, 90, 100, 90, 160, "other");
    Add(SegmentKind::Track, 10, 0, 10, 100);
    Paint({0, 0}, {100, 100}, 100, 100, a);
    EXPECT_EQ(picture.pixel(50, 10), 0xFFFFFFFF);
    EXPECT_EQ(picture.pixel(50, 50), 0xFFFFFFFF);
    EXPECT_EQ(picture.pixel(50, 90), ToRgb(colors.Track));
    EXPECT_EQ(picture.pixel(10, 30), ToRgb(colors.Track));
}

// The halo lies under the highlight, a pixel beyond it on each side, and under the tracks
// drawn after it.
TEST_F(PaintTest, SelectedTrackLiesOnAHalo) {
    options.Type = MapType::Normal;
    colors.Background = 0x808080;
    colors.Track = 0x00FFFF;
    const TSegmentObj* a = Add(SegmentKind::Track, 0, 10, 100, 10, 160, "zwr1");
    Add(SegmentKind::Track, 0, 50, 100, 50);
    Add(SegmentKind::Track, 30, 0, 30, 100);
    Paint({0, 0}, {100, 100}, 100, 100, a);
    EXPECT_EQ(picture.pixel(50, 10), 0xFFFFFFFF);
    EXPECT_EQ(picture.pixel(50, 9), 0xFF000000);
    EXPECT_EQ(picture.pixel(50, 11), 0xFF000000);
    EXPECT_EQ(picture.pixel(50, 8), ToRgb(colors.Background));
    EXPECT_EQ(picture.pixel(50, 12), ToRgb(colors.Background));
    // Every track crosses the halo, which lies under them all.
    EXPECT_EQ(picture.pixel(30, 9), ToRgb(colors.Track));
    // Tracks without the name have no halo.
    EXPECT_EQ(picture.pixel(50, 49), ToRgb(colors.Background));
    // Without a selection nothing is black.
    Paint({0, 0}, {100, 100}, 100, 100);
    EXPECT_EQ(CountOf(0xFF000000, QRect(0, 0, 100, 100)), 0);
}

// Colours of a picture area that are neither the background nor one of the given ones.
int Intermediates(const QImage& picture, QRect area, std::initializer_list<QRgb> pure) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = picture.pixel(x, y);
            n += std::find(pure.begin(), pure.end(), c) == pure.end();
        }
    }
    return n;
}

TEST_F(PaintTest, SmoothedLinesAndSignsBlendWithTheBackground) {
    options.Type = MapType::Normal;
    options.PaintSpeedLimit = true;
    colors.Background = 0x000000;
    colors.Track = 0x0000FF;
    colors.Road = 0x00FF00;
    Add(SegmentKind::Track, 0, 0, 100, 37, 40);
    Add(SegmentKind::Road, 0, 90, 100, 60);
    const QRect all(0, 0, 200, 100);
    const std::initializer_list<QRgb> pure = {0xFF000000, ToRgb(colors.Track), ToRgb(colors.Road),
                                              0xFFFFFFFF};
    Paint({0, 0}, {100, 100}, 200, 100);
    EXPECT_EQ(Intermediates(picture, all, pure), 0);
    options.Antialiased = true;
    Paint({0, 0}, {100, 100}, 200, 100);
    EXPECT_GT(Intermediates(picture, QRect(0, 60, 200, 40), pure), 20);  // the road
    EXPECT_GT(Intermediates(picture, QRect(142, 29, 17, 17), pure), 5);  // the sign at an end
    // The smoothed sign has no trace of the marker's transparent colour.
    EXPECT_EQ(CountOf(kMarkerTransparent, all), 0);
    // Its edges are partly transparent, where the aliased sign has none.
    const auto partial = [](const QImage& sign) {
        int n = 0;
        for (int y = 0; y < sign.height(); ++y)
            for (int x = 0; x < sign.width(); ++x)
                n += qAlpha(sign.pixel(x, y)) > 0 && qAlpha(sign.pixel(x, y)) < 255;
        return n;
    };
    SignCache smooth(32, false, true);
    SignCache sharp(32);
    EXPECT_GT(partial(smooth.Speed(4)), 10);
    EXPECT_GT(partial(smooth.Gradient(12)), 10);
    EXPECT_EQ(partial(sharp.Speed(4)), 0);
}

// At a pixel ratio of 2 the picture has twice the pixels each way: the same map at twice the
// scale, its widths in the picture's pixels, and the overlays at their places on the screen,
// drawn twice as finely.
TEST_F(PaintTest, RatioTwoDrawsTheSameMapInFinerPixels) {
    options.PaintTransparent = false;
    options.Type = MapType::Normal;
    colors.Background = 0x000000;
    colors.River = 0xFF0000;
    colors.Road = 0x00FF00;
    colors.Track = 0x0000FF;
    Add(SegmentKind::River, 0, 100, 800, 100);
    Add(SegmentKind::Road, 0, 200, 800, 200);
    Add(SegmentKind::Track, 0, 300, 800, 300);
    EXPECT_FLOAT_EQ(Paint({0, 0}, {800, 400}, 400, 200, nullptr, MapPurpose::Screen), 0.5f);
    const QImage single = picture;
    ratio = 2;
    EXPECT_FLOAT_EQ(Paint({0, 0}, {800, 400}, 800, 400, nullptr, MapPurpose::Screen), 1.0f);
    // Widths follow the scale in the picture's own pixels: 15, 5 and round(1.435) = 1.
    EXPECT_EQ(ColumnCount(300, colors.River), 15);
    EXPECT_EQ(ColumnCount(300, colors.Road), 5);
    EXPECT_EQ(ColumnCount(300, colors.Track), 1);
    // Each line lies where the single picture has it, at twice the coordinates.
    for (const TColor c : {colors.River, colors.Road, colors.Track}) {
        for (int y = 0; y < single.height(); ++y) {
            if (single.pixel(150, y) != ToRgb(c)) continue;
            const bool near = picture.pixel(300, 2 * y) == ToRgb(c) ||
                              picture.pixel(300, 2 * y + 1) == ToRgb(c) ||
                              picture.pixel(300, 2 * y - 1) == ToRgb(c);
            EXPECT_TRUE(near) << "row " << y;
        }
    }
    // The scale bar: at (15, 170) and 100 x 16 in the single picture, at (30, 340) and
    // 200 x 32 here; its black bar two pixels thick.
    const QRgb pale = qRgb(0xFF, 0xFF, 0xE1);
    EXPECT_EQ(single.pixel(15, 170), pale);
    EXPECT_EQ(single.pixel(114, 185), pale);
    EXPECT_NE(single.pixel(115, 185), pale);
    EXPECT_EQ(picture.pixel(30, 340), pale);
    EXPECT_EQ(picture.pixel(229, 371), pale);
    EXPECT_NE(picture.pixel(230, 371), pale);
    EXPECT_NE(picture.pixel(29, 340), pale);
    const auto blackRows = [](const QImage& image, int x, int from, int to) {
        int n = 0;
        for (int y = from; y <= to; ++y)
            n += image.pixel(x, y) == 0xFF000000;
        return n;
    };
    EXPECT_EQ(blackRows(single, 15 + 30, 170 + 10, 170 + 15), 1);
    EXPECT_EQ(blackRows(picture, 30 + 60, 340 + 20, 340 + 31), 2);
}

// A picture drawn meanwhile elsewhere is finished before the overlays read it, and only for
// a drawing that lays them.
TEST_F(PaintTest, OverlayPicturesAreReadOnceFinished) {
    Add(SegmentKind::Track, 0, 0, 1000, 1000);
    options.MiniMapOnMap = options.MiniMapOnMapEnabled = true;
    options.PaintTransparent = false;
    QImage mini;
    int finished = 0;
    overlays = {.miniMap = &mini, .finish = [&] {
                    ++finished;
                    mini = QImage(20, 10, QImage::Format_RGB32);
                    mini.fill(Qt::red);
                }};
    Paint({0, 0}, {1000, 1000}, 200, 200, nullptr, MapPurpose::Screen);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(picture.pixel(185, 20), qRgb(255, 0, 0));
    EXPECT_NE(picture.pixel(175, 20), qRgb(255, 0, 0));
    Paint({0, 0}, {1000, 1000}, 200, 200, nullptr, MapPurpose::MiniMap);
    EXPECT_EQ(finished, 1);
}

TEST(Overlays, PicturesAtRatioTwoAreTheSameFiner) {
    const SceneryRanges ranges{.SpeedMin = 0, .SpeedMax = 160};
    ColorSlots colors;
    const QImage one = MakeLegendPicture(MapType::Velocity, ranges, colors);
    const QImage two = MakeLegendPicture(MapType::Velocity, ranges, colors, 2);
    EXPECT_EQ(two.size(), QSize(200, 180));
    EXPECT_EQ(two.devicePixelRatio(), 2);
    // The road sample, x 12..21 and y 75..84, covers 24..43 and 150..169.
    const QRgb road = ToRgb(colors.Road);
    EXPECT_EQ(one.pixel(12, 75), road);
    EXPECT_EQ(two.pixel(24, 150), road);
    EXPECT_EQ(two.pixel(43, 169), road);
    EXPECT_NE(two.pixel(44, 169), road);
    EXPECT_NE(two.pixel(23, 150), road);
    // Every pixel of the colour strip has its colour in the finer picture's 2 x 2 block.
    for (int x = 10; x <= 90; ++x) {
        const QRgb c = one.pixel(x, 17);
        bool found = false;
        for (int dx = 0; dx < 2; ++dx)
            for (int dy = 0; dy < 2; ++dy)
                found = found || two.pixel(2 * x + dx, 34 + dy) == c;
        EXPECT_TRUE(found) << "x " << x;
    }

    const QImage bar = MakeScaleBar(0.3, 2);
    EXPECT_EQ(bar.size(), MakeScaleBar(0.3).size() * 2);
}

TEST(Signs, NumbersOfTheSigns) {
    EXPECT_FALSE(SpeedSignNumber(160).has_value());
    EXPECT_EQ(SpeedSignNumber(40), 4);
    EXPECT_EQ(SpeedSignNumber(5), 0);
    EXPECT_EQ(SpeedSignNumber(255), 25);
    EXPECT_FALSE(GradientSignNumber(0.9f).has_value());
    EXPECT_EQ(GradientSignNumber(1.0f), 1);
    EXPECT_EQ(GradientSignNumber(12.5f), 12);
}

TEST(Signs, MarkerIsATriangleOnTheTransparentColour) {
    QImage marker(64, 64, QImage::Format_RGB32);
    MakeSpeedSign(4, marker);
    EXPECT_EQ(marker.pixel(1, 63), kMarkerTransparent);
    EXPECT_EQ(marker.pixel(32, 62), 0xFF000000);  // the black edge at the point
    EXPECT_EQ(marker.pixel(48, 10), 0xFFFFFFFF);
    MakeGradientSign(12, marker);
    EXPECT_EQ(marker.pixel(1, 1), kMarkerTransparent);
    EXPECT_EQ(marker.pixel(62, 1), kMarkerTransparent);
    EXPECT_EQ(marker.pixel(32, 62), 0xFF000000);  // the black base
    int white = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            white += marker.pixel(x, y) == 0xFFFFFFFF;
    }
    EXPECT_GT(white, 400);
}

TEST_F(PaintTest, SignsAppearFromNinePixelMarkersOn) {
    options.PaintSpeedLimit = true;
    options.PaintElevation = true;
    options.Type = MapType::Normal;
    Add(SegmentKind::Track, 100, 100, 300, 100, 40, "", 0, 10);
    // m = 0.5: markers of 8 pixels, no signs.
    Paint({0, 0}, {800, 400}, 400, 200);
    EXPECT_EQ(CountOf(0xFFFFFFFF, QRect(0, 0, 400, 200)), 0);
    // m = 0.5625: markers of 9 pixels; a speed sign above and a gradient sign below each end.
    Paint({0, 0}, {800, 400}, 450, 225);
    const QPoint end = QPoint(56, 56);
    EXPECT_GT(CountOf(0xFFFFFFFF, QRect(end.x() - 4, end.y() - 4, 9, 5)), 3);
    EXPECT_GT(CountOf(0xFFFFFFFF, QRect(end.x() - 4, end.y() + 5, 9, 9)), 3);
    EXPECT_GT(CountOf(0xFFFFFFFF, QRect(169 - 4, end.y() - 4, 9, 5)), 3);
}

TEST_F(PaintTest, DefaultSpeedAndFlatTrackCarryNoSigns) {
    options.PaintSpeedLimit = true;
    options.PaintElevation = true;
    options.Type = MapType::Normal;
    Add(SegmentKind::Track, 100, 100, 300, 100, 160, "", 0, 0.1);
    Paint({0, 0}, {800, 400}, 800, 400);
    EXPECT_EQ(CountOf(0xFFFFFFFF, QRect(0, 0, 800, 400)), 0);
}

TEST_F(PaintTest, DrawingTimeAndStatusTexts) {
    test::RecordingStatus status;
    hooks.status = &status;
    Add(SegmentKind::Track, 0, 0, 100, 100);
    Paint({0, 0}, {100, 100}, 50, 50, nullptr, MapPurpose::MiniMap);
    EXPECT_EQ(status.texts, std::vector<std::string>{"Rysowanie..."});
    Paint({0, 0}, {100, 100}, 50, 50, nullptr, MapPurpose::Screen);
    ASSERT_EQ(status.texts.size(), 3u);
    EXPECT_TRUE(status.texts[2].starts_with("Rysowanie: 0:0")) << status.texts[2];
    EXPECT_EQ(ElapsedText("Wczyt.+Optymaliz.+Rys.: ", std::chrono::milliseconds(65250)),
              "Wczyt.+Optymaliz.+Rys.: 1:05.250");
}

TEST_F(PaintTest, RunawayGuardAsksAndRetryKeepsThePreviousPicture) {
    test::ScriptedDialogs dialogs;
    hooks.dialogs = &dialogs;
    hooks.runawayLimit = 3;
    for (int i = 0; i < 5; ++i)
        Add(SegmentKind::Track, 0, i * 10.0, 100, i * 10.0 + 5);
    dialogs.answers = {MessageAnswer::Ignore};
    Paint({0, 0}, {100, 100}, 50, 50);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Błąd przetwarzania");
    EXPECT_TRUE(dialogs.messages[0].text.starts_with("Wykryto błąd przetwarzania danych."));
    EXPECT_NE(picture.pixel(25, 25), QColor(Qt::magenta).rgb());
    dialogs.answers = {MessageAnswer::Retry};
    EXPECT_GT(Paint({0, 0}, {100, 100}, 50, 50), 0);
    EXPECT_EQ(CountOf(QColor(Qt::magenta).rgb(), QRect(0, 0, 50, 50)), 2500);
}

// Only the caller may end the program: Abort stops the drawing as Retry does and says so.
TEST_F(PaintTest, RunawayAnswersComeBackAsTheOutcome) {
    test::ScriptedDialogs dialogs;
    test::RecordingStatus status;
    std::vector<bool> cursor;
    hooks.dialogs = &dialogs;
    hooks.status = &status;
    hooks.drawingCursor = [&](bool drawing) { cursor.push_back(drawing); };
    hooks.runawayLimit = 3;
    for (int i = 0; i < 5; ++i)
        Add(SegmentKind::Track, 0, i * 10.0, 100, i * 10.0 + 5);
    const QRgb magenta = QColor(Qt::magenta).rgb();
    for (const auto& [answer, expected] :
         {std::pair{MessageAnswer::Abort, MapOutcome::EndProgram},
          std::pair{MessageAnswer::Retry, MapOutcome::Abandoned}}) {
        status.texts.clear();
        cursor.clear();
        dialogs.answers = {answer};
        EXPECT_FLOAT_EQ(Paint({0, 0}, {100, 100}, 50, 50, nullptr, MapPurpose::Screen), 0.5f);
        EXPECT_EQ(outcome, expected);
        EXPECT_EQ(CountOf(magenta, QRect(0, 0, 50, 50)), 2500);
        EXPECT_EQ(status.texts, std::vector<std::string>{"Rysowanie..."});
        EXPECT_EQ(cursor, (std::vector<bool>{true, false}));
    }
    dialogs.answers = {MessageAnswer::Ignore};
    Paint({0, 0}, {100, 100}, 50, 50, nullptr, MapPurpose::Screen);
    EXPECT_EQ(outcome, MapOutcome::Drawn);
    EXPECT_TRUE(status.texts.back().starts_with("Rysowanie: ")) << status.texts.back();
    EXPECT_EQ(dialogs.messages.size(), 3u);
}

TEST_F(PaintTest, OverlayPicturesAreLaidWhereTheOptionsAskForThem) {
    options.PaintRiver = options.PaintRoad = options.PaintTrack = false;
    options.PaintTransparent = false;
    colors.Background = 0x000000;
    QImage legend(20, 10, QImage::Format_RGB32);
    legend.fill(qRgb(0, 0, 255));
    QImage mini(30, 20, QImage::Format_RGB32);
    mini.fill(qRgb(0, 255, 0));
    overlays = {.legend = &legend, .miniMap = &mini};
    // The legend at the top left, the mini-map at the top right, the scale bar lower left.
    const auto laid = [&] {
        return std::array{picture.pixel(20, 20) == qRgb(0, 0, 255),
                          picture.pixel(185, 20) == qRgb(0, 255, 0),
                          picture.pixel(55, 73) == qRgb(0xFF, 0xFF, 0xE1)};
    };
    const auto paint = [&](MapPurpose purpose = MapPurpose::Screen) {
        Paint({0, 0}, {200, 100}, 200, 100, nullptr, purpose);
        return laid();
    };
    EXPECT_EQ(paint(), (std::array{false, false, true}));
    // "Rysuj na mapie" counts only while it is enabled.
    options.LegendOnMap = options.MiniMapOnMap = true;
    EXPECT_EQ(paint(), (std::array{false, false, true}));
    options.LegendOnMapEnabled = true;
    EXPECT_EQ(paint(), (std::array{true, false, true}));
    options.MiniMapOnMapEnabled = true;
    EXPECT_EQ(paint(MapPurpose::Print), (std::array{true, true, true}));
    options.LegendOnMapEnabled = false;
    EXPECT_EQ(paint(MapPurpose::Export), (std::array{false, true, true}));
    options.PaintTransparent = true;
    paint();
    EXPECT_EQ(picture.pixel(185, 20), qRgb(0, 170, 0));
    // The mini-map's own drawing lays nothing over it, whatever the options.
    options.PaintTransparent = false;
    options.LegendOnMapEnabled = true;
    EXPECT_EQ(paint(MapPurpose::MiniMap), (std::array{false, false, false}));
    // Pictures not given are left out; the scale bar may be left out on its own.
    overlays = {.scaleBar = false};
    EXPECT_EQ(paint(), (std::array{false, false, false}));
}

}  // namespace
}  // namespace tarvik
