#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "SegmentStore.h"
#include "WorkMode.h"

namespace tarvik {

// The gradient of every track of a loaded scenery, in list order, for one number of sample
// points per curve. A curve's gradient needs its length, which takes all its samples: a
// drawing that colours the whole scenery by gradient would measure every curve again. The
// owner of the model drops the table with it.
class TrackGradients {
  public:
    // SegmentGradient of each track of the list, in list order; nothing once stop is asked.
    static std::optional<TrackGradients> Measure(const SegmentList& tracks, const TWorkMode& mode,
                                                 std::stop_token stop = {});

    // Whether the table holds the gradients as the mode measures them, for a list of this
    // many tracks: a change of the sample points outdates it.
    bool Fits(const SegmentList& tracks, const TWorkMode& mode) const {
        return steps_ == mode.InterpolateSteps && values_.size() == tracks.Count();
    }
    // The gradient of the track at this position of the list, from 0 at its head.
    float At(std::uint32_t position) const { return values_[position]; }
    std::size_t Count() const { return values_.size(); }

  private:
    std::vector<float> values_;
    std::uint16_t steps_ = 0;
};

}  // namespace tarvik
