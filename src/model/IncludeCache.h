#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>

#include "FileSystem.h"

namespace tarvik {

// Opens the files of one load and keeps the small ones in memory as they are read, so that a
// file read again is served from there: sceneries include the same small files (signals,
// poles, track pieces) hundreds of times, and files may include each other over and over.
// A file served again has the bytes, stamp and identity of its first read.
class IncludeCache {
  public:
    struct Budget {
        std::size_t largestFile = std::size_t{256} << 10;
        // Bytes of all kept files together. When a new file does not fit, files that were
        // never read again go first, oldest first; those read again stay for the load.
        std::size_t total = std::size_t{32} << 20;
    };

    explicit IncludeCache(const FileSystem& files) : IncludeCache(files, Budget{}) {}
    // With endAtMark false a character 26 does not end a file, which is then kept whole.
    IncludeCache(const FileSystem& files, const Budget& budget, bool endAtMark = true);
    IncludeCache(const IncludeCache&) = delete;
    IncludeCache& operator=(const IncludeCache&) = delete;

    // The file at a path the resolver found. Throws as FileSystem::Open does.
    std::unique_ptr<FileSource> Open(const std::string& path);

    // What a source being read hands over once it has been read to its end.
    struct Kept {
        std::string bytes;
        FileStamp stamp;
        std::string identity;
    };
    void Keep(const std::string& path, std::shared_ptr<const Kept> file);

  private:
    struct Entry {
        std::shared_ptr<const Kept> file;
        bool readAgain = false;
    };

    static std::size_t Cost(const std::string& path, const Kept& file);

    const FileSystem& files_;
    const Budget budget_;
    const bool endAtMark_;
    std::unordered_map<std::string, Entry> entries_;
    std::deque<std::string> order_;  // paths in the order they were kept
    std::size_t used_ = 0;
};

}  // namespace tarvik
