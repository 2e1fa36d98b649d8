#include "TrackListWindows.h"

namespace tarvik {

void InstallTrackListWindows(StartupHooks&) {}

}  // namespace tarvik
