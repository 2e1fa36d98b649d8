#include "Trainsets.h"

#include <string>

#include "Cp1250.h"
#include "Text.h"
#include "Translate.h"

namespace tarvik {

VehicleKind VehicleKindOf(std::string_view token7, std::string_view token9) {
    if (EqualsIgnoreCase(token9, "headdriver") || EqualsIgnoreCase(token9, "reardriver")) {
        return Contains(token7, "dumb") ? VehicleKind::DumbDriver : VehicleKind::Driver;
    }
    if (EqualsIgnoreCase(token9, "passenger")) return VehicleKind::Passenger;
    return VehicleKind::Other;
}

TTrainsObj& AddTrainset(TScenery& scenery, std::string_view name, std::string_view trackName,
                        bool ownerMode, UserDialogs& dialogs) {
    TTrainsObj trainset;
    trainset.Name = CutName(name);
    std::string wanted = CutName(trackName);
    const TSegmentObj* track = nullptr;
    for (;;) {
        track = scenery.Segments.FindNamedTrack(wanted);
        if (track || !ownerMode) break;
        const std::string question =
            FormatText(Translate("Scenery",
                                 "Nie odnaleziono toru %1, do którego przypisany jest pociąg "
                                 "%2\rCzy chcesz sam przypisac pociąg do toru?"),
                       {Cp1250ToUtf8(wanted), Cp1250ToUtf8(trainset.Name)});
        if (dialogs.MessageBox(question, Translate("Scenery", "Nieodnaleziony tor"),
                               MessageIcon::Warning, MessageButtons::YesNo) != MessageAnswer::Yes) {
            break;
        }
        std::string entered = Cp1250ToUtf8(wanted);
        if (!dialogs.InputQuery(Translate("Scenery", "Przypisanie do toru"),
                                FormatText(Translate("Scenery", "Przypisz pociąg %1 do toru:"),
                                           {Cp1250ToUtf8(trainset.Name)}),
                                entered)) {
            break;
        }
        wanted = CutName(Utf8ToCp1250(entered));
    }
    scenery.Trainsets.push_front(std::move(trainset));
    TTrainsObj& stored = scenery.Trainsets.front();
    scenery.Segments.BindTrack(stored, track);
    return stored;
}

void AddVehicle(TScenery& scenery, std::string_view name, VehicleKind kind) {
    if (scenery.Trainsets.empty()) return;
    scenery.Trainsets.front().Vehicles.push_front(TVehicleObj{CutName(name), kind});
}

}  // namespace tarvik
