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

// Starts a program without waiting for it; the launcher and the editors start through one of
// these, so that tests can watch the starts.
using ProgramRunner = std::function<void(const ProgramStart&)>;

// A Windows program (".exe" that is not a native executable) for wine.
bool IsWindowsExecutable(const std::string& program);

// What starting program with a parameter string means here: the parameters split like shell
// words, an existing program named by its full path, a Windows program handed to wine when wine
// is on the PATH.
ProgramStart PrepareStart(const std::string& program, const std::string& parameters,
                          const std::string& workingDirectory);

// Starts detached; a start that fails is told on standard error, nobody is asked.
void StartDetached(const ProgramStart& start);

// The desktop's text editor: the first of the usual ones on the PATH, else xdg-open.
std::string DesktopTextEditor();

}  // namespace tarvik
