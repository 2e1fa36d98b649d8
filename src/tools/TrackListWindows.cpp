#include "TrackListWindows.h"

#include "ProperytyForm.h"
#include "TrackListForm.h"

namespace tarvik {

void InstallTrackListWindows(StartupHooks& hooks) {
    hooks.createTrackList = [](TForm1& main) {
        auto* list = new TTrackListForm(main, &main);
        main.SetTrackList(list);
        main.AddKeyWindow(list);
        main.AddSettingsParticipant(
            [list](const AppSettings& s) { list->ApplyBounds(s.TrackList); },
            [list](AppSettings& s) { s.TrackList = list->Bounds(); });
    };
    hooks.createTrackProperties = [](TForm1& main) {
        auto* properties = new TProperytyForm(main.Scenery(), main.Mode(), main.Cursors(), &main);
        main.AddKeyWindow(properties);
        if (auto* list = dynamic_cast<TTrackListForm*>(main.TrackList())) {
            list->SetProperties(properties);
        }
    };
}

}  // namespace tarvik
