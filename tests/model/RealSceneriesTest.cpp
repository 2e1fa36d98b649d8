#include <gtest/gtest.h>

#include <iterator>
#include <string>

#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

struct Counts {
    std::size_t tracks, roads, rivers, tractions, trainsets, vehicles, files;
    bool operator==(const Counts&) const = default;
};

void PrintTo(const Counts& c, std::ostream* os) {
    *os << "{tracks " << c.tracks << ", roads " << c.roads << ", rivers " << c.rivers
        << ", tractions " << c.tractions << ", trainsets " << c.trainsets << ", vehicles "
        << c.vehicles << ", files " << c.files << "}";
}

Counts CountsOf(const TScenery& s) {
    std::size_t vehicles = 0;
    for (const TTrainsObj& t : s.Trainsets) {
        vehicles += static_cast<std::size_t>(std::distance(t.Vehicles.begin(), t.Vehicles.end()));
    }
    return {s.Tracks().Count(),
            s.Roads().Count(),
            s.Rivers().Count(),
            s.Tractions().Count(),
            static_cast<std::size_t>(std::distance(s.Trainsets.begin(), s.Trainsets.end())),
            vehicles,
            static_cast<std::size_t>(std::distance(s.IncFiles.begin(), s.IncFiles.end()))};
}

Counts LoadCleanly(const std::string& path, const TWorkMode& mode, TScenery& scenery) {
    test::ScriptedDialogs dialogs;
    const LoadResult r = test::LoadFile(scenery, path, mode, dialogs);
    EXPECT_EQ(r.status, LoadStatus::Loaded) << r.error;
    EXPECT_TRUE(dialogs.messages.empty())
        << dialogs.messages.front().caption << ": " << dialogs.messages.front().text;
    return CountsOf(scenery);
}

TEST(DemoScenery, LoadsCleanlyAndShowsEveryFeature) {
    const std::string path = std::string(TARVIK_SOURCE_DIR) + "/examples/demo/demo.scn";
    TScenery scenery;
    EXPECT_EQ(LoadCleanly(path, test::UserMode(), scenery), (Counts{16, 3, 2, 1, 5, 13, 7}));
    EXPECT_EQ(scenery.SceneryName, "Stacja Demo");
    EXPECT_TRUE(scenery.SceneryDescription.starts_with("Sceneria przyk\xB3\x61\x64owa"));
    EXPECT_EQ(scenery.Ranges().SpeedMin, 30);
    EXPECT_EQ(scenery.Ranges().SpeedMax, 160);

    test::ScriptedDialogs dialogs;
    test::LoadFile(scenery, path, test::AuthorMode(), dialogs);
    EXPECT_EQ(CountsOf(scenery), (Counts{20, 3, 2, 8, 5, 13, 7}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Nieodnaleziony tor");
    std::size_t bound = 0;
    for (const TTrainsObj& t : scenery.Trainsets)
        bound += t.Track != nullptr;
    EXPECT_EQ(bound, 4u);
    // The station was placed by the origin statement, 200 m north, heights unshifted.
    const TSegmentObj* station = scenery.Segments.FindNamedTrack("zwr1");
    ASSERT_NE(station, nullptr);
    EXPECT_EQ(station->Y1, -200);
    EXPECT_EQ(station->Height1, 0);
}

class RealSceneries : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto dir = test::SharedSceneries();
        if (!dir) GTEST_SKIP() << "the shared sceneries are not here";
        folder = dir->string();
    }
    std::string folder;
};

TEST_F(RealSceneries, SmallTestSceneryLoadsInBothModes) {
    TScenery scenery;
    EXPECT_EQ(LoadCleanly(folder + "/TD.scn", test::UserMode(), scenery),
              (Counts{72, 0, 0, 89, 1, 2, 1}));
    EXPECT_EQ(scenery.Trainsets.front().Track, nullptr);
    EXPECT_EQ(scenery.Trainsets.front().Description, "Tor do\x9Cwiadczalny ");
    EXPECT_EQ(LoadCleanly(folder + "/TD.scn", test::AuthorMode(), scenery),
              (Counts{89, 0, 0, 115, 1, 2, 1}));
    ASSERT_NE(scenery.Trainsets.front().Track, nullptr);
    EXPECT_EQ(scenery.Trainsets.front().Track->Name(), "start");
}

TEST_F(RealSceneries, PartOfARealLineLoadsInBothModes) {
    TScenery scenery;
    EXPECT_EQ(LoadCleanly(folder + "/linia053-misja5.scm", test::UserMode(), scenery),
              (Counts{1016, 166, 10, 931, 0, 0, 1}));
    const SceneryRanges& r = scenery.Ranges();
    EXPECT_EQ(r.SpeedMin, 0);
    EXPECT_EQ(r.SpeedMax, 160);
    EXPECT_EQ(r.GradientMax, 50);
    EXPECT_EQ(LoadCleanly(folder + "/linia053-misja5.scm", test::AuthorMode(), scenery),
              (Counts{1160, 182, 10, 1026, 0, 0, 1}));
    std::size_t events = 0;
    for (const TSegmentObj& s : scenery.Tracks())
        events += s.Events().size();
    EXPECT_GT(events, 0u);
}

// Run under the leak checker of the sanitizer build: every record of a model goes with it,
// whether the model is freed by a new load or by its end.
TEST_F(RealSceneries, LoadingAgainAndAgainKeepsNothing) {
    for (int round = 0; round < 3; ++round) {
        TScenery reused;
        for (const char* name : {"/TD.scn", "/linia053-misja5.scm"}) {
            for (const TWorkMode& mode : {test::UserMode(), test::AuthorMode()}) {
                LoadCleanly(folder + name, mode, reused);
                TScenery fresh;
                LoadCleanly(folder + name, mode, fresh);
                EXPECT_EQ(CountsOf(fresh), CountsOf(reused));
            }
        }
    }
}

}  // namespace
}  // namespace tarvik
