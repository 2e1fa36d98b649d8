#include "IncludeCache.h"

#include <algorithm>
#include <cstring>

namespace tarvik {
namespace {

constexpr char kEndOfFileMark = 26;

// A kept file, read again.
class KeptSource final : public FileSource {
  public:
    explicit KeptSource(std::shared_ptr<const IncludeCache::Kept> file) : file_(std::move(file)) {}

    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, file_->bytes.size() - pos_);
        std::memcpy(buffer, file_->bytes.data() + pos_, n);
        pos_ += n;
        return n;
    }
    FileStamp Stamp() const override { return file_->stamp; }
    std::string Identity() const override { return file_->identity; }

  private:
    std::shared_ptr<const IncludeCache::Kept> file_;
    std::size_t pos_ = 0;
};

// Reads a file for the first time and copies what it reads, handing the copy to the cache
// once the file has been read to its end, or to the end mark, after which a reader reads no
// further.
class CopyingSource final : public FileSource {
  public:
    CopyingSource(IncludeCache& cache, std::string path, std::unique_ptr<FileSource> source,
                  std::size_t largest, bool endAtMark)
        : cache_(cache),
          path_(std::move(path)),
          source_(std::move(source)),
          largest_(largest),
          endAtMark_(endAtMark) {}

    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = source_->Read(buffer, size);
        if (!copying_) return n;
        if (bytes_.size() + n > largest_) {
            // The file has grown since it was opened.
            copying_ = false;
            std::string().swap(bytes_);
            return n;
        }
        bytes_.append(buffer, n);
        if (n == 0 || (endAtMark_ && std::memchr(buffer, kEndOfFileMark, n))) {
            copying_ = false;
            cache_.Keep(path_, std::make_shared<const IncludeCache::Kept>(IncludeCache::Kept{
                                   std::move(bytes_), source_->Stamp(), source_->Identity()}));
        }
        return n;
    }
    FileStamp Stamp() const override { return source_->Stamp(); }
    std::string Identity() const override { return source_->Identity(); }

  private:
    IncludeCache& cache_;
    const std::string path_;
    std::unique_ptr<FileSource> source_;
    const std::size_t largest_;
    std::string bytes_;
    const bool endAtMark_;
    bool copying_ = true;
};

}  // namespace

IncludeCache::IncludeCache(const FileSystem& files, const Budget& budget, bool endAtMark)
    : files_(files), budget_(budget), endAtMark_(endAtMark) {}

std::unique_ptr<FileSource> IncludeCache::Open(const std::string& path) {
    if (const auto found = entries_.find(path); found != entries_.end()) {
        found->second.readAgain = true;
        return std::make_unique<KeptSource>(found->second.file);
    }
    std::unique_ptr<FileSource> source = files_.Open(path);
    const std::int64_t size = source->Stamp().size;
    if (size < 0 || static_cast<std::uint64_t>(size) > budget_.largestFile) return source;
    return std::make_unique<CopyingSource>(*this, path, std::move(source), budget_.largestFile,
                                           endAtMark_);
}

std::size_t IncludeCache::Cost(const std::string& path, const Kept& file) {
    // The strings and the entry themselves, so that many tiny files count too.
    constexpr std::size_t kOverhead = 160;
    return file.bytes.size() + 2 * path.size() + file.identity.size() + kOverhead;
}

void IncludeCache::Keep(const std::string& path, std::shared_ptr<const Kept> file) {
    const std::size_t size = Cost(path, *file);
    if (size > budget_.total || entries_.contains(path)) return;
    while (used_ + size > budget_.total && !order_.empty()) {
        const auto old = entries_.find(order_.front());
        order_.pop_front();
        // A file read again keeps its place; it leaves the queue of those that may go.
        if (old == entries_.end() || old->second.readAgain) continue;
        used_ -= Cost(old->first, *old->second.file);
        entries_.erase(old);
    }
    if (used_ + size > budget_.total) return;
    used_ += size;
    entries_.emplace(path, Entry{std::move(file), false});
    order_.push_back(path);
}

}  // namespace tarvik
