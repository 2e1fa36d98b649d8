#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "CheckCommand.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::TrackNode;

struct CheckRun {
    int status;
    std::string out;
    std::string err;
};

std::string Piece(double x1, double z1, double x2, double z2, const std::string& name = "none") {
    test::PieceSpec p;
    p.name = name;
    p.x1 = x1, p.z1 = z1, p.x2 = x2, p.z2 = z2;
    return TrackNode(p);
}

CheckRun Check(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunCheck(args, out, err);
    return {status, test::ReadAndClose(out), test::ReadAndClose(err)};
}

// Lines counted by hand: a track node is 8 lines; the include's first node starts at line 2.
// The include is read last: it repeats a track of the top file and uses a name of it again;
// the top file has a near miss between two of its tracks.
class TarvikCheck : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.Write("b/part.inc", "// part\n" + Piece(0, 100, 10, 100, "Tor") + Piece(50, 0, 60, 0));
        main = dir.Write("main.scn", Piece(60, 0, 50, 0) + Piece(0, 0, 10, 0, "tor") +
                                         Piece(10.25, 0, 20, 0) + CrLf({"include b/part.inc"}));
    }
    std::string File(const std::string& name) const { return (dir.Path() / name).string(); }

    test::TempDir dir;
    std::string main;
};

TEST_F(TarvikCheck, ProblemsAreLinesInFileOrder) {
    const CheckRun r = Check({main, "--author"});
    EXPECT_EQ(r.status, 3) << r.err;
    // The include sorts before main.scn; a problem stands at the node read later.
    EXPECT_EQ(r.out, File("b/part.inc") +
                         ":2: warning: duplicate-name: Nazwa toru „Tor” jest już użyta w "
                         "main.scn:9\n" +
                         File("b/part.inc") +
                         ":10: warning: duplicate-segment: Odcinek toru powtarza odcinek z "
                         "main.scn:1: te same końce i wektory kontrolne\n" +
                         File("main.scn") +
                         ":9: warning: near-miss: Końce torów z main.scn:9 i z main.scn:17 "
                         "mijają się o 0,250 m\n");
    // Outside the author mode names are not read, and a gap of 0.2 m passes the near miss.
    const CheckRun user = Check({main, "--gap", "0.2"});
    EXPECT_EQ(user.status, 3);
    EXPECT_EQ(user.out.find("near-miss"), std::string::npos);
    EXPECT_EQ(user.out.find("duplicate-name"), std::string::npos);
    EXPECT_NE(user.out.find("duplicate-segment"), std::string::npos);
}

TEST_F(TarvikCheck, JsonGivesPlacesPointsInTheSceneryAxesAndCounts) {
    const CheckRun r = Check({"--json", main});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out.rfind("{\"scenery\":\"" + main + "\",\n\"problems\":[\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\"counts\":{\"parse-error\":0,"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"near-miss\":1,\"duplicate-segment\":1,\"duplicate-name\":0,"
                         "\"no-segments\":0},\n\"leftOut\":0}\n"),
              std::string::npos)
        << r.out;
    const std::string nearMiss =
        "{\"kind\":\"near-miss\",\"severity\":\"warning\",\"message\":\"Końce torów z "
        "main.scn:9 i z main.scn:17 mijają się o 0,250 m\",\"at\":{\"file\":\"" +
        File("main.scn") + "\",\"line\":9},\"where\":[10.125,0]}]";
    EXPECT_NE(r.out.find(nearMiss), std::string::npos) << r.out;
}

TEST(TarvikCheckLeftOut, ProblemsBeyondWhatALoadKeepsAreCounted) {
    test::TempDir dir;
    std::string text;
    for (std::size_t i = 0; i < kMostLoadProblems + 3; ++i)
        text += "include brak.inc\n";
    const std::string main = dir.Write("main.scn", text + Piece(0, 0, 10, 0));
    const CheckRun r = Check({main, "--json"});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.out.find("\"leftOut\":3}"), std::string::npos);
    EXPECT_NE(r.err.find("pominięto 3 dalszych problemów"), std::string::npos) << r.err;
}

TEST(TarvikCheckStatus, NothingFoundMissingSceneryAndWrongUsage) {
    test::TempDir dir;
    const std::string clean = dir.Write("clean.scn", Piece(0, 0, 10, 0) + Piece(10, 0, 20, 0));
    const CheckRun ok = Check({clean});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out, "");
    EXPECT_EQ(Check({clean, "--json"})
                  .out.rfind("{\"scenery\":\"" + clean + "\",\n\"problems\":[],\n\"counts\":{", 0),
              0u);

    const std::string empty = dir.Write("empty.scn", "// nothing\r\n");
    const CheckRun none = Check({empty});
    EXPECT_EQ(none.status, 3);
    EXPECT_EQ(none.out, empty +
                            ": warning: no-segments: Sceneria nie zawiera żadnego odcinka toru, "
                            "drogi, rzeki ani sieci trakcyjnej\n");

    EXPECT_EQ(Check({(dir.Path() / "no-such.scn").string()}).status, 1);
    const std::pair<std::vector<std::string>, std::string> wrongUsages[] = {
        {{clean, "--gap", "-1"}, "--gap przyjmuje liczbę metrów, 0 lub więcej"},
        {{clean, "--gap", "abc"}, "--gap przyjmuje liczbę metrów, 0 lub więcej"},
        {{clean, "--gap"}, "--gap wymaga wartości"},
        {{clean, "--on-parse-error", "abort"}, "nieznana opcja --on-parse-error"},
        {{clean, "--precision", "0"}, "--precision przyjmuje liczbę całkowitą od 1 do 10"},
        {{clean, "--what"}, "nieznana opcja --what"},
        {{}, "nie podano scenerii"}};
    for (const auto& [wrong, problem] : wrongUsages) {
        const CheckRun r = Check(wrong);
        EXPECT_EQ(r.status, 2) << problem;
        EXPECT_EQ(r.err, "tarvik check: " + problem +
                             "\nużycie: tarvik check SCENERIA [--author] [--precision 1..10] "
                             "[--gap METRY] [--json]\n"
                             "       [--reader classic|simulator]\n");
    }
}

TEST(TarvikCheckReading, TheClassicReadingPointsToTheSimulatorReadingWhichReadsTheScenery) {
    const std::string scenery = TARVIK_SOURCE_DIR "/tests/data/simulator-syntax/main.scn";
    const CheckRun classic = Check({scenery});
    EXPECT_EQ(classic.status, 3);
    EXPECT_NE(classic.out.find(scenery +
                               ":3: warning: simulator-syntax: Sceneria używa składni symulatora "
                               "(komentarz /* */); włącz «Odczyt zgodny z symulatorem»\n"),
              std::string::npos)
        << classic.out;
    // Read as the simulator reads it, the scenery is clean.
    const CheckRun simulator = Check({scenery, "--reader", "simulator", "--author"});
    EXPECT_EQ(simulator.status, 0) << simulator.out;
    EXPECT_EQ(simulator.out, "");
    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{scenery, "--reader"}, {scenery, "--reader", "x"}}) {
        const CheckRun r = Check(wrong);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("--reader"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace tarvik
