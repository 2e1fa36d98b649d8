#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::PieceSpec;
using test::Segments;
using test::TrackNode;

using Place = std::pair<std::string, std::uint64_t>;  // file name in the folder, line

// Line numbers below are counted by hand from the texts; a track node of TrackNode is 8 lines.
class SourceLocationTest : public ::testing::Test {
  protected:
    void Load(const std::string& text, const TWorkMode& mode = test::UserMode()) {
        const LoadResult r =
            test::LoadFile(scenery, dir.Write("main.scn", text), mode, dialogs, nullptr);
        ASSERT_EQ(r.status, LoadStatus::Loaded) << r.error;
    }
    Place PlaceOf(SourceLine line) const {
        const SourceLocation at = scenery.Sources.Locate(line);
        if (!at.Known()) return {"?", 0};
        const std::string& path = scenery.Sources.Path(at.file);
        return {path.substr(dir.Path().string().size() + 1), at.line};
    }
    // Oldest first, which is reading order for pieces that did not join.
    std::vector<Place> Places(const SegmentList& list) const {
        std::vector<Place> places;
        for (const TSegmentObj* s : Segments(list))
            places.insert(places.begin(), PlaceOf(scenery.Segments.ReadAt(*s)));
        return places;
    }

    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
};

std::string Piece(double x1, double z1, double x2, double z2, std::string name = "none") {
    PieceSpec p;
    p.name = std::move(name);
    p.x1 = x1, p.z1 = z1, p.x2 = x2, p.z2 = z2;
    return TrackNode(p);
}

TEST_F(SourceLocationTest, NodesInTheTopFileAndInIncludesReadAgainFromMemory) {
    // LF-only lines in the include, CR LF in the main file; the small include is read twice,
    // the second time from memory, under another origin.
    std::string inc = "// two blank lines follow\n\n\n";
    for (const char* line : {"node -1 0 none track normal 1 1 1 1 20 0 flat vis", "tex", "0 0 0",
                             "0 0 0", "0 0 0", "0 0 9", "0", "endtrack"}) {
        inc += line;
        inc += "\n";
    }
    dir.Write("inc.inc", inc);
    Load(CrLf({"// main", "include inc.inc", "origin 100 0 0", "include inc.inc", "endorigin"}) +
         Piece(0, 50, 10, 50) + "\r\n" + Piece(0, 60, 10, 60));
    EXPECT_EQ(
        Places(scenery.Tracks()),
        (std::vector<Place>{{"inc.inc", 4}, {"inc.inc", 4}, {"main.scn", 6}, {"main.scn", 15}}));
}

TEST_F(SourceLocationTest, LinesAfterAnIncludeAndAfterACutCycleCountOn) {
    dir.Write("a.inc", CrLf({"include main.scn", "include b.inc"}) + Piece(0, 0, 5, 0));
    dir.Write("b.inc", "");
    Load(CrLf({"include a.inc", "", "include missing.inc"}) + Piece(0, 10, 5, 10) +
         CrLf({"include b.inc"}) + Piece(0, 20, 5, 20));
    EXPECT_EQ(Places(scenery.Tracks()),
              (std::vector<Place>{{"a.inc", 3}, {"main.scn", 4}, {"main.scn", 13}}));
    EXPECT_EQ(scenery.Sources.FileCount(), 3u);
}

TEST_F(SourceLocationTest, BothPiecesOfASwitchCarryItsNodeLine) {
    Load(CrLf({"// a switch", "node -1 0 zwr track switch 1 1 1 1 20 0 flat vis", "tex", "0 0 0 0",
               "0 0 0", "0 0 0", "0 0 10 0", "0", "0 0 0 0", "0 0 0", "0 0 0", "1 0 10 0", "0",
               "velocity 40", "endtrack"}),
         test::AuthorMode());
    EXPECT_EQ(Places(scenery.Tracks()), (std::vector<Place>{{"main.scn", 2}, {"main.scn", 2}}));
}

TEST_F(SourceLocationTest, AJoinedSegmentKeepsThePlaceOfThePieceReadFirst) {
    // Only identical pieces join: the first two make one of 20 m, which the third, as long,
    // continues. The segment that stays is the newest record, yet it is placed at the node of
    // the piece read first.
    dir.Write("left.inc", Piece(0, -10, 0, 10));
    Load(Piece(0, 10, 0, 20) + Piece(0, 20, 0, 30) + CrLf({"include left.inc"}));
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(Places(scenery.Tracks()), (std::vector<Place>{{"main.scn", 1}}));

    // Joined in the other order the first piece is in the include.
    dir.Write("first.inc", Piece(0, 0, 0, 10));
    Load(CrLf({"include first.inc"}) + Piece(0, 10, 0, 20));
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(Places(scenery.Tracks()), (std::vector<Place>{{"first.inc", 1}}));
}

TEST_F(SourceLocationTest, TractionRoadsAndTrainsetsArePlacedAtTheirFirstLine) {
    Load(CrLf({"node -1 0 wire traction none 1 1 1 1 1 0",
               "0 0 0",
               "0 0 20",
               "x",
               "endtraction",
               "node -1 0 none track road 1 1 1 1 20 0 flat vis",
               "tex",
               "0 0 0 0",
               "0 0 0",
               "0 0 0",
               "5 0 0 0",
               "0",
               "endtrack",
               "FirstInit",
               "",
               "trainset t1 none 0",
               "node 1 2 car dynamic a b c d e",
               "endtrainset",
               "trainset t2 none 0",
               "endtrainset"}));
    EXPECT_EQ(Places(scenery.Tractions()), (std::vector<Place>{{"main.scn", 1}}));
    EXPECT_EQ(Places(scenery.Roads()), (std::vector<Place>{{"main.scn", 6}}));
    std::vector<Place> trainsets;
    for (const TTrainsObj& t : scenery.Trainsets)
        trainsets.push_back(PlaceOf(t.ReadAt));
    EXPECT_EQ(trainsets, (std::vector<Place>{{"main.scn", 19}, {"main.scn", 16}}));
}

TEST_F(SourceLocationTest, AnotherLoadStartsAFreshTable) {
    dir.Write("inc.inc", Piece(0, 0, 5, 0));
    Load(CrLf({"include inc.inc"}));
    Load(Piece(0, 0, 5, 0));
    EXPECT_EQ(scenery.Sources.FileCount(), 1u);
    EXPECT_EQ(Places(scenery.Tracks()), (std::vector<Place>{{"main.scn", 1}}));
}

}  // namespace
}  // namespace tarvik

namespace tarvik {
namespace {

TEST(SourceMapTest, RunsThatEndBeforeTheirFirstLineAreReplaced) {
    SourceMap map;
    const std::uint32_t a = map.AddFile("a");
    const std::uint32_t b = map.AddFile("b");
    EXPECT_EQ(map.AddFile("a"), a);
    map.BeginRun(1, a, 1);  // a: lines 1-3
    map.BeginRun(4, b, 1);  // b is empty
    map.BeginRun(4, a, 4);  // back in a
    EXPECT_EQ(map.Locate(3).line, 3u);
    EXPECT_EQ(map.Locate(4).file, a);
    EXPECT_EQ(map.Locate(9).line, 9u);
    EXPECT_FALSE(map.Locate(kNoSourceLine).Known());
}

TEST(SourceMapTest, FilesAreShownRelativeToTheSceneryFolderWhenBelowIt) {
    SourceMap map;
    map.AddFile("/s/scenery/main.scn");
    map.AddFile("/s/scenery/inc/tory.inc");
    map.AddFile("/s/scenery2/x.inc");
    map.AddFile("/s/other.inc");
    map.BeginRun(1, 1, 1);
    EXPECT_EQ(ShownSourceFile(map, 0), "main.scn");
    EXPECT_EQ(ShownSourceFile(map, 1), "inc/tory.inc");
    EXPECT_EQ(ShownSourceFile(map, 2), "/s/scenery2/x.inc");
    EXPECT_EQ(ShownSourceFile(map, 3), "/s/other.inc");
    EXPECT_EQ(ShownSourcePlace(map, 7), "inc/tory.inc:7");
    EXPECT_EQ(ShownSourcePlace(map, kNoSourceLine), "");
}

}  // namespace
}  // namespace tarvik
