#include "GradientsMeasure.h"

#include <QMetaObject>
#include <optional>
#include <utility>

namespace tarvik {

void GradientsMeasure::Start(const SegmentList& tracks, const TWorkMode& mode, Done done) {
    Stop();
    running_ = true;
    const unsigned generation = ++generation_;
    thread_ = std::jthread(
        [this, &tracks, mode, done = std::move(done), generation](std::stop_token stop) mutable {
            std::optional<TrackGradients> measured = TrackGradients::Measure(tracks, mode, stop);
            if (!measured) return;
            auto table = std::make_shared<const TrackGradients>(std::move(*measured));
            QMetaObject::invokeMethod(
                &receiver_,
                [this, generation, done = std::move(done), table = std::move(table)]() mutable {
                    // A newer load or a stop came first: the table is of a model gone.
                    if (generation != generation_) return;
                    running_ = false;
                    done(std::move(table));
                },
                Qt::QueuedConnection);
        });
}

void GradientsMeasure::Stop() {
    ++generation_;
    running_ = false;
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

}  // namespace tarvik
