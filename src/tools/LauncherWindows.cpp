#include "LauncherWindows.h"

#include <memory>

#include "EditSourceForm.h"
#include "RunSimForm.h"
#include "TimeTableForm.h"

namespace tarvik {

void InstallLauncherWindows(StartupHooks& hooks) {
    // Created once each, in the start-up order, and owned by the main window; the later ones
    // find the earlier ones here.
    struct Windows {
        TEditSourceForm* editor = nullptr;
        TRunSimForm* launcher = nullptr;
    };
    const auto windows = std::make_shared<Windows>();

    hooks.createEditorDialog = [windows](TForm1& main) {
        auto* editor = new TEditSourceForm(main, &main);
        windows->editor = editor;
        MainCommands commands;
        commands.editorSettings = [editor] { editor->Execute(); };
        commands.editFiles = [editor](int slot) { editor->EditFiles(slot); };
        main.AddCommands(commands);
        main.AddSettingsParticipant([editor](const AppSettings& s) { editor->ApplySettings(s); },
                                    [editor](AppSettings& s) { editor->CollectSettings(s); });
    };
    hooks.createLauncher = [windows](TForm1& main) {
        auto* launcher = new TRunSimForm(main, &main);
        windows->launcher = launcher;
        MainCommands commands;
        commands.runSimulator = [launcher, &main] {
            if (main.SceneryLoaded()) launcher->Execute();
        };
        commands.sceneryReplaced = [launcher] { launcher->ClearTree(); };
        main.AddCommands(commands);
        main.AddSettingsParticipant(
            [launcher](const AppSettings& s) { launcher->ApplySettings(s); },
            [launcher](AppSettings& s) { launcher->CollectSettings(s); });
    };
    hooks.createTimetable = [windows](TForm1& main) {
        // Shown from the modal launcher, it must belong to it to take the user's input.
        QWidget* owner = windows->launcher ? static_cast<QWidget*>(windows->launcher) : &main;
        auto* timetable = new TTimeTableForm(main, owner);
        if (windows->launcher) windows->launcher->SetTimetableForm(timetable);
    };
    hooks.registerEditVerb = [windows](TForm1&) {
        if (windows->editor) windows->editor->RegisterEditVerb();
    };
}

}  // namespace tarvik
