#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "Problems.h"
#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::PieceSpec;
using test::TrackNode;

// A track node of TrackNode takes 8 lines, so the n-th node (from 0) starts at line 8n+1.
class ModelChecksTest : public ::testing::Test {
  protected:
    void Load(const std::string& text, const TWorkMode& mode = test::UserMode()) {
        const LoadResult r =
            test::LoadFile(scenery, dir.Write("main.scn", text), mode, dialogs, nullptr);
        ASSERT_EQ(r.status, LoadStatus::Loaded) << r.error;
    }
    std::vector<Problem> Check(double gap = 0.5) const {
        ModelCheckOptions options;
        options.gap = gap;
        return CheckModel(scenery, options);
    }
    std::uint64_t LineOf(const Problem& p) const { return scenery.Sources.Locate(p.at).line; }
    std::string Kinds(const std::vector<Problem>& problems) const {
        std::string kinds;
        for (const Problem& p : problems)
            kinds += std::string(ProblemKindName(p.kind)) + " ";
        return kinds;
    }

    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
};

std::string Piece(double x1, double z1, double x2, double z2, std::string name = "none",
                  std::string subKind = "normal") {
    PieceSpec p;
    p.name = std::move(name);
    p.subKind = std::move(subKind);
    p.x1 = x1, p.z1 = z1, p.x2 = x2, p.z2 = z2;
    return TrackNode(p);
}

std::string Curve(double x1, double z1, double x2, double z2, double c1x, double c1z, double c2x,
                  double c2z) {
    PieceSpec p;
    p.x1 = x1, p.z1 = z1, p.x2 = x2, p.z2 = z2;
    p.c1x = c1x, p.c1z = c1z, p.c2x = c2x, p.c2z = c2z;
    return TrackNode(p);
}

// A switch from (x, z): a straight piece 34 m along z and a curved one to (x - 2, z + 34);
// 13 lines.
std::string Switch(const std::string& name, double x, double z) {
    std::ostringstream s;
    s << "node -1 0 " << name << " track switch 34.0 1.435 0.24 15.0 20 2 flat vis\r\n"
      << " Rail_screw_used1 4 Rail_screw_used1 0.2 2.75 2.5\r\n"
      << x << " 0 " << z << "\r\n0 0 0\r\n0 0 0\r\n"
      << x << " 0 " << z + 34 << "\r\n0\r\n"
      << x << " 0 " << z << "\r\n0 0 11\r\n1 0 -11\r\n"
      << x - 2 << " 0 " << z + 34 << "\r\n-300.0\r\nendtrack\r\n";
    return s.str();
}

TEST_F(ModelChecksTest, NearMissIsToldOnceWithBothPlacesAndTheMiddleOfTheGap) {
    // The second track starts 0.3 m past the first one's end; a third meets the first exactly.
    Load(Piece(0, 0, 10, 0) + Piece(10.3, 0, 20, 0) + Piece(10, 0, 10, -10));
    const std::vector<Problem> problems = Check();
    ASSERT_EQ(problems.size(), 1u) << Kinds(problems);
    const Problem& p = problems[0];
    EXPECT_EQ(p.kind, ProblemKind::NearMiss);
    EXPECT_EQ(LineOf(p), 1u);
    EXPECT_EQ(p.message, "Końce torów z main.scn:1 i z main.scn:9 mijają się o 0,300 m");
    ASSERT_TRUE(p.where.has_value());
    EXPECT_NEAR(p.where->x, -10.15, 1e-9);
    EXPECT_NEAR(p.where->y, 0, 1e-9);
    // The segment named is the one read first, whose end the window shows.
    ASSERT_NE(p.segment, nullptr);
    EXPECT_EQ(scenery.Sources.Locate(scenery.Segments.ReadAt(*p.segment)).line, 1u);
    EXPECT_EQ(p.layer, SegmentKind::Track);
    // A wider gap still finds it; a narrower one does not.
    EXPECT_EQ(Check(1.0).size(), 1u);
    EXPECT_TRUE(Check(0.3).empty());
}

TEST_F(ModelChecksTest, NearMissCountsSwitchEndsButNotAShortPieceBetweenItsOwnEnds) {
    // The switch's curved piece ends at (-2, 34); a track starts 0.2 m beside it. A piece of
    // 0.25 m joins two tracks exactly and is no near miss.
    Load(Switch("zw", 0, 0) + Piece(-2.2, 34, -2.2, 50) + Piece(100, 0, 110, 0) +
         Piece(110, 0, 110.25, 0) + Piece(110.25, 0, 120, 0));
    const std::vector<Problem> problems = Check();
    ASSERT_EQ(problems.size(), 1u) << Kinds(problems);
    EXPECT_EQ(problems[0].kind, ProblemKind::NearMiss);
    EXPECT_EQ(LineOf(problems[0]), 1u);
    EXPECT_NE(problems[0].message.find("main.scn:14"), std::string::npos);
    EXPECT_NE(problems[0].message.find("0,200 m"), std::string::npos);
}

TEST_F(ModelChecksTest, NearMissesOfTheGridAreThoseOfComparingEveryPair) {
    // Ends scattered over a few cells and across the cell borders at 0, in both signs.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> centimetres(-150, 150);
    std::string text;
    for (int i = 0; i < 120; ++i) {
        const double x = centimetres(random) / 100.0;
        const double z = centimetres(random) / 100.0;
        text += Piece(x, z, x + 40 + i, z + 3 * i);
    }
    Load(text);
    const double gap = 0.5;
    std::vector<std::pair<double, double>> points;
    for (const TSegmentObj& s : scenery.Tracks()) {
        points.emplace_back(s.X1, s.Y1);
        points.emplace_back(s.X2, s.Y2);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    std::size_t expected = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            const double d =
                std::hypot(points[i].first - points[j].first, points[i].second - points[j].second);
            if (d > 0.001 && d < gap) ++expected;
        }
    }
    ASSERT_GT(expected, 100u);
    EXPECT_EQ(Check(gap).size(), expected);
}

TEST_F(ModelChecksTest, DuplicateSegmentsAreFoundInEitherDirectionWithinOneLayer) {
    // A straight track twice, a curve and the same curve read the other way (its control
    // vectors swapping ends), a curve bent otherwise, and a road on the track's ends.
    Load(Piece(0, 0, 10, 0) + Curve(0, 50, 20, 50, 5, 3, -5, 3) + Piece(0, 0, 10, 0) +
         Curve(20, 50, 0, 50, -5, 3, 5, 3) + Curve(0, 50, 20, 50, 5, -3, -5, -3) +
         Piece(0, 0, 10, 0, "none", "road") + Piece(10, 0, 0, 0, "none", "road"));
    const std::vector<Problem> problems = Check();
    ASSERT_EQ(problems.size(), 3u) << Kinds(problems);
    std::vector<std::pair<std::uint64_t, std::string>> found;
    for (const Problem& p : problems) {
        EXPECT_EQ(p.kind, ProblemKind::DuplicateSegment);
        found.emplace_back(LineOf(p), p.message);
        // The repeating segment, in its own layer.
        ASSERT_NE(p.segment, nullptr);
        EXPECT_EQ(scenery.Segments.ReadAt(*p.segment), p.at);
        EXPECT_EQ(p.layer, LineOf(p) == 49 ? SegmentKind::Road : SegmentKind::Track);
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found[0], (std::pair<std::uint64_t, std::string>{
                            17,
                            "Odcinek toru powtarza odcinek z main.scn:1: te same końce i "
                            "wektory kontrolne"}));
    EXPECT_EQ(found[1].first, 25u);
    EXPECT_NE(found[1].second.find("main.scn:9"), std::string::npos);
    EXPECT_EQ(found[2].first, 49u);
    EXPECT_EQ(found[2].second.rfind("Odcinek drogi powtarza odcinek z main.scn:41", 0), 0u);
}

TEST_F(ModelChecksTest, DuplicateNamesOfNodesAreToldInTheAuthorModeOnly) {
    // Names compare with A to Z in either case; the pieces of a switch share their node.
    const std::string text = Piece(0, 0, 10, 0, "Tor_A") + Switch("zw", 50, 0) +
                             Piece(0, 20, 10, 20, "tor_a") + Piece(0, 40, 10, 40, "TOR_A") +
                             Piece(0, 60, 10, 60, "Tor_B");
    Load(text);
    EXPECT_TRUE(Check().empty());
    Load(text, test::AuthorMode());
    const std::vector<Problem> problems = Check();
    ASSERT_EQ(problems.size(), 2u) << Kinds(problems);
    std::vector<std::uint64_t> lines;
    for (const Problem& p : problems) {
        EXPECT_EQ(p.kind, ProblemKind::DuplicateName);
        EXPECT_NE(p.message.find("main.scn:1"), std::string::npos) << p.message;
        lines.push_back(LineOf(p));
    }
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::uint64_t>{22, 30}));
    EXPECT_EQ(problems[0].message.rfind("Nazwa toru „", 0), 0u);
}

TEST_F(ModelChecksTest, AStoppedCheckEndsWithoutGoingThroughTheModel) {
    Load(Piece(0, 0, 10, 0) + Piece(10.3, 0, 20, 0) + Piece(0, 0, 10, 0));
    std::stop_source stop;
    stop.request_stop();
    ModelCheckOptions options;
    options.stop = stop.get_token();
    EXPECT_TRUE(CheckModel(scenery, options).empty());
    EXPECT_EQ(Check().size(), 2u);
}

TEST_F(ModelChecksTest, AnEmptySceneryHasNoSegments) {
    Load(CrLf({"// nothing here", "FirstInit", ""}));
    const std::vector<Problem> problems = Check();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, ProblemKind::NoSegments);
    EXPECT_EQ(problems[0].at, kNoSourceLine);
    EXPECT_FALSE(problems[0].where.has_value());

    Load(Piece(0, 0, 10, 0, "none", "river"));
    EXPECT_TRUE(Check().empty());
}

TEST_F(ModelChecksTest, ACleanSceneryReportsNothing) {
    // Exact joints, a switch whose pieces share a name, a road ending 0.2 m from a track end
    // and two track ends 0.6 m apart, which the default gap leaves alone.
    Load(Piece(0, 0, 10, 0, "a") + Piece(10, 0, 10, 20, "b") + Switch("zw", 10, 20) +
             Piece(10, 54, 10, 80, "c") + Piece(8, 54, 8, 80, "d") +
             Piece(0, 0.2, -10, 0.2, "none", "road") + Piece(10.6, 80, 30, 80, "e"),
         test::AuthorMode());
    const std::vector<Problem> problems = Check();
    EXPECT_TRUE(problems.empty()) << Kinds(problems)
                                  << (problems.empty() ? "" : problems[0].message);
}

}  // namespace
}  // namespace tarvik
