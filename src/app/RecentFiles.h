#pragma once

#include <array>
#include <string>

namespace tarvik {

// One item of the recent-files menu: the text shown, the scenery's path (the item's hint)
// and whether the item is shown.
struct RecentFileItem {
    std::string caption;  // UTF-8
    std::string path;     // file-system bytes
    bool visible = false;

    bool operator==(const RecentFileItem&) const = default;
};

// The recent-files list, newest first. Only the first Count() of the nine items take part.
class RecentFiles {
  public:
    static constexpr int kItems = 9;

    int Count() const { return count_; }
    void SetCount(int count);

    // Moves a listed path to the top, or puts a new one there and lets the oldest item in use
    // fall out. An item already at the top is left as it is. name is the scenery's name in
    // UTF-8; without one the item shows the path's file name.
    void Add(const std::string& path, const std::string& name);

    const RecentFileItem& Item(int index) const { return items_[static_cast<std::size_t>(index)]; }
    RecentFileItem& Item(int index) { return items_[static_cast<std::size_t>(index)]; }

  private:
    std::array<RecentFileItem, kItems> items_{};
    int count_ = 0;
};

}  // namespace tarvik
