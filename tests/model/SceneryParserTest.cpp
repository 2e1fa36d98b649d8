#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::PieceSpec;
using test::Segments;
using test::TrackNode;

class ParserTest : public ::testing::Test {
  protected:
    // Writes main.scn (and any other files first) and loads it.
    LoadResult Load(const std::string& text, const TWorkMode& mode = test::UserMode()) {
        mainPath = dir.Write("main.scn", text);
        return test::LoadFile(scenery, mainPath, mode, dialogs, &status);
    }
    std::vector<std::string> FileNames() const {
        std::vector<std::string> names;
        for (const TIncFile& f : scenery.IncFiles) {
            names.push_back(f.FileName.substr(dir.Path().string().size() + 1));
        }
        return names;
    }
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& m : dialogs.messages)
            captions.push_back(m.caption);
        return captions;
    }

    test::TempDir dir;
    std::string mainPath;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::RecordingStatus status;
};

std::string Piece(double x1, double z1, double x2, double z2, std::vector<std::string> extra = {},
                  std::string name = "none") {
    PieceSpec p;
    p.name = std::move(name);
    p.x1 = x1, p.z1 = z1, p.x2 = x2, p.z2 = z2;
    p.extraLines = std::move(extra);
    return TrackNode(p);
}

TEST_F(ParserTest, FirstNameAndDescriptionLinesWinAcrossIncludes) {
    dir.Write("inc.inc", CrLf({"//$n Later name", "//$d Later description"}));
    Load(CrLf({"//$n Moja sceneria", "  //$d Opis", "include inc.inc", "//$n Second"}));
    EXPECT_EQ(scenery.SceneryName, "Moja sceneria");
    // The first five characters are dropped wherever the marker stands.
    EXPECT_EQ(scenery.SceneryDescription, "d Opis");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ParserTest, CoordinatesAreNegatedAndHeightsTakenFromTheSecondNumber) {
    PieceSpec p;
    p.x1 = 1, p.h1 = 2, p.z1 = 3, p.x2 = 4, p.h2 = 5, p.z2 = 6;
    p.c1x = 0.5, p.c1z = -1.5, p.c2x = 2, p.c2z = 0;
    Load(CrLf({"origin 100 10 1000"}) + TrackNode(p));
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    const TSegmentObj& s = *scenery.Tracks().Head();
    EXPECT_EQ(s.X1, -101);
    EXPECT_EQ(s.Y1, -1003);
    EXPECT_EQ(s.Height1, -8);
    EXPECT_EQ(s.X2, -104);
    EXPECT_EQ(s.Y2, -1006);
    EXPECT_EQ(s.Height2, -5);
    ASSERT_TRUE(s.IsCurve());
    // Control vectors are relative and never shifted.
    EXPECT_EQ(s.Control()->CX1, -0.5);
    EXPECT_EQ(s.Control()->CY1, 1.5);
    EXPECT_EQ(s.Control()->CX2, -2);
    EXPECT_EQ(s.Control()->CY2, 0);
}

TEST_F(ParserTest, OriginInParenthesesIsSkippedAndEndOriginRestoresTheEntryOffsets) {
    PieceSpec p;
    p.x2 = 10, p.h1 = 1, p.h2 = 1;
    Load(CrLf({"origin 5 (7) 20", "origin 1 2 (3)"}) + TrackNode(p) + CrLf({"endorigin"}) +
         TrackNode(p));
    const auto segs = Segments(scenery.Tracks());
    ASSERT_EQ(segs.size(), 2u);
    // Newest first: the piece after endorigin has no offsets.
    EXPECT_EQ(segs[0]->X1, 0);
    EXPECT_EQ(segs[0]->Height1, 1);
    EXPECT_EQ(segs[1]->X1, -6);
    EXPECT_EQ(segs[1]->Y1, -20);
    EXPECT_EQ(segs[1]->Height1, -1);
}

TEST_F(ParserTest, BadOriginNumberWarnsAndKeepsWhatWasAdded) {
    PieceSpec p;
    p.x2 = 10;
    Load(CrLf({"origin 5 x 7 // comment"}) + TrackNode(p));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Niepoprawny parametr orign - 'origin 5 x 7 // comment'!");
    EXPECT_EQ(dialogs.messages[0].caption, "Błąd");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Warning);
    const TSegmentObj& s = *scenery.Tracks().Head();
    EXPECT_EQ(s.X1, -5);
    EXPECT_EQ(s.Y1, -7);
}

TEST_F(ParserTest, IncludesResolveFromTheIncludingFolderWithEitherSeparator) {
    dir.Write("sub/a.inc", CrLf({"include deeper\\b.inc"}) + Piece(0, 0, 1, 0));
    dir.Write("sub/deeper/b.inc", Piece(0, 5, 1, 5));
    dir.Write("c.scm", Piece(0, 9, 1, 9));
    Load(CrLf({"include sub/a.inc", "include c.scm", "include noext", "include c.x",
               "include missing.inc"}));
    EXPECT_EQ(FileNames(),
              (std::vector<std::string>{"main.scn", "c.scm", "sub/a.inc", "sub/deeper/b.inc"}));
    EXPECT_EQ(scenery.Tracks().Count(), 3u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ParserTest, IncludeNamesIgnoreCaseLikeTheFileSystemsSceneriesComeFrom) {
    dir.Write("Tory/Stacja.INC", Piece(0, 0, 1, 0));
    Load(CrLf({"include tory\\STACJA.inc"}));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"main.scn", "Tory/Stacja.INC"}));
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
}

TEST_F(ParserTest, IncludeWrittenInCp1250FindsTheUtf8FileName) {
    dir.Write("łódź.inc", Piece(0, 0, 1, 0));
    Load(CrLf({"include \xB3\xF3\x64\x9F.inc"}));
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
}

TEST_F(ParserTest, OffsetsGoIntoIncludesButNotBack) {
    dir.Write("inc.inc", CrLf({"origin 100 0 0"}) + Piece(0, 0, 1, 0));
    Load(CrLf({"origin 10 0 0", "include inc.inc"}) + Piece(0, 5, 1, 5));
    const auto segs = Segments(scenery.Tracks());
    ASSERT_EQ(segs.size(), 2u);
    EXPECT_EQ(segs[0]->X1, -10);
    EXPECT_EQ(segs[1]->X1, -110);
}

TEST_F(ParserTest, FileIncludedTwiceIsListedTwiceAndReadTwice) {
    dir.Write("inc.inc", Piece(0, 0, 0, 1));
    Load(CrLf({"origin 5 0 0", "include inc.inc", "endorigin", "include inc.inc"}));
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"main.scn", "inc.inc", "inc.inc"}));
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
}

TEST_F(ParserTest, IncludeCyclesAreCutAndReportedOnce) {
    dir.Write("a.inc", CrLf({"include b.inc"}) + Piece(0, 0, 0, 1));
    dir.Write("b.inc", CrLf({"include c.inc", "include main.scn"}));
    dir.Write("c.inc", CrLf({"include a.inc", "include c.inc"}));
    const LoadResult r = Load(CrLf({"include a.inc", "include main.scn"}));
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(FileNames(), (std::vector<std::string>{"main.scn", "a.inc", "b.inc", "c.inc"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Błąd");
    int cycleTexts = 0;
    for (const std::string& t : status.texts)
        cycleTexts += t.starts_with("Pominięto cykliczne");
    EXPECT_EQ(cycleTexts, 4);
}

TEST_F(ParserTest, StatusShowsEachFileAndTheIncludingFileAgain) {
    dir.Write("inc.inc", "");
    Load(CrLf({"include inc.inc", "include gone.inc"}));
    const std::string top = "Ładowanie... " + mainPath;
    EXPECT_EQ(status.texts,
              (std::vector<std::string>{top, "Ładowanie... " + dir.Path().string() + "/inc.inc",
                                        top, top}));
}

TEST_F(ParserTest, TrackSectionsThatAreNotReadLeaveNoSegment) {
    const std::string body =
        CrLf({" mat", "0 0 0", "0 0 0", "0 0 0", "10 0 0", "0", "velocity 40", "endtrack"});
    Load(CrLf({"node -1 0 a track normal 1 2 3 4 5 0 flat novis"}) + body +
         CrLf({"node -1 0 a track normal 1 2 3 4 5 128 flat vis"}) + body +
         CrLf({"node -1 0 a track tram 1 2 3 4 5 0 flat vis"}) + body +
         CrLf({"NODE -1 0 a TRACK NORMAL 1 2 3 4 5 127 flat VIS"}) + body);
    ASSERT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(scenery.Tracks().Head()->Velocity, 40);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ParserTest, KindsOfTrackNodesGoToTheirLists) {
    PieceSpec p;
    p.x2 = 10;
    p.subKind = "road";
    std::string text = TrackNode(p);
    p.subKind = "River";
    text += TrackNode(p);
    Load(text);
    EXPECT_EQ(scenery.Roads().Count(), 1u);
    EXPECT_EQ(scenery.Rivers().Count(), 1u);
    EXPECT_TRUE(scenery.Tracks().Empty());
}

TEST_F(ParserTest, LineSpeedIsRoundedHalfToEvenInEightBits) {
    Load(Piece(0, 0, 10, 0, {"velocity 300"}) + Piece(0, 5, 10, 5, {"velocity 12.5"}) +
         Piece(0, 9, 10, 9));
    const auto segs = Segments(scenery.Tracks());
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(segs[0]->Velocity, 160);
    EXPECT_EQ(segs[1]->Velocity, 12);
    EXPECT_EQ(segs[2]->Velocity, 44);
}

TEST_F(ParserTest, SwitchGivesTwoNamedSegmentsAndOnlyTheSecondTakesSpeedAndEvents) {
    Load(CrLf({"node -1 0 Zwr1 track switch 34.0 1.435 0.24 15.0 20 2 flat vis",
               " Rail_screw_used1 4 Rail_screw_used1 0.2 2.75 2.5", "0 0 0", "0 0 0", "0 0 0",
               "0 0 34", "0", "0 0 0", "0 0 11", "1 0 -11", "-2 0 34", "-300.0", "velocity 40",
               "event0 zwr_ev", "endtrack"}),
         test::AuthorMode());
    const auto segs = Segments(scenery.Tracks());
    ASSERT_EQ(segs.size(), 2u);
    EXPECT_EQ(segs[0]->Name(), "Zwr1");
    EXPECT_EQ(segs[1]->Name(), "Zwr1");
    EXPECT_EQ(segs[0]->Velocity, 40);
    EXPECT_TRUE(segs[0]->IsCurve());
    ASSERT_EQ(segs[0]->Events().size(), 1u);
    EXPECT_EQ(segs[0]->Events()[0].EventName, "zwr_ev");
    EXPECT_EQ(segs[1]->Velocity, 160);
    EXPECT_FALSE(segs[1]->HasEvents());
}

TEST_F(ParserTest, NamesAndEventsAreReadOnlyInTheAuthorMode) {
    const std::string text =
        Piece(0, 0, 10, 0, {"event0 a", "EVENT1 b", "eventall c", "evnt d"}, "Tor_1") +
        Piece(0, 5, 10, 5, {}, "NONE") + Piece(0, 9, 10, 9, {}, std::string(300, 'n'));
    Load(text);
    for (const TSegmentObj& s : scenery.Tracks()) {
        EXPECT_FALSE(s.HasName());
        EXPECT_FALSE(s.HasEvents());
    }
    Load(text, test::AuthorMode());
    const auto segs = Segments(scenery.Tracks());
    ASSERT_EQ(segs.size(), 3u);
    EXPECT_EQ(segs[0]->Name(), std::string(255, 'n'));
    EXPECT_FALSE(segs[1]->HasName());
    EXPECT_EQ(segs[2]->Name(), "Tor_1");
    ASSERT_EQ(segs[2]->Events().size(), 3u);
    EXPECT_EQ(segs[2]->Events()[1].Key, "EVENT1");
    EXPECT_EQ(segs[2]->Events()[2].Key, "eventall");
}

TEST_F(ParserTest, BadNumberInASegmentIsReportedAndOnlyThatSegmentIsLost) {
    Load(CrLf({"node -1 0 z track switch 34.0 1.435 0.24 15.0 20 2 flat vis", " mat", "0 0 x1",
               "0 0 0", "0 0 0", "0 0 0", "0 0 34", "0", "endtrack"}) +
         Piece(50, 0, 60, 0));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Błąd przy odczycie drogi! '0 0 x1'");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    // The second segment is read from the line after the bad one, so it is the wrong data,
    // as in the line-by-line reading of the node.
    const auto segs = Segments(scenery.Tracks());
    ASSERT_EQ(segs.size(), 2u);
    EXPECT_EQ(segs[0]->X1, -50);
}

TEST_F(ParserTest, SpeedThatCannotBeRoundedLosesTheSegment) {
    Load(Piece(0, 0, 10, 0, {"velocity 1e30"}) + Piece(0, 5, 10, 5, {"velocity abc"}) +
         Piece(0, 9, 10, 9, {"velocity"}) + Piece(20, 0, 30, 0));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Błąd", "Błąd", "Błąd"}));
    EXPECT_EQ(dialogs.messages[0].text, "Błąd przy odczycie drogi! 'velocity 1e30'");
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
}

TEST_F(ParserTest, HeightThatCannotBeRoundedLosesTheSegment) {
    PieceSpec p;
    p.x2 = 10, p.h2 = 1e300;
    Load(TrackNode(p) + Piece(20, 0, 30, 0));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Błąd przy odczycie drogi! 'endtrack'");
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    // Its ends still widened the bounds, which start at the first piece read.
    EXPECT_GT(scenery.Bounds().SceneryMax.x, -1);
}

TEST_F(ParserTest, HugeLinesAndNulBytesAreOrdinaryText) {
    std::string huge = "node 1 0 x triangles ";
    huge.append(50u << 20, 'x');
    std::string text = CrLf({huge, "endtri"});
    text += std::string("//$n Na\0zwa\r\n", 13);
    text += Piece(0, 0, 10, 0);
    text += std::string(50u << 20, ' ');
    Load(text);
    EXPECT_EQ(scenery.SceneryName, std::string("Na\0zwa", 6));
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ParserTest, ShortPointLineAbandonsTheNodeUnlessIgnored) {
    dialogs.answers = {MessageAnswer::Abort};
    Load(Piece(0, 0, 10, 0) +
         CrLf({"node -1 0 none track normal 1 2 3 4 5 0 flat vis", " mat", "0 0", "0 0 0", "0 0 0",
               "10 0 0", "0", "endtrack"}) +
         Piece(0, 7, 10, 7));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Błąd parsowania"}));
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
    // Ignored, the missing number is a bad segment.
    Load(CrLf({"node -1 0 none track normal 1 2 3 4 5 0 flat vis", " mat", "0 0", "0 0 0", "0 0 0",
               "10 0 0", "0", "endtrack"}));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Błąd parsowania", "Błąd parsowania", "Błąd"}));
    EXPECT_TRUE(scenery.Tracks().Empty());
}

TEST_F(ParserTest, ShortNodeLineStopsTheFileOnAbortAndIsIgnoredOnIgnore) {
    dialogs.answers = {MessageAnswer::Abort};
    Load(CrLf({"node 1 2"}) + Piece(0, 0, 10, 0));
    EXPECT_TRUE(scenery.Tracks().Empty());
    EXPECT_EQ(FileNames(), std::vector<std::string>{"main.scn"});
    dialogs.answers = {MessageAnswer::Ignore};
    const LoadResult r = Load(CrLf({"node 1 2"}) + Piece(0, 0, 10, 0));
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
}

TEST_F(ParserTest, NonIntegerTokenElevenEndsTheLoadKeepingWhatWasRead) {
    dir.Write("inc.inc",
              Piece(0, 5, 10, 5) + CrLf({"node -1 0 none track normal 1 2 3 4 5 1.5 flat vis"}));
    const LoadResult r =
        Load(Piece(0, 0, 10, 0, {"velocity 45"}) + CrLf({"include inc.inc"}) + Piece(0, 9, 10, 9));
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_NE(r.error.find("'1.5' is not a valid integer value"), std::string::npos) << r.error;
    EXPECT_NE(r.error.find("inc.inc, wiersz 9"), std::string::npos) << r.error;
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
    EXPECT_TRUE(scenery.IncFiles.empty());
    // The ranges were finished on the partial model.
    EXPECT_EQ(scenery.Ranges().SpeedMin, 40);
    EXPECT_EQ(scenery.Ranges().SpeedMax, 160);
}

TEST_F(ParserTest, TractionReadsTwoPointsAndEndsOnlyAtAnExactEndLine) {
    Load(Piece(0, 0, 10, 0) +
         CrLf({"node 1000 0  none traction pwr01 3500 4500 0.01 Cu 3.0 1", "100 5.8 200",
               "300 5.8 400", "1 7.5 2", "3 7.5 4", "endtraction ",
               "node 1 0 x track normal 1 2 3 4 5 0 f vis", "endtraction",
               "node 1000 0 none traction pwr01 3500 4500 0.01 Cu 3.0 128", "0 0 0", "5 0 5",
               "endtraction"}));
    ASSERT_EQ(scenery.Tractions().Count(), 1u);
    const TSegmentObj& t = *scenery.Tractions().Head();
    EXPECT_EQ(t.X1, -100);
    EXPECT_EQ(t.Y1, -200);
    EXPECT_EQ(t.X2, -300);
    EXPECT_EQ(t.Y2, -400);
    EXPECT_EQ(t.Velocity, 0);
    EXPECT_EQ(t.Height1, 0);
    // The track node inside the traction body was skipped.
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    // Traction never widens the box: only the track's x from -10 to 0 (then 2 % wider).
    EXPECT_GT(scenery.Bounds().SceneryMin.x, -11);
    EXPECT_GT(scenery.Bounds().SceneryMin.y, -1);
}

TEST_F(ParserTest, BadTractionNumberEndsTheLoad) {
    const LoadResult r = Load(
        CrLf({"node 1000 0 none traction pwr01 3500 4500 0.01 Cu 3.0 1", "1 5.8 nan", "3 5 4"}));
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_NE(r.error.find("'nan' is not a valid floating point value"), std::string::npos);
}

TEST_F(ParserTest, FilesEndingInsideBodiesAreReadToTheirEndAndRecorded) {
    for (const std::string& tail :
         {CrLf({"node 1 0 t triangles mat", "1 2 3"}), CrLf({"node 1 0 t lines mat", "1 2 3"}),
          CrLf({"node 1000 0 none traction pwr01 3500 4500 0.01 Cu 3.0 1", "1 5 2", "3 5 4",
                "1 7 2"}),
          CrLf({"node -1 0 none track normal 1 2 3 4 5 0 flat vis", " mat", "0 0 0", "0 0 0",
                "0 0 0", "10 0 0", "0", "velocity 40"})}) {
        const LoadResult r = Load(Piece(20, 0, 30, 0) + tail);
        EXPECT_EQ(r.status, LoadStatus::Loaded) << tail;
        EXPECT_EQ(FileNames(), std::vector<std::string>{"main.scn"}) << tail;
        EXPECT_TRUE(dialogs.messages.empty()) << tail;
    }
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
}

TEST_F(ParserTest, TriangleBodiesEndOnlyAtAWholeEndLineInAnyCase) {
    Load(CrLf({"node 1 0 t triangles mat", "endtri x", "node -1 0 none track normal", "EndTri"}) +
         Piece(0, 0, 10, 0));
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ParserTest, FirstSegmentSetsTheBoxEvenWhenItIsDropped) {
    Load(Piece(-50, 7, -50, 7) + Piece(0, 0, 10, 0));
    EXPECT_TRUE(scenery.Tracks().Count() == 1u);
    // x from -10 to 50, y from -7 to 0, then widened.
    const SceneryBounds& b = scenery.Bounds();
    EXPECT_FLOAT_EQ(b.SceneryMin.x, -11.2f);
    EXPECT_FLOAT_EQ(b.SceneryMax.x, 51.224f);
    EXPECT_FLOAT_EQ(b.SceneryMin.y, -7.14f);
}

TEST_F(ParserTest, BoxStartsAgainAfterAnIncludeThatStoredNothing) {
    // The include's only segment is dropped but initialises the box inside the include;
    // the including file still sees an empty model and starts the box again.
    dir.Write("inc.inc", Piece(-500, -500, -500, -500));
    Load(CrLf({"include inc.inc"}) + Piece(0, 0, 10, 0));
    EXPECT_LT(scenery.Bounds().SceneryMax.x, 20);
}

TEST_F(ParserTest, WholeLineFirstInitStartsTheTrainsetPart) {
    Load(CrLf({"FirstInit x", "FIRSTINIT"}) + Piece(0, 0, 10, 0) +
         CrLf({"trainset t1 none 0", "endtrainset"}));
    EXPECT_TRUE(scenery.Tracks().Empty());
    EXPECT_EQ(std::distance(scenery.Trainsets.begin(), scenery.Trainsets.end()), 1);
}

}  // namespace
}  // namespace tarvik
