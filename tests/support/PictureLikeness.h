#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>

namespace tarvik::test {

// How much of what a picture shows over its background another picture does not show alike:
// the share of its marked cells (4 x 4 pixels, averaged, so that lines drawn smooth or sharp
// count alike) where the other's colour is far from its own. 0 for the same picture.
inline double Unlike(const QImage& a, const QImage& b, QRgb background) {
    const QSize small = a.size() / 4;
    const auto shrink = [small](const QImage& image) {
        return image.convertToFormat(QImage::Format_RGB32)
            .scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QImage x = shrink(a);
    const QImage y = shrink(b);
    const auto far = [](QRgb p, QRgb q) {
        return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                         std::abs(qBlue(p) - qBlue(q))}) > 40;
    };
    int marked = 0;
    int unlike = 0;
    for (int j = 0; j < small.height(); ++j) {
        for (int i = 0; i < small.width(); ++i) {
            if (!far(x.pixel(i, j), background)) continue;
            ++marked;
            unlike += far(x.pixel(i, j), y.pixel(i, j));
        }
    }
    return marked ? static_cast<double>(unlike) / marked : 0;
}

}  // namespace tarvik::test
