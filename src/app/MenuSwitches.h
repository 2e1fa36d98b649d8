#pragma once

#include "AppSettings.h"
#include "MainActions.h"

namespace tarvik {

// The stored settings that are check items of the main window's menus: the layers, signs,
// map type, transparency, the windows' "Pokaż" and "Rysuj na mapie", and the language.
void ShowMenuSwitches(const AppSettings& settings, const MainActions& actions);
void ReadMenuSwitches(const MainActions& actions, AppSettings& settings);

}  // namespace tarvik
