#include "AppSettings.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace tarvik {
namespace {

std::string Numbered(std::string_view prefix, int n, std::string_view suffix = "") {
    return std::string(prefix) + std::to_string(n) + std::string(suffix);
}

// One step of reading: one key, whose values are read in order until one fails. The failed
// value and those after it keep what they held, which are the defaults.
void Step(SettingsStore& store, std::string_view key, UserDialogs& dialogs,
          const std::function<void()>& read) {
    store.OpenKey(key);
    try {
        read();
    } catch (const SettingsError& e) {
        dialogs.MessageBox(e.what(), kApplicationTitle, MessageIcon::Error, MessageButtons::Ok);
    }
}

MapType MapTypeFromStored(int value) {
    switch (value) {
        case 0:
            return MapType::Normal;
        case 2:
            return MapType::Hipsometric;
        case 3:
            return MapType::Elevation;
        default:
            return MapType::Velocity;
    }
}

int StoredMapType(MapType type) {
    switch (type) {
        case MapType::Velocity:
            return 1;
        case MapType::Hipsometric:
            return 2;
        case MapType::Elevation:
            return 3;
        case MapType::Normal:
            break;
    }
    return 0;
}

// The stored names of the language choices.
constexpr std::pair<LanguageChoice, std::string_view> kLanguageNames[] = {
    {LanguageChoice::Polish, "pl"},
    {LanguageChoice::English, "en"},
    {LanguageChoice::System, "system"}};

LanguageChoice LanguageFromStored(std::string_view name) {
    for (const auto& [choice, stored] : kLanguageNames) {
        if (stored == name) return choice;
    }
    return AppSettings().Language;
}

std::string_view StoredLanguage(LanguageChoice choice) {
    for (const auto& [c, stored] : kLanguageNames) {
        if (c == choice) return stored;
    }
    return "system";
}

}  // namespace

int AppSettings::RecentCount() const {
    return std::min(MRUListPos & 0xFF, kMaxRecentFiles);
}

int AppSettings::EditorCount() const {
    return std::clamp(Editors, 0, kEditorSlots);
}

void ReadFormCreateSettings(SettingsStore& store, AppSettings& s, const DesignedSizes& d,
                            UserDialogs& dialogs) {
    const AppSettings def;
    s.Main = {(d.screenWidth - 415) / 2, (d.screenHeight - 440) / 2, 415, 440};
    Step(store, "", dialogs,
         [&] { s.MRUListPos = store.ReadIntegerDef("MRUListPos", def.MRUListPos); });
    Step(store, "MRUList", dialogs, [&] {
        for (int n = 1; n <= s.RecentCount(); ++n) {
            const auto i = static_cast<std::size_t>(n - 1);
            s.Recent[i].name = store.ReadStringDef(Numbered("Item", n, "Name"), def.Recent[i].name);
            s.Recent[i].file = store.ReadStringDef(Numbered("Item", n, "File"), def.Recent[i].file);
        }
    });
    Step(store, "Bounds", dialogs, [&] {
        s.Main.width = store.ReadIntegerDef("MFX2", s.Main.width);
        s.Main.height = store.ReadIntegerDef("MFY2", s.Main.height);
        s.Main.top = store.ReadIntegerDef("MFY1", s.Main.top);
        s.Main.left = store.ReadIntegerDef("MFX1", s.Main.left);
        s.MainMaximized = store.ReadBoolDef("MFS", def.MainMaximized);
    });
    Step(store, "Paint", dialogs, [&] {
        s.Map.PaintTrack = store.ReadBoolDef("Track", def.Map.PaintTrack);
        s.Map.PaintRoad = store.ReadBoolDef("Road", def.Map.PaintRoad);
        s.Map.PaintRiver = store.ReadBoolDef("River", def.Map.PaintRiver);
        s.Map.PaintTraction = store.ReadBoolDef("Traction", def.Map.PaintTraction);
        s.Map.PaintSpeedLimit = store.ReadBoolDef("SpeedLimit", def.Map.PaintSpeedLimit);
        s.Map.PaintElevation = store.ReadBoolDef("Elevation", def.Map.PaintElevation);
    });
    Step(store, "", dialogs, [&] {
        s.Map.Type =
            MapTypeFromStored(store.ReadIntegerDef("MapType", StoredMapType(def.Map.Type)));
        s.Map.PaintTransparent = store.ReadBoolDef("PaintTransparent", def.Map.PaintTransparent);
    });
    Step(store, "Legend", dialogs, [&] {
        s.LegendShow = store.ReadBoolDef("Show", def.LegendShow);
        s.Map.LegendOnMap = store.ReadBoolDef("OnMap", def.Map.LegendOnMap);
    });
    Step(store, "MiniMap", dialogs, [&] {
        s.MiniMapShow = store.ReadBoolDef("Show", def.MiniMapShow);
        s.Map.MiniMapOnMap = store.ReadBoolDef("OnMap", def.Map.MiniMapOnMap);
    });
    Step(store, "TrackList", dialogs, [&] {
        s.TrackListShow = store.ReadBoolDef("Show", def.TrackListShow);
        s.AnimateZoom = store.ReadBoolDef("AnimateZoom", def.AnimateZoom);
    });
    Step(store, "", dialogs, [&] {
        s.SaveFormatFromExtension =
            store.ReadBoolDef("SaveFormatFromExtension", def.SaveFormatFromExtension);
    });
    Step(store, "Problems", dialogs, [&] {
        s.ProblemsAfterLoad = store.ReadBoolDef("ShowAfterLoad", def.ProblemsAfterLoad);
        s.ParseErrorsUnasked = store.ReadBoolDef("ParseErrorsUnasked", def.ParseErrorsUnasked);
    });
    Step(store, "Navigation", dialogs, [&] {
        s.Navigation.WheelZoomsAtPointer =
            store.ReadBoolDef("WheelZoomsAtPointer", def.Navigation.WheelZoomsAtPointer);
        s.Navigation.KeepPointer = store.ReadBoolDef("KeepPointer", def.Navigation.KeepPointer);
    });
    Step(store, "Labels", dialogs,
         [&] { s.Map.PaintTrackNames = store.ReadBoolDef("TrackNames", def.Map.PaintTrackNames); });
    Step(store, "Appearance", dialogs,
         [&] { s.Map.Antialiased = store.ReadBoolDef("SmoothLines", def.Map.Antialiased); });
    Step(store, "Interface", dialogs, [&] {
        s.Language =
            LanguageFromStored(store.ReadStringDef("Language", StoredLanguage(def.Language)));
    });
}

LanguageChoice ReadLanguageChoice(SettingsStore& store) {
    store.OpenKey("Interface");
    try {
        return LanguageFromStored(
            store.ReadStringDef("Language", StoredLanguage(AppSettings().Language)));
    } catch (const SettingsError&) {
        // Reported when the window reads its settings.
        return AppSettings().Language;
    }
}

void ReadFinishStartupSettings(SettingsStore& store, AppSettings& s, const DesignedSizes& d,
                               UserDialogs& dialogs) {
    const AppSettings def;
    Step(store, "Colors", dialogs, [&] {
        for (const ColorSlotDef& slot : kColorSlotTable) {
            s.Colors.*slot.slot = store.ReadColorDef(slot.name, slot.defaultText);
        }
    });
    const WindowBounds& m = s.Main;
    s.MiniMap = {m.left + m.width + 12, m.top, d.miniMapWidth, d.miniMapHeight};
    s.TrackList = {m.left - d.trackListWidth - 12, m.top, d.trackListWidth, m.height};
    s.Launcher = {m.left + (m.width - d.launcherWidth) / 2,
                  m.top + (m.height - d.launcherHeight) / 2, d.launcherWidth, d.launcherHeight};
    s.Legend = {m.left + m.width + 12, 0, 0, 0};
    s.Problems = {m.left, m.top + m.height + 12, d.problemsWidth, d.problemsHeight};
    Step(store, "Bounds", dialogs, [&] {
        const auto read = [&store](WindowBounds& b, std::string_view prefix, bool withSize) {
            b.left = store.ReadIntegerDef(std::string(prefix) + "X1", b.left);
            b.top = store.ReadIntegerDef(std::string(prefix) + "Y1", b.top);
            if (!withSize) return;
            b.width = store.ReadIntegerDef(std::string(prefix) + "X2", b.width);
            b.height = store.ReadIntegerDef(std::string(prefix) + "Y2", b.height);
        };
        read(s.MiniMap, "MM", true);
        // The legend goes below the mini-map as it has just been placed.
        s.Legend.top = s.MiniMap.top + s.MiniMap.height + 12;
        read(s.Legend, "L", false);
        read(s.TrackList, "TL", true);
        read(s.Launcher, "RS", true);
        read(s.Problems, "PR", true);
    });
    Step(store, "", dialogs, [&] {
        s.SimFile = store.ReadStringDef("SimFile", def.SimFile);
        s.RunSimParam = store.ReadStringDef("RunSimParam", def.RunSimParam);
        s.Editors = store.ReadIntegerDef("Editors", def.Editors);
    });
    Step(store, "Editors", dialogs, [&] {
        for (int n = 0; n < s.EditorCount(); ++n) {
            const auto i = static_cast<std::size_t>(n);
            EditorSlot& slot = s.EditorSlots[i];
            slot.name = store.ReadStringDef(Numbered("Name", n), def.EditorSlots[i].name);
            slot.exe = store.ReadStringDef(Numbered("Exe", n), def.EditorSlots[i].exe);
            slot.param = store.ReadStringDef(Numbered("Param", n), def.EditorSlots[i].param);
        }
    });
    Step(store, "", dialogs, [&] {
        s.OwnerMode = store.ReadBoolDef("OwnerMode", def.OwnerMode);
        s.InterpolateStepsMode =
            store.ReadIntegerDef("InterpolateStepsMode", def.InterpolateStepsMode);
    });
    Step(store, "Reading", dialogs,
         [&] { s.SimulatorReading = store.ReadBoolDef("Simulator", def.SimulatorReading); });
}

bool WriteSettings(SettingsStore& store, const AppSettings& s, UserDialogs& dialogs) {
    store.OpenKey("MRUList");
    for (int n = 1; n <= s.RecentCount(); ++n) {
        const RecentItem& item = s.Recent[static_cast<std::size_t>(n - 1)];
        store.WriteString(Numbered("Item", n, "Name"), item.name);
        store.WriteString(Numbered("Item", n, "File"), item.file);
    }
    store.OpenKey("Bounds");
    const auto write = [&store](const WindowBounds& b, std::string_view prefix, bool withSize) {
        store.WriteInteger(std::string(prefix) + "X1", b.left);
        store.WriteInteger(std::string(prefix) + "Y1", b.top);
        if (!withSize) return;
        store.WriteInteger(std::string(prefix) + "X2", b.width);
        store.WriteInteger(std::string(prefix) + "Y2", b.height);
    };
    write(s.Main, "MF", true);
    store.WriteBool("MFS", s.MainMaximized);
    write(s.MiniMap, "MM", true);
    write(s.Legend, "L", false);
    write(s.TrackList, "TL", true);
    write(s.Launcher, "RS", true);
    write(s.Problems, "PR", true);

    store.OpenKey("Colors");
    const ColorSlots& c = s.Colors;
    for (const auto& [name, color] : std::initializer_list<std::pair<std::string_view, TColor>>{
             {"Background", c.Background},
             {"Track", c.Track},
             {"Speed1", c.Speed1},
             {"Speed2", c.Speed2},
             {"Speed3", c.Speed3},
             {"Speed4", c.Speed4},
             {"Elevation1", c.Elevation1},
             {"Elevation2", c.Elevation2},
             {"Elevation3", c.Elevation3},
             {"Elevation4", c.Elevation4},
             {"Hipsometric1", c.Hipsometric1},
             {"Hipsometric2", c.Hipsometric2},
             {"Hipsometric3", c.Hipsometric3},
             {"Hipsometric4", c.Hipsometric4},
             {"Traction", c.Traction},
             {"Road", c.Road},
             {"River", c.River}}) {
        store.WriteColor(name, color);
    }

    store.OpenKey("Paint");
    store.WriteBool("Track", s.Map.PaintTrack);
    store.WriteBool("Road", s.Map.PaintRoad);
    store.WriteBool("River", s.Map.PaintRiver);
    store.WriteBool("Traction", s.Map.PaintTraction);
    store.WriteBool("SpeedLimit", s.Map.PaintSpeedLimit);
    store.WriteBool("Elevation", s.Map.PaintElevation);
    store.OpenKey("");
    store.WriteInteger("MapType", StoredMapType(s.Map.Type));
    store.OpenKey("Legend");
    store.WriteBool("Show", s.LegendShow);
    store.WriteBool("OnMap", s.Map.LegendOnMap);
    store.OpenKey("MiniMap");
    store.WriteBool("Show", s.MiniMapShow);
    store.WriteBool("OnMap", s.Map.MiniMapOnMap);
    store.OpenKey("TrackList");
    store.WriteBool("Show", s.TrackListShow);
    store.WriteBool("AnimateZoom", s.AnimateZoom);
    store.OpenKey("");
    store.WriteBool("PaintTransparent", s.Map.PaintTransparent);
    store.WriteString("SimFile", s.SimFile);
    store.WriteString("RunSimParam", s.RunSimParam);
    store.OpenKey("Editors");
    for (int n = 0; n < kEditorSlots; ++n) {
        const EditorSlot& slot = s.EditorSlots[static_cast<std::size_t>(n)];
        store.WriteString(Numbered("Name", n), slot.name);
        store.WriteString(Numbered("Exe", n), slot.exe);
        store.WriteString(Numbered("Param", n), slot.param);
    }
    store.OpenKey("");
    store.WriteBool("OwnerMode", s.OwnerMode);
    store.WriteInteger("InterpolateStepsMode", s.InterpolateStepsMode);
    // The later additions come after, so that the first settings keep their order.
    store.OpenKey("Problems");
    store.WriteBool("ShowAfterLoad", s.ProblemsAfterLoad);
    store.WriteBool("ParseErrorsUnasked", s.ParseErrorsUnasked);
    store.OpenKey("Navigation");
    store.WriteBool("WheelZoomsAtPointer", s.Navigation.WheelZoomsAtPointer);
    store.WriteBool("KeepPointer", s.Navigation.KeepPointer);
    store.OpenKey("Labels");
    store.WriteBool("TrackNames", s.Map.PaintTrackNames);
    store.OpenKey("Appearance");
    store.WriteBool("SmoothLines", s.Map.Antialiased);
    store.OpenKey("Interface");
    store.WriteString("Language", StoredLanguage(s.Language));
    store.OpenKey("Reading");
    store.WriteBool("Simulator", s.SimulatorReading);
    try {
        store.Flush();
    } catch (const SettingsError& e) {
        dialogs.MessageBox(e.what(), kApplicationTitle, MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    return true;
}

}  // namespace tarvik
