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
// the model holds about one track segment, and where it was read. The named-track list opens,
// fills and closes it, the identify tool of the map fills it with tracks, roads, rivers and
// wires alike; its texts stay until the next fill.
class TProperytyForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 349;
    static constexpr int kClientHeight = 680;
    // The image index of a tree node (vehicle kind, or the trainset's image), -1 for none.
    static constexpr int kImageRole = Qt::UserRole;

    // The model and the work mode are read at each fill; the cursor table gives the busy cursor.
    TProperytyForm(const TScenery& scenery, const TWorkMode& mode, const CursorTable& cursors,
                   QWidget* parent);

    // A missing segment leaves the window as it is. A road, river or wire shows what applies to
    // it, under its own title.
    void ShowSegmentProperties(const TSegmentObj* segment, SegmentKind kind = SegmentKind::Track);
    // Before a load frees the model the window shows no track.
    void Clear();

    // Called when the window is hidden by the program or closed by the user.
    std::function<void()> onHidden;

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    // One row of the coordinate group: X, Y, Vx, Vy, H.
    using PointFields = std::array<QLabel*, 5>;
    // One row of the scenery's own axes: x, y, z.
    using FilePointFields = std::array<QLabel*, 3>;

    // The title, the captions and which fields apply, for the kind of segment shown.
    void ShowKind(SegmentKind kind);
    void ShowSource(SourceLine line);
    // An end point in the map's axes and in the scenery's; without a height for a wire.
    void ShowPoint(std::size_t row, double x, double y, const double* vx, const double* vy,
                   const double* h);

    const TScenery& scenery_;
    const TWorkMode& mode_;
    const CursorTable& cursors_;

    QLabel* nameCaption_ = nullptr;
    QLabel* trackName_ = nullptr;
    QLabel* sourceFile_ = nullptr;
    QLabel* sourceLine_ = nullptr;
    std::array<PointFields, 3> points_{};
    std::array<QLabel*, 3> vectorAndHeightCaptions_{};  // Vx, Vy, H
    QLabel* p3Label_ = nullptr;
    std::array<FilePointFields, 3> filePoints_{};
    QLabel* fileHeightCaption_ = nullptr;
    QLabel* fileP3Label_ = nullptr;
    QLabel* velocityCaption_ = nullptr;
    QLabel* velocity_ = nullptr;
    QLabel* length12_ = nullptr;
    QLabel* gradient12Caption_ = nullptr;
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
    QGroupBox* eventGroup_ = nullptr;
    QListWidget* events_ = nullptr;
};

}  // namespace tarvik
