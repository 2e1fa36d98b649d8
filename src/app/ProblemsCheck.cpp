#include "ProblemsCheck.h"

#include <QMetaObject>
#include <utility>

namespace tarvik {

void ProblemsCheck::Start(const TScenery& scenery, ModelCheckOptions options, Done done) {
    Stop();
    running_ = true;
    const unsigned generation = ++generation_;
    thread_ = std::jthread([this, &scenery, options = std::move(options), done = std::move(done),
                            generation](std::stop_token stop) mutable {
        options.stop = stop;
        std::vector<Problem> found = CheckModel(scenery, options);
        if (stop.stop_requested()) return;
        QMetaObject::invokeMethod(
            &receiver_,
            [this, generation, done = std::move(done), found = std::move(found)]() mutable {
                // A newer load or a stop came first: the result is of a model gone.
                if (generation != generation_) return;
                running_ = false;
                done(std::move(found));
            },
            Qt::QueuedConnection);
    });
}

void ProblemsCheck::Stop() {
    ++generation_;
    running_ = false;
    if (thread_.joinable()) {
        thread_.request_stop();
        thread_.join();
    }
}

}  // namespace tarvik
