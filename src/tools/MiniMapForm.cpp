#include "MiniMapForm.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "QtText.h"

namespace tarvik {

TMiniMapForm::TMiniMapForm(MiniMapHost& host, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      host_(host) {
    setWindowTitle(Tr("MiniMapForm", "Miniaturka"));
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kDefaultWidth, kDefaultHeight);
    miniMap_.Resize(kDefaultWidth, kDefaultHeight);
}

void TMiniMapForm::Refresh(bool rebuild) {
    if (!isVisible() || host_.ModelBusy()) return;
    const MapSources sources = host_.Sources();
    const SceneryBounds& bounds = sources.scenery.Bounds();
    if (bounds.SceneryMin.x == bounds.SceneryMax.x || bounds.SceneryMin.y == bounds.SceneryMax.y)
        return;
    // A cache discarded by a resize while hidden (the first showing follows one) holds no
    // scenery to put the frame on, whatever the caller asked. Showing needs no rebuild of its
    // own: the main window redraws with a rebuild when it shows this window.
    // Switches and colours that the mini-map shows are seen here; a new scenery is not.
    if (rebuild || cacheStale_ || !miniMap_.CacheShows(sources)) {
        const MapOutcome outcome = miniMap_.Rebuild(sources, host_.MiniMapPaintHooks());
        host_.MiniMapDrawn(outcome);
        cacheStale_ = false;
    }
    miniMap_.Refresh(host_.View(), bounds);
    update();
}

QImage TMiniMapForm::PictureFraming(const ViewState& view) const {
    if (!isVisible() || cacheStale_ || host_.ModelBusy()) return miniMap_.Picture();
    MiniMap framed = miniMap_;
    framed.Refresh(view, host_.Sources().scenery.Bounds());
    return framed.Picture();
}

void TMiniMapForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    miniMap_.Resize(width(), height(), devicePixelRatioF());
    cacheStale_ = true;
    Refresh(true);
}

void TMiniMapForm::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onUserClose) onUserClose();
}

void TMiniMapForm::mousePressEvent(QMouseEvent* event) {
    // Without a drawn cache there is no mapping from the picture to the world.
    if (cacheStale_ || miniMap_.Scale() == 0) return;
    // The picture has the screen's pixels, the press the window's.
    const QPoint at = (event->position() * miniMap_.Ratio()).toPoint();
    const QPointF world = miniMap_.ClickToWorld(at.x(), at.y());
    host_.CenterOn(world.x(), world.y());
}

void TMiniMapForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (cacheStale_) {
        p.fillRect(rect(), palette().window());
        return;
    }
    p.drawImage(QRectF(rect()), miniMap_.Picture());
}

}  // namespace tarvik
