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
    feedback_ = Feedback::Drag;
    to_ = offset;
    repaint();
}

void MapWidget::ClearFeedback() {
    feedback_ = Feedback::None;
    update();
}

void MapWidget::SetMark(std::optional<QPointF> mark) {
    if (mark == mark_) return;
    mark_ = mark;
    update();
}

void MapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
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
