#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "Cursors.h"
#include "Scenery.h"
#include "WorkMode.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QTreeWidget;

namespace tarvik {

// The track properties window ("Właściwości toru"): a fixed-size tool window with everything
// the model holds about one track segment. The named-track list opens, fills and closes it;
// its texts stay until the next fill.
class TProperytyForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 349;
    static constexpr int kClientHeight = 485;
    // The image index of a tree node (vehicle kind, or the trainset's image), -1 for none.
    static constexpr int kImageRole = Qt::UserRole;

    // The model and the work mode are read at each fill; the cursor table gives the busy cursor.
    TProperytyForm(const TScenery& scenery, const TWorkMode& mode, const CursorTable& cursors,
                   QWidget* parent);

    // A missing segment leaves the window as it is.
    void ShowSegmentProperties(const TSegmentObj* segment);
    // Before a load frees the model the window shows no track.
    void Clear();

    // Called when the window is hidden by the program or closed by the user.
    std::function<void()> onHidden;

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    // One row of the coordinate group: X, Y, Vx, Vy, H.
    using PointFields = std::array<QLabel*, 5>;

    const TScenery& scenery_;
    const TWorkMode& mode_;
    const CursorTable& cursors_;

    QLabel* trackName_ = nullptr;
    std::array<PointFields, 3> points_{};
    QLabel* p3Label_ = nullptr;
    QLabel* velocity_ = nullptr;
    QLabel* length12_ = nullptr;
    QLabel* gradient12_ = nullptr;
    QLabel* switchLabel_ = nullptr;
    QLabel* length13Label_ = nullptr;
    QLabel* length13_ = nullptr;
    QLabel* gradient13Label_ = nullptr;
    QLabel* gradient13_ = nullptr;
    QGroupBox* trainGroup_ = nullptr;
    QLabel* trainName_ = nullptr;
    QLabel* locomotives_ = nullptr;
    QLabel* wagons_ = nullptr;
    QLabel* drivableLocomotives_ = nullptr;
    QLabel* drivableWagons_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QListWidget* events_ = nullptr;
};

}  // namespace tarvik
