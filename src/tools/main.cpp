#include "LauncherWindows.h"
#include "MainWindow.h"
#include "TrackListWindows.h"
#include "ViewerStartup.h"

int main(int argc, char** argv) {
    return tarvik::RunViewer(argc, argv, [](tarvik::StartupHooks& hooks) {
        tarvik::InstallTrackListWindows(hooks);
        tarvik::InstallLauncherWindows(hooks);
    });
}
