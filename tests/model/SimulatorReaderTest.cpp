#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileSystem.h"
#include "Scenery.h"
#include "SceneryLoader.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::Segments;

constexpr const char* kVis = "vis rail.tex 4 bed.tex 0.2 0.5 1.1";

// A path along the ground from (x1, z1) to (x2, z2) in file axes, straight.
std::string Straight(double x1, double z1, double x2, double z2) {
    return std::to_string(x1) + " 0 " + std::to_string(z1) + " 0 0 0 0 0 0 0 " +
           std::to_string(x2) + " 0 " + std::to_string(z2) + " 0 0";
}

// A track node on one line, as the simulator's export writes it.
std::string Track(const std::string& name, const std::string& subKind, const std::string& paths,
                  const std::string& properties = "", const std::string& visibility = kVis) {
    return "node -1 0 " + name + " track " + subKind + " 10 1.435 0.25 20 20 0 flat " + visibility +
           " " + paths + " " + properties + " endtrack\n";
}

class SimulatorReaderTest : public ::testing::Test {
  protected:
    LoadResult Load(const std::string& text, const TWorkMode& mode = test::UserMode()) {
        mainPath = dir.Write("main.scn", text);
        PosixFileSystem files;
        return LoadSceneryModel(scenery, mainPath, mode, files, dialogs, status,
                                {.reading = SceneryReading::Simulator});
    }
    std::vector<std::string> ProblemKinds() const {
        std::vector<std::string> kinds;
        for (const Problem& p : scenery.LoadProblems)
            kinds.emplace_back(ProblemKindName(p.kind));
        return kinds;
    }
    std::string Place(SourceLine line) const { return ShownSourcePlace(scenery.Sources, line); }

    test::TempDir dir;
    std::string mainPath;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::RecordingStatus status;
};

TEST_F(SimulatorReaderTest, NodesOnOneLineOrSpreadOverManyReadAlike) {
    Load(Track("a", "normal", Straight(0, 0, 10, 0), "velocity 60") +
             "node\n-1\n0\nb\ntrack\nnormal 10 1.435 0.25 20\n20 0 flat\nvis\nrail.tex 4 "
             "bed.tex\n0.2 "
             "0.5 1.1\n20 1 0 0\n0 0 0\n0 0 0\n30 2 0 0\n0\nvelocity\n60\nendtrack\n"
             "node -1 0 c track normal 10 1.435 0.25 20 20 0 flat vis rail.tex 4 bed.tex 0.2 0.5 "
             "1.1 40 0 5 0 0 0 0 0 0 0 50 0 5 0 0 endtrack node -1 0 d track normal 10 1.435 0.25 "
             "20 20 0 flat vis rail.tex 4 bed.tex 0.2 0.5 1.1 50 0 5 0 0 0 0 0 0 0 60 0 5 0 0 "
             "endtrack",
         test::AuthorMode());
    const auto tracks = Segments(scenery.Tracks());
    ASSERT_EQ(tracks.size(), 4u);
    EXPECT_EQ(tracks[2]->Name(), "b");
    EXPECT_DOUBLE_EQ(tracks[2]->X1, -20);
    EXPECT_DOUBLE_EQ(tracks[2]->Height1, 1);
    EXPECT_DOUBLE_EQ(tracks[2]->X2, -30);
    EXPECT_DOUBLE_EQ(tracks[2]->Height2, 2);
    EXPECT_EQ(tracks[2]->Velocity, 60);
    // Each node is placed at the line of its first token.
    EXPECT_EQ(Place(scenery.Segments.ReadAt(*tracks[3])), "main.scn:1");
    EXPECT_EQ(Place(scenery.Segments.ReadAt(*tracks[2])), "main.scn:2");
    // Two nodes on one line.
    EXPECT_EQ(Place(scenery.Segments.ReadAt(*tracks[1])), "main.scn:20");
    EXPECT_EQ(Place(scenery.Segments.ReadAt(*tracks[0])), "main.scn:20");
    EXPECT_TRUE(scenery.LoadProblems.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SimulatorReaderTest, InvisibleDamagedAndEveryTrackSubKindIsRead) {
    const std::string two = Straight(0, 0, 10, 0) + " " + Straight(0, 0, 10, 5);
    Load(Track("u", "normal", Straight(0, 0, 10, 0), "", "unvis") +
         "node -1 0 d track normal 10 1.435 0.25 20 20 128 flat vis a 1 b 0 0 0 " +
         Straight(0, 10, 10, 10) + " endtrack\n" + Track("s", "switch", two, "velocity 40") +
         Track("t", "turn", Straight(0, 20, 10, 20)) +
         Track("tb", "table", Straight(0, 30, 10, 30)) +
         Track("r", "road", Straight(0, 40, 10, 40)) + Track("x", "cross", two) +
         Track("v", "river", Straight(0, 50, 10, 50)) + Track("y", "tributary", two) +
         // An unknown sub-kind reads its one path and stores nothing.
         Track("q", "monorail", Straight(0, 60, 10, 60)) +
         Track("z", "NORMAL", Straight(0, 70, 10, 70)));
    const auto tracks = Segments(scenery.Tracks());
    ASSERT_EQ(tracks.size(), 7u);
    EXPECT_DOUBLE_EQ(tracks[0]->Y1, -70);
    EXPECT_DOUBLE_EQ(tracks[1]->Y1, -30);
    EXPECT_DOUBLE_EQ(tracks[2]->Y1, -20);
    // The switch: the first path has the default speed, the second the node's.
    EXPECT_EQ(tracks[3]->Velocity, 40);
    EXPECT_DOUBLE_EQ(tracks[3]->Y2, -5);
    EXPECT_EQ(tracks[4]->Velocity, 160);
    EXPECT_DOUBLE_EQ(tracks[4]->Y2, 0);
    EXPECT_DOUBLE_EQ(tracks[5]->Y1, -10);
    EXPECT_DOUBLE_EQ(tracks[6]->X2, -10);
    EXPECT_EQ(scenery.Roads().Count(), 3u);
    EXPECT_EQ(scenery.Rivers().Count(), 3u);
    EXPECT_TRUE(scenery.LoadProblems.empty());
}

TEST_F(SimulatorReaderTest, AFirstControlVectorWithinTwoCentimetresOfAThirdMakesAStraight) {
    // The chord is (30, 0, 0): a third is (10, 0, 0).
    const auto path = [](double c1x) {
        return "0 0 0 0 " + std::to_string(c1x) + " 0 0 -9 0 1 30 0 0 0 0";
    };
    Load(Track("a", "normal", path(10.019)) + Track("b", "normal", path(10.021)) +
         Track("c", "cross", path(10) + " " + path(10)) + Track("d", "road", path(10)));
    const auto tracks = Segments(scenery.Tracks());
    ASSERT_EQ(tracks.size(), 2u);
    EXPECT_TRUE(tracks[0]->IsCurve());
    ASSERT_FALSE(tracks[1]->IsCurve());
    const auto roads = Segments(scenery.Roads());
    ASSERT_EQ(roads.size(), 3u);
    EXPECT_FALSE(roads[0]->IsCurve());
    // Not for a crossing: its paths keep their vectors.
    ASSERT_TRUE(roads[1]->IsCurve());
    EXPECT_DOUBLE_EQ(roads[1]->Control()->CX1, -10);
    EXPECT_DOUBLE_EQ(roads[1]->Control()->CX2, 9);
    EXPECT_DOUBLE_EQ(roads[1]->Control()->CY2, -1);
}

TEST_F(SimulatorReaderTest, TractionFieldsInOrderWithEndtractionAsAToken) {
    Load(
        "origin 5 100 0\n"
        "node -1 0 w traction zasilanie 3000 100 0.01 cu 1.2 128 0 6 0 10 6 0 0 7 0 10 7 0 "
        "5.5 10 1 0 vis parallel w0 ENDTRACTION\n"
        "node -1 0 w2 traction s 3000 100 0.01 cu 1.2 1\n10 6 20\n20 6 20\n1 2 3\n4 5 6 5 "
        "10 1 0 unvis endtraction endorigin " +
        Track("a", "normal", Straight(0, 0, 10, 0)));
    const auto wires = Segments(scenery.Tractions());
    ASSERT_EQ(wires.size(), 2u);
    EXPECT_DOUBLE_EQ(wires[1]->X1, -5);
    EXPECT_DOUBLE_EQ(wires[1]->X2, -15);
    EXPECT_DOUBLE_EQ(wires[0]->X1, -15);
    EXPECT_DOUBLE_EQ(wires[0]->Y1, -20);
    EXPECT_DOUBLE_EQ(wires[0]->X2, -25);
    // The track after them is read from its own node, without the origin.
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_DOUBLE_EQ(scenery.Tracks().begin()->X1, 0);
}

TEST_F(SimulatorReaderTest, IncludesStandAnywhereEvenInsideANode) {
    dir.Write("len.inc", "10 1.435");
    dir.Write("end.inc", "10 0 0 0 0");
    Load(
        "node -1 0 a track normal include len.inc end 0.25 20 20 0 flat unvis 0 0 0 0 0 0 0 "
        "0 0 0 include;end.inc;end endtrack");
    const auto tracks = Segments(scenery.Tracks());
    ASSERT_EQ(tracks.size(), 1u);
    EXPECT_DOUBLE_EQ(tracks[0]->X2, -10);
    EXPECT_EQ(scenery.IncFiles.front().FileName, mainPath);
    EXPECT_EQ(std::distance(scenery.IncFiles.begin(), scenery.IncFiles.end()), 3);
}

TEST_F(SimulatorReaderTest, ParametersOwnOrOfTheNearestAncestorAndNoneBeyondTheList) {
    // a.inc has two parameters; b.inc none, so it uses a's; c.inc its own.
    dir.Write("a.inc", "include b.inc end\ninclude c.inc (p1) Y end\n" +
                           Track("(p2)", "normal", "(p3) 0 0 0 0 0 0 0 0 0 (p3)5 0 0 0 0"));
    dir.Write("b.inc", Track("b_(p1)_(p2)_(p0)_(p9)_(p_(p1", "normal", Straight(0, 0, 1, 0)));
    dir.Write("c.inc", Track("c_(p2)", "normal", Straight(0, 1, 1, 1)));
    Load("include a.inc END X 2 end", test::AuthorMode());
    const auto tracks = Segments(scenery.Tracks());
    ASSERT_EQ(tracks.size(), 3u);
    EXPECT_EQ(tracks[2]->Name(), "b_end_x_none_none_(p_(p1");
    // "END" reached c.inc with its case, or it would have ended the list there.
    EXPECT_EQ(tracks[1]->Name(), "c_y");
    EXPECT_EQ(tracks[0]->Name(), "x");
    EXPECT_DOUBLE_EQ(tracks[0]->X1, -2);
    EXPECT_DOUBLE_EQ(tracks[0]->X2, -25);
}

TEST_F(SimulatorReaderTest, WithoutParametersAPlaceholderStaysAndReadsAsZero) {
    Load(Track("(p1)", "normal", "(p1) 0 0 0 0 0 0 0 0 0 7 0 0 0 0"), test::AuthorMode());
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(scenery.Tracks().begin()->Name(), "(p1)");
    EXPECT_DOUBLE_EQ(scenery.Tracks().begin()->X1, 0);
}

TEST_F(SimulatorReaderTest, PathsStartAtTheSceneryFolderThenTheIncludingFilesFolder) {
    dir.Write("sub/a.inc",
              "include sub/b.inc end include c.inc end include root.inc end "
              "include Sub\\B.INC end include nowhere.inc end");
    dir.Write("sub/b.inc", Track("b", "normal", Straight(0, 0, 1, 0)));
    dir.Write("sub/c.inc", Track("c", "normal", Straight(0, 1, 1, 1)));
    dir.Write("root.inc", Track("root", "normal", Straight(0, 2, 1, 2)));
    dir.Write("sub/root.inc", Track("subroot", "normal", Straight(0, 3, 1, 3)));
    Load("include sub/a.inc end", test::AuthorMode());
    std::vector<std::string> names;
    for (const TSegmentObj* s : Segments(scenery.Tracks()))
        names.emplace_back(s->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"b", "root", "c", "b"}));
    ASSERT_EQ(ProblemKinds(), (std::vector<std::string>{"missing-include"}));
    EXPECT_EQ(scenery.LoadProblems[0].message, "Brak dołączanego pliku: nowhere.inc");
    EXPECT_EQ(Place(scenery.LoadProblems[0].at), "sub/a.inc:1");
}

TEST_F(SimulatorReaderTest, OneOriginStackAcrossIncludesInBothDirections) {
    dir.Write("push.inc", "origin 10 5 0");
    dir.Write("pop.inc", "endorigin");
    Load("origin 100 0 0\ninclude push.inc end\n" + Track("a", "normal", Straight(0, 0, 1, 0)) +
         "include pop.inc end\n" + Track("b", "normal", Straight(0, 1, 1, 1)) +
         "endorigin endorigin endorigin\n" + Track("c", "normal", Straight(0, 2, 1, 2)));
    const auto tracks = Segments(scenery.Tracks());
    ASSERT_EQ(tracks.size(), 3u);
    EXPECT_DOUBLE_EQ(tracks[2]->X1, -110);
    // The height is y plus the origin's y.
    EXPECT_DOUBLE_EQ(tracks[2]->Height1, 5);
    EXPECT_DOUBLE_EQ(tracks[1]->X1, -100);
    EXPECT_DOUBLE_EQ(tracks[1]->Height1, 0);
    EXPECT_DOUBLE_EQ(tracks[0]->X1, 0);
}

TEST_F(SimulatorReaderTest, AStatementLeftHalfReadAtAFilesEndIsFinishedByTheNextTokens) {
    dir.Write("half.inc", "node -1 0 a track normal 10 1.435");
    Load("include half.inc end 0.25 20 20 0 flat unvis " + Straight(0, 0, 4, 0) + " endtrack");
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_DOUBLE_EQ(scenery.Tracks().begin()->X2, -4);
    // The node stands where its first token does.
    EXPECT_EQ(Place(scenery.Segments.ReadAt(*scenery.Tracks().begin())), "half.inc:1");
}

TEST_F(SimulatorReaderTest, ReadingGoesOnPastFirstInitAndTrainsetsStandAnywhere) {
    dir.Write("sklad.inc",
              "trainset drugi none 0 0 node -1 0 wagon dynamic a b dumbwagon 0 "
              "headdriver 0 enddynamic");
    Load(Track("Tor1", "normal", Straight(0, 0, 10, 0)) +
             "trainset pierwszy TOR1 0 40\n//$o Opis\n"
             "node -1 0 lok dynamic pkp/ep07 ep07 ep07 0 headdriver 0 enddynamic\n"
             "node -1 0 wag dynamic pkp/wag wag wag 0 passenger 0 enddynamic\n"
             "endtrainset\nFirstInit\n" +
             Track("t2", "normal", Straight(0, 5, 10, 5)) +
             "node -1 0 luzem dynamic a b c 0 headdriver 0 enddynamic\n"
             "include sklad.inc end endtrainset",
         test::AuthorMode());
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
    ASSERT_EQ(std::distance(scenery.Trainsets.begin(), scenery.Trainsets.end()), 2);
    const TTrainsObj& second = scenery.Trainsets.front();
    EXPECT_EQ(second.Name, "drugi");
    EXPECT_EQ(second.Track, nullptr);
    ASSERT_EQ(std::distance(second.Vehicles.begin(), second.Vehicles.end()), 1);
    EXPECT_EQ(second.Vehicles.front().Kind, VehicleKind::DumbDriver);
    const TTrainsObj& first = *std::next(scenery.Trainsets.begin());
    EXPECT_EQ(first.Name, "pierwszy");
    ASSERT_NE(first.Track, nullptr);
    EXPECT_EQ(first.Track->Name(), "tor1");
    EXPECT_EQ(first.Description, "Opis");
    EXPECT_EQ(Place(first.ReadAt), "main.scn:2");
    std::vector<VehicleKind> kinds;
    for (const TVehicleObj& v : first.Vehicles)
        kinds.push_back(v.Kind);
    // Newest first; the loose vehicle after the trainset's end is skipped.
    EXPECT_EQ(kinds, (std::vector<VehicleKind>{VehicleKind::Passenger, VehicleKind::Driver}));
    EXPECT_TRUE(scenery.LoadProblems.empty());
}

TEST_F(SimulatorReaderTest, BodiesAreSkippedAsWholesAndUnknownWordsAlone) {
    Load(
        "event e1 multiple 0 none node -1 0 x track endevent\n"
        "node -1 0 m model 0 0 0 0 a.t3d none endmodel\n"
        "node -1 0 t triangles grass.tex 1 2 3 node endtri\n"
        "node -1 0 s sound a.wav node endsound\n"
        "node -1 0 l eventlauncher 0 0 0 node end\n"
        "editorterrain a b c d node endeditorterrain lua node rotate 1 2 3 scale node 1 1\n"
        "nonsense group endgroup " +
        Track("a", "normal", Straight(0, 0, 1, 0)));
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_TRUE(scenery.LoadProblems.empty());
}

TEST_F(SimulatorReaderTest, NameAndDescriptionComeFromTheSceneryFileItself) {
    dir.Write("a.inc", "//$n Z dolaczenia\n//$d Opis z dolaczenia");
    Load(
        "\xEF\xBB\xBF"
        "include a.inc end\n//$d Opis\n  //$n Nazwa // z komentarzem\n//$n Druga");
    EXPECT_EQ(scenery.SceneryName, "Nazwa // z komentarzem");
    EXPECT_EQ(scenery.SceneryDescription, "Opis");
}

TEST_F(SimulatorReaderTest, ByteOrderMarkInAnIncludeAndByte26BeforeTheEnd) {
    dir.Write("a.inc", "\xEF\xBB\xBF" + Track("a", "normal", Straight(0, 0, 1, 0)));
    Load("include a.inc end\n\x1a\n" + Track("b", "normal", Straight(0, 1, 1, 1)));
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
}

TEST_F(SimulatorReaderTest, AFileIncludingItselfIsCutOnceAndTheLoadGoesOn) {
    dir.Write("a.inc", "include a.inc end " + Track("a", "normal", Straight(0, 0, 1, 0)));
    const LoadResult r = Load("include a.inc end");
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(ProblemKinds(), (std::vector<std::string>{"include-cycle"}));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(SimulatorReaderTest, NumbersAreReadByTheirPrefixWithoutQuestions) {
    Load(Track("a", "normal", "1,5 0 0 0 0 0 0 0 0 0 12abc 2x 0 0 0", "velocity 40.5km"));
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    const TSegmentObj& s = *scenery.Tracks().begin();
    EXPECT_DOUBLE_EQ(s.X1, -1);
    EXPECT_DOUBLE_EQ(s.X2, -12);
    EXPECT_DOUBLE_EQ(s.Height2, 2);
    EXPECT_EQ(s.Velocity, 40);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SimulatorReaderTest, ProgressComesEveryFewHundredThousandTokensAndCanStopThere) {
    class StopAtFirstReport final : public StatusSink {
      public:
        void StatusText(std::string_view) override {}
        void Progress(const LoadProgress& p) override { done.push_back(p.fileDone); }
        bool StopRequested() override { return true; }
        std::vector<std::uint64_t> done;
    } stop;
    std::string words;
    for (int i = 0; i < 300000; ++i)
        words += "x\n";
    mainPath = dir.Write("main.scn", Track("a", "normal", Straight(0, 0, 1, 0)) + words);
    PosixFileSystem files;
    const LoadResult r = LoadSceneryModel(scenery, mainPath, test::UserMode(), files, dialogs, stop,
                                          {.reading = SceneryReading::Simulator});
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    ASSERT_EQ(stop.done.size(), 1u);
    EXPECT_GT(stop.done[0], 0u);
}

TEST(ClassicReading, EachSimulatorSyntaxIsPointedToOnceAtItsFirstPlace) {
    struct Case {
        std::string text;
        std::string_view what;
        std::string place;
    };
    const Case cases[] = {
        {"// a\ninclude;a.inc;p1;end\ninclude;b.inc;end", "dołączenie z «;»", "main.scn:2"},
        {"include a.inc P1 P2 end // dwa\n", "dołączenie z parametrami", "main.scn:1"},
        {"\n\n/* stare\nnode -1 0 x */", "komentarz /* */", "main.scn:3"},
        {Track("a", "normal", Straight(0, 0, 1, 0)), "węzeł w jednym wierszu", "main.scn:1"},
        {"node -1 0 w traction s 3000 100 0.01 cu 1.2 0 0 6 0 10 6 0 endtraction",
         "węzeł w jednym wierszu", "main.scn:1"},
        {"FirstInit\ninclude;sklad.inc;end", "dołączenie z «;»", "main.scn:2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        test::TempDir dir;
        TScenery scenery;
        test::ScriptedDialogs dialogs;
        test::LoadFile(scenery, dir.Write("main.scn", c.text), test::UserMode(), dialogs);
        std::vector<const Problem*> found;
        for (const Problem& p : scenery.LoadProblems) {
            if (p.kind == ProblemKind::SimulatorSyntax) found.push_back(&p);
        }
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0]->message, "Sceneria używa składni symulatora (" + std::string(c.what) +
                                         "); włącz «Odczyt zgodny z symulatorem»");
        EXPECT_EQ(ShownSourcePlace(scenery.Sources, found[0]->at), c.place);
    }
    // The classic syntax gives none, "end" in an include line without parameters neither.
    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::LoadFile(scenery,
                   dir.Write("main.scn", test::TrackNode({}) + "include a.inc // end\n" +
                                             "include b.inc end\nnode -1 0 x lines\nendline\n"),
                   test::UserMode(), dialogs);
    for (const Problem& p : scenery.LoadProblems)
        EXPECT_NE(p.kind, ProblemKind::SimulatorSyntax) << p.message;
}

// The scenery of tests/data/simulator-syntax: nodes on one line, ";" includes with parameters,
// nested includes from the scenery's folder, a block comment, nodes after FirstInit, a switch,
// a traction wire and a trainset.
class SimulatorSyntaxScenery : public ::testing::Test {
  protected:
    LoadResult Load(SceneryReading reading, const TWorkMode& mode) {
        PosixFileSystem files;
        return LoadSceneryModel(scenery, path, mode, files, dialogs, status, {.reading = reading});
    }
    const std::string path = TARVIK_SOURCE_DIR "/tests/data/simulator-syntax/main.scn";
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::RecordingStatus status;
};

TEST_F(SimulatorSyntaxScenery, TheSimulatorReadingGivesEverySegmentAndTheTrainset) {
    ASSERT_EQ(Load(SceneryReading::Simulator, test::AuthorMode()).status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.SceneryName, "Sceneria w skladni symulatora");
    const auto tracks = Segments(scenery.Tracks());
    ASSERT_EQ(tracks.size(), 5u);
    struct Expected {
        std::string_view name;
        double x1, y1, x2, y2, h;
        int velocity;
    };
    const Expected expected[] = {{"t3", -500, 0, -550, 0, 0, 160},
                                 {"zwr1", -200, 0, -234, 4, 0, 40},
                                 {"zwr1", -200, 0, -234, 0, 0, 160},
                                 {"t2", -1100, 0, -1200, 0, 10, 100},
                                 {"t1", -1000, 0, -1100, 0, 10, 70}};
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tracks[i]->Name(), expected[i].name);
        EXPECT_DOUBLE_EQ(tracks[i]->X1, expected[i].x1);
        EXPECT_DOUBLE_EQ(tracks[i]->Y1, expected[i].y1);
        EXPECT_DOUBLE_EQ(tracks[i]->X2, expected[i].x2);
        EXPECT_DOUBLE_EQ(tracks[i]->Y2, expected[i].y2);
        EXPECT_DOUBLE_EQ(tracks[i]->Height1, expected[i].h);
        EXPECT_EQ(tracks[i]->Velocity, expected[i].velocity);
        EXPECT_EQ(tracks[i]->IsCurve(), i == 1);
    }
    const TControlPoints& c = *tracks[1]->Control();
    EXPECT_DOUBLE_EQ(c.CX1, -10);
    EXPECT_DOUBLE_EQ(c.CY1, 0);
    EXPECT_DOUBLE_EQ(c.CX2, 10);
    EXPECT_DOUBLE_EQ(c.CY2, 2);

    const auto roads = Segments(scenery.Roads());
    ASSERT_EQ(roads.size(), 2u);
    EXPECT_EQ(roads[0]->Name(), "t2d");
    EXPECT_DOUBLE_EQ(roads[0]->X1, -1100);
    EXPECT_DOUBLE_EQ(roads[0]->Y1, -10);
    EXPECT_EQ(roads[1]->Name(), "t1d");
    EXPECT_DOUBLE_EQ(roads[1]->X2, -1100);
    const auto wires = Segments(scenery.Tractions());
    ASSERT_EQ(wires.size(), 1u);
    EXPECT_DOUBLE_EQ(wires[0]->X1, 0);
    EXPECT_DOUBLE_EQ(wires[0]->X2, -100);

    ASSERT_EQ(std::distance(scenery.Trainsets.begin(), scenery.Trainsets.end()), 1);
    const TTrainsObj& train = scenery.Trainsets.front();
    EXPECT_EQ(train.Name, "pociag");
    EXPECT_EQ(train.Track, tracks[4]);
    EXPECT_EQ(train.Description, "Osobowy do Testowa");
    ASSERT_EQ(std::distance(train.Vehicles.begin(), train.Vehicles.end()), 1);
    EXPECT_EQ(train.Vehicles.front().Name, "en57");
    EXPECT_EQ(train.Vehicles.front().Kind, VehicleKind::Driver);
    EXPECT_EQ(std::distance(scenery.IncFiles.begin(), scenery.IncFiles.end()), 6);
    EXPECT_TRUE(scenery.LoadProblems.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SimulatorSyntaxScenery, InTheUserModeTheEqualRoadsJoin) {
    Load(SceneryReading::Simulator, test::UserMode());
    EXPECT_EQ(scenery.Tracks().Count(), 5u);
    ASSERT_EQ(scenery.Roads().Count(), 1u);
    EXPECT_DOUBLE_EQ(scenery.Roads().begin()->X1, -1000);
    EXPECT_DOUBLE_EQ(scenery.Roads().begin()->X2, -1200);
    EXPECT_EQ(scenery.Trainsets.front().Track, nullptr);
}

TEST_F(SimulatorSyntaxScenery, TheClassicReadingPointsToTheSimulatorReadingOnce) {
    Load(SceneryReading::Classic, test::UserMode());
    std::size_t found = 0;
    for (const Problem& p : scenery.LoadProblems) {
        if (p.kind != ProblemKind::SimulatorSyntax) continue;
        ++found;
        EXPECT_EQ(SeverityOf(p.kind), Severity::Warning);
        EXPECT_NE(p.message.find("włącz «Odczyt zgodny z symulatorem»"), std::string::npos);
        EXPECT_EQ(ShownSourcePlace(scenery.Sources, p.at), "main.scn:3");
    }
    EXPECT_EQ(found, 1u);
}

}  // namespace
}  // namespace tarvik
