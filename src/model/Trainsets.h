#pragma once

#include <string_view>

#include "Scenery.h"
#include "UserDialogs.h"

namespace tarvik {

VehicleKind VehicleKindOf(std::string_view token7, std::string_view token9);

// Puts a new trainset at the head of the list, bound to its named track. In the author mode
// a missing track is asked for, as often as the user gives another name.
TTrainsObj& AddTrainset(TScenery& scenery, std::string_view name, std::string_view trackName,
                        bool ownerMode, UserDialogs& dialogs);

// Puts a vehicle at the head of the newest trainset's vehicles.
void AddVehicle(TScenery& scenery, std::string_view name, VehicleKind kind);

}  // namespace tarvik
