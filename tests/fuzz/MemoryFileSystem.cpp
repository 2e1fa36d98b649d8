#include "MemoryFileSystem.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <stdexcept>

namespace tarvik::fuzz {
namespace {

class MemorySource final : public FileSource {
  public:
    MemorySource(const std::string& path, const std::string& bytes)
        : path_(path), bytes_(bytes) {}
    std::size_t Read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min(size, bytes_.size() - offset_);
        std::memcpy(buffer, bytes_.data() + offset_, n);
        offset_ += n;
        return n;
    }
    FileStamp Stamp() const override { return {1.0, static_cast<std::int64_t>(bytes_.size())}; }
    std::string Identity() const override { return path_; }

  private:
    std::string path_;
    const std::string& bytes_;
    std::size_t offset_ = 0;
};

// "a/./b/../c" as "a/c", so that one file has one name however an include spells it.
std::string Normal(const std::string& path) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t slash = path.find('/', pos);
        if (slash == std::string::npos) slash = path.size();
        const std::string part = path.substr(pos, slash - pos);
        pos = slash + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (const std::string& p : parts)
        out += (out.empty() ? "" : "/") + p;
    return out;
}

}  // namespace

bool MemoryFileSystem::FileExists(const std::string& path) const {
    return files_.contains(Normal(path));
}

bool MemoryFileSystem::Exists(const std::string& path) const {
    const std::string p = Normal(path);
    if (p.empty() || files_.contains(p)) return true;
    const auto it = files_.lower_bound(p + "/");
    return it != files_.end() && it->first.starts_with(p + "/");
}

std::vector<std::string> MemoryFileSystem::ListDirectory(const std::string& dir) const {
    const std::string d = Normal(dir);
    const std::string prefix = d.empty() ? "" : d + "/";
    std::set<std::string> names;
    for (const auto& [path, bytes] : files_) {
        if (!path.starts_with(prefix)) continue;
        const std::string rest = path.substr(prefix.size());
        names.insert(rest.substr(0, rest.find('/')));
    }
    return {names.begin(), names.end()};
}

std::optional<FileStamp> MemoryFileSystem::Stamp(const std::string& path) const {
    const auto it = files_.find(Normal(path));
    if (it == files_.end()) return std::nullopt;
    return FileStamp{1.0, static_cast<std::int64_t>(it->second.size())};
}

std::unique_ptr<FileSource> MemoryFileSystem::Open(const std::string& path) const {
    const auto it = files_.find(Normal(path));
    if (it == files_.end()) throw std::runtime_error("Cannot open file \"" + path + "\"");
    return std::make_unique<MemorySource>(it->first, it->second);
}

MemoryFileSystem UnpackFiles(std::string_view input) {
    MemoryFileSystem files;
    std::string name = "main.scn";
    std::size_t start = 0;
    std::size_t pos = 0;
    constexpr std::string_view kMarker = "#file ";
    while (pos <= input.size()) {
        const std::size_t end = std::min(input.find('\n', pos), input.size());
        const std::string_view line = input.substr(pos, end - pos);
        if (line.starts_with(kMarker)) {
            files.Add(name, std::string(input.substr(start, pos - start)));
            name = std::string(line.substr(kMarker.size()));
            if (!name.empty() && name.back() == '\r') name.pop_back();
            start = end + 1;
        }
        pos = end + 1;
    }
    if (start <= input.size()) files.Add(name, std::string(input.substr(start)));
    return files;
}

}  // namespace tarvik::fuzz
