#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <thread>

#include "TrackGradients.h"

namespace tarvik {

// Measures the gradients of a loaded model's tracks on a thread of their own, so that neither
// the load nor the first drawing by gradient waits for them; the table arrives on the
// receiver's thread. The model must not change while they are measured: Stop comes first.
class GradientsMeasure {
  public:
    using Done = std::function<void(std::shared_ptr<const TrackGradients> table)>;

    explicit GradientsMeasure(QObject& receiver) : receiver_(receiver) {}
    ~GradientsMeasure() { Stop(); }
    GradientsMeasure(const GradientsMeasure&) = delete;
    GradientsMeasure& operator=(const GradientsMeasure&) = delete;

    // done runs on the receiver's thread unless the measuring is stopped or started again
    // first.
    void Start(const SegmentList& tracks, const TWorkMode& mode, Done done);
    // Ends a running measuring and waits for its thread; its table never arrives.
    void Stop();
    bool Running() const { return running_; }

  private:
    QObject& receiver_;
    std::jthread thread_;
    // Tables of a measuring stopped after it posted them are told apart by this.
    unsigned generation_ = 0;
    bool running_ = false;
};

}  // namespace tarvik
