#include "TrackGradients.h"

#include "SegmentGeometry.h"

namespace tarvik {

std::optional<TrackGradients> TrackGradients::Measure(const SegmentList& tracks,
                                                      const TWorkMode& mode, std::stop_token stop) {
    TrackGradients table;
    table.steps_ = mode.InterpolateSteps;
    table.values_.reserve(tracks.Count());
    for (const TSegmentObj& s : tracks) {
        // Asked now and then: the question costs more than a straight piece's gradient.
        if (table.values_.size() % 4096 == 0 && stop.stop_requested()) return std::nullopt;
        table.values_.push_back(SegmentGradient(s, mode));
    }
    return table;
}

}  // namespace tarvik
