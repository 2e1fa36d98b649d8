#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "EndPointIndex.h"
#include "SegmentPool.h"

namespace tarvik {
namespace {

class EndPointIndexTest : public ::testing::Test {
  protected:
    // Returns the slot: the pool hands them out in order while none is freed.
    std::uint32_t Piece(double x1, double y1, double x2, double y2, std::uint8_t velocity = 160) {
        TSegmentObj& s = pool.Allocate();
        s.X1 = x1, s.Y1 = y1, s.X2 = x2, s.Y2 = y2;
        s.Velocity = velocity;
        return nextSlot_++;
    }
    // Enters both ends, as the store does.
    std::uint32_t Enter(double x1, double y1, double x2, double y2, std::uint8_t velocity = 160) {
        const std::uint32_t slot = Piece(x1, y1, x2, y2, velocity);
        index.Insert(slot, SegmentEnd::Start);
        index.Insert(slot, SegmentEnd::End);
        return slot;
    }
    std::vector<std::uint32_t> Found(const EndKey& key) const {
        std::vector<std::uint32_t> slots;
        index.ForEachNewestFirst(key, [&slots](std::uint32_t slot, SegmentEnd) {
            slots.push_back(slot);
            return false;
        });
        return slots;
    }
    EndKey StartKey(std::uint32_t slot) const {
        return EndKey::Of(pool.At(slot), SegmentEnd::Start, false);
    }

    SegmentPool pool;
    EndPointIndex index{pool};
    std::uint32_t nextSlot_ = 0;
};

TEST_F(EndPointIndexTest, CopiesShareTheirTwoKeysAndComeNewestFirst) {
    std::vector<std::uint32_t> copies;
    for (int i = 0; i < 1000; ++i)
        copies.push_back(Enter(0, 0, 10, 5));
    EXPECT_EQ(index.KeyCount(), 2u);
    std::reverse(copies.begin(), copies.end());
    EXPECT_EQ(Found(StartKey(copies[0])), copies);
    EXPECT_EQ(Found(EndKey::Of(pool.At(copies[0]), SegmentEnd::End, false)), copies);
    // What a continuing piece looks for is not there.
    EXPECT_TRUE(Found(StartKey(copies[0]).Reversed()).empty());

    // The walk stops where the visit says so.
    int visits = 0;
    index.ForEachNewestFirst(StartKey(copies[0]),
                             [&visits](std::uint32_t, SegmentEnd) { return ++visits == 3; });
    EXPECT_EQ(visits, 3);
}

TEST_F(EndPointIndexTest, ErasingAnyEntryKeepsTheRestInOrder) {
    std::mt19937 rng(5);
    std::vector<std::uint32_t> newestFirst;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 200; ++i)
            newestFirst.insert(newestFirst.begin(), Enter(3, 4, -1, 2));
        // The newest, the oldest and entries between, as joins may take any of them.
        while (newestFirst.size() > 20) {
            const std::size_t at = rng() % 3 == 0 ? (rng() % 2) * (newestFirst.size() - 1)
                                                  : rng() % newestFirst.size();
            index.Erase(newestFirst[at], SegmentEnd::Start);
            index.Erase(newestFirst[at], SegmentEnd::End);
            newestFirst.erase(newestFirst.begin() + static_cast<std::ptrdiff_t>(at));
            ASSERT_EQ(Found(StartKey(newestFirst[0])), newestFirst);
        }
    }
    for (const std::uint32_t slot : newestFirst) {
        index.Erase(slot, SegmentEnd::End);
        index.Erase(slot, SegmentEnd::Start);
    }
    EXPECT_EQ(index.KeyCount(), 0u);
    EXPECT_TRUE(Found(StartKey(0)).empty());
    // Erasing what is not there changes nothing.
    const std::uint32_t kept = Enter(3, 4, -1, 2);
    index.Erase(Piece(3, 4, -1, 2), SegmentEnd::Start);
    index.Erase(Piece(3, 4, 9, 9), SegmentEnd::Start);
    EXPECT_EQ(Found(StartKey(kept)), std::vector<std::uint32_t>{kept});
}

TEST_F(EndPointIndexTest, PiecesThatDifferInAnyPartOfTheKeyAreKeptApart) {
    const std::uint32_t base = Enter(0, 0, 8, 0);
    const std::uint32_t turned = Enter(0, 0, -8, 0);
    const std::uint32_t longer = Enter(0, 0, 16, 0);
    const std::uint32_t slower = Enter(0, 0, 8, 0, 40);
    const std::uint32_t elsewhere = Enter(0, 1, 8, 1);
    for (const std::uint32_t slot : {base, turned, longer, slower, elsewhere})
        EXPECT_EQ(Found(StartKey(slot)), std::vector<std::uint32_t>{slot});
    EXPECT_EQ(index.KeyCount(), 10u);
    // Nearly identical pieces by the thousand: each only meets its own key, and erasing one
    // leaves the others.
    std::vector<std::uint32_t> near;
    for (int i = 1; i <= 2000; ++i)
        near.push_back(Enter(0, 0, i % 2 ? i : -i, i % 7, static_cast<std::uint8_t>(i)));
    EXPECT_EQ(index.KeyCount(), 10u + 4000);
    EXPECT_GT(index.CrowdedKeyCount(), 1900u) << "one point holds only a few keys itself";
    index.Erase(near[999], SegmentEnd::Start);
    for (const std::uint32_t slot : {base, near[0], near[998], near[1000], near[1999]})
        EXPECT_EQ(Found(StartKey(slot)), std::vector<std::uint32_t>{slot});
    EXPECT_TRUE(Found(StartKey(near[999])).empty());
}

TEST_F(EndPointIndexTest, MinusZeroMeetsZeroAndNaNIsNotEntered) {
    const std::uint32_t s = Enter(-0.0, 5, 0.0, -7);
    EXPECT_EQ(Found(EndKey{0.0, 5, -0.0, -12, 0, 160, {}}), std::vector<std::uint32_t>{s});
    const double nan = std::nan("");
    Enter(nan, 0, 1, 0);
    const double inf = std::numeric_limits<double>::infinity();
    Enter(inf, 0, inf, 4);  // the vector is NaN
    EXPECT_EQ(index.KeyCount(), 2u);
}

TEST_F(EndPointIndexTest, GrowingKeepsEveryKeyAndItsOrder) {
    std::vector<std::uint32_t> first;
    for (int i = 0; i < 20000; ++i) {
        const double x = i % 5000;
        const std::uint32_t slot = Enter(x, 0, x + 1, 1);
        if (i < 5000) first.push_back(slot);
    }
    EXPECT_EQ(index.KeyCount(), 10000u);
    for (const std::uint32_t slot : first) {
        const std::vector<std::uint32_t> found = Found(StartKey(slot));
        ASSERT_EQ(found.size(), 4u);
        EXPECT_EQ(found.back(), slot);
        EXPECT_EQ(found[0], slot + 15000);
    }
}

}  // namespace
}  // namespace tarvik
