#include "SourceMap.h"

#include <algorithm>

namespace tarvik {

std::uint32_t SourceMap::AddFile(const std::string& path) {
    const auto [it, added] = indexOf_.try_emplace(path, static_cast<std::uint32_t>(files_.size()));
    if (added) files_.push_back(path);
    return it->second;
}

void SourceMap::BeginRun(SourceLine first, std::uint32_t file, std::uint64_t firstLine) {
    // A run that ended before its first line is replaced rather than kept empty.
    if (!runs_.empty() && runs_.back().first == first) runs_.pop_back();
    runs_.push_back(Run{first, firstLine, file});
}

SourceLocation SourceMap::Locate(SourceLine line) const {
    if (line == kNoSourceLine) return {};
    const auto after = std::upper_bound(runs_.begin(), runs_.end(), line,
                                        [](SourceLine l, const Run& r) { return l < r.first; });
    if (after == runs_.begin()) return {};
    const Run& run = *(after - 1);
    return {run.file, run.firstLine + (line - run.first)};
}

void SourceMap::Clear() {
    files_.clear();
    indexOf_.clear();
    runs_.clear();
}

}  // namespace tarvik
