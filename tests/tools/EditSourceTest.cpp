#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "DesktopRegistration.h"
#include "EditSourceForm.h"
#include "EditSourceForm2.h"
#include "EditVerb.h"
#include "LauncherTestSupport.h"
#include "MapWidget.h"

namespace tarvik {
namespace {

using test::FakeProgram;
using test::LauncherHarness;
using Args = std::vector<std::string>;

// Acts on the file chooser once it is shown modally; a load on the way may let the check run
// before the chooser is there, so it looks again for a while.
void OnChooser(QObject* context, std::function<void(TEditSourceForm2&)> steps, int tries = 500) {
    QTimer::singleShot(10, context, [context, steps = std::move(steps), tries]() mutable {
        auto* chooser = qobject_cast<TEditSourceForm2*>(QApplication::activeModalWidget());
        if (chooser) {
            steps(*chooser);
        } else if (tries > 0) {
            OnChooser(context, std::move(steps), tries - 1);
        } else {
            ADD_FAILURE() << "no file chooser";
        }
    });
}

QListWidget& CheckList(TEditSourceForm2& chooser) {
    return *chooser.findChild<QListWidget*>("CheckListBox");
}

// Quotes in the settings file stand for themselves only when escaped.
std::string EditorSettings(const std::string& exe, const std::string& param,
                           const std::string& extra = "") {
    std::string escaped;
    for (const char c : param)
        escaped += c == '"' ? std::string("\\\"") : std::string(1, c);
    return "[Editors]\nName0=Fake\nExe0=" + exe + "\nParam0=" + escaped + "\n" + extra;
}

class EditSourceTest : public ::testing::Test {
  protected:
    TEditSourceForm& Editor(LauncherHarness& harness) {
        return *harness.window->findChild<TEditSourceForm*>();
    }
};

TEST_F(EditSourceTest, EditorReceivesThePathAsTheParametersSay) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    const struct {
        const char* param;
        Args arguments;
    } table[] = {
        {"", {"/s/z spacją.scn"}},
        {"%f", {"/s/z spacją.scn"}},
        {"\"%f\"", {"/s/z spacją.scn"}},
        {"-n %f '%f'", {"-n", "/s/z spacją.scn", "/s/z spacją.scn"}},
    };
    for (const auto& row : table) {
        LauncherHarness h(EditorSettings(editor.Path(), row.param));
        Editor(h).EditFiles(-1);
        EXPECT_EQ(Editor(h).ActiveEditor(), -1);
        h.window->LoadScenery(test::DemoScenery());
        OnChooser(h.window.get(), [](TEditSourceForm2& chooser) { chooser.reject(); });
        Editor(h).EditFiles(0);
        ASSERT_EQ(Editor(h).ActiveEditor(), 0);
        Editor(h).OpenInEditor("/s/z spacją.scn");
        const std::vector<FakeProgram::Run> runs = editor.WaitForRuns();
        ASSERT_EQ(runs.size(), 1u) << row.param;
        EXPECT_EQ(runs[0].arguments, row.arguments) << row.param;
        // Editors run in the viewer's own folder.
        EXPECT_EQ(runs[0].folder,
                  std::filesystem::canonical(std::filesystem::current_path()).string())
            << row.param;
    }
}

TEST_F(EditSourceTest, ChosenFilesStartInTheChoosersOrder) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    LauncherHarness h(EditorSettings(editor.Path(), "%f"));
    Editor(h).SetRunner(h.Recorder());
    h.window->LoadScenery(test::DemoScenery());
    std::vector<std::string> loaded;
    for (const TIncFile& file : h.window->Scenery().IncFiles)
        loaded.push_back(file.FileName);
    ASSERT_EQ(loaded.size(), 7u);

    OnChooser(h.window.get(), [&](TEditSourceForm2& chooser) {
        EXPECT_EQ(chooser.windowTitle(), "Wybierz pliki do edycji w 'Fake':");
        QListWidget& list = CheckList(chooser);
        ASSERT_EQ(list.count(), 7);
        EXPECT_EQ(list.item(0)->text().toStdString(), test::DemoScenery());
        for (int i = 0; i < list.count(); ++i)
            EXPECT_EQ(list.item(i)->checkState(), Qt::Unchecked);
        // The toggle follows the first entry: all on, then all off.
        QPushButton& toggle = *chooser.findChild<QPushButton*>("ToggleAllButton");
        list.item(3)->setCheckState(Qt::Checked);
        toggle.click();
        EXPECT_EQ(chooser.CheckedFiles().size(), 7u);
        toggle.click();
        EXPECT_TRUE(chooser.CheckedFiles().empty());
        for (const int i : {5, 0, 2})
            list.item(i)->setCheckState(Qt::Checked);
        chooser.findChild<QPushButton*>("OkButton")->click();
    });
    h.window->Actions().EditorItems[0]->trigger();
    ASSERT_EQ(h.starts.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string expected = loaded[std::array<std::size_t, 3>{0, 2, 5}[i]];
        EXPECT_EQ(h.starts[i], (ProgramStart{editor.Path(), {expected}, {}})) << i;
    }
    EXPECT_EQ(editor.WaitForRuns(3).size(), 3u);

    // Cancelled, nothing starts.
    OnChooser(h.window.get(), [](TEditSourceForm2& chooser) {
        CheckList(chooser).item(0)->setCheckState(Qt::Checked);
        chooser.findChild<QPushButton*>("CancelButton")->click();
    });
    Editor(h).EditFiles(0);
    EXPECT_EQ(h.starts.size(), 3u);
}

TEST(EditorParamsTest, ThePathStaysOneArgument) {
    const std::string file = "/s/it's a\\b \"c\".scn";
    EXPECT_EQ(ExpandEditorParams("", file), Args{file});
    EXPECT_EQ(ExpandEditorParams("%f", file), Args{file});
    EXPECT_EQ(ExpandEditorParams("+1 %f %f", file), (Args{"+1", file, file}));
    EXPECT_EQ(ExpandEditorParams("--plik=%f \"-t a b\"", file), (Args{"--plik=" + file, "-t a b"}));
}

TEST(EditorParamsTest, TheLineGoesWhereTheParametersSayWordByWord) {
    // A path may hold the macros' letters; only the pattern's are replaced.
    const std::string file = "/s/tor %l i %f.scn";
    EXPECT_EQ(ExpandEditorParams("--line %l %f", file, 42), (Args{"--line", "42", file}));
    EXPECT_EQ(ExpandEditorParams("+%l %f", file, 7), (Args{"+7", file}));
    EXPECT_EQ(ExpandEditorParams("-g %f:%l", file, 7), (Args{"-g", file + ":7"}));
    EXPECT_EQ(ExpandEditorParams("-e vim +%l %f", file, 1234567890123),
              (Args{"-e", "vim", "+1234567890123", file}));
    EXPECT_EQ(ExpandEditorParams("'%l %l'", file, 3), Args{"3 3"});
    // Without "%l" the file opens as before; opened without a place, at its first line.
    EXPECT_EQ(ExpandEditorParams("%f", file, 42), Args{file});
    EXPECT_EQ(ExpandEditorParams("", file, 42), Args{file});
    EXPECT_EQ(ExpandEditorParams("+%l %f", file), (Args{"+1", file}));
}

TEST_F(EditSourceTest, EditorInAFolderWithABlankAndAnApostropheGetsThePathWhole) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edy tor's/edytor");
    LauncherHarness h(EditorSettings(editor.Path(), "-n %f"));
    const std::string scenery = h.dir.Write("it's a\\b/sc ena.scn", test::CrLf({"FirstInit"}));
    h.window->LoadScenery(scenery);
    OnChooser(h.window.get(), [](TEditSourceForm2& chooser) {
        CheckList(chooser).item(0)->setCheckState(Qt::Checked);
        chooser.accept();
    });
    Editor(h).EditFiles(0);
    const std::vector<FakeProgram::Run> runs = editor.WaitForRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].arguments, (Args{"-n", scenery}));
    EXPECT_TRUE(h.dialogs.Messages().empty());
}

TEST_F(EditSourceTest, MissingEditorIsAskedForBeforeAndAtTheFirstFileThenReported) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    LauncherHarness h(EditorSettings("/brak/edytora", ""));
    Editor(h).SetRunner(h.Recorder(false));
    h.window->LoadScenery(test::DemoScenery());
    const auto chooseTwo = [&h] {
        OnChooser(h.window.get(), [](TEditSourceForm2& chooser) {
            CheckList(chooser).item(0)->setCheckState(Qt::Checked);
            CheckList(chooser).item(1)->setCheckState(Qt::Checked);
            chooser.accept();
        });
    };
    // Cancelled before the chooser and at the first file: the request ends with the reason.
    chooseTwo();
    h.dialogs.openAnswers = {std::nullopt, std::nullopt};
    Editor(h).EditFiles(0);
    ASSERT_EQ(h.dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(h.dialogs.fileRequests[0].title, "Wybierz edytor tekstowy...");
    EXPECT_EQ(h.dialogs.fileRequests[0].filter,
              "Programy (*.exe; *.com)|*.exe; *.com|Wszystkie pliki (*.*)|*.*");
    EXPECT_TRUE(h.dialogs.fileRequests[0].fileMustExist);
    // Programs of this system are offered too; "exe" completes the Windows ones.
    EXPECT_TRUE(h.dialogs.fileRequests[0].program);
    EXPECT_EQ(h.dialogs.fileRequests[0].defaultExt, "exe");
    ASSERT_EQ(h.dialogs.Messages().size(), 1u);
    EXPECT_EQ(h.dialogs.Messages()[0].text,
              "Nie można uruchomić programu /brak/edytora\rPlik nie istnieje.");
    EXPECT_EQ(h.dialogs.Messages()[0].caption, "Błąd");
    EXPECT_EQ(h.dialogs.Messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(h.starts.empty());

    // Chosen at the first file: that file and the next one open.
    chooseTwo();
    h.dialogs.openAnswers = {std::nullopt, editor.Path()};
    Editor(h).EditFiles(0);
    EXPECT_EQ(h.dialogs.fileRequests.size(), 4u);
    ASSERT_EQ(h.starts.size(), 2u);
    EXPECT_EQ(h.starts[1].arguments,
              Args{std::next(h.window->Scenery().IncFiles.begin())->FileName});
    EXPECT_EQ(Editor(h).Slot(0).exe, editor.Path());
    EXPECT_EQ(h.dialogs.Messages().size(), 1u);
}

TEST_F(EditSourceTest, EditorThatCannotStartIsReportedOnce) {
    test::TempDir programs;
    const FakeProgram locked(programs, "zamkniety");
    std::filesystem::permissions(locked.Path(), std::filesystem::perms::owner_read);
    // The interpreter is missing: the checks pass and the system refuses.
    const std::string broken = programs.Write("zepsuty", "#!/brak/powloki\n");
    std::filesystem::permissions(broken, std::filesystem::perms::owner_all);
    const struct {
        std::string program;
        std::string reason;
    } table[] = {
        {locked.Path(), "Brak prawa do uruchomienia tego pliku."},
        {broken, "System nie uruchomił programu ("},
    };
    for (const auto& row : table) {
        LauncherHarness h(EditorSettings(row.program, ""));
        Editor(h).SetRunner(h.Recorder());
        h.window->LoadScenery(test::DemoScenery());
        OnChooser(h.window.get(), [](TEditSourceForm2& chooser) {
            for (const int i : {0, 1, 2})
                CheckList(chooser).item(i)->setCheckState(Qt::Checked);
            chooser.accept();
        });
        Editor(h).EditFiles(0);
        EXPECT_TRUE(h.dialogs.fileRequests.empty()) << row.program;
        EXPECT_LE(h.starts.size(), 1u) << row.program;
        ASSERT_EQ(h.dialogs.Messages().size(), 1u) << row.program;
        const std::string expected =
            "Nie można uruchomić programu " + row.program + "\r" + row.reason;
        EXPECT_EQ(h.dialogs.Messages()[0].text.substr(0, expected.size()), expected);
    }
}

TEST_F(EditSourceTest, MissingEditorEndsWithAMessageBox) {
    LauncherHarness h(EditorSettings("/brak/edytora", ""), test::Dialogs::Real);
    h.window->LoadScenery(test::DemoScenery());
    QStringList asked;
    const auto cancelFileDialog = [&asked](QFileDialog& dialog) {
        asked << dialog.windowTitle();
        dialog.reject();
    };
    test::WhenModalOf<QFileDialog>(h.window.get(), [&](QFileDialog& dialog) {
        // The chooser follows, then the program is asked for once more.
        test::WhenModalOf<TEditSourceForm2>(h.window.get(), [&](TEditSourceForm2& chooser) {
            test::WhenModalOf<QFileDialog>(h.window.get(), cancelFileDialog);
            CheckList(chooser).item(0)->setCheckState(Qt::Checked);
            CheckList(chooser).item(1)->setCheckState(Qt::Checked);
            chooser.findChild<QPushButton*>("OkButton")->click();
        });
        cancelFileDialog(dialog);
    });
    std::optional<test::ShownMessage> shown;
    test::AnswerMessageBox(h.window.get(), shown);
    h.window->Actions().EditorItems[0]->trigger();
    EXPECT_EQ(asked, QStringList(2, "Wybierz edytor tekstowy..."));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->title, "Błąd");
    EXPECT_EQ(shown->icon, QMessageBox::Critical);
    EXPECT_EQ(shown->text, "Nie można uruchomić programu /brak/edytora\nPlik nie istnieje.");
}

TEST_F(EditSourceTest, EditorsMenuFollowsTheSlots) {
    LauncherHarness h(EditorSettings("/usr/bin/vi", "-R %f", "Name2=A & B\n"));
    const auto& items = h.window->Actions().EditorItems;
    EXPECT_EQ(items[0]->text(), "1. Fake\tCtrl+E");
    EXPECT_EQ(items[0]->toolTip(), "/usr/bin/vi -R %f");
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_EQ(items[1]->text(), "2. (!Niezdefiniowany)");
    EXPECT_FALSE(items[1]->isEnabled());
    EXPECT_TRUE(items[1]->statusTip().isEmpty());
    EXPECT_EQ(items[2]->text(), "3. A && B");
    EXPECT_EQ(items[8]->text(), "9. (!Niezdefiniowany)");

    // An undefined slot is not started from its entry.
    h.window->LoadScenery(test::DemoScenery());
    items[1]->trigger();
    EXPECT_TRUE(h.dialogs.fileRequests.empty());
}

TEST_F(EditSourceTest, EditorCountOutsideTheSlotsAddressesNoMissingSlot) {
    for (const char* count : {"0", "-4", "3", "12"}) {
        LauncherHarness h(std::string("[General]\nEditors=") + count +
                          "\n[Editors]\nName0=Zero\nName3=Three\n");
        const QComboBox& list = *Editor(h).findChild<QComboBox*>("EditorList");
        const int expected = std::clamp(std::atoi(count), 0, 9);
        ASSERT_EQ(list.count(), expected) << count;
        if (expected > 0) {
            EXPECT_EQ(list.itemText(0), "1. Zero");
        }
        if (expected == 3) {
            EXPECT_EQ(list.itemText(2), "3. (!Niezdefiniowany)");
        }
        if (expected > 3) {
            EXPECT_EQ(list.itemText(3), "4. Three");
        }
        Editor(h).StoreEditorSlot(9);
        Editor(h).ShowEditorSlot(expected);
        Editor(h).EditFiles(9);
        EXPECT_EQ(Editor(h).ActiveEditor(), -1);
        EXPECT_EQ(h.window->CollectSettings().EditorSlots[3].name, expected > 3 ? "Three" : "");
    }
}

TEST_F(EditSourceTest, DialogFieldsEditAndStoreTheSelectedSlot) {
    test::TempDir programs;
    const FakeProgram mousepad(programs, "mousepad");
    const FakeProgram xdgOpen(programs, "xdg-open");
    LauncherHarness h(EditorSettings("/usr/bin/vi", "-R %f"));
    TEditSourceForm& form = Editor(h);
    QComboBox& list = *form.findChild<QComboBox*>("EditorList");
    QLineEdit& name = *form.findChild<QLineEdit*>("EditorName");
    QLineEdit& exe = *form.findChild<QLineEdit*>("ExeEdit");
    QLineEdit& param = *form.findChild<QLineEdit*>("ParamEdit");
    QPushButton& browse = *form.findChild<QPushButton*>("BrowseButton");
    // The selected slot's values are shown, not the desktop editor in their place.
    EXPECT_EQ(name.text(), "Fake");
    EXPECT_EQ(exe.text(), "/usr/bin/vi");

    list.setCurrentIndex(1);
    EXPECT_EQ(name.text(), "");
    EXPECT_FALSE(exe.isEnabled());
    EXPECT_FALSE(browse.isEnabled());
    name.setText("Nowy");
    EXPECT_EQ(list.itemText(1), "2. Nowy");
    EXPECT_TRUE(exe.isEnabled());
    EXPECT_TRUE(param.isEnabled());
    exe.setText("/bin/ed");
    QMenu& macros = *form.findChild<QMenu*>("ParamMenu");
    ASSERT_EQ(macros.actions().size(), 2);
    EXPECT_EQ(macros.actions()[0]->text(), "Nazwa pliku (%f)");
    EXPECT_EQ(macros.actions()[1]->text(), "Numer wiersza (%l)");
    param.setText("+ ");
    param.setCursorPosition(1);
    macros.actions()[1]->trigger();
    EXPECT_EQ(param.text(), "+%l ");
    param.end(false);
    macros.actions()[0]->trigger();
    EXPECT_EQ(param.text(), "+%l %f");
    // Moving to another entry keeps what was typed.
    list.setCurrentIndex(0);
    EXPECT_EQ(form.Slot(1), (EditorSlot{"Nowy", "/bin/ed", "+%l %f"}));
    EXPECT_EQ(name.text(), "Fake");

    {
        const test::PathPrefix only(programs.Path().string(), true);
        form.findChild<QMenu*>("ExeMenu")->actions()[0]->trigger();
        EXPECT_EQ(name.text(), "Notatnik");
        EXPECT_EQ(list.itemText(0), "1. Notatnik");
        EXPECT_EQ(exe.text().toStdString(), mousepad.Path());
        EXPECT_EQ(param.text(), "%f");
        std::filesystem::remove(mousepad.Path());
        form.NotepadClick();
        EXPECT_EQ(exe.text().toStdString(), xdgOpen.Path());
    }
    // Closing the dialog stores the fields, and the menu follows.
    QTimer::singleShot(0, &form, [&form] { form.accept(); });
    h.window->Actions().EditorSettings->trigger();
    EXPECT_EQ(form.Slot(0), (EditorSlot{"Notatnik", xdgOpen.Path(), "%f"}));
    EXPECT_EQ(h.window->Actions().EditorItems[0]->text(), "1. Notatnik\tCtrl+E");
    EXPECT_EQ(h.window->Actions().EditorItems[1]->text(), "2. Nowy");

    name.clear();
    EXPECT_EQ(list.itemText(0), "1. (!Niezdefiniowany)");
    EXPECT_FALSE(param.isEnabled());
}

TEST_F(EditSourceTest, BrowseAndEditSceneryFromTheDialog) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    LauncherHarness h(EditorSettings("/usr/bin/vi", ""));
    TEditSourceForm& form = Editor(h);
    Editor(h).SetRunner(h.Recorder(false));
    QPushButton& editScenery = *form.findChild<QPushButton*>("EditSceneryButton");
    QTimer::singleShot(0, [&] {
        EXPECT_FALSE(editScenery.isEnabled());
        form.accept();
    });
    form.Execute();

    h.dialogs.openAnswers.push_back(editor.Path());
    EXPECT_TRUE(form.BrowseEditor());
    EXPECT_EQ(form.Slot(0).exe, editor.Path());
    EXPECT_FALSE(form.BrowseEditor());

    h.window->LoadScenery(test::DemoScenery());
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(editScenery.isEnabled());
        OnChooser(h.window.get(), [&](TEditSourceForm2& chooser) {
            CheckList(chooser).item(0)->setCheckState(Qt::Checked);
            chooser.accept();
        });
        editScenery.click();
        form.accept();
    });
    form.Execute();
    ASSERT_EQ(h.starts.size(), 1u);
    EXPECT_EQ(h.starts[0].program, editor.Path());
}

TEST(EditVerbTest, AddsTheEditActionOnceAndKeepsTheEntry) {
    const QString program = "/opt/tarvik/tarvik-viewer";
    const QString entry = DesktopEntryText(program);
    ASSERT_FALSE(HasEditAction(entry));
    const QString edited = WithEditAction(entry, "Gedit", program);
    EXPECT_TRUE(HasEditAction(edited));
    EXPECT_TRUE(edited.contains("\nActions=open;print;edit;\n"));
    EXPECT_TRUE(
        edited.endsWith("[Desktop Action edit]\nName=Edytuj w Gedit\n"
                        "Exec=\"/opt/tarvik/tarvik-viewer\" /e %f\n"));
    QString rest = edited;
    rest.replace("Actions=open;print;edit;", "Actions=open;print;");
    EXPECT_TRUE(rest.startsWith(entry.trimmed()));

    const QString plain = "[Desktop Entry]\nName=X\n\n[Other]\nA=b\n";
    EXPECT_EQ(WithEditAction(plain, "Vi", "/a b/x%y"),
              "[Desktop Entry]\nName=X\nActions=edit;\n\n[Other]\nA=b\n\n"
              "[Desktop Action edit]\nName=Edytuj w Vi\nExec=\"/a b/x%%y\" /e %f\n");
}

TEST(EditVerbTest, WrittenOnlyForANamedExistingFirstEditor) {
    test::TempDir dir;
    const FakeProgram editor(dir, "edytor");
    const QString path =
        QString::fromStdString((dir.Path() / "apps/tarvik-viewer.desktop").string());
    const QString program = "/opt/tarvik/tarvik-viewer";
    EXPECT_TRUE(RegisterEditVerb(path, {"", editor.Path(), ""}, program));
    EXPECT_TRUE(RegisterEditVerb(path, {"Vi", "/brak/vi", ""}, program));
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_TRUE(RegisterEditVerb(path, {"Vi", editor.Path(), ""}, program));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(file.readAll());
    file.close();
    EXPECT_EQ(written, WithEditAction(DesktopEntryText(program), "Vi", program));
    // An entry with an edit action is left as it is.
    EXPECT_TRUE(RegisterEditVerb(path, {"Inny", editor.Path(), ""}, program));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), written);
}

TEST(EditVerbTest, StartupAddsTheActionToTheRegisteredEntry) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    const QString path = DesktopRegistration::InDataHome().desktopEntry;
    QFile::remove(path);
    ASSERT_TRUE(RegisterSceneryFileType(DesktopRegistration::InDataHome(),
                                        QCoreApplication::applicationFilePath(), false));
    LauncherHarness h(EditorSettings(editor.Path(), ""));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains("Name=Edytuj w Fake\n"));
    EXPECT_TRUE(text.contains("[Desktop Action print]"));
    QFile::remove(path);
}

TEST(EditCommandLineTest, SlashEOpensTheChooserAndCloses) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    LauncherHarness h(EditorSettings(editor.Path(), ""));
    h.window->show();
    bool chooserShown = false;
    OnChooser(h.window.get(), [&](TEditSourceForm2& chooser) {
        chooserShown = true;
        EXPECT_EQ(CheckList(chooser).count(), 7);
        chooser.reject();
    });
    h.window->RunCommandLine({"/e", test::DemoScenery()});
    EXPECT_TRUE(chooserShown);
    EXPECT_FALSE(h.window->isVisible());
}

// A scenery whose named track lies in an included file, on its third line, down the middle of
// the map.
class EditHereTest : public EditSourceTest {
  protected:
    std::string LoadAndPick(LauncherHarness& h) {
        const std::string included = h.dir.Write(
            "tory/szlak.inc", test::CrLf({"// szlak", "//"}) + [] {
                test::PieceSpec p;
                p.name = "szlak";
                p.z2 = 1000;
                return test::TrackNode(p);
            }());
        // Two pieces far to the sides put the track in the middle of the map.
        test::PieceSpec left;
        left.x1 = 500;
        left.x2 = 501;
        left.z1 = left.z2 = 500;
        test::PieceSpec right = left;
        right.x1 = -500;
        right.x2 = -501;
        const std::string scenery = h.dir.Write(
            "trasa.scn", test::CrLf({"include tory/szlak.inc"}) + test::TrackNode(left) +
                             test::TrackNode(right) + test::CrLf({"FirstInit"}));
        h.window->resize(800, 600);
        h.window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(h.window.get()));
        h.window->LoadScenery(scenery);
        QTest::keyRelease(h.window.get(), Qt::Key_4, Qt::ControlModifier);
        // The track runs from the map's top to its bottom through the middle.
        QWidget& map = h.window->Map();
        QTest::mouseClick(&map, Qt::RightButton, {}, QPoint(map.width() / 2 + 2, map.height() / 2));
        auto* menu = h.window->findChild<QMenu*>("IdentifyMenu");
        EXPECT_TRUE(menu && menu->isVisible());
        return included;
    }
    void EditHere(LauncherHarness& h) {
        auto* menu = h.window->findChild<QMenu*>("IdentifyMenu");
        ASSERT_NE(menu, nullptr);
        QAction* item = menu->findChild<QAction*>("EditHereItem");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), "Edytuj w tym miejscu");
        item->trigger();
        menu->close();
    }
};

TEST_F(EditHereTest, TheFirstEditorOpensTheFileAtTheLine) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    const struct {
        const char* param;
        Args arguments;  // "F" stands for the file
    } table[] = {
        {"--line %l %f", {"--line", "3", "F"}},
        {"-g %f:%l", {"-g", "F:3"}},
        {"%f", {"F"}},
    };
    for (const auto& row : table) {
        // A second editor that must not be the one started.
        LauncherHarness h(EditorSettings(editor.Path(), row.param) +
                          "Name1=Drugi\nExe1=/brak/drugiego\nParam1=%f\n");
        const std::string file = LoadAndPick(h);
        EditHere(h);
        const std::vector<FakeProgram::Run> runs = editor.WaitForRuns();
        ASSERT_EQ(runs.size(), 1u) << row.param;
        Args expected;
        for (const std::string& word : row.arguments)
            expected.push_back(ReplaceAll(word, "F", file));
        EXPECT_EQ(runs[0].arguments, expected) << row.param;
        EXPECT_TRUE(h.dialogs.Messages().empty()) << row.param;
    }
}

TEST_F(EditHereTest, WithoutAnEditorItAsksAndReportsAsTheEditCommandDoes) {
    test::TempDir programs;
    const FakeProgram editor(programs, "edytor");
    LauncherHarness h;
    Editor(h).SetRunner(h.Recorder(false));
    const std::string file = LoadAndPick(h);
    h.dialogs.openAnswers = {std::nullopt, std::nullopt};
    EditHere(h);
    ASSERT_EQ(h.dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(h.dialogs.fileRequests[0].title, "Wybierz edytor tekstowy...");
    ASSERT_EQ(h.dialogs.Messages().size(), 1u);
    EXPECT_EQ(h.dialogs.Messages()[0].caption, "Błąd");
    EXPECT_EQ(h.dialogs.Messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(h.starts.empty());

    // The program chosen when asked opens the file, with the default parameters.
    h.dialogs.openAnswers = {editor.Path()};
    QTest::mouseClick(&h.window->Map(), Qt::RightButton, {},
                      QPoint(h.window->Map().width() / 2 + 2, h.window->Map().height() / 2));
    EditHere(h);
    ASSERT_EQ(h.starts.size(), 1u);
    EXPECT_EQ(h.starts[0], (ProgramStart{editor.Path(), {file}, {}}));
}

}  // namespace
}  // namespace tarvik
