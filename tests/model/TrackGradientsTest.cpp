#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <stop_token>
#include <vector>

#include "SegmentGeometry.h"
#include "SegmentStore.h"
#include "TrackGradients.h"

namespace tarvik {
namespace {

// Tracks straight and curved, rising and falling, among roads that the table leaves out.
class TrackGradientsTest : public ::testing::Test {
  protected:
    TrackGradientsTest() {
        store.Ranges.Reset();
        std::mt19937_64 rng(7);
        std::uniform_real_distribution<double> unit(0, 1);
        for (int i = 0; i < 3000; ++i) {
            const bool curve = i % 3 == 0;
            const double x = unit(rng) * 5000, y = unit(rng) * 5000;
            const double length = 1 + unit(rng) * 400;
            store.NewSegment({.kind = i % 5 == 4 ? SegmentKind::Road : SegmentKind::Track,
                              .x1 = x,
                              .y1 = y,
                              .x2 = x + length * (unit(rng) - 0.5),
                              .y2 = y + length * (unit(rng) - 0.5),
                              .height1 = unit(rng) * 100,
                              .height2 = unit(rng) * 100,
                              .cx1 = curve ? length * (unit(rng) - 0.5) : 0,
                              .cy1 = curve ? length * (unit(rng) - 0.5) : 0,
                              .cx2 = curve ? length * (unit(rng) - 0.5) : 0,
                              .cy2 = curve ? length * (unit(rng) - 0.5) : 0});
        }
    }
    const SegmentList& Tracks() const { return store.List(SegmentKind::Track); }

    SegmentStore store;
};

TEST_F(TrackGradientsTest, HoldsTheGradientOfEveryTrackInListOrderAsEachDrawingMeasuresIt) {
    for (const int position : {1, 7, 10}) {
        const TWorkMode mode = TWorkMode::Make(true, position);
        const auto table = TrackGradients::Measure(Tracks(), mode);
        ASSERT_TRUE(table);
        ASSERT_EQ(table->Count(), Tracks().Count());
        EXPECT_TRUE(table->Fits(Tracks(), mode));
        std::uint32_t at = 0;
        int curves = 0;
        for (const TSegmentObj& s : Tracks()) {
            curves += s.IsCurve() ? 1 : 0;
            // Exactly: the picture coloured from the table must be the one measured anew.
            ASSERT_EQ(table->At(at), SegmentGradient(s, mode)) << "track " << at;
            ++at;
        }
        EXPECT_GT(curves, 500);
    }
}

TEST_F(TrackGradientsTest, FitsOnlyTheSamplePointsAndTheTracksItWasMeasuredFor) {
    const TWorkMode author = TWorkMode::Make(true, 7);
    const auto table = TrackGradients::Measure(Tracks(), author);
    ASSERT_TRUE(table);
    EXPECT_FALSE(table->Fits(Tracks(), TWorkMode::Make(true, 6)));
    EXPECT_FALSE(table->Fits(Tracks(), TWorkMode::Make(false, 2)));
    // The user mode's finest precision samples as many points as the author mode's second:
    // the same measure.
    const auto hundred = TrackGradients::Measure(Tracks(), TWorkMode::Make(true, 2));
    ASSERT_TRUE(hundred);
    EXPECT_TRUE(hundred->Fits(Tracks(), TWorkMode::Make(false, 10)));
    // A track more.
    store.NewSegment({.kind = SegmentKind::Track, .x2 = 10, .height2 = 1});
    EXPECT_FALSE(table->Fits(Tracks(), author));
    EXPECT_TRUE(TrackGradients::Measure(Tracks(), author)->Fits(Tracks(), author));
}

TEST_F(TrackGradientsTest, AStoppedMeasuringGivesNoTable) {
    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(TrackGradients::Measure(Tracks(), TWorkMode::Make(true, 7), stop.get_token()));
    const SegmentStore empty;
    const auto none = TrackGradients::Measure(empty.List(SegmentKind::Track), TWorkMode{});
    ASSERT_TRUE(none);
    EXPECT_EQ(none->Count(), 0u);
}

}  // namespace
}  // namespace tarvik
