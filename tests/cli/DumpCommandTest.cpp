#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DumpCommand.h"
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
    const std::string expected =
        "{\"files\":[\n{\"path\":\"" + path +
        "\",\"size\":" + std::to_string(std::filesystem::file_size(path)) +
        "}],\n"
        "\"name\":\"Sceneria łódź\",\n"
        "\"description\":\"Opis \\\"cytat\\\"\",\n"
        "\"bounds\":{\"min\":[-0,-10.2],\"max\":[0,0.204]},\n"
        "\"ranges\":{\"speed\":[40,40],\"height\":[0,10],\"gradient\":[0,50]},\n"
        "\"tracks\":[\n{\"name\":\"Tor1\",\"p1\":[-0,-0],\"p2\":[-0,-10],\"h\":[1,2],"
        "\"control\":[-0,-0,-1.5,-0],\"velocity\":40,\"events\":[[\"event0\",\"start\"]]}],\n"
        "\"roads\":[],\n\"rivers\":[],\n"
        "\"tractions\":[\n{\"name\":null,\"p1\":[-1,-2],\"p2\":[-3,-4],\"h\":[0,0],"
        "\"control\":null,\"velocity\":0,\"events\":[]}],\n"
        "\"trainsets\":[\n"
        "{\"name\":\"Lost\",\"description\":\"\",\"track\":null,\"vehicles\":[]},\n"
        "{\"name\":\"Os\",\"description\":\"Opis\",\"track\":0,\"vehicles\":["
        "{\"name\":\"car\",\"kind\":3},{\"name\":\"loco\",\"kind\":1}]}],\n"
        "\"error\":null}\n";
    EXPECT_EQ(run.out, expected);
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
    EXPECT_NE(run.out.find("\"track\":null,\"vehicles\":2}"), std::string::npos);
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
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"a.scn", "b.scn"},
                                               {"a.scn", "--precision", "0"},
                                               {"a.scn", "--precision"},
                                               {"a.scn", "--on-parse-error", "retry"},
                                               {"a.scn", "--colour"}}) {
        const DumpRun run = Dump(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("usage: tarvik dump"), std::string::npos);
    }
}

}  // namespace
}  // namespace tarvik
