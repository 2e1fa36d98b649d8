#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

// Modification time (days since 30 December 1899, local time, with the fraction of the day)
// and size in bytes of a file.
struct FileStamp {
    double date = 0;
    std::int64_t size = 0;

    bool operator==(const FileStamp&) const = default;
};

// An opened file, read from start to end.
class FileSource {
  public:
    virtual ~FileSource() = default;
    // Fills up to size bytes and returns how many; 0 at the end. Throws on a read error.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    // Taken when the file was opened.
    virtual FileStamp Stamp() const = 0;
    // Equal for two opens of the same file, however its path was written.
    virtual std::string Identity() const = 0;
};

// The file operations the loader needs, so that tests and fuzzing can supply files in memory.
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // True for an existing regular file at exactly this path.
    virtual bool FileExists(const std::string& path) const = 0;
    // True for anything at this path: a file or a folder.
    virtual bool Exists(const std::string& path) const = 0;
    // Names in a folder ("" is the working folder); empty when it cannot be read.
    virtual std::vector<std::string> ListDirectory(const std::string& dir) const = 0;
    virtual std::optional<FileStamp> Stamp(const std::string& path) const = 0;
    // Throws std::runtime_error with a message for the user when the file cannot be opened.
    virtual std::unique_ptr<FileSource> Open(const std::string& path) const = 0;
};

// The real file system.
class PosixFileSystem final : public FileSystem {
  public:
    bool FileExists(const std::string& path) const override;
    bool Exists(const std::string& path) const override;
    std::vector<std::string> ListDirectory(const std::string& dir) const override;
    std::optional<FileStamp> Stamp(const std::string& path) const override;
    std::unique_ptr<FileSource> Open(const std::string& path) const override;
};

// Days since 30 December 1899 in local time for a time in seconds since 1970.
double ToDelphiDate(std::int64_t seconds, std::int64_t nanoseconds);

}  // namespace tarvik
