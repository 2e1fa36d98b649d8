#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

enum class SegmentKind : std::uint8_t { Track = 0, Road = 1, River = 2, Traction = 3 };
inline constexpr int kSegmentKindCount = 4;

// Control vectors, relative to the start point (CX1, CY1) and to the end point (CX2, CY2).
struct TControlPoints {
    double CX1 = 0;
    double CY1 = 0;
    double CX2 = 0;
    double CY2 = 0;
};

struct TEventRef {
    std::string Key;        // first token of the event line as written, at most 255 bytes
    std::string EventName;  // second token, at most 255 bytes
};
using TEventList = std::vector<TEventRef>;

// One straight or curved piece of track, road, river or traction. The list that holds it
// gives its kind. Name, control vectors and events are rare, so they share one allocation
// and a plain straight piece costs no more than its coordinates and links.
class TSegmentObj {
  public:
    double X1 = 0;
    double Y1 = 0;
    double X2 = 0;
    double Y2 = 0;
    double Height1 = 0;
    double Height2 = 0;

    bool HasName() const { return extras_ && !extras_->name.empty(); }
    std::string_view Name() const { return extras_ ? std::string_view(extras_->name) : ""; }
    bool IsCurve() const { return (flags_ & kCurve) != 0; }
    const TControlPoints* Control() const { return IsCurve() ? &*extras_->control : nullptr; }
    bool HasEvents() const { return extras_ && !extras_->events.empty(); }
    const TEventList& Events() const { return extras_ ? extras_->events : kNoEvents; }

    const TSegmentObj* Next() const { return next_; }

  private:
    friend class SegmentStore;
    friend class SegmentPool;

    struct Extras {
        std::string name;
        std::optional<TControlPoints> control;
        TEventList events;
    };
    static inline const TEventList kNoEvents{};
    // In flags_, beside the store's own flags: set with the control vectors, so that telling a
    // curve from a named straight piece does not read the extras (a cache miss a piece when a
    // drawing culls a million of them).
    static constexpr std::uint8_t kCurve = 4;

    TSegmentObj* next_ = nullptr;
    std::unique_ptr<Extras> extras_;
    std::uint32_t prevSlot_ = 0;  // slot of the previous record of the list, kNoSlot at the head
    std::uint32_t slot_ = 0;      // own slot in the pool
    std::uint32_t seq_ = 0;       // creation order: list order is descending seq_
    std::uint8_t flags_ = 0;

  public:
    // Last, beside the flags, so that a record takes 80 bytes.
    std::uint8_t Velocity = 0;
};

static_assert(sizeof(TSegmentObj) <= 80, "a straight segment should take 80 bytes");

}  // namespace tarvik
