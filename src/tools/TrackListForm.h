#pragma once

#include <QMainWindow>
#include <QPointer>
#include <optional>

#include "Cursors.h"
#include "ToolContext.h"

class QComboBox;
class QLabel;
class QToolButton;
class QTreeView;

namespace tarvik {

class TProperytyForm;
class TrackListModel;

// The named-track list ("Lista nazwanych torów"): a sizeable tool window beside the main
// window listing one of four views of the model. The selected entry's segment is highlighted
// on the map, can be centred and zoomed to, and fills the track properties window.
class TTrackListForm : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kDesignedWidth = 260;

    TTrackListForm(ToolContext context, QWidget* parent);
    ~TTrackListForm() override;

    bool ListEmpty() const;
    // Before a load frees the model: no entry may point into it.
    void ClearList();
    // Fills the list for the chosen view; without one it is left as it is.
    void BuildTrackList();
    // The track segment of the selected entry, or null.
    const TSegmentObj* SelectedSegment() const;
    // Whether the list shows the track, or would once built, as its own entry or as that of a
    // piece of its name; before a view is chosen, in the named tracks.
    bool HoldsTrack(const TSegmentObj& track) const;
    // Selects the track's entry as a click on it would, choosing the named tracks when no view
    // is chosen yet and building the list when it is empty.
    void SelectTrack(const TSegmentObj& track);
    // Mirrors "Animowane powiększenie" of the main menu on the list's own button.
    void SetAnimateZoom(bool animate);

    // The properties window is made later in the start-up than the list.
    void SetProperties(TProperytyForm* properties);

    void ShowTrackOnMap();
    // Set while a search runs or a key is held in the list; a search is then not started.
    bool SearchBusy() const { return searchBusy_; }

  signals:
    // The user closed the window.
    void closedByUser();
    // The list's own animation button was clicked.
    void animateZoomClicked(bool animate);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ComboBoxChange();
    void TrackListClick();
    void PropertiesButtonClick();
    bool HasSelection() const;
    // The view chosen, or the named tracks before one is.
    int ShownView() const;
    // The selected entry's track as the status line names it.
    QString TrackText() const;
    void SetStatus(const QString& text);
    void EndSearch(const QString& track);

    ToolContext context_;
    TrackListModel* model_ = nullptr;
    QComboBox* comboBox_ = nullptr;
    QTreeView* list_ = nullptr;
    QToolButton* showOnMapButton_ = nullptr;
    QToolButton* animateButton_ = nullptr;
    QToolButton* propertiesButton_ = nullptr;
    QLabel* status_ = nullptr;
    QPointer<TProperytyForm> properties_;
    // The segment the map was last asked to highlight by a selection.
    const TSegmentObj* shownSelection_ = nullptr;
    // The drawing cursor for as long as the map is busy with a search.
    std::optional<OverrideCursor> searchCursor_;
    bool searchBusy_ = false;
    bool keyHeld_ = false;
    // The release that ends a double click is no click.
    bool afterDoubleClick_ = false;
};

}  // namespace tarvik
