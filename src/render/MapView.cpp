#include "MapView.h"

namespace tarvik {

MapView MapView::Fit(TPointF& min, TPointF& max, int width, int height) {
    const double dx = static_cast<double>(max.x) - min.x;
    const double dy = static_cast<double>(max.y) - min.y;
    MapView view;
    if (width / dx >= height / dy) {
        view.m_ = height / dy;
        const double t = (width / view.m_ - dx) * 0.5;
        min.x = static_cast<float>(min.x - t);
        max.x = static_cast<float>(max.x + t);
    } else {
        view.m_ = width / dx;
        const double t = (height / view.m_ - dy) * 0.5;
        min.y = static_cast<float>(min.y - t);
        max.y = static_cast<float>(max.y + t);
    }
    view.min_ = min;
    view.max_ = max;
    view.width_ = width;
    view.height_ = height;
    return view;
}

QTransform MapView::To(const MapView& other) const {
    // A world point is at (w - min) * m in each picture.
    const double k = other.m_ / m_;
    const double dx = (static_cast<double>(min_.x) - other.min_.x) * other.m_;
    const double dy = (static_cast<double>(min_.y) - other.min_.y) * other.m_;
    return QTransform(k, 0, 0, k, dx, dy);
}

}  // namespace tarvik
