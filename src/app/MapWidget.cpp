#include "MapWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvik {
namespace {

// The drag shows this where the moved picture leaves the frame, as the map frame did.
const QColor kDragFill(0, 128, 0);

// The go-to cross: light on a dark outline, to be seen on any background and track colour.
void DrawCross(QPainter& painter, QPointF at) {
    constexpr qreal kArm = 7;
    for (const QPen& pen : {QPen(Qt::black, 4), QPen(QColor(255, 255, 0), 2)}) {
        painter.setPen(pen);
        painter.drawLine(at - QPointF(kArm, 0), at + QPointF(kArm, 0));
        painter.drawLine(at - QPointF(0, kArm), at + QPointF(0, kArm));
    }
}

}  // namespace

MapWidget::MapWidget(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(1, 1);
}

void MapWidget::ShowRubberLine(QPoint from, QPoint to) {
    feedback_ = Feedback::RubberLine;
    from_ = from;
    to_ = to;
    repaint();
}

void MapWidget::ShowDrag(QPoint offset) {
    if (feedback_ == Feedback::Drag && to_ == offset) return;
    feedback_ = Feedback::Drag;
    to_ = offset;
    repaint();
}

void MapWidget::ClearFeedback() {
    feedback_ = Feedback::None;
    update();
}

void MapWidget::ShowPrevious(const QTransform& place, QColor fill) {
    if (previous_.isNull()) return;
    previousPlace_ = place;
    previousFill_ = fill;
    previousPainted_ = false;
    update();
}

void MapWidget::ShowPreviousNow() {
    if (!previous_.isNull() && !previousPainted_) repaint();
}

void MapWidget::DropPrevious() {
    if (previous_.isNull()) return;
    previous_ = QImage();
    update();
}

QTransform MapWidget::PreviousToWidget() const {
    // The place counts in pixels of the pictures, the painter in the widget's.
    return previousPlace_ * QTransform::fromScale(1 / ratio_, 1 / ratio_);
}

void MapWidget::SetMark(std::optional<QPointF> mark) {
    if (mark == mark_) return;
    mark_ = mark;
    update();
}

void MapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!previous_.isNull()) {
        previousPainted_ = true;
        painter.fillRect(rect(), previousFill_);
        const QTransform toWidget = PreviousToWidget();
        // Thin lines scaled pixel by pixel would break up.
        if (previousPlace_.m11() != 1) painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(toWidget);
        painter.drawImage(QPointF(), previous_);
        painter.resetTransform();
        if (mark_) DrawCross(painter, toWidget.map(*mark_ * previousRatio_));
        return;
    }
    if (feedback_ == Feedback::Drag) {
        painter.fillRect(rect(), kDragFill);
        painter.drawImage(QRectF(QPointF(to_), QSizeF(size())), picture_);
        if (mark_) DrawCross(painter, *mark_ + QPointF(to_));
        return;
    }
    painter.drawImage(QRectF(rect()), picture_);
    if (mark_) DrawCross(painter, *mark_);
    if (feedback_ == Feedback::RubberLine) {
        painter.setPen(QPen(QColor(255, 0, 0), 2));
        painter.drawLine(from_, to_);
    }
}

void MapWidget::resizeEvent(QResizeEvent*) {
    // Of several resizes before a drawing, the first one's picture is the last finished one.
    if (previous_.isNull() && !picture_.isNull()) {
        previous_ = std::move(picture_);
        // The window tells where it goes (onResized), or drops it.
        previousPlace_ = QTransform();
        previousFill_ = Qt::black;
        previousRatio_ = ratio_;
    }
    ratio_ = devicePixelRatioF();
    picture_ = QImage((QSizeF(size()) * ratio_).toSize(), QImage::Format_RGB32);
    if (onResized) onResized();
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event);
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(event);
    if (!onPointer) return;
    if (!previous_.isNull()) {
        // The pointer is over the previous picture, whose view the window still holds.
        onPointer(PreviousToWidget().inverted().map(event->position()) / previousRatio_);
        return;
    }
    // A dragged picture shows under the pointer what lies that far back in it.
    const QPointF shift = feedback_ == Feedback::Drag ? QPointF(to_) : QPointF();
    onPointer(event->position() - shift);
}

void MapWidget::leaveEvent(QEvent*) {
    if (onPointer) onPointer(std::nullopt);
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(event);
}

}  // namespace tarvik
