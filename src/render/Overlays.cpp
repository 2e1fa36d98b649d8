#include "Overlays.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Fonts.h"

namespace tarvik {

double ScaleBarDistance(double m) {
    for (const std::uint16_t candidate : ScaleDistances) {
        if (candidate * m >= 50) return candidate;
    }
    return ScaleDistances.back();
}

QString ScaleBarLabel(double distance) {
    const auto whole = static_cast<long>(distance);
    return whole >= 1000 ? QString::number(whole / 1000) + "km" : QString::number(whole) + "m";
}

QSize ScaleBarSize(double m) {
    return {static_cast<int>(std::nearbyint(ScaleBarDistance(m) * m)) + 50, 16};
}

void PaintScaleBar(QPainter& p, double m) {
    const double d = ScaleBarDistance(m);
    const int length = static_cast<int>(std::nearbyint(d * m));
    p.fillRect(QRect(QPoint(0, 0), ScaleBarSize(m)), QColor(0xFF, 0xFF, 0xE1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    const QPoint line[] = {{12, 5}, {12, 12}, {length + 12, 12}, {length + 12, 5}};
    p.drawPolyline(line, 4);
    p.setFont(SmallFont());
    p.drawText(QRect(length + 22, 2, 200, 20), Qt::AlignLeft | Qt::AlignTop, ScaleBarLabel(d));
    for (int j = 1; j <= 9; ++j) {
        const int x = static_cast<int>(std::nearbyint(d * j * m)) / 10 + 12;
        p.drawLine(x, j % 2 ? 9 : 7, x, 12);
    }
}

QImage MakeScaleBar(double m, double ratio) {
    const QSize size = ScaleBarSize(m);
    QImage bar(static_cast<int>(std::lround(size.width() * ratio)),
               static_cast<int>(std::lround(size.height() * ratio)), QImage::Format_RGB32);
    QPainter p(&bar);
    p.scale(ratio, ratio);
    PaintScaleBar(p, m);
    return bar;
}

void BlendOverlay(const QImage& source, QImage& picture, int x, int y, int a) {
    const int cols = std::min(source.width(), picture.width() - x);
    const int rows = std::min(source.height(), picture.height() - y);
    if (cols <= 0 || rows <= 0) return;
    const QImage s = source.format() == QImage::Format_RGB32
                         ? source
                         : source.convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < rows; ++i) {
        if (y + i < 0) continue;
        const auto* from = reinterpret_cast<const QRgb*>(s.constScanLine(i));
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y + i));
        for (int k = 0; k < cols; ++k) {
            if (x + k < 0) continue;
            const QRgb over = from[k];
            const QRgb under = to[x + k];
            const auto mix = [a](int o, int u) { return ((100 - a) * o + a * u) / 100; };
            to[x + k] = qRgb(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)),
                             mix(qBlue(over), qBlue(under)));
        }
    }
}

}  // namespace tarvik
