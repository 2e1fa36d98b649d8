#pragma once

namespace tarvik {

// The viewer from start to end: the splash screen, the windows in their order, the settings,
// the command line, the event loop, and the settings written at close. Returns the exit code.
int RunViewer(int argc, char** argv);

}  // namespace tarvik
