#include <gtest/gtest.h>

#include <cmath>

#include "Scenery.h"
#include "SegmentSearch.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

TEST(SegmentSearchTest, NearestFirstTracksFirstOnATieAndOnlyTheChosenKinds) {
    TScenery scenery;
    SegmentStore& store = scenery.Segments;
    store.NewSegment({.kind = SegmentKind::Road, .x1 = 0, .y1 = 0, .x2 = 10, .y2 = 0});
    store.NewSegment({.kind = SegmentKind::Track, .x1 = 0, .y1 = 3, .x2 = 10, .y2 = 3});
    store.NewSegment({.kind = SegmentKind::Track, .x1 = 0, .y1 = 0, .x2 = 10, .y2 = 0});
    store.NewSegment({.kind = SegmentKind::Traction, .x1 = 20, .y1 = 0, .x2 = 30, .y2 = 0});
    const TWorkMode mode = test::UserMode();

    const auto hits = SegmentsNear(scenery, {5, 1}, 2.5, kAllKinds, mode);
    ASSERT_EQ(hits.size(), 3u);
    EXPECT_EQ(hits[0].kind, SegmentKind::Track);
    EXPECT_EQ(hits[0].segment->Y1, 0);
    EXPECT_EQ(hits[1].kind, SegmentKind::Road);
    EXPECT_DOUBLE_EQ(hits[1].distance, 1);
    EXPECT_DOUBLE_EQ(hits[2].distance, 2);

    // Beyond an end the distance is to that end; a radius is inclusive.
    const auto wires = SegmentsNear(scenery, {33, 4}, 5, {false, false, false, true}, mode);
    ASSERT_EQ(wires.size(), 1u);
    EXPECT_DOUBLE_EQ(wires[0].distance, 5);
    EXPECT_TRUE(SegmentsNear(scenery, {5, 1}, 2.5, {false, false, true, false}, mode).empty());
}

TEST(SegmentSearchTest, CurvesAreMeasuredAsDrawnThroughTheirSamples) {
    TScenery scenery;
    // A bend from (0, 0) to (10, 10) with control vectors along the axes.
    const TSegmentObj* curve = scenery.Segments.NewSegment(
        {.x1 = 0, .y1 = 0, .x2 = 10, .y2 = 10, .cx1 = 5.5, .cy1 = 0, .cx2 = 0, .cy2 = -5.5});
    TWorkMode mode = test::UserMode();
    const unsigned n = mode.InterpolateSteps;
    ASSERT_GE(n, 3u);
    const TPointD a = SegmentPoint(*curve, 0);
    const TPointD b = SegmentPoint(*curve, 1.0 / (n - 1));
    const TPointD chordMiddle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    EXPECT_NEAR(SegmentDistance(*curve, chordMiddle, mode), 0, 1e-9);
    // The true curve bulges away from that chord.
    const TPointD onCurve = SegmentPoint(*curve, 0.5 / (n - 1));
    EXPECT_GT(SegmentDistance(*curve, onCurve, mode), 1e-3);
    EXPECT_EQ(SegmentsNear(scenery, chordMiddle, 0.001, kAllKinds, mode).size(), 1u);
}

TEST(SegmentSearchTest, SceneryAxesAreTheMapsTurnedRound) {
    const TPointD map = MapPointOf(-4.5, 260);
    EXPECT_EQ(map.x, 4.5);
    EXPECT_EQ(map.y, -260);
    EXPECT_EQ(SceneryPointOf(map).x, -4.5);
    EXPECT_EQ(SceneryPointOf(map).y, 260);
}

}  // namespace
}  // namespace tarvik
