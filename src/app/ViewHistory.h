#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "ViewState.h"

namespace tarvik {

// The views the map has shown, for going back and forward through them as a browser goes
// through its pages. Only the rectangle counts; the scale follows from the window's size.
class ViewHistory {
  public:
    static constexpr std::size_t kLimit = 50;

    // A new view is shown: it becomes the current one, and the views ahead of the one left
    // are dropped. The same rectangle as the current one adds nothing. replace puts it in
    // place of the current one (a key held down moves the map in many steps, one view).
    void Visit(const ViewState& view, bool replace = false);
    // Forgets everything; the view shown now is the only one.
    void Reset(const ViewState& view);

    bool CanGoBack() const { return current_ > 0; }
    bool CanGoForward() const { return current_ + 1 < views_.size(); }
    // The view to show, now the current one; none at either end.
    std::optional<ViewState> Back();
    std::optional<ViewState> Forward();

    std::size_t Size() const { return views_.size(); }

  private:
    struct Rect {
        TPointF min;
        TPointF max;
    };
    static bool Same(const Rect& a, const ViewState& b);

    std::deque<Rect> views_;
    std::size_t current_ = 0;
};

}  // namespace tarvik
