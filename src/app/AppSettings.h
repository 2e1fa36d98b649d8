#pragma once

#include <array>
#include <string>

#include "ColorSlots.h"
#include "LaunchParams.h"
#include "MapOptions.h"
#include "SettingsStore.h"
#include "UiLanguage.h"
#include "UserDialogs.h"

namespace tarvik {

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowBounds&) const = default;
};

struct RecentItem {
    std::string name;
    std::string file;
    bool operator==(const RecentItem&) const = default;
};

inline constexpr int kMaxRecentFiles = 9;

// How the map is moved, beyond its tools: both off keep the tools as they always worked.
struct NavigationSettings {
    // The wheel zooms about the point under the pointer, whatever the tool; Shift with it
    // scrolls sideways.
    bool WheelZoomsAtPointer = false;
    // The zoom tool's click centres and zooms without moving the mouse pointer.
    bool KeepPointer = false;
    bool operator==(const NavigationSettings&) const = default;
};

// Every stored setting of the program with its default, the only place where the defaults are
// written. The defaults of window bounds depend on the screen and on the other windows; the
// reading computes them.
struct AppSettings {
    int MRUListPos = 5;
    std::array<RecentItem, kMaxRecentFiles> Recent{};
    WindowBounds Main;
    bool MainMaximized = false;
    WindowBounds MiniMap;
    WindowBounds Legend;  // left and top only
    WindowBounds TrackList;
    WindowBounds Launcher;
    WindowBounds Problems;
    ColorSlots Colors;
    // The layer and sign switches, map type, transparency and "on map" checks.
    MapOptions Map{.PaintRiver = true,
                   .PaintRoad = true,
                   .PaintTrack = true,
                   .PaintTraction = false,
                   .PaintSpeedLimit = false,
                   .PaintElevation = false,
                   .PaintTrackNames = false,
                   .Type = MapType::Velocity,
                   .LegendOnMap = false,
                   .MiniMapOnMap = false,
                   .PaintTransparent = true};
    bool LegendShow = true;
    bool MiniMapShow = true;
    bool TrackListShow = false;
    bool AnimateZoom = false;
    // The problems window opens by itself after a load that found problems.
    bool ProblemsAfterLoad = false;
    // The parse-error question is answered Ignore without a box; the line goes to the problems.
    bool ParseErrorsUnasked = false;
    std::string SimFile;
    std::string RunSimParam = kDefaultRunSimParam;
    int Editors = 9;
    // A saved picture takes the format that its name's extension names (.bmp, .gif, .jpg,
    // .jpeg), and the chosen filter entry only when the name has none of them, so that no file
    // is named for another format than it holds; off, the chosen entry decides whatever the
    // extension.
    bool SaveFormatFromExtension = true;
    std::array<EditorSlot, kEditorSlots> EditorSlots{};
    bool OwnerMode = false;
    int InterpolateStepsMode = 2;
    // Sceneries are read as the simulator reads them rather than line by line.
    bool SimulatorReading = false;
    NavigationSettings Navigation;
    // The language of the program's texts; a change takes effect at the next start.
    LanguageChoice Language = LanguageChoice::System;

    // Recent-files items in use: the low byte of MRUListPos, at most nine.
    int RecentCount() const;
    // Editor slots read at start: Editors limited to 0..9.
    int EditorCount() const;

    bool operator==(const AppSettings&) const = default;
};

// Sizes of windows as designed, for the defaults of their bounds.
struct DesignedSizes {
    int screenWidth = 1024;
    int screenHeight = 768;
    int miniMapWidth = 165;
    int miniMapHeight = 140;
    int trackListWidth = 260;
    int launcherWidth = 420;
    int launcherHeight = 360;
    int problemsWidth = 760;
    int problemsHeight = 260;
};

// The first half of the settings, read as the main window is created: recent files, main
// window bounds, drawing switches, window toggles. Each key is one step: a value that cannot be
// read is reported, and it and the rest of its step keep their defaults.
void ReadFormCreateSettings(SettingsStore& store, AppSettings& s, const DesignedSizes& d,
                            UserDialogs& dialogs);

// The second half, read once the main window stands: colours, the other windows' bounds, the
// launcher, the editors and the work mode.
void ReadFinishStartupSettings(SettingsStore& store, AppSettings& s, const DesignedSizes& d,
                               UserDialogs& dialogs);

// The language setting alone, read before the windows are made; a value that cannot be read
// gives the default.
LanguageChoice ReadLanguageChoice(SettingsStore& store);

// Writes every setting at close, in the stored order, and flushes the file; a failure is
// reported and returns false.
bool WriteSettings(SettingsStore& store, const AppSettings& s, UserDialogs& dialogs);

}  // namespace tarvik
