#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "SegmentGeometry.h"
#include "SegmentStore.h"

namespace tarvik {
namespace {

class GeometryTest : public ::testing::Test {
  protected:
    GeometryTest() { store.Ranges.Reset(); }
    const TSegmentObj& Straight(double x1, double y1, double x2, double y2, double h1 = 0,
                                double h2 = 0) {
        return *store.NewSegment({.kind = SegmentKind::Road,
                                  .x1 = x1,
                                  .y1 = y1,
                                  .x2 = x2,
                                  .y2 = y2,
                                  .height1 = h1,
                                  .height2 = h2,
                                  .velocity = 160});
    }
    // A quarter circle of radius r from (r, 0) to (0, r), as its cubic approximation.
    const TSegmentObj& QuarterCircle(double r) {
        const double k = 0.5522847498 * r;
        return *store.NewSegment(
            {.kind = SegmentKind::Road, .x1 = r, .y2 = r, .cy1 = k, .cx2 = k, .velocity = 160});
    }
    SegmentStore store;
};

TEST_F(GeometryTest, EndsOfTheParameterAreTheEndPoints) {
    for (const TSegmentObj* s : {&Straight(1, 2, 30, -4), &QuarterCircle(50)}) {
        const TPointD start = SegmentPoint(*s, 0);
        const TPointD end = SegmentPoint(*s, 1);
        EXPECT_EQ(start.x, s->X1);
        EXPECT_EQ(start.y, s->Y1);
        EXPECT_EQ(end.x, s->X2);
        EXPECT_EQ(end.y, s->Y2);
    }
}

TEST_F(GeometryTest, CurveLengthGrowsTowardsTheArcWhileStraightLengthStays) {
    const TSegmentObj& curve = QuarterCircle(100);
    const TSegmentObj& line = Straight(0, 0, 30, 40);
    const double chord = std::sqrt(2.0) * 100;
    EXPECT_DOUBLE_EQ(SegmentLength(curve, true, TWorkMode::Make(false, 1)), chord);
    double previous = 0;
    for (int position = 1; position <= 10; ++position) {
        const double length = SegmentLength(curve, true, TWorkMode::Make(true, position));
        EXPECT_GT(length, previous);
        previous = length;
        EXPECT_EQ(SegmentLength(line, true, TWorkMode::Make(position % 2 == 0, position)), 50);
    }
    EXPECT_NEAR(previous, std::numbers::pi * 50, 0.05);
}

TEST_F(GeometryTest, LengthWithHeightAndGradient) {
    const TSegmentObj& up = Straight(0, 0, 1000, 0, 10, 15);
    const TSegmentObj& down = Straight(0, 0, 0, 1000, 15, 10);
    const TWorkMode mode = TWorkMode::Make(false, 2);
    EXPECT_DOUBLE_EQ(SegmentLength(up, false, mode), std::sqrt(1000.0 * 1000 + 25));
    EXPECT_FLOAT_EQ(SegmentGradient(up, mode), 5.0f);
    EXPECT_FLOAT_EQ(SegmentGradient(down, mode), 5.0f);
}

TEST_F(GeometryTest, CullingByEndsSidesAndSamples) {
    const TPointF lo{0, 0};
    const TPointF hi{100, 100};
    const TWorkMode two = TWorkMode::Make(false, 1);
    const TWorkMode three = TWorkMode::Make(false, 2);
    // An end on the border is inside for the end test.
    EXPECT_TRUE(SegmentVisible(Straight(100, 50, 200, 50), lo, hi, two));
    // Both ends beyond one edge: invisible even for a curve bulging into the view.
    const TSegmentObj& bulge = *store.NewSegment({.kind = SegmentKind::Road,
                                                  .x1 = -10,
                                                  .x2 = -10,
                                                  .y2 = 100,
                                                  .cx1 = 500,
                                                  .cy1 = 50,
                                                  .velocity = 160});
    EXPECT_FALSE(SegmentVisible(bulge, lo, hi, TWorkMode::Make(true, 10)));
    // Crossing the whole view: found only through its middle sample, which needs N = 3.
    const TSegmentObj& across = Straight(-50, 50, 150, 50);
    EXPECT_FALSE(SegmentVisible(across, lo, hi, two));
    EXPECT_TRUE(SegmentVisible(across, lo, hi, three));
    // A middle sample exactly on the border is not strictly inside.
    EXPECT_FALSE(SegmentVisible(Straight(-50, 100, 150, 100), lo, hi, three));
    // Crossing a corner of the view is missed with few samples.
    EXPECT_FALSE(SegmentVisible(Straight(-10, 30, 50, -30), lo, hi, three));
    EXPECT_TRUE(SegmentVisible(Straight(-10, 30, 50, -30), lo, hi, TWorkMode::Make(false, 5)));
}

TEST_F(GeometryTest, NearestPlaceIsOnTheLineAsDrawnWithTheHeightByLength) {
    const TWorkMode mode = TWorkMode::Make(false, 2);
    const TSegmentObj& line = Straight(0, 0, 100, 0, 10, 20);
    const SegmentPlace side = NearestPlace(line, {25, 7}, mode);
    EXPECT_DOUBLE_EQ(side.point.x, 25);
    EXPECT_DOUBLE_EQ(side.point.y, 0);
    EXPECT_DOUBLE_EQ(side.along, 0.25);
    EXPECT_DOUBLE_EQ(HeightAlong(line, side.along), 12.5);
    // Beyond an end the end itself.
    const SegmentPlace beyond = NearestPlace(line, {130, -4}, mode);
    EXPECT_DOUBLE_EQ(beyond.point.x, 100);
    EXPECT_DOUBLE_EQ(beyond.along, 1);
    EXPECT_DOUBLE_EQ(HeightAlong(line, beyond.along), 20);

    // On a curve the place is found on the pieces between the samples, and the share is of the
    // drawn length: the middle sample of a symmetric bend lies half way along.
    const TSegmentObj& bend = QuarterCircle(100);
    const TWorkMode fine = TWorkMode::Make(false, 4);  // 7 samples, the middle one at t = 0.5
    const TPointD middle = SegmentPoint(bend, 0.5);
    const SegmentPlace onBend = NearestPlace(bend, {middle.x * 1.2, middle.y * 1.2}, fine);
    EXPECT_NEAR(onBend.point.x, middle.x, 1e-9);
    EXPECT_NEAR(onBend.point.y, middle.y, 1e-9);
    EXPECT_NEAR(onBend.along, 0.5, 1e-9);
    EXPECT_NEAR(SegmentDistance(bend, {middle.x * 1.2, middle.y * 1.2}, fine),
                std::hypot(middle.x * 0.2, middle.y * 0.2), 1e-9);
    const SegmentPlace atStart = NearestPlace(bend, {150, -20}, fine);
    EXPECT_DOUBLE_EQ(atStart.point.x, 100);
    EXPECT_DOUBLE_EQ(atStart.along, 0);
}

}  // namespace
}  // namespace tarvik
