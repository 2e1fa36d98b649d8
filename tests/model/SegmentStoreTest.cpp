#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "ParseFailure.h"
#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::Segments;

// A straight piece from (x1, y1) to (x2, y2) with heights and speed, names and events optional.
struct Piece {
    double x1, y1, x2, y2;
    double h1 = 0, h2 = 0;
    std::uint8_t velocity = 160;
    std::string name = "";
    bool curve = false;
    bool event = false;
};

TSegmentObj* Add(SegmentStore& store, const Piece& p, SegmentKind kind = SegmentKind::Track) {
    TEventList events;
    if (p.event) events.push_back({"event0", "go"});
    TSegmentObj* s = store.NewSegment({.kind = kind,
                                       .name = p.name,
                                       .x1 = p.x1,
                                       .y1 = p.y1,
                                       .x2 = p.x2,
                                       .y2 = p.y2,
                                       .height1 = p.h1,
                                       .height2 = p.h2,
                                       .cx1 = p.curve ? 1.0 : 0.0,
                                       .velocity = p.velocity,
                                       .events = std::move(events)});
    store.JoinSegment(s);
    return s;
}

class SegmentStoreTest : public ::testing::Test {
  protected:
    SegmentStoreTest() { store.Ranges.Reset(); }
    const SegmentList& tracks() const { return store.List(SegmentKind::Track); }
    SegmentStore store;
};

TEST_F(SegmentStoreTest, ZeroLengthPieceIsDroppedWithoutTouchingTheRanges) {
    TEventList events{{"event1", "x"}};
    EXPECT_EQ(store.NewSegment({.kind = SegmentKind::Track,
                                .name = "a",
                                .x1 = 5,
                                .y1 = 5,
                                .x2 = 5,
                                .y2 = 5,
                                .height1 = 3,
                                .height2 = 7,
                                .cx1 = 1,
                                .cy1 = 1,
                                .cx2 = 1,
                                .cy2 = 1,
                                .velocity = 10,
                                .events = std::move(events)}),
              nullptr);
    EXPECT_TRUE(tracks().Empty());
    EXPECT_EQ(store.Ranges.SpeedMin, 32767);
    EXPECT_EQ(store.Ranges.HeightMax, -32768);
}

TEST_F(SegmentStoreTest, NewSegmentStoresFieldsAndPutsItAtTheHead) {
    TEventList events{{"event0", "first"}, {"Event2", "second"}};
    const TSegmentObj* a = store.NewSegment({.kind = SegmentKind::Road,
                                             .name = "name",
                                             .x1 = 1,
                                             .y1 = 2,
                                             .x2 = 10,
                                             .y2 = 20,
                                             .height1 = 5,
                                             .height2 = 6,
                                             .cx1 = 3,
                                             .cy1 = 4,
                                             .cx2 = 7,
                                             .cy2 = 8,
                                             .velocity = 40,
                                             .events = std::move(events)});
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->X1, 1);
    EXPECT_EQ(a->Y2, 20);
    EXPECT_EQ(a->Height1, 5);
    EXPECT_EQ(a->Height2, 6);
    ASSERT_TRUE(a->IsCurve());
    EXPECT_EQ(a->Control()->CX1, 3);
    EXPECT_EQ(a->Control()->CY1, 4);
    EXPECT_EQ(a->Control()->CX2, 7);
    EXPECT_EQ(a->Control()->CY2, 8);
    ASSERT_EQ(a->Events().size(), 2u);
    EXPECT_EQ(a->Events()[1].Key, "Event2");
    EXPECT_EQ(a->Name(), "name");
    const TSegmentObj* b = store.NewSegment({.kind = SegmentKind::Road, .y2 = 1, .velocity = 40});
    EXPECT_FALSE(b->HasName());
    EXPECT_FALSE(b->IsCurve());
    EXPECT_FALSE(b->HasEvents());
    EXPECT_EQ(Segments(store.List(SegmentKind::Road)), (std::vector<const TSegmentObj*>{b, a}));
}

TEST_F(SegmentStoreTest, SpeedRangeCountsTracksOnly) {
    Add(store, {0, 0, 10, 0, 0, 0, 45});
    Add(store, {0, 5, 10, 5, 0, 0, 161});
    Add(store, {0, 9, 10, 9, 0, 0, 5}, SegmentKind::Road);
    Add(store, {0, 9, 10, 9, 0, 0, 0}, SegmentKind::Traction);
    EXPECT_EQ(store.Ranges.SpeedMin, 45);
    EXPECT_EQ(store.Ranges.SpeedMax, 161);
}

TEST_F(SegmentStoreTest, HeightRangeRoundsHalvesToEvenAndKeepsLowSixteenBits) {
    Add(store, {0, 0, 10, 0, -2.5, 12.5}, SegmentKind::River);
    EXPECT_EQ(store.Ranges.HeightMin, -2);
    EXPECT_EQ(store.Ranges.HeightMax, 12);
    Add(store, {0, 1, 1e6, 1, 0, 40000});
    EXPECT_EQ(store.Ranges.HeightMax, -25536);
}

TEST_F(SegmentStoreTest, GradientIsPerMilleInEightBits) {
    Add(store, {0, 0, 250, 0, 0, 1});
    EXPECT_EQ(store.Ranges.GradientMin, 4);
    EXPECT_EQ(store.Ranges.GradientMax, 4);
    Add(store, {0, 5, 2, 5, 1, 0});
    EXPECT_EQ(store.Ranges.GradientMax, 244);
    // Traction has heights 0 and pulls the minimum to 0.
    Add(store, {0, 9, 3, 9}, SegmentKind::Traction);
    EXPECT_EQ(store.Ranges.GradientMin, 0);
    EXPECT_EQ(store.Ranges.HeightMin, 0);
}

TEST_F(SegmentStoreTest, RoundingThatDoesNotFitStoresNothing) {
    EXPECT_THROW(Add(store, {0, 0, 10, 0, 0, 1e300}), ParseFailure);
    EXPECT_THROW(Add(store, {0, 0, 1e-300, 0, 0, 1}), ParseFailure);
    EXPECT_TRUE(tracks().Empty());
}

TEST_F(SegmentStoreTest, EqualPiecesJoinPairByPairAsTheyArrive) {
    Add(store, {0, 0, 10, 0});
    Add(store, {10, 0, 20, 0});
    ASSERT_EQ(tracks().Count(), 1u);
    // A third piece of 10 m does not continue a 20 m segment.
    Add(store, {20, 0, 30, 0});
    EXPECT_EQ(tracks().Count(), 2u);
    // The fourth joins the third, and the new 20 m piece then joins the first.
    Add(store, {30, 0, 40, 0});
    ASSERT_EQ(tracks().Count(), 1u);
    const TSegmentObj& s = *tracks().Head();
    EXPECT_EQ(s.X1, 0);
    EXPECT_EQ(s.X2, 40);
}

TEST_F(SegmentStoreTest, PiecesThatDifferDoNotJoin) {
    Add(store, {0, 0, 10, 0, 0, 0, 100});
    Add(store, {10, 0, 20, 0, 0, 0, 120});
    Add(store, {20, 0, 30, 0, 0, 0, 120, "", true});
    Add(store, {0, 5, 10, 5});
    Add(store, {10, 5, 20, 6});
    EXPECT_EQ(tracks().Count(), 5u);
}

TEST_F(SegmentStoreTest, ReversedNeighbourJoinsAndTakesItsHeight) {
    Add(store, {30, 0, 20, 0, 3, 2});
    Add(store, {10, 0, 20, 0, 1, 2});
    ASSERT_EQ(tracks().Count(), 1u);
    const TSegmentObj& s = *tracks().Head();
    EXPECT_EQ(s.X1, 10);
    EXPECT_EQ(s.X2, 30);
    EXPECT_EQ(s.Height1, 1);
    EXPECT_EQ(s.Height2, 3);
}

TEST_F(SegmentStoreTest, NewestMatchingNeighbourWinsAndDecidesTheRest) {
    const TSegmentObj* older = Add(store, {0, 0, 10, 0});
    Add(store, {20, 0, 30, 0});
    const TSegmentObj* s = Add(store, {10, 0, 20, 0});
    // The newer neighbour came first in the walk; the longer result no longer fits the older.
    EXPECT_EQ(Segments(tracks()), (std::vector<const TSegmentObj*>{s, older}));
    EXPECT_EQ(s->X1, 10);
    EXPECT_EQ(s->X2, 30);
}

TEST_F(SegmentStoreTest, ZeroAndMinusZeroAreTheSamePoint) {
    Add(store, {-10, 0, 0.0, -0.0});
    Add(store, {-0.0, 0.0, 10, 0});
    EXPECT_EQ(tracks().Count(), 1u);
}

TEST_F(SegmentStoreTest, UserModeIgnoresNamesEventsAndRise) {
    Add(store, {0, 0, 10, 0, 0, 1, 160, "a"});
    Add(store, {10, 0, 20, 0, 7, 9, 160, "b", false, true});
    EXPECT_EQ(tracks().Count(), 1u);
}

TEST_F(SegmentStoreTest, AuthorModeJoinsOnlyEqualNamesWithoutEventsAndEqualRise) {
    store.SetOwnerMode(true);
    Add(store, {0, 0, 10, 0});
    Add(store, {10, 0, 20, 0});
    EXPECT_EQ(tracks().Count(), 2u) << "unnamed pieces";
    Add(store, {0, 5, 10, 5, 0, 0, 160, "Tor"});
    Add(store, {10, 5, 20, 5, 0, 0, 160, "tor"});
    EXPECT_EQ(tracks().Count(), 4u) << "names differing in case";
    Add(store, {0, 9, 10, 9, 0, 0, 160, "x"});
    Add(store, {10, 9, 20, 9, 0, 0, 160, "x", false, true});
    EXPECT_EQ(tracks().Count(), 6u) << "events";
    Add(store, {0, 12, 10, 12, 0, 1, 160, "r"});
    Add(store, {10, 12, 20, 12, 1, 3, 160, "r"});
    EXPECT_EQ(tracks().Count(), 8u) << "different rise";
    Add(store, {20, 12, 30, 12, 3, 4, 160, "r"});
    EXPECT_EQ(tracks().Count(), 9u);
    Add(store, {0, 15, 10, 15, 0, 1, 160, "y"});
    Add(store, {10, 15, 20, 15, 1, 2, 160, "y"});
    EXPECT_EQ(tracks().Count(), 10u) << "equal rise and name join";
}

TEST_F(SegmentStoreTest, TrainsetFollowsItsTrackIntoTheAbsorbingSegment) {
    store.SetOwnerMode(true);
    const TSegmentObj* first = Add(store, {0, 0, 10, 0, 0, 0, 160, "t1"});
    TTrainsObj trainset;
    store.BindTrack(trainset, store.FindNamedTrack("T1"));
    EXPECT_EQ(trainset.Track, first);
    const TSegmentObj* second = Add(store, {10, 0, 20, 0, 0, 0, 160, "t1"});
    ASSERT_EQ(tracks().Count(), 1u);
    EXPECT_EQ(trainset.Track, second);
    // And again when the absorbing segment is absorbed in turn.
    const TSegmentObj* third = Add(store, {-20, 0, 0, 0, 0, 0, 160, "t1"});
    ASSERT_EQ(tracks().Count(), 1u);
    EXPECT_EQ(trainset.Track, third);
    EXPECT_EQ(store.FindNamedTrack("t1"), third);
}

TEST_F(SegmentStoreTest, TrainsetBoundAgainStaysOnItsNewerTrack) {
    const TSegmentObj* a = Add(store, {0, 0, 10, 0});
    const TSegmentObj* b = Add(store, {0, 5, 10, 5});
    TTrainsObj moved, stays;
    store.BindTrack(moved, a);
    store.BindTrack(stays, a);
    store.BindTrack(stays, b);
    const TSegmentObj* c = Add(store, {10, 0, 20, 0});
    ASSERT_EQ(tracks().Count(), 2u);
    EXPECT_EQ(moved.Track, c);
    EXPECT_EQ(stays.Track, b);
    const TSegmentObj* d = Add(store, {10, 5, 20, 5});
    EXPECT_EQ(stays.Track, d);
    EXPECT_EQ(moved.Track, c);
}

TEST_F(SegmentStoreTest, FindNamedTrackTakesTheNewestAndFoldsAsciiOnly) {
    store.SetOwnerMode(true);
    Add(store, {0, 0, 1, 0, 0, 0, 160, "Stacja"});
    const TSegmentObj* newer = Add(store, {0, 5, 1, 9, 0, 0, 160, "stacja"});
    Add(store, {0, 7, 1, 7, 0, 0, 160, "road"}, SegmentKind::Road);
    Add(store, {0, 8, 1, 8, 0, 0, 160, "\xA3\xF3\x64\x9F"});
    EXPECT_EQ(store.FindNamedTrack("STACJA"), newer);
    EXPECT_EQ(store.FindNamedTrack("road"), nullptr);
    EXPECT_NE(store.FindNamedTrack("\xA3\xF3\x64\x9F"), nullptr);
    EXPECT_EQ(store.FindNamedTrack("\xB3\xF3\x64\x9F"), nullptr);
}

TEST_F(SegmentStoreTest, CopiesStayApartAndAContinuingPieceTakesTheNewestOfThem) {
    std::vector<const TSegmentObj*> copies;
    for (int i = 0; i < 5; ++i)
        copies.push_back(Add(store, {0, 0, 10, 0}));
    const TSegmentObj* reversed = Add(store, {10, 0, 0, 0});
    EXPECT_EQ(tracks().Count(), 6u);
    TTrainsObj onCopy, onReversed;
    store.BindTrack(onCopy, copies[4]);
    store.BindTrack(onReversed, reversed);

    // The reversed copy is the newest piece that this one continues.
    const TSegmentObj* s = Add(store, {10, 0, 20, 0});
    EXPECT_EQ(s->X1, 0);
    EXPECT_EQ(s->X2, 20);
    EXPECT_EQ(onReversed.Track, s);
    EXPECT_EQ(onCopy.Track, copies[4]);

    const TSegmentObj* t = Add(store, {-10, 0, 0, 0});
    EXPECT_EQ(t->X1, -10);
    EXPECT_EQ(t->X2, 10);
    EXPECT_EQ(onCopy.Track, t);
    EXPECT_EQ(Segments(tracks()),
              (std::vector<const TSegmentObj*>{t, s, copies[3], copies[2], copies[1], copies[0]}));
}

TEST_F(SegmentStoreTest, PiecesThatShareAKeyOnlyByRoundingLeaveItInAnyOrder) {
    // 1 and 0.5 lie 2^53 + 1 and 2^53 + 0.5 from -2^53: both vectors round to 2^53.
    const double far = -9007199254740992.0;
    Add(store, {far, 0, 1, 0});
    const TSegmentObj* second = Add(store, {far, 0, 0.5, 0});
    ASSERT_EQ(tracks().Count(), 2u);
    // Continues the older one only, which leaves from behind the newer in their shared key.
    const TSegmentObj* a = Add(store, {1, 0, 9007199254740994.0, 0});
    EXPECT_EQ(Segments(tracks()), (std::vector<const TSegmentObj*>{a, second}));
    EXPECT_EQ(a->X1, far);
    const TSegmentObj* b = Add(store, {0.5, 0, 9007199254740992.0, 0});
    EXPECT_EQ(Segments(tracks()), (std::vector<const TSegmentObj*>{b, a}));
    EXPECT_EQ(b->X1, far);
}

TEST_F(SegmentStoreTest, SwitchingToTheAuthorModeKeepsEarlierPiecesJoinable) {
    Add(store, {0, 0, 10, 0, 0, 1, 160, "a"});
    Add(store, {0, 5, 10, 5});
    store.SetOwnerMode(true);
    Add(store, {10, 0, 20, 0, 1, 2, 160, "a"});
    EXPECT_EQ(tracks().Count(), 2u);
    EXPECT_EQ(tracks().Head()->X1, 0);
    Add(store, {10, 5, 20, 5, 0, 0, 160, "b"});
    EXPECT_EQ(tracks().Count(), 3u) << "an unnamed piece joins nothing in the author mode";
}

TEST_F(SegmentStoreTest, MatchTellsWhichEndsMeet) {
    const TSegmentObj& l = *store.NewSegment({.x2 = 10, .velocity = 160});
    const auto match = [this, &l](double x1, double x2) {
        const TSegmentObj& o = *store.NewSegment({.x1 = x1, .x2 = x2, .velocity = 160});
        return SegmentStore::MatchSegments(l, o, false);
    };
    EXPECT_EQ(match(10, 20), SegmentMatch::EndToStart);
    EXPECT_EQ(match(20, 10), SegmentMatch::EndToEnd);
    EXPECT_EQ(match(0, -10), SegmentMatch::StartToStart);
    EXPECT_EQ(match(-10, 0), SegmentMatch::StartToEnd);
    EXPECT_EQ(match(10, 25), SegmentMatch::None) << "a longer piece";
    EXPECT_EQ(match(20, 30), SegmentMatch::None) << "no shared end";
}

TEST_F(SegmentStoreTest, BoundsStartAtTheFirstSegmentAndGrowByEndPoints) {
    store.StartBounds(5, 9, -1, 2);
    EXPECT_EQ(store.Bounds.SceneryMin.x, -1);
    EXPECT_EQ(store.Bounds.SceneryMin.y, 2);
    EXPECT_EQ(store.Bounds.SceneryMax.x, 5);
    EXPECT_EQ(store.Bounds.SceneryMax.y, 9);
    store.ExtendBounds(-3, 20);
    store.ExtendBounds(0.1, 0);
    EXPECT_EQ(store.Bounds.SceneryMin.x, -3);
    EXPECT_EQ(store.Bounds.SceneryMax.y, 20);
    EXPECT_EQ(store.Bounds.SceneryMin.y, 0);
    EXPECT_EQ(store.Bounds.SceneryMax.x, 5);
}

TEST_F(SegmentStoreTest, ClearEmptiesEveryListAndAllowsReuse) {
    for (int i = 0; i < 10000; ++i)
        Add(store, {double(i), 0, double(i), 1});
    store.Clear();
    for (int k = 0; k < kSegmentKindCount; ++k) {
        EXPECT_TRUE(store.List(static_cast<SegmentKind>(k)).Empty());
    }
    Add(store, {0, 0, 1, 0});
    Add(store, {1, 0, 2, 0});
    EXPECT_EQ(tracks().Count(), 1u);
}

// The joining walk written out plainly: the list newest first, each new segment compared with
// every older one in list order, restarting after every join.
struct RefSegment {
    double x1, y1, x2, y2, h1, h2;
    int velocity;
    std::string name;
    bool curve;
    bool events;
};

// Hands a reference piece to the store, its start x as given, and joins it.
TSegmentObj* StoreAndJoin(SegmentStore& store, SegmentKind kind, const RefSegment& r, double x1) {
    TEventList events;
    if (r.events) events.push_back({"event0", "e"});
    TSegmentObj* s = store.NewSegment({.kind = kind,
                                       .name = r.name,
                                       .x1 = x1,
                                       .y1 = r.y1,
                                       .x2 = r.x2,
                                       .y2 = r.y2,
                                       .height1 = r.h1,
                                       .height2 = r.h2,
                                       .cx1 = r.curve ? 0.5 : 0.0,
                                       .velocity = static_cast<std::uint8_t>(r.velocity),
                                       .events = std::move(events)});
    store.JoinSegment(s);
    return s;
}

SegmentMatch RefMatch(const RefSegment& l, const RefSegment& o, bool author) {
    if (l.curve || o.curve || l.velocity != o.velocity) return SegmentMatch::None;
    if (author && (l.name.empty() || o.name.empty() || l.name != o.name || l.events || o.events)) {
        return SegmentMatch::None;
    }
    const auto eq = [author](double ax, double ay, double ar, double bx, double by, double br) {
        return ax == bx && ay == by && (!author || ar == br);
    };
    if (l.x2 == o.x1 && l.y2 == o.y1) {
        return eq(l.x2 - l.x1, l.y2 - l.y1, l.h2 - l.h1, o.x2 - o.x1, o.y2 - o.y1, o.h2 - o.h1)
                   ? SegmentMatch::EndToStart
                   : SegmentMatch::None;
    }
    if (l.x2 == o.x2 && l.y2 == o.y2) {
        return eq(l.x2 - l.x1, l.y2 - l.y1, l.h2 - l.h1, o.x1 - o.x2, o.y1 - o.y2, o.h1 - o.h2)
                   ? SegmentMatch::EndToEnd
                   : SegmentMatch::None;
    }
    if (l.x1 == o.x1 && l.y1 == o.y1) {
        return eq(l.x1 - l.x2, l.y1 - l.y2, l.h1 - l.h2, o.x2 - o.x1, o.y2 - o.y1, o.h2 - o.h1)
                   ? SegmentMatch::StartToStart
                   : SegmentMatch::None;
    }
    if (l.x1 == o.x2 && l.y1 == o.y2) {
        return eq(l.x1 - l.x2, l.y1 - l.y2, l.h1 - l.h2, o.x1 - o.x2, o.y1 - o.y2, o.h1 - o.h2)
                   ? SegmentMatch::StartToEnd
                   : SegmentMatch::None;
    }
    return SegmentMatch::None;
}

// list.back() is the head; absorbed(i) is told before list[i] is absorbed by the head.
template <typename Absorbed>
void RefJoin(std::vector<RefSegment>& list, bool author, Absorbed&& absorbed) {
restart:
    for (std::size_t i = list.size() - 1; i-- > 0;) {
        RefSegment& s = list.back();
        const RefSegment& o = list[i];
        const SegmentMatch k = RefMatch(s, o, author);
        if (k == SegmentMatch::None) continue;
        if (k == SegmentMatch::EndToStart) s.x2 = o.x2, s.y2 = o.y2, s.h2 = o.h2;
        if (k == SegmentMatch::EndToEnd) s.x2 = o.x1, s.y2 = o.y1, s.h2 = o.h1;
        if (k == SegmentMatch::StartToStart) s.x1 = o.x2, s.y1 = o.y2, s.h1 = o.h2;
        if (k == SegmentMatch::StartToEnd) s.x1 = o.x1, s.y1 = o.y1, s.h1 = o.h1;
        absorbed(i);
        list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
        goto restart;
    }
}

void RefJoin(std::vector<RefSegment>& list, bool author) {
    RefJoin(list, author, [](std::size_t) {});
}

void ExpectSameList(const SegmentList& list, const std::vector<RefSegment>& reference) {
    ASSERT_EQ(list.Count(), reference.size());
    std::size_t i = reference.size();
    for (const TSegmentObj& s : list) {
        const RefSegment& r = reference[--i];
        ASSERT_EQ(s.X1, r.x1) << i;
        ASSERT_EQ(s.Y1, r.y1) << i;
        ASSERT_EQ(s.X2, r.x2) << i;
        ASSERT_EQ(s.Y2, r.y2) << i;
        ASSERT_EQ(s.Height1, r.h1) << i;
        ASSERT_EQ(s.Height2, r.h2) << i;
        ASSERT_EQ(s.Velocity, r.velocity) << i;
        ASSERT_EQ(s.IsCurve(), r.curve) << i;
        ASSERT_EQ(std::string(s.Name()), r.name) << i;
    }
}

class IndexedJoinTest : public ::testing::TestWithParam<bool> {};

TEST_P(IndexedJoinTest, MatchesThePlainWalkOnRandomPiecesWithSharedEnds) {
    const bool author = GetParam();
    std::mt19937 rng(author ? 7 : 11);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    SegmentStore store;
    store.Ranges.Reset();
    store.SetOwnerMode(author);
    std::vector<RefSegment> reference;
    const std::string names[] = {"", "a", "b"};
    const int steps[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 0}, {0, -2}, {1, 1}};
    for (int i = 0; i < 12000; ++i) {
        // A small lattice makes shared end points and equal neighbours common.
        const double x = pick(24) - 12, y = pick(24) - 12;
        const auto& step = steps[pick(7)];
        RefSegment r{x,
                     y,
                     x + step[0],
                     y + step[1],
                     double(pick(2)),
                     double(pick(3)),
                     pick(5) == 0 ? 40 : 160,
                     names[pick(3)],
                     pick(20) == 0,
                     pick(15) == 0};
        if (pick(4) == 0) r.h2 = r.h1;
        // -0 and 0 must meet like in the plain walk.
        const double x1 = (r.x1 == 0 && pick(2)) ? -0.0 : r.x1;
        StoreAndJoin(store, SegmentKind::Road, r, x1);
        reference.push_back(r);
        RefJoin(reference, author);
    }
    ASSERT_LT(reference.size(), 11000u) << "the pieces should join often";
    ExpectSameList(store.List(SegmentKind::Road), reference);
}

// Few places and few variants, so that most pieces are copies or near copies of others: the
// same ends with another speed, name, rise or length, the same piece reversed, or a piece that
// continues some of them. Coordinates near 2^53 add pieces that share a key only by rounding.
// Trainsets bound along the way must end on the segment that absorbed theirs.
TEST_P(IndexedJoinTest, MatchesThePlainWalkOnCopiesAndNearCopies) {
    const bool author = GetParam();
    std::mt19937 rng(author ? 3 : 4);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    SegmentStore store;
    store.Ranges.Reset();
    store.SetOwnerMode(author);
    std::vector<RefSegment> reference;
    std::vector<std::vector<int>> carried;  // trainsets on each reference segment
    std::vector<std::unique_ptr<TTrainsObj>> trainsets;
    const std::string names[] = {"a", "a", "a", "b", ""};
    const double xs[] = {0, 1, 2, 3, 4};
    const double fars[] = {-9007199254740992.0, -9007199254740990.0, 0.5, 1, 2,
                           9007199254740992.0,  9007199254740994.0};
    for (int i = 0; i < 6000; ++i) {
        double x1, y1, x2, y2;
        if (pick(6) == 0) {
            x1 = fars[pick(7)], y1 = pick(2), x2 = fars[pick(7)], y2 = pick(2);
        } else {
            x1 = xs[pick(3)], y1 = pick(2), x2 = xs[pick(5)], y2 = y1 + pick(2);
        }
        if (x1 == x2 && y1 == y2) continue;
        RefSegment r{x1,
                     y1,
                     x2,
                     y2,
                     double(pick(2)),
                     double(pick(3)),
                     pick(6) == 0 ? 40 : 160,
                     names[pick(5)],
                     pick(40) == 0,
                     pick(30) == 0};
        TSegmentObj* s = StoreAndJoin(store, SegmentKind::Track, r, r.x1);
        reference.push_back(r);
        carried.emplace_back();
        RefJoin(reference, author, [&carried](std::size_t absorbed) {
            auto& into = carried.back();
            into.insert(into.end(), carried[absorbed].begin(), carried[absorbed].end());
            carried.erase(carried.begin() + static_cast<std::ptrdiff_t>(absorbed));
        });
        if (pick(20) == 0) {
            trainsets.push_back(std::make_unique<TTrainsObj>());
            store.BindTrack(*trainsets.back(), s);
            carried.back().push_back(static_cast<int>(trainsets.size()) - 1);
        }
    }
    const SegmentList& list = store.List(SegmentKind::Track);
    ASSERT_LT(reference.size(), 5000u) << "the pieces should join often";
    ExpectSameList(list, reference);
    const std::vector<const TSegmentObj*> stored = Segments(list);
    for (std::size_t i = 0; i < carried.size(); ++i) {
        for (const int t : carried[i])
            EXPECT_EQ(trainsets[static_cast<std::size_t>(t)]->Track, stored[stored.size() - 1 - i]);
    }
}

INSTANTIATE_TEST_SUITE_P(BothModes, IndexedJoinTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Author" : "User"; });

}  // namespace
}  // namespace tarvik
