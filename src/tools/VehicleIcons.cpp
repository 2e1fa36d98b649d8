#include "VehicleIcons.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace tarvik {
namespace {

constexpr int kSize = 16;

// A vehicle seen from the side: a body on two bogies; a locomotive has a cab window at each
// end, a wagon a row of windows. A drivable one carries a yellow marker on its roof.
QImage Vehicle(bool locomotive, bool drivable) {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body = locomotive ? QColor(200, 30, 30) : QColor(40, 90, 170);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(0.5, 4.5, 15, 8), 2, 2);
    p.setBrush(QColor(220, 235, 255));
    if (locomotive) {
        p.drawRect(QRectF(2, 6, 3, 3));
        p.drawRect(QRectF(11, 6, 3, 3));
    } else {
        for (const qreal x : {2.5, 6.5, 10.5})
            p.drawRect(QRectF(x, 6, 3, 2.5));
    }
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(4, 13.5), 1.6, 1.6);
    p.drawEllipse(QPointF(12, 13.5), 1.6, 1.6);
    if (drivable) {
        p.setBrush(QColor(255, 210, 0));
        p.drawRect(QRectF(5.5, 1.5, 5, 2.5));
    }
    return image;
}

QImage Camera() {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(QRectF(1.5, 5.5, 10, 7), 1.5, 1.5);
    QPainterPath lens;
    lens.moveTo(11.5, 7.5);
    lens.lineTo(15, 5.5);
    lens.lineTo(15, 12.5);
    lens.lineTo(11.5, 10.5);
    lens.closeSubpath();
    p.drawPath(lens);
    p.setBrush(QColor(120, 200, 255));
    p.drawEllipse(QPointF(6.5, 9), 2, 2);
    return image;
}

}  // namespace

QIcon VehicleIcon(int index) {
    switch (index) {
        case 0:
            return QIcon(QPixmap::fromImage(Vehicle(true, false)));
        case 1:
            return QIcon(QPixmap::fromImage(Vehicle(true, true)));
        case 2:
            return QIcon(QPixmap::fromImage(Vehicle(false, false)));
        case 3:
            return QIcon(QPixmap::fromImage(Vehicle(false, true)));
        case 4:
            return QIcon(QPixmap::fromImage(Camera()));
        default:
            return {};
    }
}

}  // namespace tarvik
