#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "BackgroundWork.h"
#include "TrackGradients.h"

namespace tarvik {

// Measures the gradients of a loaded model's tracks on a thread of their own, so that neither
// the load nor the first drawing by gradient waits for them; the table arrives on the
// receiver's thread. The model must not change while they are measured: Stop comes first.
class GradientsMeasure {
  public:
    using Done = std::function<void(std::shared_ptr<const TrackGradients> table)>;

    explicit GradientsMeasure(QObject& receiver) : work_(receiver) {}

    // done runs on the receiver's thread unless the measuring is stopped or started again
    // first.
    void Start(const SegmentList& tracks, const TWorkMode& mode, Done done);
    // Ends a running measuring and waits for its thread; its table never arrives.
    void Stop() { work_.Stop(); }
    bool Running() const { return work_.Running(); }

  private:
    BackgroundWork<std::shared_ptr<const TrackGradients>> work_;
};

}  // namespace tarvik
