#include "MapWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvik {
namespace {

// The drag shows this where the moved picture leaves the frame, as the map frame did.
const QColor kDragFill(0, 128, 0);

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

void MapWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (feedback_ == Feedback::Drag) {
        painter.fillRect(rect(), kDragFill);
        painter.drawImage(to_, picture_);
        return;
    }
    painter.drawImage(0, 0, picture_);
    if (feedback_ == Feedback::RubberLine) {
        painter.setPen(QPen(QColor(255, 0, 0), 2));
        painter.drawLine(from_, to_);
    }
}

void MapWidget::resizeEvent(QResizeEvent*) {
    picture_ = QImage(size(), QImage::Format_RGB32);
    if (onResized) onResized();
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event);
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(event);
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(event);
}

}  // namespace tarvik
