#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "ColorSlots.h"
#include "MapOptions.h"
#include "Scenery.h"

namespace tarvik {

// The legend window ("Legenda"): a stay-on-top tool window sized to the legend picture. The
// picture is built again every time the window is shown and on Rebuild.
class TLegendForm : public QWidget {
  public:
    TLegendForm(const MapOptions& options, const TScenery& scenery, const ColorSlots& colors,
                QWidget* parent);

    void Rebuild();
    const QImage& Picture() const { return picture_; }

    // Called when the user closes the window; hiding it from the program does not call it.
    std::function<void()> onUserClose;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    const MapOptions& options_;
    const TScenery& scenery_;
    const ColorSlots& colors_;
    QImage picture_;
};

}  // namespace tarvik
