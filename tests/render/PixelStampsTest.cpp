// Stamps against the painter: the pixels set from a stamp are those the painter's one-pixel pen
// sets for the same piece, wherever it lies, and a cache that keeps emptying itself still gives
// them.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <random>

#include "PixelStamps.h"

namespace tarvik {
namespace {

QPen PixelPen() {
    return QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

TEST(PixelStampsTest, CurvesFromTheCacheAreThoseThePainterDraws) {
    // Room for about one stamp a part, so that the parts empty all the time.
    CurveStampCache cache(64 * 60);
    std::mt19937 rng(7);
    const auto offset = [&rng](int reach) {
        return static_cast<int>(rng() % static_cast<unsigned>(2 * reach + 1)) - reach;
    };
    QImage painted(400, 300, QImage::Format_RGB32);
    QImage stamped(400, 300, QImage::Format_RGB32);
    int set = 0;
    for (int round = 0; round < 2; ++round) {
        std::mt19937 shapes(11);  // the same curves each round: the second finds them kept
        rng = shapes;
        painted.fill(Qt::white);
        stamped.fill(Qt::white);
        QPainter p(&painted);
        p.setPen(PixelPen());
        QPainter q(&stamped);
        q.setPen(PixelPen());
        const StampTarget target{stamped.bits(),   stamped.bytesPerLine(), stamped.width(), 0,
                                 stamped.height(), qRgb(0, 0, 0)};
        for (int i = 0; i < 600; ++i) {
            const int reach = i % 3 == 0 ? CurveStampCache::kReach : 8;
            // Some near the edges, where the stamp does not fit and the painter draws.
            const QPoint at(static_cast<int>(rng() % 400), static_cast<int>(rng() % 300));
            const QPoint c1(offset(reach), offset(reach));
            const QPoint c2(offset(reach), offset(reach));
            const QPoint end(offset(reach), offset(reach));
            QPainterPath path;
            path.moveTo(at);
            path.cubicTo(at + c1, at + c2, at + end);
            p.drawPath(path);
            if (cache.Set(c1, c2, end, at, target)) {
                ++set;
            } else {
                q.drawPath(path);
            }
        }
        p.end();
        q.end();
        EXPECT_EQ(painted, stamped) << "round " << round;
    }
    EXPECT_GT(set, 800);
    // Beyond the reach there is no stamp.
    EXPECT_FALSE(cache.Set({0, 0}, {0, 0}, {CurveStampCache::kReach + 1, 0}, {100, 100},
                           {stamped.bits(), stamped.bytesPerLine(), 400, 0, 300, 0}));
}

}  // namespace
}  // namespace tarvik
