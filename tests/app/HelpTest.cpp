// "Pomoc" (F1): the manual in the desktop's browser, or the old help file where a viewer for it
// is installed; and the open dialog's folder and filters.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ScriptedViewerDialogs.h"

namespace tarvik {
namespace {

// Sets the PATH for the lifetime of the object, so that the programs a test puts in a folder
// are the only ones found.
class ScopedPath {
  public:
    explicit ScopedPath(const std::string& folder) : old_(qgetenv("PATH")) {
        qputenv("PATH", QByteArray::fromStdString(folder));
    }
    ~ScopedPath() { qputenv("PATH", old_); }
    ScopedPath(const ScopedPath&) = delete;
    ScopedPath& operator=(const ScopedPath&) = delete;

  private:
    QByteArray old_;
};

class HelpTest : public ::testing::Test {
  protected:
    HelpTest() : window(dialogs, files, store) {
        window.SetHelpOpeners({[this](const QUrl& url) {
                                   opened.push_back(url);
                                   return browserOpens;
                               },
                               [this](const ProgramStart& start) {
                                   started.push_back(start);
                                   return StartResult{};
                               }});
        window.resize(640, 480);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        std::filesystem::create_directories(dir.Path() / "bin");
        std::filesystem::create_directories(dir.Path() / "path");
    }

    // A page of the manual installed beside the program's folder.
    std::string AddManual(const char* language) {
        return dir.Write(std::string("share/doc/tarvik/manual/") + language + "/index.html",
                         "<html></html>");
    }
    // A program on the test's PATH.
    std::string AddProgram(const char* name) {
        const std::string path = dir.Write(std::string("path/") + name, "#!/bin/sh\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path;
    }
    // The help looked for again, as at start, beside the test's program folder.
    void LookForHelp() {
        window.SetProgramFolder(QString::fromStdString((dir.Path() / "bin").string()));
    }
    QAction* HelpItem() { return window.findChild<QAction*>("HelpMenuItem"); }
    void PressF1() { QTest::keyRelease(&window, Qt::Key_F1); }

    test::TempDir dir;
    const ScopedPath path{(dir.Path() / "path").string()};
    test::ScriptedViewerDialogs dialogs;
    PosixFileSystem files;
    SettingsStore store{QString::fromStdString((dir.Path() / "Zorvan.conf").string())};
    TForm1 window;
    std::vector<QUrl> opened;
    bool browserOpens = true;
    std::vector<ProgramStart> started;
};

TEST_F(HelpTest, TheManualInTheChosenLanguageOpensInTheBrowserWhenItIsThere) {
    LookForHelp();
    EXPECT_FALSE(HelpItem()->isEnabled());
    PressF1();
    EXPECT_TRUE(opened.empty());

    const std::string polish = AddManual("pl");
    window.SetManualLanguage(UiLanguage::Polish);
    LookForHelp();
    ASSERT_TRUE(HelpItem()->isEnabled());
    PressF1();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened.back(), QUrl::fromLocalFile(QString::fromStdString(polish)));

    // Without the English pages the Polish ones are better than none.
    window.SetManualLanguage(UiLanguage::English);
    EXPECT_TRUE(HelpItem()->isEnabled());
    HelpItem()->trigger();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened.back(), QUrl::fromLocalFile(QString::fromStdString(polish)));

    const std::string english = AddManual("en");
    window.SetManualLanguage(UiLanguage::English);
    HelpItem()->trigger();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened.back(), QUrl::fromLocalFile(QString::fromStdString(english)));
    // The URL names the page itself, not a path through "bin/..".
    EXPECT_FALSE(opened.back().toString().contains("/bin/"));
    EXPECT_TRUE(started.empty());
    EXPECT_TRUE(dialogs.Messages().empty());

    window.SetManualLanguage(UiLanguage::Polish);
    std::filesystem::remove_all(dir.Path() / "share");
    LookForHelp();
    EXPECT_FALSE(HelpItem()->isEnabled());
}

TEST_F(HelpTest, ABrowserThatDoesNotOpenIsReported) {
    AddManual("pl");
    window.SetManualLanguage(UiLanguage::Polish);
    LookForHelp();
    browserOpens = false;
    PressF1();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].caption, "Błąd");
    EXPECT_NE(dialogs.Messages()[0].text.find("manual/pl/index.html"), std::string::npos);
}

TEST_F(HelpTest, TheHelpFileBesideTheProgramOpensInAViewerForItWhenOneIsInstalled) {
    const std::string chm = dir.Write("bin/Zorvan.chm", "ITSF");
    // A help file without a viewer cannot be read here: without the manual there is no help.
    LookForHelp();
    EXPECT_FALSE(HelpItem()->isEnabled());
    AddManual("pl");
    LookForHelp();
    PressF1();
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_TRUE(started.empty());

    const std::string kchm = AddProgram("kchmviewer");
    LookForHelp();
    PressF1();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started.back(), (ProgramStart{kchm, {chm}, {}}));
    EXPECT_EQ(opened.size(), 1u);

    const std::string xchm = AddProgram("xchm");
    LookForHelp();
    HelpItem()->trigger();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started.back(), (ProgramStart{xchm, {chm}, {}}));

    // With a viewer, the help file alone is enough.
    std::filesystem::remove_all(dir.Path() / "share");
    LookForHelp();
    EXPECT_TRUE(HelpItem()->isEnabled());
}

TEST_F(HelpTest, TheOpenDialogOffersSceneryPartsInTheLoadedSceneryFolder) {
    QTest::keyRelease(&window, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].filter,
              "Plik scenerii (*.scn)|*.scn|Wszystkie pliki (*.*)|*.*|"
              "Części scenerii (*.scm;*.inc)|*.scm;*.inc");
    EXPECT_EQ(dialogs.fileRequests[0].folder, "");

    test::PieceSpec piece;
    piece.x2 = 100;
    const std::string scenery = dir.Write("scenerie/linia/s.scn", test::TrackNode(piece));
    window.LoadScenery(scenery);
    QTest::keyRelease(&window, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].folder, (dir.Path() / "scenerie/linia").string());
}

}  // namespace
}  // namespace tarvik
