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
constexpr int kScratchReach = LineStamps::kReach + 2;

// A picture with a painter of the pen on it, kept by each thread that learns stamps: starting
// a painter costs more than drawing a small piece.
struct Scratch {
    static constexpr int kSide = 2 * kScratchReach + 1;
    QImage image{kSide, kSide, QImage::Format_RGB32};
    // Taken before the painter starts, as the picture's pixels do not move while it paints.
    uchar* bits = image.bits();
    qsizetype stride = image.bytesPerLine();
    QPainter painter{&image};

    Scratch() {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
    }
    QRgb* Row(int y) { return reinterpret_cast<QRgb*>(bits + y * stride); }
};

// The pixels the pen sets when draw draws a piece from the scratch picture's middle, or false
// when they do not fit a stamp.
template <int N>
bool Learn(const std::function<void(QPainter&, QPoint)>& draw, PixelStamp<N>& stamp) {
    thread_local Scratch scratch;
    constexpr int side = Scratch::kSide;
    const QRgb background = qRgb(0, 0, 0);
    for (int y = 0; y < side; ++y)
        std::fill(scratch.Row(y), scratch.Row(y) + side, background);
    draw(scratch.painter, QPoint(kScratchReach, kScratchReach));
    stamp = PixelStamp<N>{};
    bool fit = true;
    for (int y = 0; y < side; ++y) {
        const QRgb* row = scratch.Row(y);
        for (int x = 0; x < side; ++x) {
            if (row[x] == background) continue;
            if (x == 0 || y == 0 || x == side - 1 || y == side - 1 || stamp.count == N) {
                fit = false;
                continue;
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
    return fit;
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

const CurveStamps::Stamp* CurveStamps::Find(QPoint c1, QPoint c2, QPoint end) {
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
