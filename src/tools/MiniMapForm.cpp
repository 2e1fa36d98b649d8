#include "MiniMapForm.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "QtText.h"
#include "Translate.h"

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

namespace {

bool EmptyBounds(const SceneryBounds& b) {
    return b.SceneryMin.x == b.SceneryMax.x || b.SceneryMin.y == b.SceneryMax.y;
}

}  // namespace

TMiniMapForm::~TMiniMapForm() {
    // The drawing reads the host's model: it ends before the window goes.
    if (pending_.valid()) pending_.wait();
}

void TMiniMapForm::StartRebuild() {
    if (!isVisible() || host_.ModelBusy() || pending_.valid()) return;
    const MapSources sources = host_.Sources();
    const PaintHooks hooks = host_.MiniMapPaintHooks();
    if (EmptyBounds(sources.scenery.Bounds())) return;
    if (DrawingMayStop(sources, hooks)) {
        Refresh(true);
        return;
    }
    // The status and the cursor belong to the main map's drawing, which follows at once.
    if (hooks.status) hooks.status->StatusText(Translate("PaintMap", "Rysowanie..."));
    // One thread: the main map's bands take the others.
    pending_ =
        std::async(std::launch::async, [this, sources] { return miniMap_.Draw(sources, {}, 1); });
}

void TMiniMapForm::Refresh(bool rebuild) {
    if (pending_.valid()) {
        // Taken even when hidden or resized meanwhile: Take drops a drawing of another size.
        const MapOutcome outcome = miniMap_.Take(pending_.get());
        host_.MiniMapDrawn(outcome);
        if (outcome == MapOutcome::Drawn) {
            cacheStale_ = false;
            rebuild = false;
        }
    }
    if (!isVisible() || host_.ModelBusy()) return;
    const MapSources sources = host_.Sources();
    const SceneryBounds& bounds = sources.scenery.Bounds();
    if (EmptyBounds(bounds)) return;
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
    // A drawing of the old size is of no use, and it reads the size being changed.
    if (pending_.valid()) pending_.get();
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
