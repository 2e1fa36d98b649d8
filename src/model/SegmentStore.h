#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "EndPointIndex.h"
#include "Segment.h"
#include "SegmentPool.h"
#include "SourceMap.h"
#include "Trainset.h"

namespace tarvik {

struct TPointF {
    float x = 0;
    float y = 0;
};

// Bounding box of the end points of all track, road and river segments.
struct SceneryBounds {
    TPointF SceneryMin;
    TPointF SceneryMax;
};

// Value ranges gathered while segments arrive; the load sequence finishes them.
struct SceneryRanges {
    std::int16_t SpeedMin = 0;
    std::int16_t SpeedMax = 0;
    std::int16_t HeightMin = 0;
    std::int16_t HeightMax = 0;
    std::int16_t GradientMin = 0;
    std::int16_t GradientMax = 0;

    // Extremes that any gathered value replaces.
    void Reset();
};

// A new segment as the parser read it. The name is copied, so it need only outlive the call.
// Every member has an initialiser, so that a designated initialisation may leave any out.
struct SegmentInput {
    SegmentKind kind = SegmentKind::Track;
    std::string_view name{};
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double height1 = 0;
    double height2 = 0;
    // Control vectors as in TControlPoints; all four zero make a straight piece.
    double cx1 = 0;
    double cy1 = 0;
    double cx2 = 0;
    double cy2 = 0;
    std::uint8_t velocity = 0;
    TEventList events{};
    SourceLine readAt = kNoSourceLine;
};

// How a new straight piece meets an older one that continues it: which of its ends lies on
// which end of the older piece. The new piece takes over the older one's far end.
enum class SegmentMatch : std::uint8_t {
    None,          // no shared end, or the two do not continue each other
    EndToStart,    // the new end is the older start
    EndToEnd,      // the new end is the older end: the older piece runs the other way
    StartToStart,  // the new start is the older start: the older piece runs the other way
    StartToEnd,    // the new start is the older end
};

// One segment list, newest first.
class SegmentList {
  public:
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TSegmentObj;
        using difference_type = std::ptrdiff_t;
        using pointer = const TSegmentObj*;
        using reference = const TSegmentObj&;

        Iterator() = default;
        explicit Iterator(const TSegmentObj* s) : s_(s) {}
        reference operator*() const { return *s_; }
        pointer operator->() const { return s_; }
        Iterator& operator++() {
            s_ = s_->Next();
            return *this;
        }
        Iterator operator++(int) {
            Iterator old = *this;
            ++*this;
            return old;
        }
        bool operator==(const Iterator&) const = default;

      private:
        const TSegmentObj* s_ = nullptr;
    };

    const TSegmentObj* Head() const { return head_; }
    bool Empty() const { return head_ == nullptr; }
    std::size_t Count() const { return count_; }
    Iterator begin() const { return Iterator(head_); }
    Iterator end() const { return Iterator(); }

  private:
    friend class SegmentStore;
    TSegmentObj* head_ = nullptr;
    std::size_t count_ = 0;
};

// Stores the segments of the four lists as the parser hands them over, gathers the ranges
// and the bounding box, and joins a new straight piece with identical neighbours.
class SegmentStore {
  public:
    SegmentStore();
    SegmentStore(const SegmentStore&) = delete;
    SegmentStore& operator=(const SegmentStore&) = delete;

    const SegmentList& List(SegmentKind kind) const { return lists_[static_cast<int>(kind)]; }

    // The author mode joins only named pieces without events, with equal rise too; set before
    // segments arrive.
    void SetOwnerMode(bool ownerMode);
    bool OwnerMode() const { return ownerMode_; }

    // Frees every segment; ranges and bounds are left as they are.
    void Clear();

    // Returns the stored segment, or nullptr when its end points coincide. The parser hands
    // every new segment to JoinSegment next, which also makes it findable for later joins.
    TSegmentObj* NewSegment(SegmentInput input);
    // False when NewSegment would fail on the input, its heights or gradient beyond rounding.
    static bool RangesRound(const SegmentInput& input);
    void JoinSegment(TSegmentObj* segment);
    // Tells that a segment of this kind ending at (x, y) is coming, so that the memory its join
    // will look at is loaded while the rest of its node is read.
    void PrefetchJoin(SegmentKind kind, double x, double y) const {
        joinIndex_[static_cast<int>(kind)].Prefetch(x, y);
    }
    static SegmentMatch MatchSegments(const TSegmentObj& l, const TSegmentObj& o, bool ownerMode);

    // The first box of a load comes from the first segment's two end points.
    void StartBounds(double x1, double y1, double x2, double y2);
    void ExtendBounds(double x, double y);

    // The line of the statement a segment was read from; a joined segment keeps the place of
    // the piece read first.
    SourceLine ReadAt(const TSegmentObj& s) const {
        return readAt_[s.seq_ >> kReadAtBits][s.seq_ & kReadAtMask];
    }

    // The newest track whose name equals the given one, ignoring the case of A to Z.
    const TSegmentObj* FindNamedTrack(std::string_view name) const;
    // Records a trainset's track so that a join that absorbs the track re-points it.
    void BindTrack(TTrainsObj& trainset, const TSegmentObj* track);

    SceneryRanges Ranges;
    SceneryBounds Bounds;

  private:
    SegmentList& MutableList(SegmentKind kind) { return lists_[static_cast<int>(kind)]; }
    bool Joinable(const TSegmentObj& s) const;
    void IndexInsert(int kind, TSegmentObj& s);
    void IndexErase(int kind, const TSegmentObj& s);
    void Remove(int kind, TSegmentObj& o, TSegmentObj& absorber);
    static void GatherRanges(const SegmentInput& input, SceneryRanges& ranges);

    static constexpr std::uint8_t kBoundToTrainset = 1;
    static constexpr std::uint8_t kIndexed = 2;  // its ends are in the join index
    // (TSegmentObj::kCurve is the record's own.)

    // Kept beside the records, by creation number, rather than in them: a larger record costs
    // the joins' lookups more cache misses than this table costs its writes. Chunks, so that
    // growing never copies.
    static constexpr std::uint32_t kReadAtBits = 14;
    static constexpr std::uint32_t kReadAtMask = (1u << kReadAtBits) - 1;
    void RecordReadAt(std::uint32_t seq, SourceLine line);
    std::vector<std::unique_ptr<SourceLine[]>> readAt_;

    SegmentPool pool_;
    std::array<SegmentList, kSegmentKindCount> lists_;
    std::vector<EndPointIndex> joinIndex_;                       // one per list
    std::unordered_map<std::string, TSegmentObj*> namedTracks_;  // lower-case name -> newest
    // Trainsets by the slot of the track they were bound to, so that a join re-points only the
    // trainsets of the segment it absorbs.
    std::unordered_map<std::uint32_t, std::vector<TTrainsObj*>> trainsetsOn_;
    std::uint32_t nextSeq_ = 0;
    bool ownerMode_ = false;
};

}  // namespace tarvik
