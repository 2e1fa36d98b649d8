#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "LocateCommand.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::TrackNode;

struct LocateRun {
    int status;
    std::string out;
    std::string err;
};

// A track node from (x1, z1) to (x2, z2) of the file's axes.
std::string Piece(double x1, double z1, double x2, double z2,
                  const std::string& subKind = "normal") {
    test::PieceSpec p;
    p.subKind = subKind;
    p.x1 = x1, p.z1 = z1, p.x2 = x2, p.z2 = z2;
    return TrackNode(p);
}

LocateRun Locate(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunLocate(args, out, err);
    return {status, test::ReadAndClose(out), test::ReadAndClose(err)};
}

// Lines counted by hand; a track node is 8 lines, 9 with a velocity line. Around the point
// (-995, 502) of the scenery's axes lie: the include's track 2 m away, the top file's track 3 m,
// the wire 5 m, the road 8 m.
class TarvikLocate : public ::testing::Test {
  protected:
    void SetUp() override {
        test::PieceSpec named;
        named.name = "Tor7";
        named.x2 = 10;
        named.extraLines = {"velocity 60"};
        // A quarter bend of radius 20 from (50, 0) to (70, 20).
        test::PieceSpec bend;
        bend.x1 = 50, bend.x2 = 70, bend.z2 = 20, bend.c1x = 11.05, bend.c2z = -11.05;
        dir.Write("parts/line.inc",
                  "// line\n" + TrackNode(named) + Piece(0, -6, 10, -6, "road") + TrackNode(bend));
        dir.Write("main.scn",
                  CrLf({"// top", "origin -1000 0 500", "include parts/line.inc", "endorigin"}) +
                      Piece(-1000, 505, -990, 505) +
                      CrLf({"node 1 0 none traction pwr01 3500 4500 0.01 Cu 3.0 1", "-1000 5 497",
                            "-990 5 497", "endtraction"}));
    }
    std::string Place(const std::string& file, int line) const {
        return "{\"file\":\"" + (dir.Path() / file).string() +
               "\",\"line\":" + std::to_string(line) + "}";
    }
    std::vector<std::string> Args(std::vector<std::string> extra) const {
        extra.insert(extra.begin(), main);
        return extra;
    }

    test::TempDir dir;
    const std::string main = (dir.Path() / "main.scn").string();
};

TEST_F(TarvikLocate, NearestFirstWithTheFileAndLineOfEachInAnIncludeUnderAnOrigin) {
    const LocateRun run = Locate(Args({"-995", "502", "--author"}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"point\":[-995,502],\"radius\":5,\"hits\":[\n"
              "{\"layer\":\"tracks\",\"name\":\"Tor7\",\"distance\":2,\"velocity\":60,\"at\":" +
                  Place("parts/line.inc", 2) +
                  "},\n"
                  "{\"layer\":\"tracks\",\"name\":null,\"distance\":3,\"velocity\":160,\"at\":" +
                  Place("main.scn", 5) +
                  "},\n"
                  "{\"layer\":\"tractions\",\"name\":null,\"distance\":5,\"velocity\":0,\"at\":" +
                  Place("main.scn", 13) + "}]}\n");
}

TEST_F(TarvikLocate, RadiusIsInclusiveAndLayersFilter) {
    const auto layers = [](const std::string& out) {
        std::vector<std::string> found;
        for (std::size_t at = out.find("\"layer\":\""); at != std::string::npos;
             at = out.find("\"layer\":\"", at + 1)) {
            found.push_back(out.substr(at + 9, out.find('"', at + 9) - at - 9));
        }
        return found;
    };
    using Layers = std::vector<std::string>;
    EXPECT_EQ(layers(Locate(Args({"--radius", "8", "-995", "502"})).out),
              (Layers{"tracks", "tracks", "tractions", "roads"}));
    EXPECT_EQ(layers(Locate(Args({"-995", "502", "--radius", "7.99"})).out),
              (Layers{"tracks", "tracks", "tractions"}));
    EXPECT_EQ(
        layers(Locate(Args({"-995", "502", "--radius", "8", "--layers", "roads,traction"})).out),
        (Layers{"tractions", "roads"}));
    EXPECT_EQ(layers(Locate(Args({"-995", "502", "--radius", "8", "--layers", "tractions"})).out),
              (Layers{"tractions"}));
}

TEST_F(TarvikLocate, CurvesAreMeasuredAsDrawnAtTheWorkModesPrecision) {
    // The middle of the bend's arc, 5.86 m off its chord.
    const std::vector<std::string> point{"-935.858", "505.858", "--radius", "0.5"};
    const LocateRun drawn = Locate(Args(point));
    EXPECT_NE(drawn.out.find("\"at\":" + Place("parts/line.inc", 19)), std::string::npos)
        << drawn.out;
    const std::size_t distance = drawn.out.find("\"distance\":");
    ASSERT_NE(distance, std::string::npos);
    EXPECT_LT(std::stod(drawn.out.substr(distance + 11)), 0.01);
    // At the lowest precision a user sees the bend as its chord.
    std::vector<std::string> chord = point;
    chord.insert(chord.end(), {"--precision", "1"});
    EXPECT_EQ(Locate(Args(chord)).out,
              "{\"point\":[-935.858,505.858],\"radius\":0.5,\"hits\":[]}\n");
}

TEST_F(TarvikLocate, NothingNearIsNoError) {
    const LocateRun run = Locate(Args({"0", "0"}));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"point\":[0,0],\"radius\":5,\"hits\":[]}\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(TarvikLocate, LoadFailureStatusOne) {
    const LocateRun missing = Locate({(dir.Path() / "none.scn").string(), "0", "0"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("Brak pliku: "), std::string::npos);
    // What was read before the error is still searched.
    const std::string broken =
        dir.Write("broken.scn", Piece(0, 0, 10, 0) +
                                    CrLf({"node 1 0 none traction pwr01 3500 4500 0.01 Cu 3.0 x"}));
    const LocateRun failed = Locate({broken, "5", "1"});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.out.find("\"distance\":1,"), std::string::npos) << failed.out;
    EXPECT_NE(failed.err.find("'x' is not a valid integer value"), std::string::npos);
}

TEST_F(TarvikLocate, WrongUsage) {
    const std::pair<std::vector<std::string>, std::string> wrongUsages[] = {
        {{}, "nie podano scenerii"},
        {{main}, "nie podano punktu (X Z)"},
        {{main, "1"}, "nie podano Z"},
        {{main, "1", "2", "3"}, "nieoczekiwany argument 3"},
        {{main, "x", "2"}, "X musi być liczbą, a nie x"},
        {{main, "1", "2m"}, "Z musi być liczbą, a nie 2m"},
        {{main, "1", "inf"}, "Z musi być liczbą, a nie inf"},
        {{main, "nan", "2"}, "X musi być liczbą, a nie nan"},
        {{main, "1", "2", "--radius"}, "--radius wymaga wartości"},
        {{main, "1", "2", "--radius", "-1"}, "--radius przyjmuje liczbę metrów, 0 lub więcej"},
        {{main, "1", "2", "--radius", "five"}, "--radius przyjmuje liczbę metrów, 0 lub więcej"},
        {{main, "1", "2", "--layers", "tracks,trees"}, "nieznana warstwa trees"},
        {{main, "1", "2", "--precision", "11"},
         "--precision przyjmuje liczbę całkowitą od 1 do 10"},
        {{main, "1", "2", "--on-parse-error", "retry"},
         "--on-parse-error przyjmuje ignore lub abort"},
        {{main, "1", "2", "--summary"}, "nieznana opcja --summary"}};
    for (const auto& [args, problem] : wrongUsages) {
        const LocateRun run = Locate(args);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err,
                  "tarvik locate: " + problem +
                      "\nużycie: tarvik locate SCENERIA X Z [--radius M] [--layers LISTA] "
                      "[--author] [--precision 1..10]\n"
                      "       [--on-parse-error ignore|abort] [--reader classic|simulator]\n"
                      "  X Z: punkt w osiach scenerii; LISTA: rozdzielone przecinkami spośród\n"
                      "  tracks,roads,rivers,traction\n");
    }
}

}  // namespace
}  // namespace tarvik
