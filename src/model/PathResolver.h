#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "FileSystem.h"

namespace tarvik {

// Finds files named by include statements. Sceneries are written on file systems that ignore
// case, so a path that does not exist as written is matched component by component ignoring
// the case of A to Z, also reading a component as CP1250 to meet a UTF-8 file name. Folder
// listings and the answers for each path asked are kept for the resolver's life: one load reads
// each folder at most once, however many missing includes point into it, and a path included
// again costs no look at the file system.
class PathResolver {
  public:
    explicit PathResolver(const FileSystem& files) : files_(files) {}

    // The path of an existing regular file, or nothing.
    std::optional<std::string> Locate(const std::string& path);

  private:
    std::optional<std::string> Find(const std::string& path);
    std::optional<std::string> MatchEntry(const std::string& dir, std::string_view name);

    const FileSystem& files_;
    // folder -> lower-case name -> the smallest name of that spelling
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> listings_;
    // Bounded, so that a file of countless different include names cannot fill the memory.
    static constexpr std::size_t kMostAnswers = 100'000;
    std::unordered_map<std::string, std::optional<std::string>> answers_;
};

}  // namespace tarvik
