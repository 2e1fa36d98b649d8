#pragma once

#include <QApplication>
#include <QByteArray>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "ProgramStarter.h"
#include "QtViewerDialogs.h"
#include "ScriptedViewerDialogs.h"
#include "TestSupport.h"
#include "WhenModal.h"

namespace tarvik::test {

// A stand-in for the simulator or an editor: a shell script that writes the folder it runs in
// and its arguments, one a line, into a file of its own for each run.
class FakeProgram {
  public:
    struct Run {
        std::string folder;
        std::vector<std::string> arguments;
    };

    // A script at dir/relative; with native false it has no "#!" line and passes for a
    // Windows program, to be run by wine.
    FakeProgram(const TempDir& dir, const std::string& relative, bool native = true);

    const std::string& Path() const { return path_; }
    // Waits a bounded time for count runs to have finished writing and takes their records, in
    // no particular order; fewer when the time is up.
    std::vector<Run> WaitForRuns(std::size_t count = 1) const;

  private:
    std::string path_;
};

// Puts a folder in front of the PATH for a test's life.
class PathPrefix {
  public:
    explicit PathPrefix(const std::string& folder, bool only = false);
    ~PathPrefix();
    PathPrefix(const PathPrefix&) = delete;
    PathPrefix& operator=(const PathPrefix&) = delete;

  private:
    QByteArray saved_;
};

// What a message box showed.
struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Notes the next message box into shown and closes it with its OK button.
void AnswerMessageBox(QObject* context, std::optional<ShownMessage>& shown);

// Which dialogs the window shows: answered from scripts, or Qt's own for a test to act on.
enum class Dialogs { Scripted, Real };

// A main window with its launcher, timetable viewer and editors, as the viewer builds it, on a
// settings file in a temporary folder that holds settingsText.
class LauncherHarness {
  public:
    explicit LauncherHarness(const std::string& settingsText = "",
                             Dialogs shown = Dialogs::Scripted);

    // Notes every start as it was asked for; with run, each is then started for real.
    ProgramRunner Recorder(bool run = true);

    TempDir dir;
    ScriptedViewerDialogs dialogs;
    QtViewerDialogs qtDialogs;
    PosixFileSystem files;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TForm1> window;
    std::vector<ProgramStart> starts;
};

// The demo scenery of the examples.
std::string DemoScenery();

}  // namespace tarvik::test
