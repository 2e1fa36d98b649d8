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
    // The drawing reads the host's model: it ends, or is kept from starting, before the window
    // goes.
    if (pending_) TakePending(false);
}

std::function<void()> TMiniMapForm::StartRebuild(bool newScenery) {
    if (!isVisible() || host_.ModelBusy() || pending_) return {};
    const MapSources sources = host_.Sources();
    const PaintHooks hooks = host_.MiniMapPaintHooks();
    if (EmptyBounds(sources.scenery.Bounds())) return {};
    if (!newScenery && !cacheStale_ && miniMap_.CacheShows(sources)) return {};
    if (DrawingMayStop(sources, hooks)) {
        // Refresh sees changed switches and colours itself, not a new scenery.
        if (newScenery) Refresh(true);
        return {};
    }
    // The status and the cursor belong to the main map's drawing, which follows at once.
    if (hooks.status) hooks.status->StatusText(Translate("PaintMap", "Rysowanie..."));
    pending_ = std::make_shared<PendingDrawing>();
    // One thread: the main map's bands take the others.
    pending_->task = std::packaged_task<MiniMap::Drawing()>(
        [this, sources] { return miniMap_.Draw(sources, {}, 1); });
    pending_->result = pending_->task.get_future();
    return [pending = pending_] {
        if (!pending->claimed.exchange(true)) pending->task();
    };
}

MiniMap::Drawing TMiniMapForm::TakePending(bool draw) {
    const std::shared_ptr<PendingDrawing> pending = std::move(pending_);
    if (!pending->claimed.exchange(true)) {
        if (!draw) return {};
        pending->task();
    }
    return pending->result.get();
}

void TMiniMapForm::Refresh(bool rebuild) {
    if (pending_) {
        // Taken even when hidden or resized meanwhile: Take drops a drawing of another size.
        const MapOutcome outcome = miniMap_.Take(TakePending(true));
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
    if (pending_) TakePending(false);
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
