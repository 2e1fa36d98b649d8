#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <stop_token>

#include "SegmentGeometry.h"
#include "SegmentStore.h"
#include "TrackGradients.h"

namespace tarvik {
namespace {

TEST(TrackGradientsTest, HoldsEachTracksGradientInListOrderForItsSamplePointsAlone) {
    // Tracks straight and curved, rising and falling, among roads that the table leaves out.
    SegmentStore store;
    store.Ranges.Reset();
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> unit(-0.5, 0.5);
    for (int i = 0; i < 3000; ++i) {
        const double k = i % 3 == 0 ? 400 : 0;
        store.NewSegment({.kind = i % 5 == 4 ? SegmentKind::Road : SegmentKind::Track,
                          .x2 = 400 * unit(rng),
                          .y2 = 400 * unit(rng),
                          .height1 = 100 * unit(rng),
                          .height2 = 100 * unit(rng),
                          .cx1 = k * unit(rng),
                          .cy1 = k * unit(rng),
                          .cx2 = k * unit(rng),
                          .cy2 = k * unit(rng)});
    }
    const SegmentList& tracks = store.List(SegmentKind::Track);
    for (const int position : {1, 7, 10}) {
        const TWorkMode mode = TWorkMode::Make(true, position);
        const auto table = TrackGradients::Measure(tracks, mode);
        ASSERT_TRUE(table);
        ASSERT_EQ(table->Count(), tracks.Count());
        std::uint32_t at = 0;
        // Exactly: the picture coloured from the table must be the one measured anew.
        for (const TSegmentObj& s : tracks)
            ASSERT_EQ(table->At(at++), SegmentGradient(s, mode)) << "track " << at;
        EXPECT_TRUE(table->Fits(tracks, mode));
        EXPECT_FALSE(table->Fits(tracks, TWorkMode::Make(true, position == 1 ? 2 : 1)));
    }
    // The user mode's finest precision samples as many points as the author mode's second.
    const TWorkMode hundred = TWorkMode::Make(true, 2);
    const auto table = TrackGradients::Measure(tracks, hundred);
    EXPECT_TRUE(table->Fits(tracks, TWorkMode::Make(false, 10)));
    store.NewSegment({.kind = SegmentKind::Track, .x2 = 10, .height2 = 1});
    EXPECT_FALSE(table->Fits(tracks, hundred));

    std::stop_source stop;
    stop.request_stop();
    EXPECT_FALSE(TrackGradients::Measure(tracks, hundred, stop.get_token()));
}

}  // namespace
}  // namespace tarvik
