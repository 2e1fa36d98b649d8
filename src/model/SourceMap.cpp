#include "SourceMap.h"

#include <algorithm>

#include "Cp1250.h"

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

std::string ShownSourceFile(const SourceMap& sources, std::uint32_t file) {
    const std::string& path = sources.Path(file);
    const std::string& top = sources.Path(0);
    const std::size_t slash = top.find_last_of('/');
    if (slash != std::string::npos && path.size() > slash + 1 &&
        path.compare(0, slash + 1, top, 0, slash + 1) == 0) {
        return DisplayPath(std::string_view(path).substr(slash + 1));
    }
    return DisplayPath(path);
}

std::string ShownSourcePlace(const SourceMap& sources, SourceLine line) {
    const SourceLocation at = sources.Locate(line);
    if (!at.Known()) return {};
    return ShownSourceFile(sources, at.file) + ":" + std::to_string(at.line);
}

}  // namespace tarvik
