#pragma once

#include <QDialog>
#include <QImage>
#include <string>

#include "ColorSlots.h"
#include "Cursors.h"
#include "Scenery.h"
#include "SceneryStatistics.h"
#include "WorkMode.h"

class QLabel;
class QPlainTextEdit;
class QSlider;
class QToolButton;
class QTreeWidget;

namespace tarvik {

// The scenery statistics ("Właściwości scenerii"): counts and lengths, the mean line speed and
// gradient, the area, a memory estimate, the loaded files, and two graphs of track metres by
// line speed and by gradient. Computed once per load, when the dialog is first activated.
class TSceneryProperytyForm : public QDialog {
  public:
    TSceneryProperytyForm(const TScenery& scenery, const TWorkMode& mode, const ColorSlots& colors,
                          const CursorTable& cursors, const std::string& sceneryPath,
                          QWidget* parent);

    // A new load: the figures are computed again when the dialog is next activated.
    void Invalidate() { computed_ = false; }
    bool Computed() const { return computed_; }
    const SceneryStatistics& Statistics() const { return statistics_; }
    const QImage& SpeedGraph() const { return speedGraph_; }
    const QImage& ElevationGraph() const { return elevationGraph_; }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Compute();
    void ResetDisplays();
    void DrawSpeedGraph();
    void DrawElevationGraph();
    void ShowFiles(bool shown);

    const TScenery& scenery_;
    const TWorkMode& mode_;
    const ColorSlots& colors_;
    const CursorTable& cursors_;
    const std::string& sceneryPath_;
    bool computed_ = false;
    SceneryStatistics statistics_;
    ScaleSlider speedScale_;
    ScaleSlider elevationScale_;
    QImage speedGraph_;
    QImage elevationGraph_;

    QLabel* trackCount_ = nullptr;
    QLabel* roadCount_ = nullptr;
    QLabel* riverCount_ = nullptr;
    QLabel* tractionCount_ = nullptr;
    QLabel* trackLength_ = nullptr;
    QLabel* roadLength_ = nullptr;
    QLabel* riverLength_ = nullptr;
    QLabel* tractionLength_ = nullptr;
    QLabel* srVel_ = nullptr;
    QLabel* srElevation_ = nullptr;
    QLabel* pow_ = nullptr;
    QLabel* ram_ = nullptr;
    QLabel* headFileName_ = nullptr;
    QLabel* title_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QTreeWidget* loadedFiles_ = nullptr;
    QToolButton* filesButton_ = nullptr;
    QLabel* speedPicture_ = nullptr;
    QLabel* elevationPicture_ = nullptr;
    QSlider* speedMax_ = nullptr;
    QSlider* elevationMax_ = nullptr;
};

}  // namespace tarvik
