#pragma once

#include <QObject>
#include <functional>
#include <thread>
#include <vector>

#include "Problems.h"

namespace tarvik {

// The checks over a loaded model on a thread of their own, so that the window does not wait
// for them after a load; the result arrives on the receiver's thread. The model must not
// change while a check runs: Stop comes first.
class ProblemsCheck {
  public:
    using Done = std::function<void(std::vector<Problem> found)>;

    explicit ProblemsCheck(QObject& receiver) : receiver_(receiver) {}
    ~ProblemsCheck() { Stop(); }
    ProblemsCheck(const ProblemsCheck&) = delete;
    ProblemsCheck& operator=(const ProblemsCheck&) = delete;

    // done runs on the receiver's thread unless the check is stopped first.
    void Start(const TScenery& scenery, ModelCheckOptions options, Done done);
    // Ends a running check and waits for its thread; its result never arrives.
    void Stop();
    bool Running() const { return running_; }

  private:
    QObject& receiver_;
    std::jthread thread_;
    // Results of a check stopped after it posted them are told apart by this.
    unsigned generation_ = 0;
    bool running_ = false;
};

}  // namespace tarvik
