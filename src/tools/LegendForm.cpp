#include "LegendForm.h"

#include <QCloseEvent>
#include <QPainter>
#include <QShowEvent>

#include "LegendPicture.h"
#include "QtText.h"

namespace tarvik {

TLegendForm::TLegendForm(const MapOptions& options, const TScenery& scenery,
                         const ColorSlots& colors, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      options_(options),
      scenery_(scenery),
      colors_(colors) {
    setWindowTitle(Tr("LegendForm", "Legenda"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE1));
    setPalette(pal);
    setAutoFillBackground(true);
    // The map's overlay step may blend the picture before the window was ever shown.
    Rebuild();
    setFixedSize(kLegendSize);
}

void TLegendForm::Rebuild() {
    // At the screen's pixel ratio, so that the legend is sharp where a pixel is several.
    picture_ = MakeLegendPicture(options_.Type, scenery_.Ranges(), colors_, devicePixelRatioF());
    update();
}

void TLegendForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Rebuild();
}

void TLegendForm::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onUserClose) onUserClose();
}

void TLegendForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

}  // namespace tarvik
