#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace tarvik {

// A line of a load, numbered in the order the lines were read across all its files, from 1;
// 0 is a line not known. One number per record says both its file and its line, and the
// smaller number was read first, which is what a join needs to keep the first piece's place.
using SourceLine = std::uint64_t;
inline constexpr SourceLine kNoSourceLine = 0;

struct SourceLocation {
    static constexpr std::uint32_t kNoFile = 0xFFFFFFFFu;
    std::uint32_t file = kNoFile;  // index into SourceMap's files
    std::uint64_t line = 0;        // 1-based line of that file
    bool Known() const { return file != kNoFile; }
};

// The files of one load and the runs of lines read from each, in reading order: a run starts
// when a file is entered and again when reading comes back to it after an include.
class SourceMap {
  public:
    // The index of a file by its path as opened; a file read again keeps its index.
    std::uint32_t AddFile(const std::string& path);
    // From `first` on, lines come from `file`, starting at its line `firstLine`.
    void BeginRun(SourceLine first, std::uint32_t file, std::uint64_t firstLine);

    SourceLocation Locate(SourceLine line) const;
    const std::string& Path(std::uint32_t file) const { return files_[file]; }
    std::size_t FileCount() const { return files_.size(); }
    void Clear();

  private:
    struct Run {
        SourceLine first = 0;
        std::uint64_t firstLine = 0;
        std::uint32_t file = 0;
    };
    std::vector<std::string> files_;
    std::unordered_map<std::string, std::uint32_t> indexOf_;
    std::vector<Run> runs_;  // ascending first
};

// A file as an author names it: relative to the folder of the load's first file (the scenery)
// when it lies below it, else whole; in UTF-8 for display.
std::string ShownSourceFile(const SourceMap& sources, std::uint32_t file);
// "file:line" with the file shown as above; empty for a line not known.
std::string ShownSourcePlace(const SourceMap& sources, SourceLine line);

}  // namespace tarvik
