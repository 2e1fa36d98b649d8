#include "RecentFiles.h"

#include <algorithm>

#include "Cp1250.h"

namespace tarvik {

void RecentFiles::SetCount(int count) {
    count_ = std::clamp(count, 0, kItems);
}

void RecentFiles::Add(const std::string& path, const std::string& name) {
    if (count_ == 0) return;
    int k = count_ - 1;
    for (int i = 0; i < count_; ++i) {
        if (Item(i).path != path) continue;
        if (i == 0) return;
        k = i;
        break;
    }
    for (int n = k; n >= 1; --n)
        Item(n) = Item(n - 1);
    const std::size_t slash = path.find_last_of('/');
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    Item(0) = {name.empty() ? DisplayPath(fileName) : name, path, true};
}

}  // namespace tarvik
