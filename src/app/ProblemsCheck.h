#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "BackgroundWork.h"
#include "Problems.h"

namespace tarvik {

// The checks over a loaded model on a thread of their own, so that the window does not wait
// for them after a load; the result arrives on the receiver's thread. The model must not
// change while a check runs: Stop comes first.
class ProblemsCheck {
  public:
    using Done = std::function<void(std::vector<Problem> found)>;

    explicit ProblemsCheck(QObject& receiver) : work_(receiver) {}

    // done runs on the receiver's thread unless the check is stopped first.
    void Start(const TScenery& scenery, ModelCheckOptions options, Done done);
    // Ends a running check and waits for its thread; its result never arrives.
    void Stop() { work_.Stop(); }
    bool Running() const { return work_.Running(); }

  private:
    BackgroundWork<std::vector<Problem>> work_;
};

}  // namespace tarvik
