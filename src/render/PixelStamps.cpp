#include "PixelStamps.h"

#include <QLine>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <functional>

namespace tarvik {

namespace {

// Room around the origin on every side: a piece of the longest reach and whatever the pen sets
// beside it, with a frame that the pen must not reach.
constexpr int kScratchReach = std::max(LineStamps::kReach, CurveStampCache::kReach) + 3;

// A picture with a painter of the pen on it, kept by each thread that learns stamps: starting
// a painter costs more than drawing a small piece. Its pixels are all background between
// learnings.
struct Scratch {
    static constexpr int kSide = 2 * kScratchReach + 1;
    static constexpr QRgb kBackground = 0xFF000000;
    QImage image{kSide, kSide, QImage::Format_RGB32};
    // Taken before the painter starts, as the picture's pixels do not move while it paints.
    uchar* bits = image.bits();
    qsizetype stride = image.bytesPerLine();
    QPainter painter{&image};

    Scratch() {
        for (int y = 0; y < kSide; ++y)
            std::fill(Row(y), Row(y) + kSide, kBackground);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::white, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
    }
    QRgb* Row(int y) { return reinterpret_cast<QRgb*>(bits + y * stride); }
};

// Hands add(dx, dy) the pixels the pen sets when draw draws a piece from the scratch picture's
// middle, as offsets from it. box holds the piece's points, in offsets; the pen may set pixels
// up to a pixel beyond them. False when a pixel lies farther out, or when add refuses one.
bool Learn(const std::function<void(QPainter&, QPoint)>& draw, QRect box,
           const std::function<bool(std::int8_t, std::int8_t)>& add) {
    thread_local Scratch scratch;
    constexpr int o = kScratchReach;
    // The frame: two pixels beyond the points, which the pen must leave alone.
    const QRect frame =
        box.adjusted(-2, -2, 2, 2).intersected(QRect(-o, -o, Scratch::kSide, Scratch::kSide));
    draw(scratch.painter, QPoint(o, o));
    bool fit = true;
    for (int y = frame.top(); y <= frame.bottom(); ++y) {
        QRgb* const row = scratch.Row(y + o);
        for (int x = frame.left(); x <= frame.right(); ++x) {
            if (row[x + o] == Scratch::kBackground) continue;
            row[x + o] = Scratch::kBackground;
            const bool edge =
                x == frame.left() || x == frame.right() || y == frame.top() || y == frame.bottom();
            if (!fit || edge || !add(static_cast<std::int8_t>(x), static_cast<std::int8_t>(y))) {
                fit = false;
            }
        }
    }
    if (!fit) {
        // Whatever the pen set beyond the frame goes too.
        for (int y = 0; y < Scratch::kSide; ++y)
            std::fill(scratch.Row(y), scratch.Row(y) + Scratch::kSide, Scratch::kBackground);
    }
    return fit;
}

// Learns a stamp of at most N pixels.
template <int N>
bool Learn(const std::function<void(QPainter&, QPoint)>& draw, QRect box, PixelStamp<N>& stamp) {
    stamp = PixelStamp<N>{};
    return Learn(draw, box, [&stamp](std::int8_t dx, std::int8_t dy) {
        if (stamp.count == N) return false;
        stamp.pixels[stamp.count++] = {dx, dy};
        stamp.left = std::min(stamp.left, dx);
        stamp.right = std::max(stamp.right, dx);
        stamp.top = std::min(stamp.top, dy);
        stamp.bottom = std::max(stamp.bottom, dy);
        return true;
    });
}

// The box of a curve's points, as offsets from its first end.
QRect CurveBox(QPoint c1, QPoint c2, QPoint end) {
    const int left = std::min({0, c1.x(), c2.x(), end.x()});
    const int top = std::min({0, c1.y(), c2.y(), end.y()});
    const int right = std::max({0, c1.x(), c2.x(), end.x()});
    const int bottom = std::max({0, c1.y(), c2.y(), end.y()});
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Whether p lies at most reach pixels across and down from the origin.
bool Within(QPoint p, int reach) {
    return p.x() >= -reach && p.x() <= reach && p.y() >= -reach && p.y() <= reach;
}

// Draws a curve through the same calls as the layers' curves.
std::function<void(QPainter&, QPoint)> CurveDrawing(QPoint c1, QPoint c2, QPoint end) {
    return [c1, c2, end](QPainter& p, QPoint o) {
        QPainterPath path;
        path.moveTo(o);
        path.cubicTo(o + c1, o + c2, o + end);
        p.drawPath(path);
    };
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
                QRect(QPoint(std::min(0, dx), std::min(0, dy)),
                      QPoint(std::max(0, dx), std::max(0, dy))),
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
    if (!Within(end, kEndReach) || !Within(c1, kControlReach) || !Within(c2, kControlReach)) {
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
        const bool fit = Learn(CurveDrawing(c1, c2, end), CurveBox(c1, c2, end), e.stamp);
        state = fit ? kReady : kUnfit;
        e.state.store(state, std::memory_order_release);
    }
    return state == kReady ? &e.stamp : nullptr;
}

CurveStampCache::CurveStampCache(std::size_t mostPixels)
    : mostPixelsPerPart_(std::max<std::size_t>(1, mostPixels / kParts)) {}

CurveStampCache& CurveStampCache::Shared() {
    static CurveStampCache cache;
    return cache;
}

bool CurveStampCache::Set(QPoint c1, QPoint c2, QPoint end, QPoint at, const StampTarget& target) {
    std::uint64_t key = 0;
    for (const QPoint p : {end, c1, c2}) {
        if (!Within(p, kReach)) return false;
        key = (key << 6 | static_cast<std::uint64_t>(p.x() + kReach)) << 6 |
              static_cast<std::uint64_t>(p.y() + kReach);
    }
    Part& part = parts_[(key * 0x9E3779B97F4A7C15ull) >> 58];
    std::unique_lock lock(part.mutex);
    auto found = part.entries.find(key);
    if (found == part.entries.end()) {
        // Learned outside the lock, on this thread's scratch picture.
        lock.unlock();
        Entry learned;
        std::vector<std::array<std::int8_t, 2>> pixels;
        learned.fit = Learn(CurveDrawing(c1, c2, end), CurveBox(c1, c2, end),
                            [&](std::int8_t dx, std::int8_t dy) {
                                pixels.push_back({dx, dy});
                                learned.left = std::min(learned.left, dx);
                                learned.right = std::max(learned.right, dx);
                                learned.top = std::min(learned.top, dy);
                                learned.bottom = std::max(learned.bottom, dy);
                                return true;
                            });
        lock.lock();
        if (part.pixels.size() + pixels.size() > mostPixelsPerPart_) {
            part.entries.clear();
            part.pixels.clear();
        }
        learned.first = static_cast<std::uint32_t>(part.pixels.size());
        learned.count = static_cast<std::uint16_t>(pixels.size());
        part.pixels.insert(part.pixels.end(), pixels.begin(), pixels.end());
        found = part.entries.try_emplace(key, learned).first;
    }
    const Entry& e = found->second;
    if (!e.fit || at.x() + e.left < 0 || at.x() + e.right >= target.width ||
        at.y() + e.top < target.top || at.y() + e.bottom >= target.bottom) {
        return false;
    }
    const std::array<std::int8_t, 2>* const pixels = part.pixels.data() + e.first;
    for (std::uint16_t i = 0; i < e.count; ++i) {
        reinterpret_cast<QRgb*>(target.bits +
                                (at.y() + pixels[i][1]) * target.stride)[at.x() + pixels[i][0]] =
            target.color;
    }
    return true;
}

}  // namespace tarvik
