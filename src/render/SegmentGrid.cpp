#include "SegmentGrid.h"

#include <cmath>
#include <limits>

namespace tarvik {
namespace {

struct Extent {
    double x0, y0, x1, y1;
};

// The box of the end and control points, a little wider: the culling test compares single
// floats, which may lie a hair outside the doubles they come from.
Extent ExtentOf(const TSegmentObj& s) {
    Extent e{std::min(s.X1, s.X2), std::min(s.Y1, s.Y2), std::max(s.X1, s.X2),
             std::max(s.Y1, s.Y2)};
    if (const TControlPoints* c = s.Control()) {
        for (const auto& [x, y] :
             {std::pair{s.X1 + c->CX1, s.Y1 + c->CY1}, std::pair{s.X2 + c->CX2, s.Y2 + c->CY2}}) {
            e = {std::min(e.x0, x), std::min(e.y0, y), std::max(e.x1, x), std::max(e.y1, y)};
        }
    }
    const double margin = 1e-3 + 1e-6 * std::max({std::fabs(e.x0), std::fabs(e.y0), std::fabs(e.x1),
                                                  std::fabs(e.y1)});
    return {e.x0 - margin, e.y0 - margin, e.x1 + margin, e.y1 + margin};
}

constexpr int kLargeCells = 64;

}  // namespace

SegmentGrid::SegmentGrid(const SegmentList& list) {
    order_.reserve(list.Count());
    std::vector<Extent> extents;
    extents.reserve(list.Count());
    Extent all{std::numeric_limits<double>::max(), std::numeric_limits<double>::max(),
               std::numeric_limits<double>::lowest(), std::numeric_limits<double>::lowest()};
    for (const TSegmentObj& s : list) {
        const Extent e = ExtentOf(s);
        if (!std::isfinite(e.x0) || !std::isfinite(e.y0) || !std::isfinite(e.x1) ||
            !std::isfinite(e.y1)) {
            // Beyond any grid: such a segment is simply checked on every query.
            large_.push_back(static_cast<std::uint32_t>(order_.size()));
            extents.push_back({0, 0, 0, 0});
            order_.push_back(&s);
            continue;
        }
        all = {std::min(all.x0, e.x0), std::min(all.y0, e.y0), std::max(all.x1, e.x1),
               std::max(all.y1, e.y1)};
        extents.push_back(e);
        order_.push_back(&s);
    }
    if (order_.size() == large_.size()) return;

    // About four segments a cell, in the proportions of the scenery.
    const double width = std::max(all.x1 - all.x0, 1.0);
    const double height = std::max(all.y1 - all.y0, 1.0);
    const double cells = std::clamp(static_cast<double>(order_.size()) / 4, 1.0, 4.0e6);
    nx_ = std::clamp(static_cast<int>(std::sqrt(cells * width / height)), 1, 4096);
    ny_ = std::clamp(static_cast<int>(cells / nx_), 1, 4096);
    x0_ = all.x0;
    y0_ = all.y0;
    cellW_ = width / nx_;
    cellH_ = height / ny_;

    const auto cellOf = [this](double v, double origin, double size, int n) {
        return std::clamp(static_cast<int>(std::floor((v - origin) / size)), 0, n - 1);
    };
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(nx_) * ny_ + 1, 0);
    const auto forCells = [&](std::uint32_t i, auto&& action) {
        const Extent& e = extents[i];
        const int cx0 = cellOf(e.x0, x0_, cellW_, nx_), cx1 = cellOf(e.x1, x0_, cellW_, nx_);
        const int cy0 = cellOf(e.y0, y0_, cellH_, ny_), cy1 = cellOf(e.y1, y0_, cellH_, ny_);
        if ((cx1 - cx0 + 1) * (cy1 - cy0 + 1) > kLargeCells) return false;
        for (int cy = cy0; cy <= cy1; ++cy) {
            for (int cx = cx0; cx <= cx1; ++cx)
                action(static_cast<std::size_t>(cy) * nx_ + cx);
        }
        return true;
    };
    std::vector<bool> isLarge(order_.size(), false);
    for (const std::uint32_t i : large_)
        isLarge[i] = true;
    for (std::uint32_t i = 0; i < order_.size(); ++i) {
        if (isLarge[i]) continue;
        if (!forCells(i, [&](std::size_t cell) { ++counts[cell + 1]; })) {
            isLarge[i] = true;
            large_.push_back(i);
        }
    }
    for (std::size_t c = 1; c < counts.size(); ++c)
        counts[c] += counts[c - 1];
    cellStart_ = counts;
    entries_.resize(counts.back());
    std::vector<std::uint32_t> fill(counts.begin(), counts.end() - 1);
    for (std::uint32_t i = 0; i < order_.size(); ++i) {
        if (!isLarge[i]) forCells(i, [&](std::size_t cell) { entries_[fill[cell]++] = i; });
    }
    std::sort(large_.begin(), large_.end());
}

bool SegmentGrid::CellRange(TPointF min, TPointF max, int& cx0, int& cy0, int& cx1,
                            int& cy1) const {
    if (nx_ == 0) return false;
    const double gx1 = x0_ + cellW_ * nx_;
    const double gy1 = y0_ + cellH_ * ny_;
    if (max.x < x0_ || max.y < y0_ || min.x > gx1 || min.y > gy1) return false;
    const auto cell = [](double v, double origin, double size, int n) {
        return std::clamp(static_cast<int>(std::floor((v - origin) / size)), 0, n - 1);
    };
    cx0 = cell(min.x, x0_, cellW_, nx_);
    cx1 = cell(max.x, x0_, cellW_, nx_);
    cy0 = cell(min.y, y0_, cellH_, ny_);
    cy1 = cell(max.y, y0_, cellH_, ny_);
    return true;
}

}  // namespace tarvik
