#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tarvik {

// A program to start and leave running. Texts are file-system bytes.
struct ProgramStart {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingDirectory;  // empty: the current folder
    bool operator==(const ProgramStart&) const = default;
};

// Whether a program was started; if not, why, in a sentence for the user (UTF-8).
struct StartResult {
    bool started = true;
    std::string reason;
};

// Starts a program without waiting for it; the launcher and the editors start through one of
// these, so that tests can watch the starts.
using ProgramRunner = std::function<StartResult(const ProgramStart&)>;

// A Windows program (".exe" that is not a native executable) for wine.
bool IsWindowsExecutable(const std::string& program);

// What starting program with its arguments means here: an existing program named by its full
// path, a Windows program handed to wine when wine is on the PATH.
ProgramStart PrepareStart(const std::string& program, std::vector<std::string> arguments,
                          const std::string& workingDirectory);

// Why the start cannot work, known without trying: the program is missing, a folder, not
// executable or a Windows program without wine, or the working folder is missing. Empty when
// nothing speaks against it.
std::string StartObstacle(const ProgramStart& start);

// Starts detached, unless StartObstacle speaks against it; a start that fails is also told on
// standard error.
StartResult StartDetached(const ProgramStart& start);

// The message for a program that did not start, with the reason on a line of its own.
std::string StartFailureText(const std::string& program, const std::string& reason);

// The desktop's text editor: the first of the usual ones on the PATH, else xdg-open.
std::string DesktopTextEditor();

}  // namespace tarvik
