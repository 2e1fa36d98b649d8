#include "PixelStamps.h"

#include <QLine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <functional>

namespace tarvik {

namespace {

// Room around the origin on every side: a piece of the reaches and whatever the pen sets
// beside it, with a frame that the pen must not reach.
constexpr int kScratchReach = 8;

// The pixels the pen sets when draw draws a piece from the scratch picture's middle, or false
// when they do not fit a stamp.
bool Learn(const std::function<void(QPainter&, QPoint)>& draw, PixelStamp& stamp) {
    constexpr int side = 2 * kScratchReach + 1;
    QImage scratch(side, side, QImage::Format_RGB32);
    const QRgb background = qRgb(0, 0, 0);
    scratch.fill(background);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        draw(p, QPoint(kScratchReach, kScratchReach));
    }
    stamp = PixelStamp{};
    for (int y = 0; y < side; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            if (row[x] == background) continue;
            if (x == 0 || y == 0 || x == side - 1 || y == side - 1 ||
                stamp.count == PixelStamp::kMostPixels) {
                return false;
            }
            const auto dx = static_cast<std::int8_t>(x - kScratchReach);
            const auto dy = static_cast<std::int8_t>(y - kScratchReach);
            stamp.pixels[stamp.count++] = {dx, dy};
            stamp.left = std::min(stamp.left, dx);
            stamp.right = std::max(stamp.right, dx);
            stamp.top = std::min(stamp.top, dy);
            stamp.bottom = std::max(stamp.bottom, dy);
        }
    }
    return true;
}

}  // namespace

const LineStamps& LineStamps::Learned() {
    static const LineStamps stamps;
    return stamps;
}

LineStamps::LineStamps() {
    for (int dy = -kReach; dy <= kReach; ++dy) {
        for (int dx = -kReach; dx <= kReach; ++dx) {
            const std::size_t i = static_cast<std::size_t>((dy + kReach) * kSide + dx + kReach);
            // Through the same call as the layers' lines.
            usable_[i] = Learn(
                [dx, dy](QPainter& p, QPoint o) {
                    const QLine line(o, o + QPoint(dx, dy));
                    p.drawLines(&line, 1);
                },
                stamps_[i]);
        }
    }
}

CurveStamps& CurveStamps::Shared() {
    static CurveStamps stamps;
    return stamps;
}

CurveStamps::CurveStamps() : entries_(std::make_unique<Entry[]>(kEntries)) {}

const PixelStamp* CurveStamps::Find(QPoint c1, QPoint c2, QPoint end) {
    const auto within = [](QPoint p, int reach) {
        return p.x() >= -reach && p.x() <= reach && p.y() >= -reach && p.y() <= reach;
    };
    if (!within(end, kEndReach) || !within(c1, kControlReach) || !within(c2, kControlReach)) {
        return nullptr;
    }
    std::size_t i =
        static_cast<std::size_t>((end.y() + kEndReach) * kEndSide + end.x() + kEndReach);
    for (const QPoint c : {c1, c2}) {
        i = i * kControlSide + static_cast<std::size_t>(c.y() + kControlReach);
        i = i * kControlSide + static_cast<std::size_t>(c.x() + kControlReach);
    }
    Entry& e = entries_[i];
    std::uint8_t state = e.state.load(std::memory_order_acquire);
    if (state == kUnknown &&
        e.state.compare_exchange_strong(state, kLearning, std::memory_order_acquire)) {
        // Through the same calls as the layers' curves.
        const bool fit = Learn(
            [&](QPainter& p, QPoint o) {
                QPainterPath path;
                path.moveTo(o);
                path.cubicTo(o + c1, o + c2, o + end);
                p.drawPath(path);
            },
            e.stamp);
        state = fit ? kReady : kUnfit;
        e.state.store(state, std::memory_order_release);
    }
    return state == kReady ? &e.stamp : nullptr;
}

}  // namespace tarvik
