#include "MenuSwitches.h"

#include <QAction>

namespace tarvik {
namespace {

// A check item and the setting it shows: a drawing switch or a window's.
struct MenuSwitch {
    QAction* MainActions::*item;
    bool MapOptions::*drawing = nullptr;
    bool AppSettings::*window = nullptr;
};

constexpr MenuSwitch kMenuSwitches[] = {
    {&MainActions::PaintTrack, &MapOptions::PaintTrack},
    {&MainActions::PaintRoad, &MapOptions::PaintRoad},
    {&MainActions::PaintRiver, &MapOptions::PaintRiver},
    {&MainActions::PaintTraction, &MapOptions::PaintTraction},
    {&MainActions::PaintSpeedLimit, &MapOptions::PaintSpeedLimit},
    {&MainActions::PaintElevation, &MapOptions::PaintElevation},
    {&MainActions::PaintTrackNames, &MapOptions::PaintTrackNames},
    {&MainActions::PaintTransparentMenu, &MapOptions::PaintTransparent},
    {&MainActions::LegendOnMap, &MapOptions::LegendOnMap},
    {&MainActions::MiniMapOnMap, &MapOptions::MiniMapOnMap},
    {&MainActions::SmoothLines, &MapOptions::Antialiased},
    {&MainActions::ShowLegend, nullptr, &AppSettings::LegendShow},
    {&MainActions::ShowMiniMap, nullptr, &AppSettings::MiniMapShow},
    {&MainActions::ShowTrackList, nullptr, &AppSettings::TrackListShow},
    {&MainActions::AnimateZoom, nullptr, &AppSettings::AnimateZoom},
    {&MainActions::ProblemsAfterLoad, nullptr, &AppSettings::ProblemsAfterLoad},
    {&MainActions::ParseErrorsUnasked, nullptr, &AppSettings::ParseErrorsUnasked},
};

// The map types' radio items, the first checked when none of the others is.
constexpr std::pair<MapType, QAction * MainActions::*> kMapTypeItems[] = {
    {MapType::Velocity, &MainActions::MapTypeVelocity},
    {MapType::Hipsometric, &MainActions::MapTypeHipsometric},
    {MapType::Elevation, &MainActions::MapTypeElevation},
    {MapType::Normal, &MainActions::MapTypeNormal},
};

// The language's radio items.
constexpr std::pair<LanguageChoice, QAction * MainActions::*> kLanguageItems[] = {
    {LanguageChoice::Polish, &MainActions::LanguagePolish},
    {LanguageChoice::English, &MainActions::LanguageEnglish},
    {LanguageChoice::System, &MainActions::LanguageSystem},
};

template <typename Settings>
auto& Value(const MenuSwitch& s, Settings& settings) {
    return s.drawing ? settings.Map.*s.drawing : settings.*s.window;
}

}  // namespace

void ShowMenuSwitches(const AppSettings& settings, const MainActions& actions) {
    for (const MenuSwitch& s : kMenuSwitches)
        (actions.*s.item)->setChecked(Value(s, settings));
    for (const auto& [type, item] : kMapTypeItems) {
        if (type == settings.Map.Type) (actions.*item)->setChecked(true);
    }
    for (const auto& [language, item] : kLanguageItems) {
        if (language == settings.Language) (actions.*item)->setChecked(true);
    }
}

void ReadMenuSwitches(const MainActions& actions, AppSettings& settings) {
    for (const MenuSwitch& s : kMenuSwitches)
        Value(s, settings) = (actions.*s.item)->isChecked();
    settings.Map.Type = MapType::Velocity;
    for (const auto& [type, item] : kMapTypeItems) {
        if ((actions.*item)->isChecked()) {
            settings.Map.Type = type;
            break;
        }
    }
    for (const auto& [language, item] : kLanguageItems) {
        if ((actions.*item)->isChecked()) settings.Language = language;
    }
}

}  // namespace tarvik
