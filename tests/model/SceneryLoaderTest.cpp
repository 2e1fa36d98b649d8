#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Numbers.h"
#include "SceneryLoader.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using test::CrLf;
using test::PieceSpec;
using test::TrackNode;

SceneryRanges Finished(std::int16_t speedMin, std::int16_t speedMax, std::int16_t heightMin,
                       std::int16_t heightMax, std::int16_t gradientMin, std::int16_t gradientMax) {
    SceneryRanges r{speedMin, speedMax, heightMin, heightMax, gradientMin, gradientMax};
    FinishRanges(r);
    return r;
}

TEST(FinishRanges, RoundsOutwardsToTens) {
    const SceneryRanges r = Finished(45, 161, -3, 123, 4, 67);
    EXPECT_EQ(r.SpeedMin, 40);
    EXPECT_EQ(r.SpeedMax, 170);
    EXPECT_EQ(r.HeightMin, -10);
    EXPECT_EQ(r.HeightMax, 130);
    EXPECT_EQ(r.GradientMin, 0);
    EXPECT_EQ(r.GradientMax, 50);
}

TEST(FinishRanges, ValuesOnTensStayAndSmallOnesFollowTheOffsets) {
    const SceneryRanges r = Finished(160, 160, -10, 10, 20, 30);
    EXPECT_EQ(r.SpeedMin, 160);
    EXPECT_EQ(r.SpeedMax, 160);
    EXPECT_EQ(r.HeightMin, -10);
    EXPECT_EQ(r.HeightMax, 10);
    EXPECT_EQ(r.GradientMax, 30);
    // 0.1 + 0.499 stays below a half, 0.1 + 0.49999 for heights too.
    const SceneryRanges s = Finished(0, 1, 0, 1, 0, 1);
    EXPECT_EQ(s.SpeedMax, 10);
    EXPECT_EQ(s.HeightMax, 10);
    EXPECT_EQ(s.HeightMin, 0);
    // The division drops the fraction towards zero.
    EXPECT_EQ(Finished(-15, 0, 0, 0, -15, 0).SpeedMin, -10);
}

TEST(FinishRanges, UntouchedRangesBecomeZero) {
    SceneryRanges r;
    r.Reset();
    FinishRanges(r);
    EXPECT_EQ(r.SpeedMin, 0);
    EXPECT_EQ(r.SpeedMax, 0);
    EXPECT_EQ(r.HeightMin, 0);
    EXPECT_EQ(r.HeightMax, 0);
    EXPECT_EQ(r.GradientMin, 0);
    EXPECT_EQ(r.GradientMax, 0);
}

TEST(FinishRanges, HeightsAtTheEndOfTheRangeWrapInSixteenBits) {
    EXPECT_EQ(Finished(0, 0, 0, 32767, 0, 0).HeightMax, Low16(32770));
}

TEST(WidenBounds, UpperBoundsMoveByTheAlreadyWidenedExtent) {
    SceneryBounds b{{0, 0}, {100, 50}};
    WidenBounds(b);
    EXPECT_FLOAT_EQ(b.SceneryMin.x, -2);
    EXPECT_FLOAT_EQ(b.SceneryMin.y, -1);
    EXPECT_FLOAT_EQ(b.SceneryMax.x, 102.04f);
    EXPECT_FLOAT_EQ(b.SceneryMax.y, 51.02f);
}

TEST(LoadSceneryModel, MissingFileIsReportedAndLeavesTheModelAlone) {
    test::TempDir dir;
    PieceSpec p;
    p.x2 = 10;
    const std::string path = dir.Write("a.scn", CrLf({"//$n Stara"}) + TrackNode(p));
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    ASSERT_EQ(test::LoadFile(scenery, path, test::UserMode(), dialogs).status, LoadStatus::Loaded);
    const std::string missing = dir.Path().string() + "/brak.scn";
    EXPECT_EQ(test::LoadFile(scenery, missing, test::UserMode(), dialogs).status,
              LoadStatus::Missing);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Plik o nazwie " + missing + " nie istnieje!");
    EXPECT_EQ(dialogs.messages[0].caption, "Brak pliku");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(scenery.SceneryName, "Stara");
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    // A folder is not a scenery file either.
    EXPECT_EQ(test::LoadFile(scenery, dir.Path().string(), test::UserMode(), dialogs).status,
              LoadStatus::Missing);
}

TEST(LoadSceneryModel, ReloadReplacesEverythingAndAnEmptySceneryWidensTheOldBoxAgain) {
    test::TempDir dir;
    PieceSpec p;
    p.x1 = -100, p.x2 = 0, p.h1 = -3, p.h2 = 123, p.z1 = 0, p.z2 = 5000;
    const std::string full =
        dir.Write("full.scn", CrLf({"//$n Pełna", "//$d Opis"}) + TrackNode(p) +
                                  CrLf({"FirstInit", "trainset a b", "endtrainset"}));
    const std::string empty = dir.Write("empty.scn", CrLf({"// nothing here"}));
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::LoadFile(scenery, full, test::UserMode(), dialogs);
    EXPECT_EQ(scenery.Ranges().HeightMin, -10);
    EXPECT_EQ(scenery.Ranges().HeightMax, 130);
    const SceneryBounds before = scenery.Bounds();
    test::LoadFile(scenery, empty, test::UserMode(), dialogs);
    EXPECT_TRUE(scenery.Tracks().Empty());
    EXPECT_TRUE(scenery.Trainsets.empty());
    EXPECT_EQ(scenery.SceneryName, "");
    EXPECT_EQ(scenery.SceneryDescription, "");
    ASSERT_EQ(std::distance(scenery.IncFiles.begin(), scenery.IncFiles.end()), 1);
    EXPECT_EQ(scenery.IncFiles.front().FileName, empty);
    EXPECT_EQ(scenery.IncFiles.front().FileSize, 17);
    EXPECT_EQ(scenery.Ranges().HeightMax, 0);
    EXPECT_EQ(scenery.Ranges().GradientMin, 0);
    EXPECT_LT(scenery.Bounds().SceneryMin.x, before.SceneryMin.x);
    EXPECT_GT(scenery.Bounds().SceneryMax.y, before.SceneryMax.y);
}

TEST(LoadSceneryModel, RecordsTheModificationTimeOfEachFile) {
    test::TempDir dir;
    const std::string path = dir.Write("a.scn", "\r\n");
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    test::LoadFile(scenery, path, test::UserMode(), dialogs);
    PosixFileSystem files;
    const auto stamp = files.Stamp(path);
    ASSERT_TRUE(stamp);
    EXPECT_EQ(scenery.IncFiles.front().FileDate, stamp->date);
    // Days since 30 December 1899: any file written now lies well past the year 2000.
    EXPECT_GT(stamp->date, 36526);
}

// Comment lines of 10 bytes each.
std::string CommentLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "// 345678\n";
    return text;
}

TEST(LoadSceneryModel, ReportsHowFarALongFileHasBeenRead) {
    class ProgressLog final : public StatusSink {
      public:
        void StatusText(std::string_view) override {}
        void Progress(const LoadProgress& p) override {
            reports.push_back({std::string(p.file), p.fileDone, p.fileSize});
        }
        struct Report {
            std::string path;
            std::uint64_t done, total;
        };
        std::vector<Report> reports;
    } log;
    test::TempDir dir;
    const std::string path = dir.Write("long.scn", CommentLines(200000));
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    PosixFileSystem files;
    LoadSceneryModel(scenery, path, test::UserMode(), files, dialogs, log);
    ASSERT_EQ(log.reports.size(), 3u);
    for (std::size_t i = 0; i < log.reports.size(); ++i) {
        EXPECT_EQ(log.reports[i].path, path);
        EXPECT_EQ(log.reports[i].total, 2000000u);
        EXPECT_EQ(log.reports[i].done, (i + 1) * 65536u * 10u);
    }
}

TEST(LoadSceneryModel, AStopAskedForEndsTheLoadKeepingWhatWasRead) {
    class StopAtOnce final : public StatusSink {
      public:
        void StatusText(std::string_view) override {}
        bool StopRequested() override { return true; }
    } stop;
    test::TempDir dir;
    test::PieceSpec piece;
    piece.x2 = 10;
    const std::string path = dir.Write("long.scn", test::TrackNode(piece) + CommentLines(200000));
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    PosixFileSystem files;
    const LoadResult r = LoadSceneryModel(scenery, path, test::UserMode(), files, dialogs, stop);
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.error, kLoadStoppedText);
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
}

// Every progress report, with a stop asked for at the given report (0 for never).
class ProgressLog final : public StatusSink {
  public:
    explicit ProgressLog(std::size_t stopAt = 0) : stopAt_(stopAt) {}
    void StatusText(std::string_view) override {}
    void Progress(const LoadProgress& p) override {
        reports.push_back({std::string(p.file), p.fileDone, p.fileSize});
    }
    bool StopRequested() override { return reports.size() == stopAt_; }
    struct Report {
        std::string path;
        std::uint64_t done, total;
    };
    std::vector<Report> reports;

  private:
    std::size_t stopAt_;
};

LoadResult LoadLogged(const std::string& path, TScenery& scenery, StatusSink& log) {
    test::ScriptedDialogs dialogs;
    PosixFileSystem files;
    return LoadSceneryModel(scenery, path, test::AuthorMode(), files, dialogs, log);
}

TEST(LoadSceneryModel, ReportsComeAlsoWithinBodiesAndTrainsets) {
    test::TempDir dir;
    std::string text = "node -1 0 t triangles grass\n";
    for (int i = 0; i < 150000; ++i)
        text += "1 2 3 0 0 0 0 0\n";
    text += "endtri\nFirstInit\ntrainset a b 0 0\n" + CommentLines(150000) + "endtrainset\n";
    const std::string path = dir.Write("bodies.scn", text);
    TScenery scenery;
    ProgressLog log;
    EXPECT_EQ(LoadLogged(path, scenery, log).status, LoadStatus::Loaded);
    // 300,005 lines, of which only five are read outside a body or a trainset.
    ASSERT_EQ(log.reports.size(), 4u);
    EXPECT_LT(log.reports[0].done, 65536u * 17u);
    EXPECT_GT(log.reports[3].done, 150000u * 17u);
}

TEST(LoadSceneryModel, ReportsComeEveryFewThousandFilesAndCanStopThere) {
    test::TempDir dir;
    dir.Write("inc.inc", "\n");
    // Files read and files looked for in vain count alike.
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "include inc.inc\ninclude gone" + std::to_string(i) + ".inc\n";
    const std::string path = dir.Write("main.scn", text);
    TScenery scenery;
    ProgressLog log;
    EXPECT_EQ(LoadLogged(path, scenery, log).status, LoadStatus::Loaded);
    ASSERT_EQ(log.reports.size(), 2u);
    EXPECT_EQ(log.reports[0].path, path);

    ProgressLog stop(1);
    const LoadResult r = LoadLogged(path, scenery, stop);
    EXPECT_TRUE(r.stopped);
    EXPECT_LT(std::distance(scenery.IncFiles.begin(), scenery.IncFiles.end()), 5000);
}

TEST(LoadSceneryModel, ReportsComeWithinOneLongLineAndCanStopIt) {
    test::TempDir dir;
    const std::string path = dir.Write("nul.scn", std::string(std::size_t{32} << 20, '\0'));
    TScenery scenery;
    ProgressLog log;
    EXPECT_EQ(LoadLogged(path, scenery, log).status, LoadStatus::Loaded);
    // Every 4 MiB taken from the file.
    ASSERT_GE(log.reports.size(), 7u);
    for (std::size_t i = 1; i < log.reports.size(); ++i)
        EXPECT_GT(log.reports[i].done, log.reports[i - 1].done);

    ProgressLog stop(1);
    const LoadResult r = LoadLogged(path, scenery, stop);
    EXPECT_TRUE(r.stopped);
    EXPECT_EQ(r.error, kLoadStoppedText);
    ASSERT_EQ(stop.reports.size(), 1u);
    EXPECT_LT(stop.reports[0].done, std::uint64_t{8} << 20);
}

TEST(ToDelphiDate, CountsDaysFromTheEndOf1899InLocalTime) {
    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_DOUBLE_EQ(ToDelphiDate(0, 0), 25569.0);
    EXPECT_DOUBLE_EQ(ToDelphiDate(86400 + 43200, 0), 25570.5);
}

}  // namespace
}  // namespace tarvik
