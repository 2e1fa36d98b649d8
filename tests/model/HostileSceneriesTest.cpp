#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <stdexcept>
#include <string>

#include "Scenery.h"
#include "TestSupport.h"

namespace tarvik {
namespace {

using namespace std::string_literals;

// The real file system, counting what is asked of it.
class CountingFiles final : public FileSystem {
  public:
    bool FileExists(const std::string& path) const override {
        ++looks;
        return files_.FileExists(path);
    }
    bool Exists(const std::string& path) const override {
        ++looks;
        return files_.Exists(path);
    }
    std::vector<std::string> ListDirectory(const std::string& dir) const override {
        ++looks;
        return files_.ListDirectory(dir);
    }
    std::optional<FileStamp> Stamp(const std::string& path) const override {
        ++looks;
        return files_.Stamp(path);
    }
    std::unique_ptr<FileSource> Open(const std::string& path) const override {
        ++opens[path];
        std::unique_ptr<FileSource> source = files_.Open(path);
        if (afterOpen) afterOpen(path);
        return source;
    }

    mutable int looks = 0;
    mutable std::map<std::string, int> opens;
    std::function<void(const std::string&)> afterOpen;

  private:
    PosixFileSystem files_;
};

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
    LoadResult LoadWith(const std::string& name, const std::string& bytes,
                        const SceneryReadOptions& options) {
        const std::string path = dir.Write(name, bytes);
        test::RecordingStatus status;
        const LoadResult r =
            LoadSceneryModel(scenery, path, test::AuthorMode(), files, dialogs, status, options);
        CheckConsistent();
        return r;
    }
    std::size_t FilesRead() const {
        return static_cast<std::size_t>(
            std::distance(scenery.IncFiles.begin(), scenery.IncFiles.end()));
    }
    int Opens() const {
        int n = 0;
        for (const auto& [path, count] : files.opens)
            n += count;
        return n;
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
    // A track of its own, which joins no other.
    static std::string TrackAt(int x) {
        return "node -1 0 t track normal 1 2 3 4 5 0 flat vis\r\n r\r\n" + std::to_string(x) +
               " 0 0 0\r\n0 0 0\r\n0 0 0\r\n" + std::to_string(x) + " 0 7 0\r\n0\r\nendtrack\r\n";
    }

    // Real files, in memory where the system has a place for them, as many tests write large
    // files or many of them.
    test::TempDir dir{test::TempDir::Place::Memory};
    TScenery scenery;
    test::ScriptedDialogs dialogs;
    CountingFiles files;
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

TEST_F(HostileTest, AnIncludeBombEndsAtTheLimitOfFilesReadingEachFileOnce) {
    // Each level includes the next twelve times, six levels deep: 3,257,437 files to read.
    const auto twelve = [](int level) {
        std::string text;
        for (int i = 0; i < 12; ++i)
            text += "include l" + std::to_string(level) + ".inc\r\n";
        return text;
    };
    dir.Write("l6.inc", "// leaf\r\n");
    for (int level = 1; level < 6; ++level)
        dir.Write("l" + std::to_string(level) + ".inc", twelve(level + 1));
    SceneryReadOptions options;
    options.limits.files = 100'000;
    const LoadResult r = LoadWith("bomb.scn", TrackAt(0) + twelve(1), options);
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_EQ(r.error.find("Przekroczono limit 100 000 wczytanych plików przy dołączaniu pliku " +
                           (dir.Path() / "l6.inc").string() + " (" +
                           (dir.Path() / "l5.inc").string() + ", wiersz "),
              0u)
        << r.error;
    // What was read before stays; the files still open when the load ended are not listed.
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(FilesRead(), 100'000u - 6u);
    // Every file came from the disk once, and every path was looked up once.
    EXPECT_EQ(Opens(), 7);
    EXPECT_LT(files.looks, 100);
}

TEST_F(HostileTest, AFileIncludedAgainIsServedAsItWasFirstReadWithItsLinesCounted) {
    const std::string inc = dir.Write("inc.inc", TrackAt(0) + "include deep.inc\r\n");
    const std::string deep = dir.Write("deep.inc", "// deep\r\n");
    // Once the include has been read the file on disk changes: what is read later is still
    // the first reading, with its stamp.
    files.afterOpen = [&](const std::string& path) {
        if (path == deep && files.opens[deep] == 1)
            std::ofstream(inc, std::ios::app) << TrackAt(50);
    };
    SceneryReadOptions options;
    options.limits.files = 6;
    const LoadResult r =
        LoadWith("main.scn",
                 "origin 100 0 0\r\ninclude inc.inc\r\nendorigin\r\ninclude inc.inc\r\n"
                 "include INC.INC\r\n",
                 options);
    EXPECT_EQ(files.opens[inc], 1);
    // Main, then inc and deep three times: the third deep is one too many.
    EXPECT_EQ(r.error, "Przekroczono limit 6 wczytanych plików przy dołączaniu pliku " +
                           (dir.Path() / "deep.inc").string() + " (" + inc + ", wiersz 9)");
    ASSERT_EQ(FilesRead(), 4u);
    for (const TIncFile& f : scenery.IncFiles) {
        if (f.FileName != inc) continue;
        EXPECT_EQ(f.FileSize, static_cast<std::int64_t>(TrackAt(0).size() + 18));
    }
    // The origin is that of each include.
    std::vector<double> starts;
    for (const TSegmentObj& t : scenery.Tracks())
        starts.push_back(t.X1);
    EXPECT_EQ(starts, (std::vector<double>{0, 0, -100}));
}

TEST_F(HostileTest, CyclesAreCutAlsoAmongFilesReadFromMemory) {
    dir.Write("a.inc", "include b.inc\r\n" + TrackAt(0));
    dir.Write("b.inc", "include a.inc\r\n" + TrackAt(10));
    const LoadResult r =
        LoadWith("main.scn", "include a.inc\r\ninclude a.inc\r\ninclude b.inc\r\n", {});
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Błąd"});
    // a (b), a (b), b (a): each pair once per include, the cycle cut every time.
    EXPECT_EQ(FilesRead(), 7u);
    EXPECT_EQ(scenery.Tracks().Count(), 6u);
    EXPECT_EQ(Opens(), 3);
}

TEST_F(HostileTest, TooManySegmentsEndTheLoadKeepingThoseRead) {
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += TrackAt(i * 100);
    text +=
        "node 1000 0 none traction pwr01 3500 4500 0.01 Cu 3.0 1\r\n1 5.8 2\r\n3 5.8 4\r\n"
        "0 0 0\r\nendtraction\r\n";
    SceneryReadOptions options;
    options.limits.segments = 10;
    const std::string path = dir.Path() / "many.scn";
    LoadResult r = LoadWith("many.scn", text, options);
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_EQ(r.error, "Przekroczono limit 10 odcinków, które zmieści pamięć tego komputera (" +
                           path + ", wiersz 85)");
    EXPECT_EQ(scenery.Tracks().Count(), 10u);
    EXPECT_TRUE(scenery.Tractions().Empty());
    options.limits.segments = 5;
    r = LoadWith("many.scn", text, options);
    EXPECT_NE(r.error.find("limit 5 odcinków, które zmieści pamięć tego komputera (" + path +
                           ", wiersz 48)"),
              std::string::npos);
    EXPECT_EQ(scenery.Tracks().Count(), 5u);
    // Any computer holds far more than the largest sceneries.
    EXPECT_GT(LoadLimits::SegmentsMemoryHolds(), 1'000'000u);
}

TEST_F(HostileTest, LinksInCirclesAndLinksToDevicesAreNotRead) {
    namespace fs = std::filesystem;
    fs::create_symlink("self.inc", dir.Path() / "self.inc");
    fs::create_symlink("b.inc", dir.Path() / "a.inc");
    fs::create_symlink("a.inc", dir.Path() / "b.inc");
    fs::create_directory_symlink(".", dir.Path() / "here");
    fs::create_symlink("/dev/zero", dir.Path() / "zero.inc");
    fs::create_symlink("/dev/urandom", dir.Path() / "urandom.inc");
    std::string here;
    for (int i = 0; i < 100; ++i)
        here += "here/";
    const LoadResult r =
        LoadWith("main.scn",
                 "include self.inc\r\ninclude a.inc\r\ninclude SELF.INC\r\ninclude " + here +
                     "self.inc\r\ninclude zero.inc\r\ninclude URANDOM.INC\r\n" + TrackAt(0),
                 {});
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(FilesRead(), 1u);
    EXPECT_TRUE(dialogs.messages.empty());
    // Opened directly, none of them is read, and none waits.
    const PosixFileSystem posix;
    for (const char* name : {"self.inc", "zero.inc", "urandom.inc"}) {
        EXPECT_THROW(posix.Open((dir.Path() / name).string()), std::runtime_error) << name;
    }
}

TEST_F(HostileTest, AFifoIsNotReadAndOpeningItDoesNotWait) {
    const std::string fifo = (dir.Path() / "fifo.inc").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink("fifo.inc", dir.Path() / "link.inc");
    const LoadResult r =
        LoadWith("main.scn", "include fifo.inc\r\ninclude link.inc\r\n" + TrackAt(0), {});
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(FilesRead(), 1u);
    try {
        PosixFileSystem().Open(fifo);
        ADD_FAILURE() << "a FIFO was opened for reading";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Nie można otworzyć pliku " + fifo + ": to nie jest zwykły plik");
    }
}

TEST_F(HostileTest, TwentyThousandIncludeFiles) {
    std::string text;
    for (int i = 0; i < 20000; ++i) {
        const std::string folder = "inc/" + std::to_string(i / 1000) + "/";
        dir.Write(folder + "f" + std::to_string(i) + ".inc", TrackAt(i * 100));
        text += "include " + folder + "F" + std::to_string(i) + ".INC\r\n";
    }
    EXPECT_EQ(LoadWith("main.scn", text, {}).status, LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 20000u);
    EXPECT_EQ(FilesRead(), 20001u);
    EXPECT_EQ(Opens(), 20001);
}

TEST_F(HostileTest, WindowsPathsFindTheFileIgnoringCaseOrNothing) {
    dir.Write("Sub/Dir/Obj.inc", TrackAt(0));
    const LoadResult r = LoadWith(
        "main.scn",
        "include sub\\dir\\obj.inc\r\ninclude SUB\\DIR\\OBJ.INC\r\n"
        "include C:\\eu07\\scenery\\sub\\dir\\obj.inc\r\ninclude c:sub\\dir\\obj.inc\r\n"
        "include ..\\..\\..\\..\\..\\..\\..\\..\\..\\..\\no\\such.inc\r\n"
        "include sub\\..\\SUB\\.\\dir\\\\obj.inc\r\ninclude \\\\server\\share\\obj.inc\r\n",
        {});
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(FilesRead(), 4u);
    EXPECT_EQ(scenery.Tracks().Count(), 3u);
    EXPECT_EQ(std::next(scenery.IncFiles.begin())->FileName,
              (dir.Path() / "Sub/../Sub/./Dir/Obj.inc").string());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HostileTest, IncludeNamesWithControlCharactersAndInvalidBytes) {
    dir.Write(
        "a\x01"
        "b.inc",
        TrackAt(0));
    dir.Write("\x1b[2J\xff\xfe\x80.inc", TrackAt(10));
    dir.Write("ok.inc", TrackAt(20));
    const LoadResult r = LoadWith("main.scn",
                                  "include a\x01"
                                  "b.inc\r\ninclude \x1b[2J\xff\xfe\x80.INC\r\n"
                                  "include ok.inc\0.inc\r\ninclude ok.inc\r.inc\r\n"
                                  "include \x7f\x01\x02.inc\r\n"s,
                                  {});
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    // A name with a NUL byte names no file, though the system would see "ok.inc" in it.
    EXPECT_EQ(FilesRead(), 3u);
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
    EXPECT_FALSE(PosixFileSystem().FileExists((dir.Path() / "ok.inc\0.inc"s).string()));
    EXPECT_FALSE(PosixFileSystem().Exists((dir.Path() / "ok.inc\0"s).string()));
}

TEST_F(HostileTest, AnIncludeLineWithTwoHundredThousandParameters) {
    dir.Write("ok.inc", TrackAt(0) + "FirstInit\r\ntrainset T t 0 0\r\nendtrainset\r\n");
    std::string parameters;
    for (int i = 0; i < 200000; ++i)
        parameters += " p" + std::to_string(i);
    const LoadResult r = LoadWith("main.scn",
                                  "include ok.inc" + parameters + "\r\n" + TrackAt(100) +
                                      "FirstInit\r\ninclude ok.inc" + parameters + " end\r\n",
                                  {});
    EXPECT_EQ(r.status, LoadStatus::Loaded);
    EXPECT_EQ(FilesRead(), 3u);
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
    EXPECT_EQ(std::distance(scenery.Trainsets.begin(), scenery.Trainsets.end()), 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HostileTest, ALineOfSixtyFourMegabytesOfNulBytesIsReadPast) {
    {
        std::ofstream out(dir.Path() / "nul.inc", std::ios::binary);
        const std::string block(1u << 20, '\0');
        for (int i = 0; i < 64; ++i)
            out << block;
        out << "\r\n" << TrackAt(10);
    }
    EXPECT_EQ(LoadWith("main.scn", TrackAt(0) + "include nul.inc\r\n", {}).status,
              LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
    ASSERT_EQ(FilesRead(), 2u);
    EXPECT_EQ(std::next(scenery.IncFiles.begin())->FileSize,
              static_cast<std::int64_t>((64u << 20) + 2 + TrackAt(10).size()));
    EXPECT_TRUE(dialogs.messages.empty());
}

// A track of its own in the simulator's syntax, on one line with its six texture fields.
std::string SimulatorTrackAt(int x) {
    const std::string at = std::to_string(x);
    return "node -1 0 t track normal 1 2 3 4 5 0 flat vis r 4 r 0.2 2.75 2.5 " + at +
           " 0 0 0 0 0 0 0 0 0 " + at + " 0 7 0 0 endtrack\r\n";
}

// A height beyond rounding loses its piece alone, as a number beyond the double range does.
TEST_F(HostileTest, TheSimulatorReadingLeavesOutAPieceOfHeightsBeyondRounding) {
    const std::string high =
        "node -1 0 t track normal 1 2 3 4 5 0 flat vis r 4 r 0.2 2.75 2.5 200 0 0 0 0 0 0 0 0 0 "
        "200 1e300 7 0 0 endtrack\r\n";
    const LoadResult r = LoadWith("high.scn", SimulatorTrackAt(0) + high + SimulatorTrackAt(400),
                                  {.reading = SceneryReading::Simulator});
    EXPECT_NE(r.status, LoadStatus::Failed) << r.error;
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
}

// The simulator's reading meets the same inputs within the same limits.
TEST_F(HostileTest, TheSimulatorReadingEndsOnDamagedInputsWithinTheLimits) {
    const SceneryReadOptions simulator{.reading = SceneryReading::Simulator};
    std::mt19937 random(7);
    std::string noise(1 << 20, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    EXPECT_NE(LoadWith("noise.scn", noise, simulator).status, LoadStatus::Missing);
    // Files that end inside a quote, a block comment, a node or an include's parameters.
    for (const std::string end :
         {"\"open", "/* open", "node -1 0 t track switch 1 2", "include a.inc p1 p2"}) {
        EXPECT_EQ(LoadWith("end.scn", SimulatorTrackAt(0) + end, simulator).status,
                  LoadStatus::Loaded);
        EXPECT_EQ(scenery.Tracks().Count(), 1u) << end;
    }
    // Offsets beyond the double range: the path cannot be placed and is left out.
    EXPECT_EQ(
        LoadWith("far.scn", "origin 1e308 0 0 origin 1e308 0 0 " + SimulatorTrackAt(0), simulator)
            .status,
        LoadStatus::Loaded);
    EXPECT_TRUE(scenery.Tracks().Empty());
    // A line of 64 MB of NUL bytes is one token, cut with its line.
    {
        std::ofstream out(dir.Path() / "nul.inc", std::ios::binary);
        const std::string block(1u << 20, '\0');
        for (int i = 0; i < 64; ++i)
            out << block;
        out << "\r\n" << SimulatorTrackAt(10);
    }
    EXPECT_EQ(
        LoadWith("main.scn", SimulatorTrackAt(0) + "include nul.inc end\r\n", simulator).status,
        LoadStatus::Loaded);
    EXPECT_EQ(scenery.Tracks().Count(), 2u);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HostileTest, TheSimulatorReadingStopsAnIncludeBombAndTooManySegments) {
    const auto twelve = [](int level) {
        std::string text;
        for (int i = 0; i < 12; ++i)
            text += "include;l" + std::to_string(level) + ".inc;(p1);end\r\n";
        return text;
    };
    dir.Write("l6.inc", "// leaf\r\n");
    for (int level = 1; level < 6; ++level)
        dir.Write("l" + std::to_string(level) + ".inc", twelve(level + 1));
    SceneryReadOptions options{.reading = SceneryReading::Simulator};
    options.limits.files = 100'000;
    const LoadResult r = LoadWith("bomb.scn", SimulatorTrackAt(0) + twelve(1), options);
    EXPECT_EQ(r.status, LoadStatus::Failed);
    EXPECT_EQ(r.error.find("Przekroczono limit 100 000 wczytanych plików"), 0u) << r.error;
    EXPECT_EQ(scenery.Tracks().Count(), 1u);
    EXPECT_EQ(Opens(), 7);

    options.limits = {.files = 10, .segments = 3};
    std::string many;
    for (int i = 0; i < 10; ++i)
        many += SimulatorTrackAt(i * 100);
    const LoadResult full = LoadWith("many.scn", many, options);
    EXPECT_EQ(full.status, LoadStatus::Failed);
    EXPECT_EQ(scenery.Tracks().Count(), 3u);
}

}  // namespace
}  // namespace tarvik
