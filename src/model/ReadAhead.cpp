#include "ReadAhead.h"

#include <cstring>

namespace tarvik {
namespace {

constexpr char kEndOfFileMark = 26;

}  // namespace

ReadAhead::ReadAhead(FileSource& source, std::size_t chunkSize, std::size_t headroom, int buffers)
    : source_(source), chunkSize_(chunkSize), headroom_(headroom) {
    for (int i = 0; i < buffers; ++i)
        free_.emplace_back();
    thread_ = std::thread([this] { Run(); });
}

ReadAhead::~ReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

ReadAhead::Chunk ReadAhead::Next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
    if (ready_.empty()) {
        if (error_) std::rethrow_exception(error_);
        return Chunk{{}, 0, true};
    }
    Chunk chunk = std::move(ready_.front());
    ready_.erase(ready_.begin());
    return chunk;
}

void ReadAhead::Recycle(std::vector<char> buffer) {
    {
        const std::lock_guard lock(mutex_);
        free_.push_back(std::move(buffer));
    }
    changed_.notify_all();
}

void ReadAhead::Run() {
    for (;;) {
        Chunk chunk;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stop_ || !free_.empty(); });
            if (stop_) return;
            chunk.buffer = std::move(free_.back());
            free_.pop_back();
        }
        try {
            chunk.buffer.resize(headroom_ + chunkSize_);
            char* const data = chunk.buffer.data() + headroom_;
            while (chunk.size < chunkSize_) {
                const std::size_t n = source_.Read(data + chunk.size, chunkSize_ - chunk.size);
                if (n == 0) {
                    chunk.last = true;
                    break;
                }
                const void* mark = std::memchr(data + chunk.size, kEndOfFileMark, n);
                if (mark) {
                    chunk.size = static_cast<std::size_t>(static_cast<const char*>(mark) - data);
                    chunk.last = true;
                    break;
                }
                chunk.size += n;
            }
        } catch (...) {
            const std::lock_guard lock(mutex_);
            error_ = std::current_exception();
            finished_ = true;
            changed_.notify_all();
            return;
        }
        const bool last = chunk.last;
        {
            const std::lock_guard lock(mutex_);
            ready_.push_back(std::move(chunk));
            finished_ = last;
        }
        changed_.notify_all();
        if (last) return;
    }
}

}  // namespace tarvik
