#include "PathResolver.h"

#include "Cp1250.h"
#include "Text.h"

namespace tarvik {

std::optional<std::string> PathResolver::MatchEntry(const std::string& dir, std::string_view name) {
    auto [it, added] = listings_.try_emplace(dir);
    if (added) {
        for (std::string& entry : files_.ListDirectory(dir)) {
            std::string key = AsciiLowerCopy(entry);
            auto [slot, fresh] = it->second.try_emplace(std::move(key), entry);
            // Folder order is arbitrary; the smallest name keeps the choice repeatable.
            if (!fresh && entry < slot->second) slot->second = std::move(entry);
        }
    }
    const auto& listing = it->second;
    for (const std::string& key : {AsciiLowerCopy(name), AsciiLowerCopy(Cp1250ToUtf8(name))}) {
        if (const auto found = listing.find(key); found != listing.end()) return found->second;
    }
    return std::nullopt;
}

std::optional<std::string> PathResolver::Locate(const std::string& path) {
    if (const auto known = answers_.find(path); known != answers_.end()) return known->second;
    std::optional<std::string> found = Find(path);
    if (answers_.size() == kMostAnswers) answers_.clear();
    answers_.emplace(path, found);
    return found;
}

std::optional<std::string> PathResolver::Find(const std::string& path) {
    if (path.empty()) return std::nullopt;
    if (files_.FileExists(path)) return path;

    std::string resolved = path.front() == '/' ? "/" : "";
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t slash = path.find('/', pos);
        if (slash == std::string::npos) slash = path.size();
        const std::string_view part = std::string_view(path).substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty()) continue;
        const std::string prefix =
            resolved.empty() || resolved.back() == '/' ? resolved : resolved + "/";
        std::string candidate = prefix + std::string(part);
        if (part != "." && part != ".." && !files_.Exists(candidate)) {
            const auto entry = MatchEntry(resolved, part);
            if (!entry) return std::nullopt;
            candidate = prefix + *entry;
        }
        resolved = std::move(candidate);
    }
    if (files_.FileExists(resolved)) return resolved;
    return std::nullopt;
}

}  // namespace tarvik
