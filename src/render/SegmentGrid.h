#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "Scenery.h"

namespace tarvik {

// A grid over one segment list that finds the segments that may show in a rectangle without
// testing every segment of the list. It hands them out in list order, so a drawing through it
// is the same as one over the whole list; the culling test decides as before. Built once per
// load: the model does not change between loads.
class SegmentGrid {
  public:
    explicit SegmentGrid(const SegmentList& list);

    // Calls visit(segment) for every segment whose extent (end and control points) meets
    // min..max, in list order.
    template <typename Visit>
    void ForEachCandidate(TPointF min, TPointF max, Visit&& visit) const {
        ForEachCandidateAt(min, max, [&visit](const TSegmentObj& s, std::uint32_t) { visit(s); });
    }

    // The same, as visit(segment, position in the list from 0 at its head).
    template <typename Visit>
    void ForEachCandidateAt(TPointF min, TPointF max, Visit&& visit) const {
        int cx0 = 0, cy0 = 0, cx1 = 0, cy1 = 0;
        if (!CellRange(min, max, cx0, cy0, cx1, cy1)) {
            for (const std::uint32_t i : large_)
                visit(*order_[i], i);
            return;
        }
        if (cx0 == 0 && cy0 == 0 && cx1 == nx_ - 1 && cy1 == ny_ - 1) {
            for (std::uint32_t i = 0; i < order_.size(); ++i)
                visit(*order_[i], i);
            return;
        }
        // Marks in list order, of this call alone (drawings in bands ask the same grid at
        // once): a segment met in several cells is visited once, and reading the marks in
        // order costs less than sorting the cells' entries.
        std::vector<std::uint64_t> marks((order_.size() + 63) / 64, 0);
        const auto mark = [&marks](std::uint32_t i) {
            marks[i >> 6] |= std::uint64_t{1} << (i & 63);
        };
        for (const std::uint32_t i : large_)
            mark(i);
        for (int cy = cy0; cy <= cy1; ++cy) {
            const std::size_t row = static_cast<std::size_t>(cy) * static_cast<std::size_t>(nx_);
            const std::uint32_t* first = entries_.data() + cellStart_[row + cx0];
            const std::uint32_t* last = entries_.data() + cellStart_[row + cx1 + 1];
            for (const std::uint32_t* e = first; e != last; ++e)
                mark(*e);
        }
        for (std::size_t w = 0; w < marks.size(); ++w) {
            for (std::uint64_t bits = marks[w]; bits != 0; bits &= bits - 1) {
                const auto i = static_cast<std::uint32_t>(
                    w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
                visit(*order_[i], i);
            }
        }
    }

  private:
    // The cells met by min..max, or false when it lies beside the whole grid.
    bool CellRange(TPointF min, TPointF max, int& cx0, int& cy0, int& cx1, int& cy1) const;

    std::vector<const TSegmentObj*> order_;  // the list, by position
    double x0_ = 0, y0_ = 0, cellW_ = 1, cellH_ = 1;
    int nx_ = 0, ny_ = 0;
    std::vector<std::uint32_t> cellStart_;  // per cell, where its positions begin in entries_
    std::vector<std::uint32_t> entries_;
    std::vector<std::uint32_t> large_;  // segments over many cells, checked on every query
};

// The grids of the four lists of a loaded scenery.
class SceneryIndex {
  public:
    explicit SceneryIndex(const TScenery& scenery)
        : rivers(scenery.Rivers()),
          roads(scenery.Roads()),
          tracks(scenery.Tracks()),
          tractions(scenery.Tractions()) {}

    SegmentGrid rivers;
    SegmentGrid roads;
    SegmentGrid tracks;
    SegmentGrid tractions;
};

}  // namespace tarvik
