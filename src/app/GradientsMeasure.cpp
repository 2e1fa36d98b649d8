#include "GradientsMeasure.h"

#include <optional>
#include <utility>

namespace tarvik {

void GradientsMeasure::Start(const SegmentList& tracks, const TWorkMode& mode, Done done) {
    work_.Start(
        [&tracks,
         mode](std::stop_token stop) -> std::optional<std::shared_ptr<const TrackGradients>> {
            std::optional<TrackGradients> measured = TrackGradients::Measure(tracks, mode, stop);
            if (!measured) return std::nullopt;
            return std::make_shared<const TrackGradients>(std::move(*measured));
        },
        std::move(done));
}

}  // namespace tarvik
