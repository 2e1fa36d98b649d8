// The main window's identify tool: the segment under a press on the map, shown in the track
// properties window, and the menu of a right press on it.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "EditSourceForm.h"
#include "MainWindow.h"
#include "MapPick.h"
#include "MapWidget.h"
#include "ProperytyForm.h"
#include "QtText.h"
#include "TrackListForm.h"

namespace tarvik {

void TForm1::IdentifyAt(QPoint pixel, bool menu) {
    if (!SceneryLoaded() || ModelBusy()) return;
    const std::optional<SegmentHit> hit =
        PickSegment(scenery_, view_, options_, mode_, pixel.x(), pixel.y());
    if (!menu) {
        ShowIdentified(hit);
    } else if (hit) {
        ShowIdentifyMenu(*hit, MapPointAt(view_, pixel.x(), pixel.y()), pixel);
    }
}

void TForm1::ShowIdentified(const std::optional<SegmentHit>& hit) {
    // The map highlights tracks only: a road, river or wire takes the highlight away too.
    const TSegmentObj* track = hit && hit->kind == SegmentKind::Track ? hit->segment : nullptr;
    if (track != highlight_) {
        SetHighlight(track);
        Redraw();
    }
    TProperytyForm& properties = *tools_.properties;
    if (!hit) {
        properties.Clear();
        return;
    }
    if (!properties.isVisible()) properties.show();
    properties.ShowSegmentProperties(hit->segment, hit->kind);
}

void TForm1::ShowIdentifyMenu(const SegmentHit& hit, TPointD at, QPoint pixel) {
    if (!identifyMenu_) {
        identifyMenu_ = new QMenu(this);
        identifyMenu_->setObjectName("IdentifyMenu");
    }
    QMenu& menu = *identifyMenu_;
    menu.clear();
    const TSegmentObj& segment = *hit.segment;

    QAction* edit = menu.addAction(Tr("TForm1", "Edytuj w tym miejscu"));
    edit->setObjectName("EditHereItem");
    edit->setEnabled(scenery_.Sources.Locate(scenery_.Segments.ReadAt(segment)).Known());
    connect(edit, &QAction::triggered, this, [this, &segment] { EditWhereRead(segment); });

    QAction* copy = menu.addAction(Tr("TForm1", "Kopiuj współrzędne"));
    copy->setObjectName("CopyCoordinatesItem");
    connect(copy, &QAction::triggered, this, [point = SceneryPointText(hit, at, mode_)] {
        QGuiApplication::clipboard()->setText(point);
    });

    // The list of named tracks is the author mode's.
    if (mode_.OwnerMode) {
        QAction* show = menu.addAction(Tr("TForm1", "Pokaż w liście torów"));
        show->setObjectName("ShowInTrackListItem");
        show->setEnabled(hit.kind == SegmentKind::Track && tools_.trackList->HoldsTrack(segment));
        connect(show, &QAction::triggered, this, [this, &segment] { ShowInTrackList(segment); });
    }
    menu.popup(map_->mapToGlobal(pixel));
}

void TForm1::EditWhereRead(const TSegmentObj& segment) {
    const SourceLocation at = scenery_.Sources.Locate(scenery_.Segments.ReadAt(segment));
    if (at.Known()) tools_.editors->EditAt(scenery_.Sources.Path(at.file), at.line);
}

void TForm1::ShowInTrackList(const TSegmentObj& track) {
    actions_.ShowTrackList->setChecked(true);
    ShowTrackListClick();
    tools_.trackList->SelectTrack(track);
}

}  // namespace tarvik
