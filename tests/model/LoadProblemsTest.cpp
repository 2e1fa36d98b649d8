#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "LoadQuestions.h"
#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::PieceSpec;
using test::TrackNode;

// Kind, file name in the folder, line.
using Found = std::tuple<ProblemKind, std::string, std::uint64_t>;

// Line numbers below are counted by hand from the texts; a track node of TrackNode is 8 lines.
class LoadProblemsTest : public ::testing::Test {
  protected:
    LoadResult Load(const std::string& text, const TWorkMode& mode = test::UserMode()) {
        return test::LoadFile(scenery, dir.Write("main.scn", text), mode, dialogs);
    }
    std::vector<Found> Problems() const {
        std::vector<Found> found;
        for (const Problem& p : scenery.LoadProblems) {
            const SourceLocation at = scenery.Sources.Locate(p.at);
            if (!at.Known()) {
                found.emplace_back(p.kind, "?", 0);
                continue;
            }
            const std::string& path = scenery.Sources.Path(at.file);
            found.emplace_back(p.kind, path.substr(dir.Path().string().size() + 1), at.line);
        }
        return found;
    }
    std::string Message(std::size_t i) const {
        return i < scenery.LoadProblems.size() ? scenery.LoadProblems[i].message : std::string();
    }

    test::TempDir dir;
    TScenery scenery;
    test::ScriptedDialogs dialogs;
};

std::string Piece(double z, const std::string& name = "none") {
    PieceSpec p;
    p.name = name;
    p.z1 = z, p.x2 = 10, p.z2 = z;
    return TrackNode(p);
}

TEST_F(LoadProblemsTest, QuestionedLinesAreRecordedWithWhatTheQuestionShowedAndTheAnswer) {
    // The short track node line in the include is split twice, the second time going on
    // from where the first split stopped.
    dir.Write("inc.inc", CrLf({"", "node -1 0 none track normal 1 2", "origin 1 2", "node 9 9"}));
    dialogs.answers = {MessageAnswer::Ignore, MessageAnswer::Ignore, MessageAnswer::Abort,
                       MessageAnswer::Retry};
    const LoadResult r = Load(CrLf({"node 1 2", "include inc.inc", "node 3"}) + Piece(0));
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(Problems(), (std::vector<Found>{{ProblemKind::ParseError, "main.scn", 1},
                                              {ProblemKind::ParseError, "inc.inc", 2},
                                              {ProblemKind::ParseError, "inc.inc", 3},
                                              {ProblemKind::ParseError, "main.scn", 3}}));
    EXPECT_EQ(Message(0), "Za mało parametrów w wierszu: 2 3 (potrzeba 5) — odpowiedź: Ignoruj");
    EXPECT_EQ(Message(1), "Za mało parametrów w wierszu: 2 8 (potrzeba 14) — odpowiedź: Ignoruj");
    EXPECT_EQ(Message(2), "Za mało parametrów w wierszu: 2 3 (potrzeba 4) — odpowiedź: Przerwij");
    EXPECT_EQ(Message(3), "Za mało parametrów w wierszu: 3 2 (potrzeba 5) — odpowiedź: Ponów");
    // The questions themselves are as they were, and the main file stopped on Retry.
    ASSERT_EQ(dialogs.messages.size(), 4u);
    EXPECT_EQ(dialogs.messages[0].text, "Błąd parsowania!\n\r2 3");
    EXPECT_TRUE(scenery.Tracks().Empty());
}

TEST_F(LoadProblemsTest, TheErrorThatEndsTheLoadStandsAtTheLineOfTheInnermostFile) {
    const std::string badNode = "node -1 0 none track normal 1 2 3 4 5 1.5 flat vis";
    dir.Write("inc.inc", Piece(5) + CrLf({badNode}));
    LoadResult r = Load(CrLf({"// x", "include inc.inc"}) + Piece(9));
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_EQ(Problems(), (std::vector<Found>{{ProblemKind::LoadError, "inc.inc", 9}}));
    EXPECT_NE(Message(0).find("'1.5' is not a valid integer value"), std::string::npos);
    EXPECT_EQ(Message(0).find("wiersz"), std::string::npos) << Message(0);

    r = Load(CrLf({"include brak.inc", badNode, "include brak2.inc"}));
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_EQ(Problems(), (std::vector<Found>{{ProblemKind::MissingInclude, "main.scn", 1},
                                              {ProblemKind::LoadError, "main.scn", 2}}));
}

TEST_F(LoadProblemsTest, MissingIncludesAreRecordedByTheNameAsWritten) {
    dir.Write("inc.inc", CrLf({"// x", "", "include Sub\\nic.inc"}) + Piece(1));
    const LoadResult r = Load(CrLf({"include inc.inc", "include brak.inc", "include krótki.x",
                                    "FirstInit", "include start.ini"}));
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    // A name without a three-letter extension is not taken for a file at all.
    EXPECT_EQ(Problems(), (std::vector<Found>{{ProblemKind::MissingInclude, "inc.inc", 3},
                                              {ProblemKind::MissingInclude, "main.scn", 2},
                                              {ProblemKind::MissingInclude, "main.scn", 5}}));
    EXPECT_EQ(Message(0), "Brak dołączanego pliku: Sub\\nic.inc");
    EXPECT_EQ(Message(1), "Brak dołączanego pliku: brak.inc");
    EXPECT_EQ(Message(2), "Brak dołączanego pliku: start.ini");
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadProblemsTest, EveryCutCycleIsRecordedThoughTheUserIsToldOnce) {
    dir.Write("a.inc", CrLf({"// a", "include main.scn"}) + Piece(0));
    const LoadResult r = Load(CrLf({"include a.inc", "include main.scn"}));
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(Problems(), (std::vector<Found>{{ProblemKind::IncludeCycle, "a.inc", 2},
                                              {ProblemKind::IncludeCycle, "main.scn", 2}}));
    EXPECT_NE(Message(0).find("main.scn"), std::string::npos) << Message(0);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(LoadProblemsTest, TrainsetsLeftWithoutTheirTrackAfterTheQuestions) {
    dir.Write("t.inc",
              CrLf({"trainset Os4 zly", "endtrainset", "trainset Os5 inny 0", "endtrainset"}));
    const std::string text =
        Piece(0, "tor1") +
        CrLf({"FirstInit", "trainset Os1 brak 0", "endtrainset", "trainset Os2 TOR1", "endtrainset",
              "trainset Os3 none", "endtrainset", "include t.inc"});
    // Os1: No; Os3, which names no track, is asked about too: No; Os4: Yes and the right
    // name; Os5: No.
    dialogs.answers = {MessageAnswer::No, MessageAnswer::No, MessageAnswer::Yes, MessageAnswer::No};
    dialogs.inputs = {std::string("tor1")};
    Load(text, test::AuthorMode());
    EXPECT_EQ(Problems(), (std::vector<Found>{{ProblemKind::TrainsetWithoutTrack, "main.scn", 10},
                                              {ProblemKind::TrainsetWithoutTrack, "t.inc", 3}}));
    EXPECT_EQ(Message(0), "Pociąg Os1 nie ma toru: nie odnaleziono toru brak");
    EXPECT_NE(Message(1).find("Os5"), std::string::npos) << Message(1);
    EXPECT_NE(Message(1).find("inny"), std::string::npos) << Message(1);

    // The user mode neither asks nor looks.
    dialogs.messages.clear();
    Load(text);
    EXPECT_TRUE(scenery.LoadProblems.empty());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LoadProblemsTest, ACleanSceneryRecordsNothingAndEachLoadStartsEmpty) {
    Load(CrLf({"include brak.inc"}) + Piece(0));
    EXPECT_EQ(scenery.LoadProblems.size(), 1u);
    dir.Write("inc.inc", Piece(1));
    const LoadResult r =
        Load(CrLf({"//$n Czysta", "include inc.inc"}) + Piece(0) + CrLf({"FirstInit"}));
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_TRUE(scenery.LoadProblems.empty());
    EXPECT_EQ(scenery.LoadProblemsLeftOut, 0u);
}

TEST_F(LoadProblemsTest, AFileOfProblemsKeepsTheFirstOnesAndCountsTheRest) {
    std::string text;
    for (std::size_t i = 0; i < kMostLoadProblems + 5; ++i)
        text += "include brak.inc\r\n";
    Load(text);
    ASSERT_EQ(scenery.LoadProblems.size(), kMostLoadProblems);
    EXPECT_EQ(scenery.LoadProblemsLeftOut, 5u);
    EXPECT_EQ(Problems().back(), Found(ProblemKind::MissingInclude, "main.scn", kMostLoadProblems));
}

// A track node whose first point line is short: after Ignore the piece cannot be read.
std::string PieceWithShortPoint() {
    return CrLf({"node -1 0 none track normal 34.0 1.435 0.24 15.0 20 0 flat vis",
                 " Rail_screw_used1 4 Rail_screw_used1 0.2 2.75 2.5", "60.0 0.0", "0 0 0", "0 0 0",
                 "60.0 0.0 100.0 0.0", "0", "endtrack"});
}

TEST_F(LoadProblemsTest, APieceLeftOutForAnUnreadableLineIsRecordedBesideTheQuestion) {
    dialogs.answers = {MessageAnswer::Ignore, MessageAnswer::Ok};
    const LoadResult r = Load(Piece(0) + PieceWithShortPoint() + Piece(5));
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(Problems(), (std::vector<Found>{{ProblemKind::ParseError, "main.scn", 11},
                                              {ProblemKind::ParseError, "main.scn", 11}}));
    EXPECT_EQ(Message(1), "Błąd przy odczycie drogi! '60.0 0.0' — odcinek pominięty");
    // The user is told as before, and the load goes on.
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Błąd przy odczycie drogi! '60.0 0.0'");
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
}

// Answers every box after a given time on a clock of the test's own.
class SlowUser final : public UserDialogs {
  public:
    MessageAnswer MessageBox(std::string_view text, std::string_view caption, MessageIcon,
                             MessageButtons) override {
        now += std::chrono::seconds(7);
        shown.push_back(std::string(caption) + ": " + std::string(text));
        return caption == "Błąd parsowania" ? MessageAnswer::Ignore : MessageAnswer::Ok;
    }
    bool InputQuery(std::string_view, std::string_view, std::string&) override {
        now += std::chrono::seconds(3);
        return false;
    }
    std::chrono::steady_clock::time_point now{};
    std::vector<std::string> shown;
};

TEST_F(LoadProblemsTest, QuestionsAddUpTheTimeSpentAnsweringAndMayBeAnsweredWithoutABox) {
    SlowUser user;
    LoadQuestions questions(user, [&user] { return user.now; });
    const std::string path = dir.Write("main.scn", Piece(0) + PieceWithShortPoint());
    test::LoadFile(scenery, path, test::UserMode(), questions);
    EXPECT_EQ(user.shown.size(), 2u);
    EXPECT_EQ(questions.Answering(), std::chrono::seconds(14));
    std::string value;
    questions.InputQuery("Tor", "Nazwa", value);
    EXPECT_EQ(questions.Answering(), std::chrono::seconds(17));

    // Told not to ask, neither box comes, no time passes, and the problems are the same.
    questions.SetAnswerParseErrors(true);
    user.shown.clear();
    test::LoadFile(scenery, path, test::UserMode(), questions);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(questions.Answering(), std::chrono::seconds(17));
    ASSERT_EQ(scenery.LoadProblems.size(), 2u);
    EXPECT_EQ(scenery.LoadProblems[0].message,
              "Za mało parametrów w wierszu: 0.0 2 (potrzeba 3) — odpowiedź: Ignoruj");
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    // Other boxes are still shown.
    questions.MessageBox("Brak pliku", "Błąd", MessageIcon::Error, MessageButtons::Ok);
    EXPECT_EQ(user.shown, std::vector<std::string>{"Błąd: Brak pliku"});
}

}  // namespace
}  // namespace tarvik
