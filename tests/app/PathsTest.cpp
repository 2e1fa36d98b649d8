// Scenery paths from the command line to the settings and back: made absolute where they are
// relative, and kept as the file system's bytes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ScriptedViewerDialogs.h"
#include "WhenModal.h"

namespace tarvik {
namespace {

// A scenery with an include file beside it.
void WriteScenery(const test::TempDir& dir, const std::string& relative) {
    test::PieceSpec piece;
    piece.x2 = 500;
    const std::filesystem::path path(relative);
    dir.Write(relative, "include tory.inc\r\n");
    dir.Write((path.parent_path() / "tory.inc").string(), test::TrackNode(piece));
}

class PathsTest : public ::testing::Test {
  protected:
    std::unique_ptr<TForm1> Start() {
        store = std::make_unique<SettingsStore>(
            QString::fromStdString((dir.Path() / "Zorvan.conf").string()));
        auto window = std::make_unique<TForm1>(dialogs, files, *store);
        window->show();
        window->FinishStartup();
        return window;
    }
    static std::vector<std::string> Loaded(const TForm1& window) {
        std::vector<std::string> paths;
        for (const TIncFile& f : window.Scenery().IncFiles)
            paths.push_back(f.FileName);
        return paths;
    }

    test::TempDir dir;
    const test::KeepWorkingFolder keep;
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    std::unique_ptr<SettingsStore> store;
};

TEST_F(PathsTest, ARelativePathIsMadeAbsoluteThroughTheLinksItWasGivenBy) {
    WriteScenery(dir, "real/demo/demo.scn");
    std::filesystem::create_directory_symlink(dir.Path() / "real", dir.Path() / "link");
    test::KeepWorkingFolder::Enter(dir.Path() / "link");
    const std::string absolute = (dir.Path() / "link/demo/demo.scn").string();

    auto w = Start();
    w->RunCommandLine({"./demo//demo.scn"});
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(Loaded(*w),
              (std::vector<std::string>{absolute, (dir.Path() / "link/demo/tory.inc").string()}));
    EXPECT_EQ(w->Recent().Item(0).path, absolute);
    EXPECT_EQ(w->SceneryShortPath(), absolute);
    EXPECT_EQ(w->windowTitle().toStdString(), absolute + " - Tarvik Track Viewer");
    // The statistics of a scenery without a name are titled with its path.
    QString title;
    test::WhenModal("SceneryProperytyForm", [&title](QWidget* form) {
        title = form->findChild<QLabel*>("StaticText1")->text();
        form->close();
    });
    w->findChild<QAction*>("SceneryProperyty")->trigger();
    EXPECT_EQ(title.toStdString(), absolute);

    // A missing file is told by the path that was looked for.
    w->RunCommandLine({"/o", "brak.scn"});
    EXPECT_EQ(dialogs.Messages().back().text,
              "Plik o nazwie " + (dir.Path() / "link/brak.scn").string() + " nie istnieje!");
    w->close();

    // Started elsewhere, as a desktop launcher starts it, the recent file still opens.
    std::filesystem::current_path("/");
    dialogs.Messages().clear();
    auto again = Start();
    again->findChild<QAction*>("MRUList1")->trigger();
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(Loaded(*again).front(), absolute);
}

TEST_F(PathsTest, ASceneryNamedInCp1250OpensFromTheCommandLineAndAfterARestart) {
    // "Łódź/stacja ą.scn" as unpacked from an old archive.
    const std::string relative = "\xa3\xf3\x64\x9f/stacja \xb9.scn";
    WriteScenery(dir, relative);
    const std::string path = (dir.Path() / relative).string();

    auto w = Start();
    w->RunCommandLine({"/o", path});
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(Loaded(*w).front(), path);
    QAction* item = w->findChild<QAction*>("MRUList1");
    EXPECT_EQ(item->text().toStdString(), "stacja ą.scn");
    EXPECT_EQ(item->statusTip().toStdString(), dir.Path().string() + "/Łódź/stacja ą.scn");
    w->close();

    auto again = Start();
    EXPECT_EQ(again->Recent().Item(0).path, path);
    again->findChild<QAction*>("MRUList1")->trigger();
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(Loaded(*again),
              (std::vector<std::string>{path, dir.Path().string() + "/\xa3\xf3\x64\x9f/tory.inc"}));
}

// The installed program, started in a folder with a relative CP1250 path, as a desktop entry
// would start it: the recent file it stores is the absolute path in the same bytes.
TEST(ViewerBinaryPathsTest, TakesTheArgumentsAsBytesAndStoresThemAbsolute) {
    test::TempDir home;
    const std::string relative = "\xa3\xf3\x64\x9f/stacja \xb9.scn";
    WriteScenery(home, relative);
    const std::string config = "XDG_CONFIG_HOME=" + (home.Path() / "config").string();
    const std::string data = "XDG_DATA_HOME=" + (home.Path() / "data").string();
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen", config, data};
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        if (!entry.starts_with("QT_QPA_PLATFORM=") && !entry.starts_with("XDG_CONFIG_HOME=") &&
            !entry.starts_with("XDG_DATA_HOME=") && !entry.starts_with("PWD=")) {
            environment.emplace_back(entry);
        }
    }
    std::vector<char*> envp;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = TARVIK_VIEWER_BINARY;
    std::string open = "/o";
    std::string argument = relative;
    char* argv[] = {program.data(), open.data(), argument.data(), nullptr};
    const std::string folder = home.Path().string();

    const pid_t viewer = ::fork();
    ASSERT_GE(viewer, 0);
    if (viewer == 0) {
        if (::chdir(folder.c_str()) == 0) ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    const auto entry = home.Path() / "data/applications/tarvik-viewer.desktop";
    for (int i = 0; i < 300 && !std::filesystem::exists(entry); ++i)
        QTest::qWait(100);
    EXPECT_TRUE(std::filesystem::exists(entry));
    ::kill(viewer, SIGTERM);
    int status = 0;
    for (int i = 0; i < 300 && ::waitpid(viewer, &status, WNOHANG) == 0; ++i)
        QTest::qWait(100);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    SettingsStore stored(
        QString::fromStdString((home.Path() / "config/Hollvik/Zorvan.conf").string()));
    stored.OpenKey("MRUList");
    EXPECT_EQ(stored.ReadStringDef("Item1File", ""), folder + "/" + relative);
    EXPECT_EQ(stored.ReadStringDef("Item1Name", ""), "stacja ą.scn");
}

}  // namespace
}  // namespace tarvik
