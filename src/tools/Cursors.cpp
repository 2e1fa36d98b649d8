#include "Cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace tarvik {
namespace {

constexpr int kSize = 32;
constexpr QPointF kCentre(kSize / 2.0, kSize / 2.0);

// Black outline around a white body, so that the cursor shows on every map colour.
QPixmap Draw(const QPainterPath& body, const QPainterPath& marks = {}) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.drawPath(marks);
    return pixmap;
}

QCursor Magnifier(bool plus) {
    constexpr QPointF lens(12, 12);
    constexpr double radius = 9;
    QPainterPath handle;
    handle.moveTo(18.5, 16.5);
    handle.lineTo(29, 27);
    handle.lineTo(27, 29);
    handle.lineTo(16.5, 18.5);
    handle.closeSubpath();
    QPainterPath body;
    body.addEllipse(lens, radius, radius);
    body = body.united(handle);
    QPainterPath marks;
    if (plus) {
        marks.moveTo(lens.x() - 5, lens.y());
        marks.lineTo(lens.x() + 5, lens.y());
        marks.moveTo(lens.x(), lens.y() - 5);
        marks.lineTo(lens.x(), lens.y() + 5);
    } else {
        // A click only centres the view: a dot marks the centre.
        marks.addEllipse(lens, 1.5, 1.5);
    }
    return QCursor(Draw(body, marks), static_cast<int>(lens.x()), static_cast<int>(lens.y()));
}

// The hand seen from its back: a palm with four fingers, long when open, curled when
// grabbing, and the thumb at the side.
QCursor Hand(bool open) {
    QPainterPath body;
    body.addRoundedRect(QRectF(8, 14, 17, 14), 5, 5);
    const double fingerTop = open ? 3 : 10;
    for (int i = 0; i < 4; ++i) {
        QPainterPath finger;
        finger.addRoundedRect(
            QRectF(8 + i * 4.25, fingerTop + (i == 0 || i == 3 ? 2 : 0), 4.25, 18 - fingerTop), 2,
            2);
        body = body.united(finger);
    }
    QPainterPath thumb;
    if (open) {
        thumb.moveTo(9, 24);
        thumb.lineTo(2, 15);
        thumb.lineTo(5, 13);
        thumb.lineTo(11, 19);
    } else {
        thumb.moveTo(9, 24);
        thumb.lineTo(5, 19);
        thumb.lineTo(8, 17);
        thumb.lineTo(11, 19);
    }
    thumb.closeSubpath();
    body = body.united(thumb);
    return QCursor(Draw(body), kSize / 2, kSize / 2);
}

// An arrow from the centre outwards in the direction of degrees (clockwise from pointing
// right, as screen y grows downwards), with its hot spot at the tip.
QCursor Arrow(double degrees) {
    constexpr double tip = 14;
    QPainterPath body;
    body.moveTo(tip, 0);
    body.lineTo(3, -9);
    body.lineTo(3, -4);
    body.lineTo(-12, -4);
    body.lineTo(-12, 4);
    body.lineTo(3, 4);
    body.lineTo(3, 9);
    body.closeSubpath();
    QTransform turn;
    turn.translate(kCentre.x(), kCentre.y());
    turn.rotate(degrees);
    const QPointF hot = turn.map(QPointF(tip, 0));
    const auto inside = [](double v) {
        return std::clamp(static_cast<int>(std::lround(v)), 0, kSize - 1);
    };
    return QCursor(Draw(turn.map(body)), inside(hot.x()), inside(hot.y()));
}

// The pointer's arrow with an "i" in a disc below its tip: the tip picks the object.
QCursor Identify() {
    QPainterPath body;
    body.moveTo(2, 2);
    body.lineTo(2, 21);
    body.lineTo(7, 16);
    body.lineTo(10.5, 23.5);
    body.lineTo(13.5, 22);
    body.lineTo(10, 15);
    body.lineTo(17, 15);
    body.closeSubpath();
    constexpr QPointF disc(23, 23);
    QPainterPath badge;
    badge.addEllipse(disc, 7, 7);
    body = body.united(badge);
    QPainterPath marks;
    marks.addEllipse(QPointF(disc.x(), disc.y() - 3.5), 0.8, 0.8);
    marks.moveTo(disc.x(), disc.y() - 0.5);
    marks.lineTo(disc.x(), disc.y() + 4.5);
    return QCursor(Draw(body, marks), 2, 2);
}

}  // namespace

CursorTable::CursorTable() {
    slots_[kZoomIn] = Magnifier(true);
    slots_[kIdentify] = Identify();
    slots_[kHand] = Hand(true);
    slots_[kGrab] = Hand(false);
    slots_[kCentreOnly] = Magnifier(false);
    slots_[kBandLeft] = Arrow(180);
    slots_[kBandRight] = Arrow(0);
    slots_[kBandTop] = Arrow(270);
    slots_[kBandBottom] = Arrow(90);
    slots_[kCornerTopLeft] = Arrow(225);
    slots_[kCornerBottomLeft] = Arrow(135);
    slots_[kCornerTopRight] = Arrow(315);
    slots_[kCornerBottomRight] = Arrow(45);
    // Loading and drawing block the window: the plain wait cursor. The statistics and
    // properties are computed while their window is already shown: the arrow with a clock.
    slots_[kLoading] = QCursor(Qt::WaitCursor);
    slots_[kRecalculating] = QCursor(Qt::BusyCursor);
    slots_[kDrawing] = QCursor(Qt::WaitCursor);
}

const QCursor& CursorTable::Cursor(int slot) const {
    // Slot 0 is never filled, so it is the arrow.
    if (slot < 0 || slot >= kSlots) return slots_[0];
    return slots_[static_cast<std::size_t>(slot)];
}

}  // namespace tarvik
