#include "Signs.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>
#include <QString>
#include <cmath>

namespace tarvik {
namespace {

QPolygon SpeedTriangle(int s) {
    return QPolygon({QPoint(0, 0), QPoint(s, 0), QPoint(s / 2, s)});
}

QPolygon GradientTriangle(int s) {
    return QPolygon({QPoint(0, s), QPoint(s, s), QPoint(s / 2, 0)});
}

QPoint SpeedTextAt(int s) {
    return {s / 3, s / 5};
}

QPoint GradientTextAt(int s) {
    return {s / 5, s / 2};
}

QString GradientText(int number) {
    return QString::number(number) + QChar(0x2030);
}

// The sign of size s with its top-left corner at the painter's origin.
void PaintSign(QPainter& p, int s, const QPolygon& triangle, const QString& text, QPoint textAt,
               bool antialiased = false) {
    p.setRenderHint(QPainter::Antialiasing, antialiased);
    p.setRenderHint(QPainter::TextAntialiasing, antialiased);
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
    font.setStyleStrategy(antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    p.setFont(font);
    p.setBrush(Qt::NoBrush);
    p.drawText(QRect(textAt, QSize(4 * s, 4 * s)), Qt::AlignLeft | Qt::AlignTop, text);
}

void DrawSign(QImage& marker, const QPolygon& triangle, const QString& text, QPoint textAt) {
    marker.fill(kMarkerTransparent);
    QPainter p(&marker);
    PaintSign(p, marker.width(), triangle, text, textAt);
}

// A sign drawn straight onto a painter that keeps paths and text, for a vector picture.
void PaintSignAt(QPainter& p, QPoint topLeft, int s, const QPolygon& triangle, const QString& text,
                 QPoint textAt, bool antialiased) {
    p.save();
    p.translate(topLeft);
    PaintSign(p, s, triangle, text, textAt, antialiased);
    p.restore();
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
    DrawSign(marker, SpeedTriangle(s), QString::number(number), SpeedTextAt(s));
}

void MakeGradientSign(int number, QImage& marker) {
    const int s = marker.width();
    DrawSign(marker, GradientTriangle(s), GradientText(number), GradientTextAt(s));
}

void SignCache::DrawSpeed(QPainter& p, QPoint topLeft, int number) {
    if (vector_) {
        PaintSignAt(p, topLeft, size_, SpeedTriangle(size_), QString::number(number),
                    SpeedTextAt(size_), antialiased_);
    } else {
        p.drawImage(topLeft, Speed(number));
    }
}

void SignCache::DrawGradient(QPainter& p, QPoint topLeft, int number) {
    if (vector_) {
        PaintSignAt(p, topLeft, size_, GradientTriangle(size_), GradientText(number),
                    GradientTextAt(size_), antialiased_);
    } else {
        p.drawImage(topLeft, Gradient(number));
    }
}

const QImage& SignCache::Get(bool gradient, int number) {
    const auto key = std::make_pair(gradient, number);
    if (const auto it = signs_.find(key); it != signs_.end()) return it->second;
    if (antialiased_) {
        QImage sign(size_, size_, QImage::Format_ARGB32_Premultiplied);
        sign.fill(Qt::transparent);
        QPainter p(&sign);
        if (gradient) {
            PaintSign(p, size_, GradientTriangle(size_), GradientText(number),
                      GradientTextAt(size_), true);
        } else {
            PaintSign(p, size_, SpeedTriangle(size_), QString::number(number), SpeedTextAt(size_),
                      true);
        }
        p.end();
        return signs_.emplace(key, std::move(sign)).first->second;
    }
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
