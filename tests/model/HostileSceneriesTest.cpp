#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using namespace std::string_literals;

// Damaged and hostile sceneries: each load ends, tells the user what they must know, and
// leaves a model that can be walked.
class HostileTest : public ::testing::Test {
  protected:
    LoadResult Load(const std::string& name, const std::string& bytes,
                    const TWorkMode& mode = test::AuthorMode()) {
        const std::string path = dir.Write(name, bytes);
        const LoadResult r = test::LoadFile(scenery, path, mode, dialogs);
        CheckConsistent();
        return r;
    }
    void CheckConsistent() {
        for (const SegmentList* list :
             {&scenery.Tracks(), &scenery.Roads(), &scenery.Rivers(), &scenery.Tractions()}) {
            std::size_t walked = 0;
            for (const TSegmentObj& s : *list) {
                ++walked;
                EXPECT_TRUE(std::isfinite(s.X1) && std::isfinite(s.Y1) && std::isfinite(s.X2) &&
                            std::isfinite(s.Y2));
                EXPECT_LE(s.Name().size(), 255u);
            }
            EXPECT_EQ(walked, list->Count());
        }
        for (const TTrainsObj& t : scenery.Trainsets)
            EXPECT_LE(t.Name.size(), 255u);
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const auto& m : dialogs.messages)
            out.push_back(m.caption);
        return out;
    }
    static std::string Track(const std::string& name = "t", const std::string& velocity = "",
                             const std::string& token11 = "0") {
        return "node -1 0 " + name + " track normal 1 2 3 4 5 " + token11 +
               " flat vis\r\n r 4 r 0.2 2.75 2.5\r\n0 0 0 0\r\n0 0 0\r\n0 0 0\r\n10 0 0 "
               "0\r\n0\r\n" +
               (velocity.empty() ? "" : "velocity " + velocity + "\r\n") + "endtrack\r\n";
    }

    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
};

TEST_F(HostileTest, BytesThatAreNoScenery) {
    std::mt19937 random(7);
    std::string noise(1 << 20, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    EXPECT_NE(Load("noise.scn", noise).status, LoadStatus::Missing);

    EXPECT_EQ(Load("empty.scn", "").status, LoadStatus::Loaded);
    EXPECT_TRUE(scenery.Tracks().Empty());
    EXPECT_EQ(std::distance(scenery.IncFiles.begin(), scenery.IncFiles.end()), 1);

    // NUL bytes are ordinary characters and a lone CR is no line end: the whole file is one
    // line that starts no node.
    EXPECT_EQ(Load("cr.scn",
                   "node -1 0 a\0b track normal 1 2 3 4 5 0 flat vis\r r\r0 0 0 0\r"
                   "0 0 0\r0 0 0\r10 0 0 0\r0\rendtrack\r"s)
                  .status,
              LoadStatus::Loaded);
    EXPECT_TRUE(scenery.Tracks().Empty());
}

TEST_F(HostileTest, AFiftyMegabyteLineIsQuotedShortly) {
    dialogs.answers = {MessageAnswer::Ignore};
    Load("long.scn", "node " + std::string(50'000'000, 'x'));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Błąd parsowania");
    EXPECT_LT(dialogs.messages[0].text.size(), 1100u);
    EXPECT_NE(dialogs.messages[0].text.find("…"), std::string::npos);
}

TEST_F(HostileTest, FilesThatEndInsideABody) {
    const std::string track =
        "node -1 0 t track normal 1 2 3 4 5 0 flat vis\r\n r 4\r\n0 0 0 0\r\n";
    const std::string sw =
        "node -1 0 t track switch 1 2 3 4 5 0 flat vis\r\n r 4\r\n0 0 0 0\r\n"
        "0 0 0\r\n0 0 0\r\n10 0 0 0\r\n0\r\n0 0 0 0\r\n";
    for (const std::string& text : {track, sw}) {
        dialogs.messages.clear();
        EXPECT_EQ(Load("cut.scn", text).status, LoadStatus::Loaded);
        EXPECT_EQ(Captions(), std::vector<std::string>{"Błąd"});
    }
    dialogs.messages.clear();
    // Traction, triangles, lines and a trainset cut short.
    EXPECT_EQ(
        Load("cut.scn", "node 1000 0 none traction pwr01 3500 4500 0.01 Cu 3.0 1\r\n1 5.8 2\r\n")
            .status,
        LoadStatus::Failed);
    for (const char* text : {"node -1 0 t triangles grass\r\n1 2 3 0 0 0 0 0\r\n",
                             "node -1 0 t lines 0 0 0\r\n1 2 3\r\n",
                             "FirstInit\r\ntrainset A t 0 0\r\nnode -1 0 v dynamic a b c 0 nobody "
                             "0 0 enddynamic\r\n"}) {
        EXPECT_EQ(Load("cut.scn", Track() + text).status, LoadStatus::Loaded) << text;
    }
    EXPECT_EQ(std::distance(scenery.Trainsets.begin(), scenery.Trainsets.end()), 1);
}

TEST_F(HostileTest, IncludeCyclesAndLongChains) {
    Load("self.scn", "include self.scn\r\n" + Track());
    EXPECT_EQ(Captions(), std::vector<std::string>{"Błąd"});
    EXPECT_EQ(scenery.Tracks().Count(), 1u);

    dialogs.messages.clear();
    dir.Write("b.inc", "include c.inc\r\n");
    dir.Write("c.inc", "include a.scn\r\n" + Track("c"));
    Load("a.scn", "include b.inc\r\n");
    EXPECT_EQ(Captions(), std::vector<std::string>{"Błąd"});
    EXPECT_EQ(scenery.Tracks().Count(), 1u);

    dialogs.messages.clear();
    constexpr int kDepth = 10000;
    for (int i = 1; i < kDepth; ++i)
        dir.Write("chain/" + std::to_string(i) + ".inc",
                  "include " + std::to_string(i + 1) + ".inc\r\n");
    dir.Write("chain/" + std::to_string(kDepth) + ".inc", Track("deep"));
    EXPECT_EQ(Load("chain.scn", "include chain/1.inc\r\n").status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(std::distance(scenery.IncFiles.begin(), scenery.IncFiles.end()), kDepth + 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HostileTest, IncludesThatCannotBeRead) {
    std::filesystem::create_directories(dir.Path() / "folder.inc");
    EXPECT_EQ(Load("f.scn", "include folder.inc\r\n" + Track()).status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    // A name that is no UTF-8 is read and shown with its bytes decoded.
    dir.Write("bad\xFF\xFE.inc", "//$n Nazwa\r\n");
    EXPECT_EQ(Load("b.scn", "include bad\xFF\xFE.inc\r\n").status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.SceneryName, "Nazwa");
    if (geteuid() != 0) {
        const std::string locked = dir.Write("locked.inc", Track());
        std::filesystem::permissions(locked, std::filesystem::perms::none);
        const LoadResult r = Load("l.scn", "include locked.inc\r\n");
        EXPECT_EQ(r.status, LoadStatus::Failed);
        EXPECT_NE(r.error.find("locked.inc"), std::string::npos);
    }
}

TEST_F(HostileTest, HugeNamesAndNumbersOutOfRange) {
    Load("n.scn", Track(std::string(100000, 'n')));
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(scenery.Tracks().Head()->Name().size(), 255u);

    for (const char* v : {"nan", "inf", "1e400", "1e19"}) {
        dialogs.messages.clear();
        EXPECT_EQ(Load("v.scn", Track("t", v)).status, LoadStatus::Loaded) << v;
        EXPECT_EQ(Captions(), std::vector<std::string>{"Błąd"}) << v;
        const LoadResult token = Load("k.scn", Track("t", "", v));
        EXPECT_EQ(token.status, LoadStatus::Failed) << v;
        EXPECT_NE(token.error.find("is not a valid integer value"), std::string::npos) << v;
    }
    dialogs.messages.clear();
    EXPECT_EQ(Load("z.scn", Track("t", "-0", "-0")).status, LoadStatus::Loaded);
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(scenery.Tracks().Head()->Velocity, 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HostileTest, ManyTrainsetsAndSegmentsOnOnePoint) {
    std::string text = Track("tor") + "FirstInit\r\n";
    for (int i = 0; i < 200000; ++i) {
        text += "trainset T" + std::to_string(i) +
                " tor 0 0\r\nnode -1 0 v dynamic a b c 0 nobody 0 0 enddynamic\r\nendtrainset\r\n";
    }
    EXPECT_EQ(Load("t.scn", text).status, LoadStatus::Loaded);
    EXPECT_EQ(std::distance(scenery.Trainsets.begin(), scenery.Trainsets.end()), 200000);
    EXPECT_TRUE(dialogs.messages.empty());
    for (const TTrainsObj& t : scenery.Trainsets)
        ASSERT_EQ(t.Track, scenery.Tracks().Head());

    std::string point;
    for (int i = 0; i < 1000; ++i) {
        point +=
            "node -1 0 p track normal 1 2 3 4 5 0 flat vis\r\n r 4\r\n5 0 5 0\r\n1 0 1\r\n"
            "2 0 2\r\n5 0 5 0\r\n0\r\nendtrack\r\n";
    }
    EXPECT_EQ(Load("p.scn", point).status, LoadStatus::Loaded);
    EXPECT_TRUE(scenery.Tracks().Empty());
}

}  // namespace
}  // namespace tarvik
