#pragma once

#include <QMetaObject>
#include <QObject>
#include <functional>
#include <optional>
#include <stop_token>
#include <thread>
#include <utility>

namespace tarvik {

// Work over a loaded model on a thread of its own, so that the window does not wait for it;
// its result arrives on the receiver's thread, unless a stop or a newer start came first. The
// model must not change while the work runs: Stop comes first.
template <typename Result>
class BackgroundWork {
  public:
    // Returns nothing when it was asked to stop.
    using Work = std::function<std::optional<Result>(std::stop_token stop)>;
    using Done = std::function<void(Result result)>;

    explicit BackgroundWork(QObject& receiver) : receiver_(receiver) {}
    ~BackgroundWork() { Stop(); }
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    void Start(Work work, Done done) {
        Stop();
        running_ = true;
        const unsigned generation = ++generation_;
        thread_ = std::jthread([this, work = std::move(work), done = std::move(done),
                                generation](std::stop_token stop) mutable {
            std::optional<Result> result = work(stop);
            if (!result || stop.stop_requested()) return;
            QMetaObject::invokeMethod(
                &receiver_,
                [this, generation, done = std::move(done), result = std::move(*result)]() mutable {
                    // A newer load or a stop came first: the result is of a model gone.
                    if (generation != generation_) return;
                    running_ = false;
                    done(std::move(result));
                },
                Qt::QueuedConnection);
        });
    }
    // Ends running work and waits for its thread; its result never arrives.
    void Stop() {
        ++generation_;
        running_ = false;
        if (thread_.joinable()) {
            thread_.request_stop();
            thread_.join();
        }
    }
    bool Running() const { return running_; }

  private:
    QObject& receiver_;
    std::jthread thread_;
    // Results of work stopped after it posted them are told apart by this.
    unsigned generation_ = 0;
    bool running_ = false;
};

}  // namespace tarvik
