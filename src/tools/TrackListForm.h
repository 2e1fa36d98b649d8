#pragma once

#include <QMainWindow>
#include <QPointer>
#include <chrono>
#include <functional>

#include "AppSettings.h"
#include "TrackListWindow.h"

class QComboBox;
class QLabel;
class QToolButton;
class QTreeView;

namespace tarvik {

class TForm1;
class TProperytyForm;
class TrackListModel;

// The named-track list ("Lista nazwanych torów"): a sizeable tool window beside the main
// window listing one of four views of the model. The selected entry's segment is highlighted
// on the map, can be centred and zoomed to, and fills the track properties window.
class TTrackListForm : public QMainWindow, public TrackListWindow {
    Q_OBJECT

  public:
    static constexpr int kDesignedWidth = 260;

    TTrackListForm(TForm1& main, QWidget* parent);
    ~TTrackListForm() override;

    // TrackListWindow
    bool IsShown() const override;
    void ShowWindow() override;
    void HideWindow() override;
    bool ListEmpty() const override;
    void ClearList() override;
    void BuildTrackList() override;
    const TSegmentObj* SelectedSegment() const override;
    void SetAnimateZoom(bool animate) override;

    // The properties window is made later in the start-up than the list.
    void SetProperties(TProperytyForm* properties);

    void ShowTrackOnMap();
    // Set while a search runs or a key is held in the list; a search is then not started.
    bool SearchBusy() const { return searchBusy_; }

    void ApplyBounds(const WindowBounds& bounds);
    WindowBounds Bounds() const;

    // The wait between the steps of the zoom animation; tests replace it.
    void SetPause(std::function<void(std::chrono::milliseconds)> pause) {
        pause_ = std::move(pause);
    }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ComboBoxChange();
    void TrackListClick();
    void PropertiesButtonClick();
    bool HasSelection() const;
    // The selected entry's track as the status line names it.
    QString TrackText() const;
    void SetStatus(const QString& text);

    TForm1& main_;
    TrackListModel* model_ = nullptr;
    QComboBox* comboBox_ = nullptr;
    QTreeView* list_ = nullptr;
    QToolButton* showOnMapButton_ = nullptr;
    QToolButton* animateButton_ = nullptr;
    QToolButton* propertiesButton_ = nullptr;
    QLabel* status_ = nullptr;
    QPointer<TProperytyForm> properties_;
    std::function<void(std::chrono::milliseconds)> pause_;
    // The segment the map was last asked to highlight by a selection.
    const TSegmentObj* shownSelection_ = nullptr;
    bool searchBusy_ = false;
    bool keyHeld_ = false;
    // The release that ends a double click is no click.
    bool afterDoubleClick_ = false;
};

}  // namespace tarvik
