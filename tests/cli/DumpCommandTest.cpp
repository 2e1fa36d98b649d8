#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "DumpCommand.h"
#include "SceneryJson.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::CrLf;

struct DumpRun {
    int status;
    std::string out;
    std::string err;
};

DumpRun Dump(const std::vector<std::string>& args) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    const int status = RunDump(args, out, err);
    return {status, test::ReadAndClose(out), test::ReadAndClose(err)};
}

TEST(TarvikDump, PrintsTheWholeModelAsJson) {
    test::TempDir dir;
    const std::string path =
        dir.Write("s.scn", CrLf({"//$n Sceneria \xB3\xF3\x64\x9F",
                                 "//$d Opis \"cytat\"",
                                 "node -1 0 Tor1 track normal 1 2 3 4 5 0 flat vis",
                                 " mat",
                                 "0 1 0",
                                 "0 0 0",
                                 "1.5 0 0",
                                 "0 2 10",
                                 "0",
                                 "velocity 40",
                                 "event0 start",
                                 "endtrack",
                                 "node 1 0 none traction pwr01 3500 4500 0.01 Cu 3.0 1",
                                 "1 5 2",
                                 "3 5 4",
                                 "endtraction",
                                 "FirstInit",
                                 "trainset Os Tor1",
                                 "//$o Opis",
                                 "node 1 0 loco a b c d e headdriver",
                                 "node 1 0 car a b c d e passenger",
                                 "endtrainset",
                                 "trainset Lost nowhere",
                                 "endtrainset"}));
    const DumpRun run = Dump({path, "--author"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "Nieodnaleziony tor: Nie odnaleziono toru nowhere, do którego przypisany "
              "jest pociąg Lost\\rCzy chcesz sam przypisac pociąg do toru?\n");
    const auto at = [&path](int line) {
        return ",\"at\":{\"file\":\"" + path + "\",\"line\":" + std::to_string(line) + "}}";
    };
    const std::string expected =
        "{\"files\":[\n{\"path\":\"" + path +
        "\",\"size\":" + std::to_string(std::filesystem::file_size(path)) +
        "}],\n"
        "\"name\":\"Sceneria łódź\",\n"
        "\"description\":\"Opis \\\"cytat\\\"\",\n"
        "\"bounds\":{\"min\":[-0,-10.2],\"max\":[0,0.204]},\n"
        "\"ranges\":{\"speed\":[40,40],\"height\":[0,10],\"gradient\":[0,50]},\n"
        "\"tracks\":[\n{\"name\":\"Tor1\",\"p1\":[-0,-0],\"p2\":[-0,-10],\"h\":[1,2],"
        "\"control\":[-0,-0,-1.5,-0],\"velocity\":40,\"events\":[[\"event0\",\"start\"]]" +
        at(3) +
        "],\n"
        "\"roads\":[],\n\"rivers\":[],\n"
        "\"tractions\":[\n{\"name\":null,\"p1\":[-1,-2],\"p2\":[-3,-4],\"h\":[0,0],"
        "\"control\":null,\"velocity\":0,\"events\":[]" +
        at(13) +
        "],\n"
        "\"trainsets\":[\n"
        "{\"name\":\"Lost\",\"description\":\"\",\"track\":null,\"vehicles\":[]" +
        at(23) +
        ",\n"
        "{\"name\":\"Os\",\"description\":\"Opis\",\"track\":0,\"vehicles\":["
        "{\"name\":\"car\",\"kind\":3},{\"name\":\"loco\",\"kind\":1}]" +
        at(18) +
        "],\n"
        "\"error\":null}\n";
    EXPECT_EQ(run.out, expected);
}

// A track node from (x1, z1) to (x2, z2) of the file's axes.
std::string Piece(double x1, double z1, double x2, double z2, const std::string& subKind) {
    test::PieceSpec p;
    p.subKind = subKind;
    p.x1 = x1, p.z1 = z1, p.x2 = x2, p.z2 = z2;
    return test::TrackNode(p);
}

// Every "at" value of a dump, in the order written.
std::vector<std::string> Places(const std::string& json) {
    std::vector<std::string> places;
    for (std::size_t at = json.find("\"at\":"); at != std::string::npos;
         at = json.find("\"at\":", at + 1)) {
        const std::size_t from = at + 5;
        const std::size_t to = json[from] == '{' ? json.find('}', from) + 1 : from + 4;
        places.push_back(json.substr(from, to - from));
    }
    return places;
}

TEST(TarvikDump, SegmentsAndTrainsetsTellTheFileAndLineTheyWereReadFrom) {
    test::TempDir dir;
    const std::string main = dir.Path().string() + "/main.scn";
    const std::string inc = dir.Path().string() + "/parts/inc.inc";
    // Lines counted by hand; a track node is 8 lines.
    dir.Write("parts/inc.inc",
              "// part\n\n" + Piece(0, 0, 0, 10, "road") + Piece(5, 0, 5, 10, "normal"));
    dir.Write("main.scn",
              CrLf({"// top", "origin 100 0 0", "include parts/inc.inc", "endorigin", ""}) +
                  Piece(9, 0, 9, 10, "normal") +
                  CrLf({"FirstInit", "trainset T none", "endtrainset"}));
    const DumpRun run = Dump({main});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_NE(run.out.find("{\"path\":\"" + inc + "\""), std::string::npos) << run.out;
    const auto place = [](const std::string& file, int line) {
        return "{\"file\":\"" + file + "\",\"line\":" + std::to_string(line) + "}";
    };
    // Tracks newest first, then roads, then trainsets.
    EXPECT_EQ(Places(run.out), (std::vector<std::string>{place(main, 6), place(inc, 11),
                                                         place(inc, 3), place(main, 15)}));
}

TEST(TarvikDump, PlaceNotKnownIsNull) {
    TScenery scenery;
    scenery.Segments.NewSegment({.kind = SegmentKind::River, .x1 = 0, .y1 = 0, .x2 = 1, .y2 = 0});
    scenery.Trainsets.emplace_front();
    std::FILE* out = std::tmpfile();
    WriteSceneryJson(out, scenery, LoadResult{}, false);
    EXPECT_EQ(Places(test::ReadAndClose(out)), (std::vector<std::string>{"null", "null"}));
}

TEST(TarvikDump, SummaryCountsInsteadOfListing) {
    test::TempDir dir;
    const std::string path =
        dir.Write("s.scn", CrLf({"node -1 0 a track road 1 2 3 4 5 0 flat vis", " mat", "0 0 0",
                                 "0 0 0", "0 0 0", "0 0 10", "0", "endtrack", "FirstInit",
                                 "trainset T a", "node 1 0 v1", "node 1 0 v2", "endtrainset"}));
    const DumpRun run = Dump({"--summary", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find("\"tracks\":["), std::string::npos);
    EXPECT_NE(run.out.find("\"track\":null,\"vehicles\":2,\"at\":{\"file\":\"" + path +
                           "\",\"line\":10}}"),
              std::string::npos);
    EXPECT_NE(run.out.find("\"counts\":{\"tracks\":0,\"roads\":1,\"rivers\":0,\"tractions\":0,"
                           "\"trainsets\":1,\"vehicles\":2}"),
              std::string::npos)
        << run.out;
}

TEST(TarvikDump, ParseErrorQuestionIsAnsweredFromTheCommandLine) {
    test::TempDir dir;
    const std::string path =
        dir.Write("s.scn", CrLf({"node 1 2", "node -1 0 a track road 1 2 3 4 5 0 flat vis", " mat",
                                 "0 0 0", "0 0 0", "0 0 0", "0 0 10", "0", "endtrack"}));
    const DumpRun ignored = Dump({path, "--summary"});
    EXPECT_EQ(ignored.err, "Błąd parsowania: Błąd parsowania!\\n\\r2 3\n");
    EXPECT_NE(ignored.out.find("\"roads\":1"), std::string::npos);
    const DumpRun aborted = Dump({path, "--summary", "--on-parse-error", "abort"});
    EXPECT_EQ(aborted.status, 0);
    EXPECT_NE(aborted.out.find("\"roads\":0"), std::string::npos);
}

TEST(TarvikDump, ErrorEndingTheLoadStillPrintsThePartialModel) {
    test::TempDir dir;
    const std::string path = dir.Write(
        "s.scn",
        CrLf({"node -1 0 a track road 1 2 3 4 5 0 flat vis", " mat", "0 0 0", "0 0 0", "0 0 0",
              "0 0 10", "0", "endtrack", "node 1 0 none traction pwr01 3500 4500 0.01 Cu 3.0 x"}));
    const DumpRun run = Dump({path, "--summary"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"roads\":1"), std::string::npos);
    EXPECT_NE(run.out.find("\"error\":\"'x' is not a valid integer value ("), std::string::npos);
    EXPECT_NE(run.err.find("'x' is not a valid integer value"), std::string::npos);
}

TEST(TarvikDump, MissingSceneryAndWrongUsage) {
    const DumpRun missing = Dump({"/nonexistent/x.scn"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "Brak pliku: Plik o nazwie /nonexistent/x.scn nie istnieje!\n");
    const std::pair<std::vector<std::string>, std::string> wrongUsages[] = {
        {{}, "nie podano scenerii"},
        {{"a.scn", "b.scn"}, "można podać tylko jedną scenerię"},
        {{"a.scn", "--precision", "0"}, "--precision przyjmuje liczbę całkowitą od 1 do 10"},
        {{"a.scn", "--precision"}, "--precision wymaga wartości"},
        {{"a.scn", "--on-parse-error", "retry"}, "--on-parse-error przyjmuje ignore lub abort"},
        {{"a.scn", "--on-parse-error"}, "--on-parse-error wymaga wartości"},
        {{"a.scn", "--colour"}, "nieznana opcja --colour"}};
    for (const auto& [args, problem] : wrongUsages) {
        const DumpRun run = Dump(args);
        EXPECT_EQ(run.status, 2) << problem;
        EXPECT_EQ(run.err, "tarvik dump: " + problem +
                               "\nużycie: tarvik dump SCENERIA [--author] [--precision 1..10] "
                               "[--on-parse-error ignore|abort]\n"
                               "       [--reader classic|simulator] [--summary]\n");
    }
}

}  // namespace
}  // namespace tarvik
