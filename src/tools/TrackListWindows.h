#pragma once

#include "MainWindow.h"

namespace tarvik {

// Adds the named-track list and the track properties window to the start-up.
void InstallTrackListWindows(StartupHooks& hooks);

}  // namespace tarvik
