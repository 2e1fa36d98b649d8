// The main window's places on the map: the pointer's coordinates in the status line and the
// go-to command with its cross.
#include <QCursor>

#include "GoToPlace.h"
#include "MainWindow.h"
#include "MapView.h"
#include "MapWidget.h"
#include "PointerPanel.h"
#include "SegmentSearch.h"
#include "Translate.h"

namespace tarvik {

void TForm1::ShowPointer(std::optional<QPointF> at) {
    if (!at || !SceneryLoaded() || ModelBusy() || !UsableScale(view_.MapScale)) {
        pointer_->Clear();
        return;
    }
    const double scale = view_.MapScale;
    const TPointD p =
        SceneryPointOf({at->x() / scale + view_.ViewMin.x, at->y() / scale + view_.ViewMin.y});
    pointer_->Show(p.x, p.y, 1 / scale);
}

void TForm1::ShowPlaces() {
    const double ratio = map_->Ratio();
    const double scale = view_.MapScale * ratio;
    if (goToMark_ && UsableScale(view_.MapScale)) {
        // On the pixel the drawing puts the point on, in the window's pixels.
        map_->SetMark(QPointF(MapView::ToPixel((goToMark_->x - view_.ViewMin.x) * scale) / ratio,
                              MapView::ToPixel((goToMark_->y - view_.ViewMin.y) * scale) / ratio));
    } else {
        map_->SetMark(std::nullopt);
    }
    // A zoom by the wheel changes the place under a pointer that stays where it was.
    if (map_->underMouse()) ShowPointer(map_->mapFromGlobal(QCursor::pos()).toPointF());
}

void TForm1::GoToClick() {
    if (!SceneryLoaded() || ModelBusy()) return;
    const bool author = mode_.OwnerMode;
    const TrackNameIndex names = author ? TrackNameIndex(scenery_.Tracks()) : TrackNameIndex();
    GoToRequest request;
    request.prompt = author
                         ? Translate("TForm1", "Współrzędne x z w osiach scenerii albo nazwa toru:")
                         : Translate("TForm1", "Współrzędne x z w osiach scenerii:");
    request.names = names.Names();
    GoToTarget target;
    request.check = [&](const std::string& text) {
        target = ResolveGoTo(text, author, names);
        return target.message;
    };
    if (!dialogs_.GoTo(request)) return;
    if (target.track) {
        ZoomTo(*target.track, {});
    } else if (target.mapPoint) {
        CenterAndMark(target.mapPoint->x, target.mapPoint->y);
    }
}

void TForm1::CenterAndMark(double x, double y) {
    CenterOn(x, y);
    goToMark_ = TPointD{x, y};
    ShowPlaces();
}

}  // namespace tarvik
