#pragma once

#include "Segment.h"

namespace tarvik {

// The named-track list as the main window drives it: shown and hidden with its menu item,
// emptied before a load and built again after one, and the source of the highlighted track.
class TrackListWindow {
  public:
    virtual ~TrackListWindow() = default;
    virtual bool IsShown() const = 0;
    virtual void ShowWindow() = 0;
    virtual void HideWindow() = 0;
    virtual bool ListEmpty() const = 0;
    virtual void ClearList() = 0;
    virtual void BuildTrackList() = 0;
    // The track segment of the selected entry, or null.
    virtual const TSegmentObj* SelectedSegment() const = 0;
    // Mirrors "Animowane powiększenie" of the main menu on the list's own button.
    virtual void SetAnimateZoom(bool animate) = 0;
};

}  // namespace tarvik
