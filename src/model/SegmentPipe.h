#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "SegmentStore.h"

namespace tarvik {

// Hands the segments a reading makes to the store on a thread of its own, in the order they
// were made, so that joining them runs beside the reading. Without a thread to spare they are
// stored at once. The store must not be looked at while segments are on their way: Flush
// first.
class SegmentPipe {
  public:
    explicit SegmentPipe(SegmentStore& store);
    // Stores what was handed over, then ends the thread.
    ~SegmentPipe();
    SegmentPipe(const SegmentPipe&) = delete;
    SegmentPipe& operator=(const SegmentPipe&) = delete;

    // A segment to store and join; with extendBounds its ends also widen the store's bounds
    // (the first such segment starts them). Rethrows an error the store met earlier.
    void Add(SegmentInput input, bool extendBounds);
    // Waits until everything handed over is stored; rethrows an error the store met.
    void Flush();

  private:
    struct Item {
        SegmentInput input;
        std::string name;  // input.name views it once stored
        bool extendBounds = false;
    };
    using Batch = std::vector<Item>;

    void Store(Batch& batch);
    void Run();
    // Hands the filling batch over.
    void Send();

    static constexpr std::size_t kBatch = 512;
    static constexpr std::size_t kBatchesAhead = 4;

    SegmentStore& store_;
    bool firstBounds_ = true;  // touched by whichever side stores
    Batch filling_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Batch> ready_;  // oldest first
    std::vector<Batch> free_;
    bool storing_ = false;  // the thread holds a batch
    bool closed_ = false;
    std::exception_ptr error_;  // the store's, on the thread
    std::thread thread_;        // last, so that it starts once everything above exists
};

}  // namespace tarvik
