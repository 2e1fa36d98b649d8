// The quick drawing (bands on several threads, pieces between neighbouring pixels set directly,
// pieces beside a band left out) against the plain one, where the painter draws every segment
// on one thread: the pictures must be the same pixel for pixel.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <atomic>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <utility>

#include "LegendPicture.h"
#include "PaintMap.h"
#include "PixelStamps.h"
#include "QtColor.h"
#include "Scenery.h"
#include "SceneryLoader.h"
#include "SegmentGrid.h"
#include "TrackGradients.h"

namespace tarvik {
namespace {

// Runs of pieces over a square of side metres, of every kind, each piece continuing the one
// before it: straight ones and curves, from far below a pixel to many pixels long at the views
// drawn, with speeds, heights, names (a few shared) and wires.
void Generate(TScenery& scenery, unsigned seed, int pieces, double side) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    SegmentStore& store = scenery.Segments;
    store.Ranges.Reset();
    bool first = true;
    for (int made = 0; made < pieces;) {
        double x = unit(rng) * side;
        double y = unit(rng) * side;
        double heading = unit(rng) * 2 * std::numbers::pi;
        double h = unit(rng) * 300;
        const auto kind = static_cast<SegmentKind>(rng() % 4);
        // Lengths from a tenth of a metre to a tenth of the square, per run.
        const double scale = std::pow(10.0, -1 + unit(rng) * (std::log10(side / 10) + 1));
        const auto velocity =
            static_cast<std::uint8_t>(rng() % 16 == 0 ? 0 : 20 + 10 * (rng() % 15));
        for (int piece = 0; piece < 60 && made < pieces; ++piece, ++made) {
            const bool curve = rng() % 4 == 0;
            const double length = scale * (0.2 + unit(rng));
            const double turn = curve ? (unit(rng) - 0.5) * 1.2 : (unit(rng) - 0.5) * 0.1;
            const double x2 = x + length * std::cos(heading + turn);
            const double y2 = y + length * std::sin(heading + turn);
            const double h2 = h + (unit(rng) - 0.5) * length * 0.06;
            const double k = length / 3;
            const std::string name =
                rng() % 3 == 0 ? "tor" + std::to_string(rng() % 40) : std::string();
            store.NewSegment({.kind = kind,
                              .name = name,
                              .x1 = x,
                              .y1 = y,
                              .x2 = x2,
                              .y2 = y2,
                              .height1 = h,
                              .height2 = h2,
                              .cx1 = curve ? k * std::cos(heading) : 0,
                              .cy1 = curve ? k * std::sin(heading) : 0,
                              .cx2 = curve ? -k * std::cos(heading + 2 * turn) : 0,
                              .cy2 = curve ? -k * std::sin(heading + 2 * turn) : 0,
                              .velocity = velocity});
            if (first) {
                store.StartBounds(x, y, x2, y2);
                first = false;
            } else {
                store.ExtendBounds(x, y);
                store.ExtendBounds(x2, y2);
            }
            x = x2;
            y = y2;
            h = h2;
            heading += curve ? 2 * turn : turn;
        }
    }
    FinishRanges(store.Ranges);
    WidenBounds(store.Bounds);
}

class FastDrawingTest : public ::testing::Test {
  protected:
    // The quick and the plain picture of min..max at w x h; the views are fitted alike. The
    // quick one alone is given the gradients.
    std::pair<QImage, QImage> Draw(TPointF min, TPointF max, int w, int h,
                                   const TSegmentObj* selected, MapPurpose purpose,
                                   const SceneryIndex* index) {
        const auto draw = [&](bool plain) {
            QImage picture(w, h, QImage::Format_RGB32);
            picture.fill(Qt::magenta);
            QPainter p(&picture);
            TPointF lo = min, hi = max;
            const std::optional<MapView> view =
                FitMap(lo, hi, static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h));
            if (view) {
                PaintMap({.target = p,
                          .view = *view,
                          .sources = {*scenery, options, colors, mode, index,
                                      plain ? nullptr : gradients.get()},
                          .selected = selected,
                          .purpose = purpose,
                          .overlays = overlays,
                          .plain = plain,
                          .beside = plain || !besideWork ? std::function<void()>()
                                                         : [this] { ++besideRuns; }});
            }
            p.end();
            return picture;
        };
        return {draw(false), draw(true)};
    }

    std::unique_ptr<TScenery> scenery = std::make_unique<TScenery>();
    MapOptions options{.PaintRiver = true,
                       .PaintRoad = true,
                       .PaintTrack = true,
                       .PaintTraction = true,
                       .Type = MapType::Velocity};
    ColorSlots colors;
    TWorkMode mode = TWorkMode::Make(true, 2);
    OverlayPictures overlays;
    std::shared_ptr<const TrackGradients> gradients;
    // Work handed to the quick drawing, which shares its threads out in smaller bands then.
    bool besideWork = false;
    std::atomic<int> besideRuns{0};
};

int Differences(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    }
    return n;
}

TEST_F(FastDrawingTest, RandomViewsOfGeneratedSceneriesAreTheSame) {
    const QImage legend = MakeLegendPicture(MapType::Velocity, scenery->Ranges(), colors, 1);
    QImage mini(60, 40, QImage::Format_RGB32);
    mini.fill(qRgb(10, 200, 30));
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> unit(0, 1);
    int checked = 0;
    for (const unsigned seed : {1u, 2u, 3u}) {
        scenery = std::make_unique<TScenery>();
        const double side = seed == 3 ? 200000 : 5000;
        Generate(*scenery, seed, 6000, side);
        const SceneryIndex index(*scenery);
        const TSegmentObj* named = nullptr;
        for (const TSegmentObj& s : scenery->Tracks()) {
            if (s.HasName()) named = &s;
        }
        for (int view = 0; view < 24; ++view) {
            options.Type = static_cast<MapType>(view % 4);
            options.PaintSpeedLimit = view % 3 != 0;
            options.PaintElevation = view % 2 == 0;
            options.PaintTrackNames = view % 5 == 0;
            options.Antialiased = view % 7 == 3;
            options.PaintTransparent = view % 2 == 1;
            options.LegendOnMap = options.LegendOnMapEnabled = view % 3 == 1;
            options.MiniMapOnMap = options.MiniMapOnMapEnabled = view % 4 == 1;
            options.PaintRiver = view % 6 != 5;
            overlays = {.legend = &legend, .miniMap = &mini};
            // From the whole scenery and more down to a few metres, anywhere.
            const double size = side * std::pow(10.0, -unit(rng) * std::log10(side / 5)) * 1.3;
            const double cx = unit(rng) * side, cy = unit(rng) * side;
            const TPointF min{static_cast<float>(cx - size / 2), static_cast<float>(cy - size / 3)};
            const TPointF max{static_cast<float>(cx + size / 2), static_cast<float>(cy + size / 3)};
            const int w = 160 + static_cast<int>(unit(rng) * 400);
            const int h = 100 + static_cast<int>(unit(rng) * 300);
            const MapPurpose purpose = view % 8 == 7 ? MapPurpose::MiniMap : MapPurpose::Screen;
            besideWork = view % 3 == 0;
            besideRuns = 0;
            const auto [fast, plain] = Draw(min, max, w, h, view % 3 == 2 ? named : nullptr,
                                            purpose, view % 2 == 0 ? &index : nullptr);
            EXPECT_EQ(Differences(fast, plain), 0)
                << "seed " << seed << " view " << view << ": " << min.x << "," << min.y << " "
                << max.x << "," << max.y << " at " << w << "x" << h;
            // Done once on one of the threads, or left to the caller by a drawing on one.
            EXPECT_LE(besideRuns, 1);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 72);
}

TEST_F(FastDrawingTest, WholeViewsOfShortPiecesAreTheSame) {
    // Pieces of a few pixels and less, where most of them are set directly; every map type.
    Generate(*scenery, 11, 20000, 20000);
    const SceneryIndex index(*scenery);
    const SceneryBounds& b = scenery->Bounds();
    for (int type = 0; type < 4; ++type) {
        options.Type = static_cast<MapType>(type);
        for (const int h : {120, 480}) {
            besideWork = h == 480 && type % 2 == 0;
            besideRuns = 0;
            const auto [fast, plain] =
                Draw(b.SceneryMin, b.SceneryMax, 640, h, nullptr, MapPurpose::Screen, &index);
            EXPECT_EQ(Differences(fast, plain), 0) << "type " << type << ", height " << h;
            // A drawing on several threads does the work it is handed, once.
            if (besideWork && std::thread::hardware_concurrency() > 1) {
                EXPECT_EQ(besideRuns, 1);
            }
        }
    }
}

TEST_F(FastDrawingTest, GradientsFromTheTableColourAsThoseMeasuredByTheDrawing) {
    // The author mode's curves, of many sample points.
    mode = TWorkMode::Make(true, 7);
    Generate(*scenery, 12, 8000, 5000);
    const SceneryIndex index(*scenery);
    const auto measure = [&](const SegmentList& tracks, const TWorkMode& m) {
        return std::make_shared<const TrackGradients>(*TrackGradients::Measure(tracks, m));
    };
    // The pixels the quick drawing got wrong: of the whole scenery by gradient, and of a view
    // around a track close enough for the gradient signs.
    const auto wrong = [&](const SceneryIndex* grids) {
        const SceneryBounds& b = scenery->Bounds();
        options.Type = MapType::Elevation;
        options.PaintElevation = false;
        const auto whole =
            Draw(b.SceneryMin, b.SceneryMax, 640, 400, nullptr, MapPurpose::Screen, grids);
        options.Type = MapType::Normal;
        options.PaintElevation = true;
        const TSegmentObj& track = *scenery->Tracks().Head();
        const TPointF min{static_cast<float>(track.X1 - 75), static_cast<float>(track.Y1 - 50)};
        const auto signs =
            Draw(min, {min.x + 150, min.y + 100}, 600, 400, nullptr, MapPurpose::Screen, grids);
        return std::pair(Differences(whole.first, whole.second),
                         Differences(signs.first, signs.second));
    };
    const std::pair<int, int> none{0, 0};
    // Before the table is there, and with it, through the grids and without them.
    for (const SceneryIndex* grids : {&index, static_cast<const SceneryIndex*>(nullptr)}) {
        gradients = nullptr;
        EXPECT_EQ(wrong(grids), none) << "no table";
        gradients = measure(scenery->Tracks(), mode);
        EXPECT_EQ(wrong(grids), none) << "table";
        // One of other sample points is left aside.
        gradients = measure(scenery->Tracks(), TWorkMode::Make(true, 1));
        EXPECT_EQ(wrong(grids), none) << "table of other samples";
    }

    // The table is what colours the tracks and gives their signs: one of as many level tracks
    // colours them all alike and gives no sign.
    SegmentStore level;
    for (std::size_t i = 0; i < scenery->Tracks().Count(); ++i)
        level.NewSegment({.kind = SegmentKind::Track, .x2 = 1.0 + static_cast<double>(i)});
    gradients = measure(level.List(SegmentKind::Track), mode);
    const auto [whole, signs] = wrong(&index);
    EXPECT_GT(whole, 100);
    EXPECT_GT(signs, 100);
}

TEST_F(FastDrawingTest, PiecesBetweenNeighbouringPixelsSetThoseTwo) {
    // Lines and curves with their control points on their ends, in all eight directions and at
    // the picture's edges, against the painter's own one-pixel pen.
    options = {.PaintTrack = true, .Type = MapType::Normal};
    scenery->Segments.Ranges.Reset();
    const double step = 1.0;
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int combo = 0; combo < 5; ++combo) {
                for (const double x : {0.0, 7.0, 63.0}) {
                    for (const double y : {0.0, 9.0, 47.0}) {
                        const double x2 = x + dx * step, y2 = y + dy * step;
                        const bool curve = combo < 4;
                        scenery->Segments.NewSegment(
                            {.kind = SegmentKind::Track,
                             .x1 = x,
                             .y1 = y,
                             .x2 = x2,
                             .y2 = y2,
                             .cx1 = curve && (combo & 1) ? x2 - x : 0,
                             .cy1 = curve && (combo & 1) ? y2 - y : 0,
                             .cx2 = curve && (combo & 2) ? 0 : (curve ? x - x2 : 0),
                             .cy2 = curve && (combo & 2) ? 0 : (curve ? y - y2 : 0)});
                    }
                }
            }
        }
    }
    // One metre a pixel: the view's corner on the pixel's corner.
    const auto [fast, plain] =
        Draw({-0.5f, -0.5f}, {63.5f, 47.5f}, 64, 48, nullptr, MapPurpose::MiniMap, nullptr);
    EXPECT_EQ(Differences(fast, plain), 0);
    int drawn = 0;
    for (int y = 0; y < fast.height(); ++y) {
        for (int x = 0; x < fast.width(); ++x)
            drawn += fast.pixel(x, y) == ToRgb(colors.Track);
    }
    EXPECT_GT(drawn, 30);
}

TEST_F(FastDrawingTest, ShortPiecesAreSetAsThePainterDrawsThem) {
    // Straight pieces and curves of up to a few pixels, every way round, scattered over the
    // picture and its edges, about a pixel a metre: most of them are set from stamps.
    options = {.PaintTrack = true, .Type = MapType::Normal};
    scenery->Segments.Ranges.Reset();
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> unit(0, 1);
    const auto offset = [&](double reach) { return (unit(rng) * 2 - 1) * (reach + 0.5); };
    for (int y = -4; y < 484; y += 16) {
        for (int x = -4; x < 724; x += 16) {
            const double x1 = x + unit(rng), y1 = y + unit(rng);
            const bool curve = rng() % 2 == 0;
            const double reach = curve ? CurveStamps::kEndReach : LineStamps::kReach;
            const double x2 = x1 + offset(reach), y2 = y1 + offset(reach);
            const double cr = CurveStamps::kControlReach;
            scenery->Segments.NewSegment({.kind = SegmentKind::Track,
                                          .x1 = x1,
                                          .y1 = y1,
                                          .x2 = x2,
                                          .y2 = y2,
                                          .cx1 = curve ? offset(cr) : 0,
                                          .cy1 = curve ? offset(cr) : 0,
                                          .cx2 = curve ? offset(cr) : 0,
                                          .cy2 = curve ? offset(cr) : 0});
        }
    }
    for (const float scale : {1.0f, 0.8f}) {
        const auto [fast, plain] = Draw({0, 0}, {720 / scale, 480 / scale}, 720, 480, nullptr,
                                        MapPurpose::Screen, nullptr);
        EXPECT_EQ(Differences(fast, plain), 0) << "scale " << scale;
    }
    // The painter's pen fits a stamp for every short line.
    for (int dy = -LineStamps::kReach; dy <= LineStamps::kReach; ++dy) {
        for (int dx = -LineStamps::kReach; dx <= LineStamps::kReach; ++dx)
            EXPECT_NE(LineStamps::Learned().Find({dx, dy}), nullptr) << dx << "," << dy;
    }
}

}  // namespace
}  // namespace tarvik
