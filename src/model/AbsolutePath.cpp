#include "AbsolutePath.h"

#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace tarvik {

std::string AbsolutePath(std::string_view path, std::string_view folder) {
    if (path.empty()) return {};
    if (path.front() != '/' && folder.empty()) return std::string(path);
    std::string joined;
    if (path.front() != '/') {
        joined.assign(folder);
        joined += '/';
    }
    joined += path;
    std::string result;
    std::size_t start = 0;
    while (start <= joined.size()) {
        std::size_t end = joined.find('/', start);
        if (end == std::string::npos) end = joined.size();
        const std::string_view part(joined.data() + start, end - start);
        if (!part.empty() && part != ".") {
            result += '/';
            result += part;
        }
        start = end + 1;
    }
    if (result.empty()) result.push_back('/');
    // A name that ended in a slash keeps it: it was meant as a folder.
    if (joined.back() == '/' && result.back() != '/') result += '/';
    return result;
}

std::string WorkingFolder() {
    // get_current_dir_name() prefers $PWD when it leads to the same folder.
    const std::unique_ptr<char, decltype(&std::free)> folder(get_current_dir_name(), &std::free);
    return folder ? std::string(folder.get()) : std::string();
}

}  // namespace tarvik
