#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "TestSupport.h"

extern char** environ;

namespace tarvik {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kDemo = std::string(TARVIK_SOURCE_DIR) + "/examples/demo/demo.scn";

// The installed tool run as a child process, its output going to files.
class Tool {
  public:
    Tool(const std::vector<std::string>& args, const fs::path& out, const fs::path& err) {
        std::vector<std::string> all{TARVIK_CLI_BINARY};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Tool() {
        if (pid_ > 0 && !status_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    bool Started() const { return pid_ > 0; }
    void Signal(int signal) const { kill(pid_, signal); }
    // True when the tool has this file open.
    bool HasOpen(const fs::path& file) const {
        std::error_code ec;
        for (const auto& fd : fs::directory_iterator("/proc/" + std::to_string(pid_) + "/fd", ec)) {
            if (fs::read_symlink(fd.path(), ec) == file) return true;
        }
        return false;
    }
    // The wait status once the tool has ended, nothing when it runs on past the time.
    std::optional<int> Wait(std::chrono::seconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (!status_ && std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = status;
            } else {
                std::this_thread::sleep_for(5ms);
            }
        }
        return status_;
    }

  private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

bool WaitFor(const std::function<bool()>& condition, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(1ms);
    }
    return false;
}

std::set<std::string> FilesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// A scenery whose load would take hours: a track, then a hundred thousand includes of a
// file of comments, each read in full again.
std::string EndlessScenery(const test::TempDir& dir) {
    std::string comments;
    for (int i = 0; i < 70000; ++i)
        comments += "// komentarz\r\n";
    dir.Write("in/dlugi.scn", comments);
    test::PieceSpec piece;
    piece.x2 = 1000;
    std::string top = test::TrackNode(piece);
    for (int i = 0; i < 100000; ++i)
        top += "include dlugi.scn\r\n";
    return dir.Write("in/bez-konca.scn", top);
}

TEST(TarvikStopSignals, ASignalDuringTheLoadEndsEveryCommandWithItsStatusAndNoFile) {
    test::TempDir dir;
    const std::string scenery = EndlessScenery(dir);
    const fs::path output = dir.Path() / "out";
    fs::create_directories(output);
    struct Case {
        std::vector<std::string> args;
        int signal;
        int status;
    };
    const std::string png = (output / "mapa.png").string();
    const std::string gif = (output / "mapa.gif").string();
    for (const Case& c : std::vector<Case>{{{"dump", scenery}, SIGINT, 130},
                                           {{"stats", scenery}, SIGTERM, 143},
                                           {{"render", scenery, "-o", png}, SIGINT, 130},
                                           {{"render", scenery, "-o", gif}, SIGTERM, 143}}) {
        SCOPED_TRACE(c.args[0] + " " + c.args.back());
        Tool tool(c.args, dir.Path() / "stdout", dir.Path() / "stderr");
        ASSERT_TRUE(tool.Started());
        ASSERT_TRUE(WaitFor([&] { return tool.HasOpen(scenery); }, 20s));
        std::this_thread::sleep_for(100ms);
        tool.Signal(c.signal);
        const std::optional<int> status = tool.Wait(20s);
        ASSERT_TRUE(status) << "still running";
        ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
        EXPECT_EQ(WEXITSTATUS(*status), c.status);
        EXPECT_TRUE(FilesIn(output).empty());
        EXPECT_EQ(fs::file_size(dir.Path() / "stdout"), 0u);
    }
}

TEST(TarvikStopSignals, ASignalWhileThePictureIsWrittenLeavesNoFile) {
    test::TempDir dir;
    const std::string kept = dir.Write("mapa.png", "stara");
    // A picture large enough that its writing takes a while.
    Tool tool({"render", kDemo, "-o", kept, "--size", "6000x6000"}, dir.Path() / "stdout",
              dir.Path() / "stderr");
    ASSERT_TRUE(tool.Started());
    ASSERT_TRUE(WaitFor([&] { return FilesIn(dir.Path()).size() > 3; }, 60s))
        << "no file being written";
    tool.Signal(SIGTERM);
    const std::optional<int> status = tool.Wait(60s);
    ASSERT_TRUE(status) << "still running";
    ASSERT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status);
    EXPECT_EQ(WEXITSTATUS(*status), 143);
    EXPECT_EQ(FilesIn(dir.Path()), (std::set<std::string>{"mapa.png", "stderr", "stdout"}));
    // The old file stays as it was.
    std::ifstream in(kept);
    std::string start(5, '\0');
    in.read(start.data(), 5);
    EXPECT_EQ(start, "stara");
    EXPECT_EQ(fs::file_size(kept), 5u);
}

}  // namespace
}  // namespace tarvik
