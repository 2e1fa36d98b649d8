#pragma once

#include <functional>

namespace tarvik {

struct StartupHooks;

// The viewer from start to end: the splash screen, the windows in their order, the settings,
// the command line, the event loop, and the settings written at close. installWindows adds the
// creation of the windows built apart from the main window. Returns the exit code.
int RunViewer(int argc, char** argv, const std::function<void(StartupHooks&)>& installWindows);

}  // namespace tarvik
