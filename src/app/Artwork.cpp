#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "QtText.h"

namespace tarvik {
namespace {

// Two rails and their sleepers along a path, seen from above as the map draws a track.
void DrawTrack(QPainter& p, const QPainterPath& path, qreal gauge, const QColor& rail) {
    p.setPen(QPen(QColor(120, 84, 50), gauge * 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPen sleepers(QColor(120, 84, 50), gauge * 2.2, Qt::CustomDashLine, Qt::FlatCap);
    sleepers.setDashPattern({0.35, 0.6});
    p.setPen(sleepers);
    p.drawPath(path);
    QPainterPathStroker stroker;
    stroker.setWidth(gauge);
    const QPainterPath outline = stroker.createStroke(path);
    p.setPen(QPen(rail, qMax<qreal>(1.5, gauge / 7)));
    p.drawPath(outline);
}

}  // namespace

QImage MakeSplashPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient ground(0, 0, 0, height);
    ground.setColorAt(0, QColor(18, 58, 28));
    ground.setColorAt(1, QColor(0, 128, 0));
    p.fillRect(image.rect(), ground);

    // A river and a road under the line, as on the map.
    QPainterPath river(QPointF(width * 0.62, 0));
    river.cubicTo(width * 0.5, height * 0.1, width * 0.4, height * 0.5, 0, height * 0.8);
    p.setPen(QPen(QColor(40, 90, 220), 26, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(river);
    p.setPen(QPen(QColor(192, 192, 192), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(width * 0.1, height * 0.05), QPointF(width * 0.9, height * 0.95));

    QPainterPath line(QPointF(-20, height * 0.72));
    line.cubicTo(width * 0.3, height * 0.72, width * 0.55, height * 0.35, width + 20, height * 0.3);
    DrawTrack(p, line, 14, QColor(230, 230, 230));
    QPainterPath branch(QPointF(width * 0.35, height * 0.66));
    branch.cubicTo(width * 0.55, height * 0.62, width * 0.7, height * 0.55, width + 20,
                   height * 0.52);
    DrawTrack(p, branch, 14, QColor(255, 210, 0));

    QFont title("DejaVu Sans", 30, QFont::Bold);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRect(22, 26, width, 60), Qt::AlignLeft, "Tarvik Track Viewer");
    p.setPen(Qt::white);
    p.drawText(QRect(20, 24, width, 60), Qt::AlignLeft, "Tarvik Track Viewer");
    p.setFont(QFont("DejaVu Sans", 12));
    p.drawText(QRect(22, 74, width, 30), Qt::AlignLeft,
               Tr("Artwork", "Przeglądarka scenerii symulatora EU07"));
    return image;
}

QIcon MakeApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 128, 0));
        p.drawRoundedRect(QRectF(0, 0, size, size), size * 0.18, size * 0.18);
        QPainterPath path(QPointF(-size * 0.1, size * 0.8));
        path.cubicTo(size * 0.4, size * 0.8, size * 0.55, size * 0.25, size * 1.1, size * 0.2);
        DrawTrack(p, path, size * 0.16, Qt::white);
        p.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace tarvik
