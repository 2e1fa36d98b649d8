#include "ColorPreview.h"

#include <QPainter>
#include <QPainterPath>

#include "Fonts.h"
#include "QtColor.h"
#include "QtText.h"
#include "ScaleColor.h"

namespace tarvik {

QImage MakeColorPreview(const ColorSlots& c, int w, int h) {
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(ToQColor(c.Background));
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);

    QPainterPath river(QPointF(w - 50, 0));
    river.cubicTo(QPointF(w / 2, 10), QPointF(200, h / 2), QPointF(5, h));
    p.setPen(QPen(ToQColor(c.River), 52, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(river);
    p.setPen(QPen(ToQColor(c.Road), 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(50, 10, w - 55, h - 10);
    p.setPen(QPen(ToQColor(c.Track), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(10, 20, w - 15, 20);

    const struct {
        ColorScale scale;
        int top;
    } bars[] = {{c.SpeedScale(), 48}, {c.HipsometricScale(), 78}, {c.ElevationScale(), 108}};
    for (const auto& bar : bars) {
        for (int x = 10; x <= w - 15; ++x) {
            const TColor color = ScaleColor(bar.scale, static_cast<float>(w - 15), 10,
                                            static_cast<float>(x), c.Track);
            p.setPen(QPen(ToQColor(color), 1));
            p.drawLine(x, bar.top, x, bar.top + 5);
        }
    }

    QPen traction(ToQColor(c.Traction), 1, Qt::CustomDashLine, Qt::FlatCap);
    traction.setDashPattern({1, 1});
    p.setPen(traction);
    for (const int y : {20, 50, 80, 110}) {
        p.drawLine(w * 3 / 4, y - 2, w - 2, y + 2);
        p.drawLine(w / 2, y + 2, w * 3 / 4, y - 2);
        p.drawLine(w / 4 - 10, y - 4, w / 2, y + 2);
    }

    p.setPen(Qt::black);
    p.setFont(SmallFont());
    const auto text = [&p](int x, int y, const QString& t) {
        p.drawText(QRect(x, y, 300, 20), Qt::AlignLeft | Qt::AlignTop, t);
    };
    text(10, 1, Tr("ColorPreview", "Tor zwykły:"));
    text(10, 30, Tr("ColorPreview", "Tor - prędkość szlakowa min-max:"));
    text(10, 60, Tr("ColorPreview", "Tor - wysokość min-max:"));
    text(10, 90, Tr("ColorPreview", "Tor - nachylenie min-max:"));
    text(w - 70, h - 20, Tr("ColorPreview", "Droga"));
    text(10, h - 20, Tr("ColorPreview", "Rzeka"));
    return picture;
}

}  // namespace tarvik
