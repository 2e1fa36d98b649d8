#pragma once

#include <QPoint>
#include <QTransform>

#include "SegmentStore.h"

namespace tarvik {

// One drawing's fit of a world rectangle to a picture: the scale, the rectangle widened to the
// picture's proportions, and the mapping of world points to pixels.
class MapView {
  public:
    // Fits min..max (not empty) to a picture of width x height pixels and widens min and max.
    static MapView Fit(TPointF& min, TPointF& max, int width, int height);

    double Scale() const { return m_; }
    TPointF Min() const { return min_; }
    TPointF Max() const { return max_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Nearest pixel, halves to even; points far beyond the picture are held at a distance
    // that still converts to int.
    QPoint Map(double x, double y) const {
        return {ToPixel((x - min_.x) * m_), ToPixel((y - min_.y) * m_)};
    }

    // Where the pixels of this view's picture lie in the picture of another view: the map
    // shown moved and scaled until it is drawn anew.
    QTransform To(const MapView& other) const;

    static int ToPixel(double v) {
        constexpr double kLimit = 1 << 30;
        if (!(v > -kLimit)) return -(1 << 30);
        if (v > kLimit) return 1 << 30;
        // Adding and taking away 1.5 * 2^52 rounds to a whole number, halves to even, in the
        // default rounding mode, without a library call.
        constexpr double kMagic = 6755399441055744.0;
        return static_cast<int>((v + kMagic) - kMagic);
    }

  private:
    TPointF min_;
    TPointF max_;
    double m_ = 0;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tarvik
