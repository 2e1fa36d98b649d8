#pragma once

#include <QPoint>
#include <cmath>

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

    // Nearest pixel, halves to even.
    QPoint Map(double x, double y) const {
        return {static_cast<int>(std::nearbyint((x - min_.x) * m_)),
                static_cast<int>(std::nearbyint((y - min_.y) * m_))};
    }

  private:
    TPointF min_;
    TPointF max_;
    double m_ = 0;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tarvik
