#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "SegmentPipe.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

// Pieces that often continue one another and join, some named, some with an event, some
// traction that leaves the bounds alone.
std::vector<std::pair<SegmentInput, bool>> Pieces(std::size_t count,
                                                  std::vector<std::string>& names) {
    std::mt19937 random(11);
    const auto pick = [&random](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(random);
    };
    names.clear();
    names.reserve(count);
    std::vector<std::pair<SegmentInput, bool>> pieces;
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back(pick(3) == 0 ? "tor" + std::to_string(pick(50)) : std::string());
        const bool traction = pick(5) == 0;
        TEventList events;
        if (pick(7) == 0) events.push_back({"event0", "ev" + std::to_string(i)});
        // Short pieces along a few rows: neighbours continue one another.
        const double x = 10.0 * pick(60);
        const double y = 10.0 * pick(6);
        SegmentInput input{.kind = traction ? SegmentKind::Traction : SegmentKind::Track,
                           .name = traction ? std::string_view() : names.back(),
                           .x1 = x,
                           .y1 = y,
                           .x2 = x + 10.0,
                           .y2 = y,
                           .height1 = 1.0 * pick(9),
                           .velocity = static_cast<std::uint8_t>(pick(200)),
                           .events = std::move(events)};
        pieces.emplace_back(std::move(input), !traction);
    }
    return pieces;
}

void StoreAtOnce(SegmentStore& store, std::vector<std::pair<SegmentInput, bool>> pieces) {
    bool first = true;
    for (auto& [input, bounds] : pieces) {
        if (bounds && first) {
            store.StartBounds(input.x1, input.y1, input.x2, input.y2);
            first = false;
        } else if (bounds) {
            store.ExtendBounds(input.x1, input.y1);
            store.ExtendBounds(input.x2, input.y2);
        }
        store.JoinSegment(store.NewSegment(std::move(input)));
    }
}

void ExpectSameStores(const SegmentStore& a, const SegmentStore& b) {
    EXPECT_EQ(a.Bounds.SceneryMin.x, b.Bounds.SceneryMin.x);
    EXPECT_EQ(a.Bounds.SceneryMax.y, b.Bounds.SceneryMax.y);
    for (const SegmentKind kind : {SegmentKind::Track, SegmentKind::Traction}) {
        const auto left = test::Segments(a.List(kind));
        const auto right = test::Segments(b.List(kind));
        ASSERT_EQ(left.size(), right.size());
        for (std::size_t i = 0; i < left.size(); ++i) {
            EXPECT_EQ(left[i]->X1, right[i]->X1);
            EXPECT_EQ(left[i]->Y2, right[i]->Y2);
            EXPECT_EQ(left[i]->Height1, right[i]->Height1);
            EXPECT_EQ(left[i]->Name(), right[i]->Name());
            EXPECT_EQ(left[i]->Events().size(), right[i]->Events().size());
        }
    }
}

// The same pieces stored at once into direct, and ready to go through a pipe into piped.
class SegmentPipeTest : public ::testing::Test {
  protected:
    std::vector<std::pair<SegmentInput, bool>> Prepare(std::size_t count) {
        auto pieces = Pieces(count, names);
        direct.Ranges.Reset();
        piped.Ranges.Reset();
        StoreAtOnce(direct, pieces);
        return pieces;
    }

    std::vector<std::string> names;
    SegmentStore direct;
    SegmentStore piped;
};

TEST_F(SegmentPipeTest, StoresAndJoinsInTheOrderGiven) {
    // More pieces than several batches hold; names handed over as views of the caller's
    // strings, which change before the store sees them.
    const auto pieces = Prepare(9000);
    ASSERT_LT(test::Segments(direct.List(SegmentKind::Track)).size(), 7000u) << "joins expected";
    {
        SegmentPipe pipe(piped);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            pipe.Add(pieces[i].first, pieces[i].second);
            names[i] = "changed";
            if (i == 4999) {
                // What was handed over is in the store once flushed.
                pipe.Flush();
                std::size_t stored = 0;
                for (const SegmentKind kind : {SegmentKind::Track, SegmentKind::Traction})
                    stored += test::Segments(piped.List(kind)).size();
                EXPECT_GT(stored, 0u);
            }
        }
        pipe.Flush();
    }
    ExpectSameStores(direct, piped);
}

TEST_F(SegmentPipeTest, WhatIsHandedOverIsStoredAlsoWithoutAFlush) {
    // A reading that ends with an error leaves the pipe without flushing it.
    const auto pieces = Prepare(3000);
    {
        SegmentPipe pipe(piped);
        for (const auto& [input, bounds] : pieces)
            pipe.Add(input, bounds);
    }
    ExpectSameStores(direct, piped);
}

}  // namespace
}  // namespace tarvik
