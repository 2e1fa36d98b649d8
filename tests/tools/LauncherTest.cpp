#include <gtest/gtest.h>

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "LaunchParams.h"
#include "LauncherTestSupport.h"
#include "RunSimForm.h"
#include "VehicleIcons.h"

namespace tarvik {
namespace {

using test::FakeProgram;
using test::LauncherHarness;
using Args = std::vector<std::string>;

std::string Vehicle(const std::string& name, const std::string& type, const std::string& seat) {
    return "node -1 0 " + name + " dynamic PKP\\x x.tga " + type + " 0.0 " + seat +
           " 3 0 enddynamic";
}

// One drivable locomotive with a wagon, and a trainset that a passenger wagon drives.
std::string SimScenery() {
    return test::CrLf({"FirstInit", "trainset Poc tor1 0.0 0.0", "//$o Opis",
                       Vehicle("SM42-1", "SM42", "headdriver"), Vehicle("W-1", "401Za", "nobody"),
                       "endtrainset"});
}

// Every kind of root: with a named track or none in the author mode, wagons only with a
// drivable one, no drivable vehicle, no vehicles, and two trainsets of one name.
std::string KindsScenery() {
    test::PieceSpec track;
    track.name = "tor1";
    track.x2 = 100;
    return test::TrackNode(track) +
           test::CrLf(
               {"FirstInit", "trainset Wagony tor1 0.0 0.0", Vehicle("W1", "401Za", "nobody"),
                Vehicle("W2", "111A", "passenger"), "endtrainset", "trainset Zimny tor1 0.0 0.0",
                Vehicle("SM42-2", "SM42dumb", "headdriver"), Vehicle("W3", "401Za", "nobody"),
                "endtrainset", "trainset Pusty brak 0.0 0.0", "endtrainset",
                "trainset Dup tor1 0.0 0.0", "//$o A", "endtrainset", "trainset Dup tor1 0.0 0.0",
                "//$o B", "endtrainset"});
}

class LauncherFixture : public ::testing::Test {
  protected:
    explicit LauncherFixture(test::Dialogs shown = test::Dialogs::Scripted) : h("", shown) {}

    TRunSimForm& Launcher() { return *h.window->findChild<TRunSimForm*>(); }
    QTreeWidget& Tree() { return *Launcher().findChild<QTreeWidget*>("TreeView1"); }
    QLineEdit& RunPath() { return *Launcher().findChild<QLineEdit*>("RunPathEdit"); }
    QLineEdit& Params() { return *Launcher().findChild<QLineEdit*>("ParamEdit"); }
    QPushButton& RunButton() { return *Launcher().findChild<QPushButton*>("RunButton"); }
    QAction& RunItem() { return *Launcher().findChild<QAction*>("RunSimMenuItem"); }
    QAction& TimetableItem() { return *Launcher().findChild<QAction*>("TimeTableMenuItem"); }
    QToolButton& TimetableButton() {
        return *Launcher().findChild<QToolButton*>("TimeTableToolButton");
    }
    QString Description() { return Launcher().findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }
    std::vector<std::string> RootTexts() {
        std::vector<std::string> texts;
        for (int i = 0; i < Tree().topLevelItemCount(); ++i)
            texts.push_back(Tree().topLevelItem(i)->text(0).toStdString());
        return texts;
    }
    QTreeWidgetItem* Root(const QString& prefix) {
        for (int i = 0; i < Tree().topLevelItemCount(); ++i) {
            if (Tree().topLevelItem(i)->text(0).startsWith(prefix)) return Tree().topLevelItem(i);
        }
        ADD_FAILURE() << prefix.toStdString();
        return nullptr;
    }
    void Select(QTreeWidgetItem* node) { Tree().setCurrentItem(node); }
    void Load(const std::string& path, bool author = false) {
        h.window->Mode() = author ? test::AuthorMode() : test::UserMode();
        h.window->LoadScenery(path);
        Launcher().BuildTrainsetTree();
    }
    // The demo's simulator folder: the stand-in program and the scenery below it.
    std::string SimFolder() { return (h.dir.Path() / "sim").string(); }
    std::string Canonical(const std::string& path) {
        return std::filesystem::canonical(path).string();
    }

    LauncherHarness h;
};

class LauncherTest : public LauncherFixture {};

// The launcher with Qt's own dialogs, as the user sees them.
class LauncherDialogTest : public LauncherFixture {
  protected:
    LauncherDialogTest() : LauncherFixture(test::Dialogs::Real) {}
};

int ImageOf(const QTreeWidgetItem* node) {
    return node->data(0, TRunSimForm::kImageRole).toInt();
}

bool SamePicture(const QIcon& a, const QIcon& b) {
    return a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

TEST(RunParamsTest, ExpandsMacrosOnceEachFromLeftToRight) {
    const auto expand = [](std::string_view pattern, std::string_view scenery,
                           std::string_view vehicle = "SM42-1") {
        return ExpandRunParams(pattern, scenery, "/sim/eu07.exe", vehicle);
    };
    EXPECT_EQ(expand("-s %s -v %v", "/sim/scenery/td.scn").params, "-s td.scn -v SM42-1");
    EXPECT_EQ(expand("-s %r%s -v %v", "/sim/scenery/td.scn").params, "-s scenery/td.scn -v SM42-1");
    EXPECT_EQ(expand("%p", "/sim/scenery/td.scn").params, "/sim/scenery/");
    // Inserted text is not searched again for its own macro; other sequences stay.
    EXPECT_EQ(expand("%v %x %", "/sim/a%v.scn", "%v").params, "%v %x %");
    EXPECT_EQ(expand("%s", "/sim/a%s.scn").params, "a%s.scn");
    EXPECT_EQ(expand("%r%s %r", "/sim/a/b/td.scn").params, "a/b/td.scn a/b/");

    const RunParams outside = expand("-s %r%s", "/other/td.scn");
    EXPECT_FALSE(outside.ok);
    EXPECT_EQ(outside.params, "-s /other/td.scn");
    EXPECT_EQ(outside.simulatorFolder, "/sim/");
}

TEST(RunParamsTest, ValuesStayWholeInTheirWords) {
    const auto args = [](std::string_view pattern, std::string_view scenery) {
        return ExpandRunParams(pattern, scenery, "/my sim/eu07", "SM 42").arguments;
    };
    EXPECT_EQ(args("-s %s -v %v", "/my sim/it's/td x.scn"),
              (Args{"-s", "td x.scn", "-v", "SM 42"}));
    EXPECT_EQ(args("-s %r%s", "/my sim/it's/td.scn"), (Args{"-s", "it's/td.scn"}));
    EXPECT_EQ(args("-s \"%r%s\"", "/my sim/it's/td.scn"), (Args{"-s", "it's/td.scn"}));
    // Backslashes become slashes, in the template and in the values alike, inside their word.
    EXPECT_EQ(args("%p a\\b", "/my sim/x\\y z/td.scn"), (Args{"/my sim/x/y z/", "a/b"}));
    // A word that "%r" leaves empty is gone; an empty word written in quotes stays.
    EXPECT_EQ(args("-s %r %s ''", "/my sim/td.scn"), (Args{"-s", "td.scn", ""}));

    // The line shown quotes what the shell would need quoted.
    EXPECT_EQ(
        ExpandRunParams("-s %r%s -v %v", "/my sim/it's/td.scn", "/my sim/eu07", "SM 42").params,
        "-s \"it's/td.scn\" -v \"SM 42\"");
    const RunParams outside =
        ExpandRunParams("-s %r%s -v %v", "/inne/a b/td.scn", "/my sim/eu07", "SM 42");
    EXPECT_FALSE(outside.ok);
    EXPECT_EQ(outside.params, "-s \"/inne/a b/td.scn\" -v %v");
    EXPECT_EQ(outside.simulatorFolder, "/my sim/");
}

TEST(SplitWordsTest, LiteralBackslashesAndWordsJoinedBack) {
    EXPECT_EQ(SplitWords("a\\b \"c\\\" d"), (Args{"ab", "c\" d"}));
    EXPECT_EQ(SplitWords("a\\b \"c\\\" d", Backslash::Literal), (Args{"a\\b", "c\\", "d"}));

    const Args words{"-s", "", "a b", "it's", "q\"x", "$HOME", "zażółć gęślą", "%v"};
    EXPECT_EQ(JoinedWords(words), "-s \"\" \"a b\" \"it's\" 'q\"x' '$HOME' \"zażółć gęślą\" %v");
    EXPECT_EQ(SplitWords(JoinedWords(words)), words);
}

TEST(SplitWordsTest, SplitsLikeAShell) {
    EXPECT_EQ(SplitWords(""), Args{});
    EXPECT_EQ(SplitWords("  a  b\tc "), (Args{"a", "b", "c"}));
    EXPECT_EQ(SplitWords("\"/a b/c d.scn\" x"), (Args{"/a b/c d.scn", "x"}));
    EXPECT_EQ(SplitWords("'a \"b' c\"d e\""), (Args{"a \"b", "cd e"}));
    EXPECT_EQ(SplitWords("a\\ b \"q\\\"\\x\""), (Args{"a b", "q\"\\x"}));
    EXPECT_EQ(SplitWords("''"), Args{""});
    EXPECT_EQ(SplitWords("\"open end"), Args{"open end"});
    EXPECT_EQ(SplitWords(ShellQuoted("/it's a \"b\"\\")), Args{"/it's a \"b\"\\"});
}

TEST_F(LauncherTest, StartsTheSimulatorInItsFolderWithTheExpandedTemplate) {
    const FakeProgram sim(h.dir, "sim/eu07");
    Load(h.dir.Write("sim/scenery/td.scn", SimScenery()));
    Select(Root("Poc"));
    RunPath().setText(QString::fromStdString(sim.Path()));
    const std::string scenery = SimFolder() + "/scenery/";
    const struct {
        const char* pattern;
        Args arguments;
    } table[] = {
        {"-s %s -v %v", {"-s", "td.scn", "-v", "SM42-1"}},
        {"-s %r%s -v %v", {"-s", "scenery/td.scn", "-v", "SM42-1"}},
        {"%p", {scenery}},
        {"a\\b \"c d\"", {"a/b", "c d"}},
        {"%%s", {"%td.scn"}},
    };
    for (const auto& row : table) {
        Params().setText(row.pattern);
        Launcher().LaunchSimulator();
        const std::vector<FakeProgram::Run> runs = sim.WaitForRuns();
        ASSERT_EQ(runs.size(), 1u) << row.pattern;
        EXPECT_EQ(runs[0].arguments, row.arguments) << row.pattern;
        EXPECT_EQ(runs[0].folder, Canonical(SimFolder())) << row.pattern;
    }
    EXPECT_EQ(Launcher().StatusText().toStdString(), "Uruchomiono: " + sim.Path() + " %td.scn");

    // Directly in the simulator's folder the relative path is empty.
    Load(h.dir.Write("sim/td.scn", SimScenery()));
    Select(Root("Poc"));
    Params().setText("-s %r%s");
    Launcher().LaunchSimulator();
    const std::vector<FakeProgram::Run> runs = sim.WaitForRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].arguments, (Args{"-s", "td.scn"}));
    EXPECT_TRUE(h.dialogs.Messages().empty());
}

TEST_F(LauncherTest, PathsWithBlanksAndApostrophesReachTheSimulatorWhole) {
    const FakeProgram sim(h.dir, "Sym ulator/it's/eu07");
    const std::string folder = (h.dir.Path() / "Sym ulator/it's").string();
    Load(h.dir.Write("Sym ulator/it's/scen ery/td x.scn", SimScenery()));
    Select(Root("Poc"));
    RunPath().setText(QString::fromStdString(sim.Path()));
    const struct {
        const char* pattern;
        Args arguments;
    } table[] = {
        {"-s %s -v %v", {"-s", "td x.scn", "-v", "SM42-1"}},
        {"-s %r%s -v %v", {"-s", "scen ery/td x.scn", "-v", "SM42-1"}},
        {"%p", {folder + "/scen ery/"}},
        {"\"%p%s\"", {folder + "/scen ery/td x.scn"}},
    };
    for (const auto& row : table) {
        Params().setText(row.pattern);
        Launcher().LaunchSimulator();
        const std::vector<FakeProgram::Run> runs = sim.WaitForRuns();
        ASSERT_EQ(runs.size(), 1u) << row.pattern;
        EXPECT_EQ(runs[0].arguments, row.arguments) << row.pattern;
        EXPECT_EQ(runs[0].folder, Canonical(folder)) << row.pattern;
    }
    EXPECT_EQ(Launcher().StatusText().toStdString(),
              "Uruchomiono: " + sim.Path() + " \"" + folder + "/scen ery/td x.scn\"");
    EXPECT_TRUE(h.dialogs.Messages().empty());
}

TEST_F(LauncherDialogTest, SimulatorThatCannotStartIsReportedInAMessageBox) {
    const FakeProgram sim(h.dir, "Sym ulator/it's/eu07");
    Load(h.dir.Write("Sym ulator/it's/td.scn", SimScenery()));
    Launcher().SetRunner(h.Recorder());
    Select(Root("Poc"));
    RunPath().setText(QString::fromStdString(sim.Path()));
    std::filesystem::permissions(
        sim.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::optional<test::ShownMessage> shown;
    test::AnswerMessageBox(h.window.get(), shown);
    RunButton().click();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Błąd");
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_EQ(shown->text.toStdString(), "Nie można uruchomić programu " + sim.Path() +
                                             "\nBrak prawa do uruchomienia tego pliku.");
    EXPECT_EQ(h.starts.size(), 1u);
    EXPECT_EQ(Launcher().StatusText().toStdString(),
              "Nie uruchomiono: " + sim.Path() + " -s td.scn -v SM42-1");

    // A program whose interpreter is missing passes every check and is refused by the system.
    const std::string broken = h.dir.Write("Sym ulator/it's/zepsuty", "#!/brak/powloki\n");
    std::filesystem::permissions(broken, std::filesystem::perms::owner_all);
    RunPath().setText(QString::fromStdString(broken));
    shown.reset();
    test::AnswerMessageBox(h.window.get(), shown);
    RunButton().click();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->text.startsWith(QString::fromStdString(
        "Nie można uruchomić programu " + broken + "\nSystem nie uruchomił programu (")))
        << shown->text.toStdString();
    EXPECT_TRUE(Launcher().StatusText().startsWith("Nie uruchomiono: "));
}

TEST_F(LauncherDialogTest, CancelledSimulatorChooserShowsTheChoiceInTheStatus) {
    const FakeProgram sim(h.dir, "sim/eu07");
    Load(h.dir.Write("sim/td.scn", SimScenery()));
    Launcher().SetRunner(h.Recorder(false));
    Select(Root("Poc"));
    RunPath().setText(QString::fromStdString(sim.Path()));
    RunButton().click();
    ASSERT_TRUE(Launcher().StatusText().startsWith("Uruchomiono: "));
    h.starts.clear();

    RunPath().setText(QString::fromStdString(SimFolder() + "/brak"));
    QString title;
    test::WhenModalOf<QFileDialog>(h.window.get(), [&title](QFileDialog& chooser) {
        title = chooser.windowTitle();
        chooser.reject();
    });
    RunButton().click();
    EXPECT_EQ(title, "Wskaż plik programu symulatora");
    EXPECT_TRUE(h.starts.empty());
    EXPECT_EQ(Launcher().StatusText(), "Pociąg: Poc; Pojazd: SM42-1");
}

TEST(StartObstacleTest, TellsWhyAProgramCannotStart) {
    test::TempDir dir;
    const FakeProgram program(dir, "bin/program");
    const FakeProgram windows(dir, "bin/EU07.EXE", false);
    const auto obstacle = [](const std::string& path, const std::string& folder = "") {
        return StartObstacle(PrepareStart(path, {}, folder));
    };
    EXPECT_EQ(obstacle(program.Path()), "");
    EXPECT_EQ(obstacle(""), "Nie wskazano pliku programu.");
    EXPECT_EQ(obstacle((dir.Path() / "bin/brak").string()), "Plik nie istnieje.");
    EXPECT_EQ(obstacle((dir.Path() / "bin").string()), "To jest folder, a nie program.");
    EXPECT_EQ(obstacle(program.Path(), (dir.Path() / "brak").string()),
              "Folder roboczy " + (dir.Path() / "brak").string() + " nie istnieje.");
    {
        const test::PathPrefix only((dir.Path() / "bin").string(), true);
        EXPECT_EQ(obstacle("program"), "");
        EXPECT_EQ(obstacle("brak"), "Nie znaleziono takiego programu.");
        EXPECT_EQ(obstacle(windows.Path()),
                  "To program dla Windows, a nie znaleziono programu wine, który by go uruchomił.");
    }
    std::filesystem::permissions(program.Path(), std::filesystem::perms::owner_read);
    EXPECT_EQ(obstacle(program.Path()), "Brak prawa do uruchomienia tego pliku.");
    const StartResult refused = StartDetached(PrepareStart(program.Path(), {"-x"}, ""));
    EXPECT_FALSE(refused.started);
    EXPECT_EQ(refused.reason, "Brak prawa do uruchomienia tego pliku.");
}

TEST_F(LauncherTest, SceneryOutsideTheSimulatorsFolderStartsNothing) {
    const FakeProgram sim(h.dir, "sim/eu07");
    const std::string scenery = h.dir.Write("inne/td.scn", SimScenery());
    Load(scenery);
    Launcher().SetRunner(h.Recorder(false));
    Select(Root("Poc"));
    RunPath().setText(QString::fromStdString(sim.Path()));
    Params().setText("-s %r%s -v %v");
    Launcher().LaunchSimulator();
    EXPECT_TRUE(h.starts.empty());
    ASSERT_EQ(h.dialogs.Messages().size(), 1u);
    const auto& message = h.dialogs.Messages()[0];
    EXPECT_EQ(message.text, "Nie można utworzyć relatywnej ścieżki dostępu do pliku " + scenery +
                                "\r" + SimFolder() + "/\r-s " + h.dir.Path().string() +
                                "/inne/td.scn -v %v");
    EXPECT_EQ(message.caption, "Błąd");
    EXPECT_EQ(message.icon, MessageIcon::Error);
    EXPECT_EQ(Launcher().StatusText(), "Uruchamiam symulator...");
}

TEST_F(LauncherTest, MissingSimulatorIsAskedFor) {
    const FakeProgram sim(h.dir, "sim/eu07");
    Load(h.dir.Write("sim/td.scn", SimScenery()));
    Launcher().SetRunner(h.Recorder(false));

    // Nothing is selected: the request is ignored.
    Launcher().LaunchSimulator();
    EXPECT_TRUE(h.dialogs.fileRequests.empty());

    Select(Root("ghostview"));
    RunPath().setText(QString::fromStdString(SimFolder() + "/brak"));
    Launcher().LaunchSimulator();
    ASSERT_EQ(h.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(h.dialogs.fileRequests[0].title, "Wskaż plik programu symulatora");
    EXPECT_EQ(h.dialogs.fileRequests[0].filter, "Plik programu (*.exe)|*.exe");
    EXPECT_TRUE(h.dialogs.fileRequests[0].fileMustExist);
    EXPECT_TRUE(h.dialogs.fileRequests[0].program);
    EXPECT_EQ(h.dialogs.fileRequests[0].defaultExt, "exe");
    EXPECT_EQ(h.dialogs.fileRequests[0].fileName, "eu07.exe");
    EXPECT_TRUE(h.starts.empty());
    EXPECT_EQ(Launcher().StatusText(), "Pociąg: ghostview; Pojazd: ghostview");

    h.dialogs.openAnswers.push_back(sim.Path());
    Params().setText("-v %v");
    Launcher().LaunchSimulator();
    EXPECT_EQ(RunPath().text().toStdString(), sim.Path());
    ASSERT_EQ(h.starts.size(), 1u);
    EXPECT_EQ(h.starts[0], (ProgramStart{sim.Path(), {"-v", "ghostview"}, SimFolder()}));
}

TEST_F(LauncherTest, WindowsSimulatorRunsThroughWine) {
    const FakeProgram wine(h.dir, "bin/wine");
    const FakeProgram sim(h.dir, "sim/EU07.EXE", false);
    const FakeProgram native(h.dir, "sim/native.exe");
    EXPECT_TRUE(IsWindowsExecutable(sim.Path()));
    EXPECT_FALSE(IsWindowsExecutable(native.Path()));
    EXPECT_FALSE(IsWindowsExecutable(wine.Path()));
    {
        // Without wine the program is started as it is, and fails on its own.
        const test::PathPrefix none((h.dir.Path() / "sim").string(), true);
        EXPECT_EQ(PrepareStart(sim.Path(), {"-s", "x"}, "").program, sim.Path());
    }
    const test::PathPrefix path((h.dir.Path() / "bin").string());
    Load(h.dir.Write("sim/td.scn", SimScenery()));
    Select(Root("Poc"));
    RunPath().setText(QString::fromStdString(sim.Path()));
    Params().setText("-s %s -v %v");
    Launcher().LaunchSimulator();
    const std::vector<FakeProgram::Run> runs = wine.WaitForRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].arguments, (Args{sim.Path(), "-s", "td.scn", "-v", "SM42-1"}));
    EXPECT_EQ(runs[0].folder, Canonical(SimFolder()));
}

TEST_F(LauncherTest, TreeOfTheDemoInTheUserMode) {
    Load(test::DemoScenery());
    EXPECT_EQ(RootTexts(), (std::vector<std::string>{"ghostview", "Os1234 (2+1)",
                                                     "Tm_manewry (1+2)", "Ex_Sudety (1+2)",
                                                     "Tow_odstawiony (0+3)", "Zagubiony (1+0)"}));
    const int rootImages[] = {4, 1, 1, 1, 2, 1};
    for (int i = 0; i < Tree().topLevelItemCount(); ++i) {
        const QTreeWidgetItem* root = Tree().topLevelItem(i);
        EXPECT_EQ(ImageOf(root), rootImages[i]) << i;
        EXPECT_TRUE(SamePicture(root->icon(0), VehicleIcon(rootImages[i]))) << i;
    }
    QTreeWidgetItem* os = Root("Os1234");
    ASSERT_EQ(os->childCount(), 3);
    EXPECT_EQ(os->child(0)->text(0), "EN57-001ra");
    EXPECT_EQ(os->child(2)->text(0), "EN57-001rb");
    EXPECT_EQ(ImageOf(os->child(0)), 1);
    EXPECT_EQ(ImageOf(os->child(1)), 2);
    EXPECT_EQ(ImageOf(os->child(2)), 0);
    EXPECT_TRUE(SamePicture(os->child(2)->icon(0), VehicleIcon(0)));
    EXPECT_EQ(ImageOf(Root("Ex_Sudety")->child(1)), 3);
    EXPECT_TRUE(Launcher().StatusText().startsWith("Tworzenie struktury składów: "));

    // A drivable trainset: its first drivable vehicle, the timetable and the start.
    EXPECT_FALSE(RunButton().isEnabled());
    Select(os);
    EXPECT_EQ(Launcher().SelectedTrainsetName(), "Os1234");
    EXPECT_EQ(Launcher().SelectedVehicleName(), "EN57-001ra");
    EXPECT_EQ(Launcher().CurrentTrainset(), "Os1234");
    EXPECT_EQ(Launcher().StatusText(), "Pociąg: Os1234; Pojazd: EN57-001ra");
    EXPECT_EQ(Description(), "Pociąg osobowy EN57 do Krakowa");
    EXPECT_TRUE(RunButton().isEnabled());
    EXPECT_TRUE(RunItem().isEnabled());
    EXPECT_TRUE(TimetableItem().isEnabled());
    EXPECT_TRUE(TimetableButton().isEnabled());

    // A vehicle nobody drives.
    Select(os->child(2));
    EXPECT_EQ(Launcher().SelectedTrainsetName(), "Os1234");
    EXPECT_EQ(Launcher().SelectedVehicleName(), "EN57-001rb");
    EXPECT_FALSE(RunButton().isEnabled());
    EXPECT_FALSE(RunItem().isEnabled());
    EXPECT_FALSE(TimetableButton().isEnabled());

    Select(Root("Tow_odstawiony"));
    EXPECT_EQ(Launcher().SelectedVehicleName(), "");
    EXPECT_FALSE(RunButton().isEnabled());
    EXPECT_FALSE(TimetableItem().isEnabled());

    // The free camera starts, without a timetable, and describes nothing.
    Select(Root("ghostview"));
    EXPECT_EQ(Launcher().SelectedTrainsetName(), "ghostview");
    EXPECT_EQ(Launcher().SelectedVehicleName(), "ghostview");
    EXPECT_TRUE(RunButton().isEnabled());
    EXPECT_FALSE(TimetableButton().isEnabled());
    EXPECT_EQ(Description(), "");

    // A new load empties the tree for the next showing; the last choice stays.
    h.window->LoadScenery(test::DemoScenery());
    EXPECT_EQ(Tree().topLevelItemCount(), 0);
    EXPECT_EQ(Launcher().CurrentTrainset(), "ghostview");
}

TEST_F(LauncherTest, RootsOfEveryKindInBothModes) {
    const std::string path = h.dir.Write("kinds.scn", KindsScenery());
    Load(path, true);
    EXPECT_EQ(RootTexts(),
              (std::vector<std::string>{"ghostview", "Wagony na tor1 (0+2)", "Zimny na tor1 (1+1)",
                                        "Pusty na (!ERROR) (0+0)", "Dup na tor1 (0+0)",
                                        "Dup na tor1 (0+0)"}));
    EXPECT_EQ(ImageOf(Root("Wagony")), 3);
    EXPECT_EQ(ImageOf(Root("Zimny")), 0);
    EXPECT_EQ(ImageOf(Root("Pusty")), 2);

    // Wagons with a passenger wagon: started with it, but no timetable.
    Select(Root("Wagony"));
    EXPECT_EQ(Launcher().SelectedTrainsetName(), "Wagony");
    EXPECT_EQ(Launcher().SelectedVehicleName(), "W2");
    EXPECT_TRUE(RunButton().isEnabled());
    EXPECT_FALSE(TimetableItem().isEnabled());

    Select(Root("Zimny"));
    EXPECT_FALSE(RunButton().isEnabled());
    Select(Root("Pusty"));
    EXPECT_EQ(Launcher().SelectedVehicleName(), "Pusty na (!ERROR) (0+0)");
    EXPECT_FALSE(RunButton().isEnabled());
    // Descriptions of one name, newest first.
    Select(Root("Dup"));
    EXPECT_EQ(Description(), "BA");

    Load(path, false);
    EXPECT_EQ(RootTexts(), (std::vector<std::string>{"ghostview", "Wagony (0+2)", "Zimny (1+1)",
                                                     "Pusty (0+0)", "Dup (0+0)", "Dup (0+0)"}));
}

TEST_F(LauncherTest, ParameterMenuAndMacros) {
    QLineEdit field;
    field.setText("-s  -v");
    field.setCursorPosition(3);
    InsertMacro(field, "%s");
    EXPECT_EQ(field.text(), "-s %s -v");
    field.setSelection(0, 2);
    InsertMacro(field, "%p");
    EXPECT_EQ(field.text(), "%p %s -v");

    QMenu& menu = *Launcher().findChild<QMenu*>("ParamMenu");
    const auto item = [&menu](const QString& text) {
        for (QAction* a : menu.actions()) {
            if (a->text() == text) return a;
        }
        ADD_FAILURE() << text.toStdString();
        return menu.actions().front();
    };
    EXPECT_EQ(Params().text(), "-s %s -v %v");
    item("Wstaw domyślne parametry (wersje sprzed 06.2003)")->trigger();
    EXPECT_EQ(Params().text(), "-s %r%s -v %v");
    Params().setSelection(3, 4);
    item("Pełna ścieżka dostępu pliku scenerii (%p)")->trigger();
    EXPECT_EQ(Params().text(), "-s %p -v %v");
    item("Wstaw domyślne parametry")->trigger();
    EXPECT_EQ(Params().text(), "-s %s -v %v");
    EXPECT_EQ(menu.actions().size(), 8);
    EXPECT_TRUE(menu.actions()[2]->isSeparator());
    EXPECT_TRUE(menu.actions()[6]->isSeparator());
}

TEST(LauncherSettingsTest, StoredAndDefaultPlaceAndFields) {
    {
        LauncherHarness h;
        const AppSettings s = h.window->CollectSettings();
        EXPECT_EQ(s.Launcher.width, TRunSimForm::kDesignedWidth);
        EXPECT_EQ(s.Launcher.height, TRunSimForm::kDesignedHeight);
        EXPECT_EQ(s.RunSimParam, "-s %s -v %v");
    }
    LauncherHarness h(
        "[General]\nSimFile=/opt/sim/eu07\nRunSimParam=-s %r%s\n"
        "[Bounds]\nRSX1=10\nRSY1=20\nRSX2=500\nRSY2=300\n");
    TRunSimForm& launcher = *h.window->findChild<TRunSimForm*>();
    EXPECT_EQ(launcher.findChild<QLineEdit*>("RunPathEdit")->text(), "/opt/sim/eu07");
    launcher.findChild<QLineEdit*>("ParamEdit")->setText("%p");
    launcher.resize(200, 50);
    const AppSettings s = h.window->CollectSettings();
    EXPECT_EQ(s.Launcher, (WindowBounds{10, 20, 300, 100}));
    EXPECT_EQ(s.SimFile, "/opt/sim/eu07");
    EXPECT_EQ(s.RunSimParam, "%p");
}

}  // namespace
}  // namespace tarvik
