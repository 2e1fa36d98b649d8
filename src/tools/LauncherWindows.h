#pragma once

#include "MainWindow.h"

namespace tarvik {

// Adds the simulator launcher, the timetable viewer and the source-editing dialogs to the
// start-up.
void InstallLauncherWindows(StartupHooks& hooks);

}  // namespace tarvik
