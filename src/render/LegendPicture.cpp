#include "LegendPicture.h"

#include <QPainter>
#include <QString>
#include <cmath>

#include "Fonts.h"
#include "QtColor.h"
#include "QtText.h"
#include "ScaleColor.h"

namespace tarvik {
namespace {

constexpr QRgb kLegendBackground = 0xFFFFFFE1;  // $E1FFFF

struct ScaleLegend {
    const char* title;
    int lo;
    int hi;
    ColorScale scale;
    int innerX[2];
    int maxX;
};

void Label(QPainter& p, int x, int y, const QString& text) {
    p.drawText(QRect(x, y, 100, 20), Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace

std::array<int, 4> LegendLabels(int lo, int hi) {
    const int third = (hi - lo) / 3;
    return {lo, lo + third, lo + third * 2, hi};
}

QImage MakeLegendPicture(MapType type, const SceneryRanges& r, const ColorSlots& colors,
                         double ratio) {
    QImage picture(static_cast<int>(std::lround(kLegendSize.width() * ratio)),
                   static_cast<int>(std::lround(kLegendSize.height() * ratio)),
                   QImage::Format_RGB32);
    {
        QPainter p(&picture);
        p.scale(ratio, ratio);
        PaintLegend(p, type, r, colors);
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void PaintLegend(QPainter& p, MapType type, const SceneryRanges& r, const ColorSlots& colors) {
    p.fillRect(QRect(QPoint(0, 0), kLegendSize), QColor::fromRgb(kLegendBackground));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(SmallFont());
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);

    ScaleLegend legend{};
    bool withScale = true;
    switch (type) {
        case MapType::Velocity:
            legend = {QT_TRANSLATE_NOOP("LegendPicture", "Tory - Vmax [km/h]:"),
                      r.SpeedMin,
                      r.SpeedMax,
                      colors.SpeedScale(),
                      {29, 54},
                      78};
            break;
        case MapType::Hipsometric:
            legend = {QT_TRANSLATE_NOOP("LegendPicture", "Tory - Wysokość [m]:"),
                      r.HeightMin,
                      r.HeightMax,
                      colors.HipsometricScale(),
                      {29, 54},
                      78};
            break;
        case MapType::Elevation:
            legend = {QT_TRANSLATE_NOOP("LegendPicture", "Tory - Wzniesi. [‰]:"),
                      r.GradientMin,
                      r.GradientMax,
                      colors.ElevationScale(),
                      {29, 56},
                      81};
            break;
        case MapType::Normal:
            withScale = false;
            break;
    }
    if (withScale) {
        Label(p, 3, 0, Tr("LegendPicture", legend.title));
        if (legend.hi == legend.lo) {
            p.setPen(QPen(ToQColor(colors.Track), 3));
            p.drawLine(10, 17, 90, 17);
        } else {
            for (int x = 10; x <= 90; ++x) {
                p.setPen(QPen(
                    ToQColor(ScaleColor(legend.scale, 90, 10, static_cast<float>(x), colors.Track)),
                    1));
                p.drawLine(x, 16, x, 19);
            }
            p.setPen(Qt::black);
            const std::array<int, 4> labels = LegendLabels(legend.lo, legend.hi);
            Label(p, legend.innerX[0], 22, QString::number(labels[1]));
            Label(p, legend.innerX[1], 22, QString::number(labels[2]));
        }
        p.setPen(Qt::black);
        Label(p, 5, 22, QString::number(legend.lo));
        Label(p, legend.maxX, 22, QString::number(legend.hi));
    }
    // Thirteen ticks under the strip, every other one longer.
    p.setPen(QPen(Qt::black, 1));
    for (int i = 40; i <= 160; i += 10) {
        const int x = static_cast<int>(std::nearbyint((i - 40) / 120.0 * 80)) + 10;
        p.drawLine(x, 19, x, i % 20 == 0 ? 22 : 20);
    }

    p.setPen(Qt::NoPen);
    p.setBrush(ToQColor(colors.Traction));
    for (const int x : {12, 16, 20})
        p.drawRect(x, 49, 2, 2);
    p.setBrush(ToQColor(colors.River));
    p.drawRect(12, 60, 10, 10);
    p.setBrush(ToQColor(colors.Road));
    p.drawRect(12, 75, 10, 10);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    Label(p, 35, 45, Tr("LegendPicture", "Trakcja"));
    Label(p, 35, 60, Tr("LegendPicture", "Rzeka"));
    Label(p, 35, 75, Tr("LegendPicture", "Droga"));
}

}  // namespace tarvik
