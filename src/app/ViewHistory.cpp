#include "ViewHistory.h"

namespace tarvik {

bool ViewHistory::Same(const Rect& a, const ViewState& b) {
    return a.min.x == b.ViewMin.x && a.min.y == b.ViewMin.y && a.max.x == b.ViewMax.x &&
           a.max.y == b.ViewMax.y;
}

void ViewHistory::Visit(const ViewState& view, bool replace) {
    const Rect rect{view.ViewMin, view.ViewMax};
    if (views_.empty()) {
        views_.push_back(rect);
        current_ = 0;
        return;
    }
    if (Same(views_[current_], view)) return;
    views_.erase(views_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, views_.end());
    // The first step of a held key goes back to here; its later steps only move on from it.
    if (replace && current_ > 0) {
        views_[current_] = rect;
        return;
    }
    views_.push_back(rect);
    if (views_.size() > kLimit) views_.pop_front();
    current_ = views_.size() - 1;
}

void ViewHistory::Reset(const ViewState& view) {
    views_.assign(1, Rect{view.ViewMin, view.ViewMax});
    current_ = 0;
}

std::optional<ViewState> ViewHistory::Back() {
    if (!CanGoBack()) return std::nullopt;
    --current_;
    return ViewState{views_[current_].min, views_[current_].max, 0};
}

std::optional<ViewState> ViewHistory::Forward() {
    if (!CanGoForward()) return std::nullopt;
    ++current_;
    return ViewState{views_[current_].min, views_[current_].max, 0};
}

}  // namespace tarvik
