#include "SegmentPipe.h"

#include <system_error>
#include <utility>

namespace tarvik {

SegmentPipe::SegmentPipe(SegmentStore& store) : store_(store) {
    filling_.reserve(kBatch);
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        // Stored at once, on the reading's thread.
    }
}

SegmentPipe::~SegmentPipe() {
    if (!thread_.joinable()) {
        try {
            Store(filling_);
        } catch (...) {
            // The reading is ending with an error of its own already.
        }
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        if (!filling_.empty()) ready_.push_back(std::move(filling_));
        closed_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void SegmentPipe::Add(SegmentInput input, bool extendBounds) {
    Item& item = filling_.emplace_back();
    item.name.assign(input.name);
    item.input = std::move(input);
    item.extendBounds = extendBounds;
    if (filling_.size() == kBatch) Send();
}

void SegmentPipe::Flush() {
    Send();
    if (!thread_.joinable()) return;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return (ready_.empty() && !storing_) || error_; });
    if (error_) std::rethrow_exception(error_);
}

void SegmentPipe::Send() {
    if (!thread_.joinable()) {
        Store(filling_);
        return;
    }
    std::unique_lock lock(mutex_);
    if (error_) std::rethrow_exception(error_);
    if (filling_.empty()) return;
    // A bounded queue: the reading waits when the store falls far behind.
    changed_.wait(lock, [this] { return ready_.size() < kBatchesAhead || error_; });
    if (error_) std::rethrow_exception(error_);
    ready_.push_back(std::move(filling_));
    if (free_.empty()) {
        filling_ = Batch();
        filling_.reserve(kBatch);
    } else {
        filling_ = std::move(free_.back());
        free_.pop_back();
    }
    lock.unlock();
    changed_.notify_all();
}

void SegmentPipe::Store(Batch& batch) {
    // The join index's buckets at a segment's end are asked for a few segments ahead: on a
    // large scenery most of them are not in the caches, and a fetch takes as long as storing
    // a few segments.
    constexpr std::size_t kAhead = 8;
    const auto fetch = [this, &batch](std::size_t i) {
        if (i >= batch.size()) return;
        const SegmentInput& input = batch[i].input;
        store_.PrefetchJoin(input.kind, input.x2, input.y2);
    };
    for (std::size_t i = 0; i < kAhead; ++i)
        fetch(i);
    for (std::size_t i = 0; i < batch.size(); ++i) {
        fetch(i + kAhead);
        Item& item = batch[i];
        SegmentInput& input = item.input;
        input.name = item.name;
        if (item.extendBounds) {
            if (firstBounds_) {
                store_.StartBounds(input.x1, input.y1, input.x2, input.y2);
                firstBounds_ = false;
            } else {
                store_.ExtendBounds(input.x1, input.y1);
                store_.ExtendBounds(input.x2, input.y2);
            }
        }
        store_.JoinSegment(store_.NewSegment(std::move(input)));
    }
    batch.clear();
}

void SegmentPipe::Run() {
    for (;;) {
        Batch batch;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return !ready_.empty() || closed_; });
            if (ready_.empty()) return;
            batch = std::move(ready_.front());
            ready_.erase(ready_.begin());
            storing_ = true;
        }
        changed_.notify_all();
        try {
            Store(batch);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            error_ = std::current_exception();
            storing_ = false;
            ready_.clear();
            changed_.notify_all();
            return;
        }
        {
            const std::lock_guard lock(mutex_);
            storing_ = false;
            free_.push_back(std::move(batch));
        }
        changed_.notify_all();
    }
}

}  // namespace tarvik
