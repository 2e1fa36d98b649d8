#include "LauncherWindows.h"

namespace tarvik {

void InstallLauncherWindows(StartupHooks&) {}

}  // namespace tarvik
