#include "Signs.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <cmath>

namespace tarvik {
namespace {

void DrawSign(QImage& marker, const QPolygon& triangle, const QString& text, QPoint textAt) {
    const int s = marker.width();
    marker.fill(kMarkerTransparent);
    QPainter p(&marker);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QPen pen(Qt::black);
    pen.setWidth(s / 8);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::white);
    p.drawPolygon(triangle);
    QFont font;
    // Sizes are points on a 96 dpi screen; the picture has no screen.
    font.setPixelSize(std::max(1, (s / 3) * 96 / 72));
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setBrush(Qt::NoBrush);
    p.drawText(QRect(textAt, QSize(4 * s, 4 * s)), Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace

std::optional<int> SpeedSignNumber(std::uint8_t velocity) {
    if (velocity == 160) return std::nullopt;
    return velocity / 10;
}

std::optional<int> GradientSignNumber(float gradient) {
    if (!(gradient >= 1.0f)) return std::nullopt;
    return static_cast<int>(std::nearbyint(gradient));
}

void MakeSpeedSign(int number, QImage& marker) {
    const int s = marker.width();
    DrawSign(marker, QPolygon({QPoint(0, 0), QPoint(s, 0), QPoint(s / 2, s)}),
             QString::number(number), QPoint(s / 3, s / 5));
}

void MakeGradientSign(int number, QImage& marker) {
    const int s = marker.width();
    DrawSign(marker, QPolygon({QPoint(0, s), QPoint(s, s), QPoint(s / 2, 0)}),
             QString::number(number) + QChar(0x2030), QPoint(s / 5, s / 2));
}

const QImage& SignCache::Get(bool gradient, int number) {
    const auto key = std::make_pair(gradient, number);
    if (const auto it = signs_.find(key); it != signs_.end()) return it->second;
    QImage marker(size_, size_, QImage::Format_RGB32);
    if (gradient) {
        MakeGradientSign(number, marker);
    } else {
        MakeSpeedSign(number, marker);
    }
    QImage sign = marker.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < sign.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(sign.scanLine(y));
        for (int x = 0; x < sign.width(); ++x) {
            if (row[x] == kMarkerTransparent) row[x] = 0;
        }
    }
    return signs_.emplace(key, std::move(sign)).first->second;
}

}  // namespace tarvik
