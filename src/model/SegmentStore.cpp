#include "SegmentStore.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "Numbers.h"
#include "ParseFailure.h"
#include "Text.h"

namespace tarvik {

void SceneryRanges::Reset() {
    SpeedMin = 32767;
    SpeedMax = -32768;
    HeightMin = 32767;
    HeightMax = -32768;
    GradientMin = 32767;
    GradientMax = -32768;
}

SegmentStore::SegmentStore() {
    joinIndex_.reserve(kSegmentKindCount);
    for (int k = 0; k < kSegmentKindCount; ++k)
        joinIndex_.emplace_back(pool_);
}

void SegmentStore::SetOwnerMode(bool ownerMode) {
    if (ownerMode == ownerMode_) return;
    ownerMode_ = ownerMode;
    // Keys of the other mode would not be found again: the indexed segments that may still
    // join are entered anew, oldest first, so that each key keeps its newest first.
    std::vector<TSegmentObj*> indexed;
    for (int k = 0; k < kSegmentKindCount; ++k) {
        joinIndex_[k].Clear();
        joinIndex_[k].SetOwnerMode(ownerMode);
        indexed.clear();
        for (TSegmentObj* s = lists_[k].head_; s; s = s->next_) {
            if (s->flags_ & kIndexed) indexed.push_back(s);
            s->flags_ &= static_cast<std::uint8_t>(~kIndexed);
        }
        for (auto it = indexed.rbegin(); it != indexed.rend(); ++it)
            IndexInsert(k, **it);
    }
}

void SegmentStore::Clear() {
    for (auto& list : lists_)
        list = SegmentList();
    for (auto& index : joinIndex_)
        index.Clear();
    namedTracks_.clear();
    trainsetsOn_.clear();
    pool_.Clear();
    readAt_.clear();
    nextSeq_ = 0;
}

void SegmentStore::GatherRanges(const SegmentInput& input, SceneryRanges& ranges) {
    if (input.kind == SegmentKind::Track) {
        if (input.velocity > ranges.SpeedMax) ranges.SpeedMax = input.velocity;
        if (input.velocity < ranges.SpeedMin) ranges.SpeedMin = input.velocity;
    }
    const double high = std::max(input.height1, input.height2);
    if (high > ranges.HeightMax) ranges.HeightMax = Low16(RoundHalfEven(high));
    const double low = std::min(input.height1, input.height2);
    if (low < ranges.HeightMin) ranges.HeightMin = Low16(RoundHalfEven(low));

    const double dx = input.x2 - input.x1;
    const double dy = input.y2 - input.y1;
    const double gradient =
        std::fabs(input.height2 - input.height1) / std::sqrt(dx * dx + dy * dy) * 1000;
    const std::uint8_t g = LowByte(RoundHalfEven(gradient));
    if (g > ranges.GradientMax) ranges.GradientMax = g;
    if (g < ranges.GradientMin) ranges.GradientMin = g;
}

bool SegmentStore::RangesRound(const SegmentInput& input) {
    if (input.x1 == input.x2 && input.y1 == input.y2) return true;
    // Asked of every piece read: heights and a gradient well within what rounds answer at once.
    constexpr double kSafe = 1e15;
    const double dx = input.x2 - input.x1;
    const double dy = input.y2 - input.y1;
    const double gradient =
        std::fabs(input.height2 - input.height1) / std::sqrt(dx * dx + dy * dy) * 1000;
    if (std::fabs(input.height1) < kSafe && std::fabs(input.height2) < kSafe && gradient < kSafe)
        return true;
    // Whether a rounding fails does not hang on the ranges gathered before: it fails only
    // beyond any 16-bit bound.
    SceneryRanges ranges;
    ranges.Reset();
    try {
        GatherRanges(input, ranges);
    } catch (const ParseFailure&) {
        return false;
    }
    return true;
}

TSegmentObj* SegmentStore::NewSegment(SegmentInput input) {
    if (input.x1 == input.x2 && input.y1 == input.y2) return nullptr;
    // Ranges first: a rounding that fails leaves no segment behind.
    GatherRanges(input, Ranges);
    if (nextSeq_ == 0xFFFFFFFFu) throw std::length_error("Too many segments");

    TSegmentObj& s = pool_.Allocate();
    const bool curve = input.cx1 != 0 || input.cy1 != 0 || input.cx2 != 0 || input.cy2 != 0;
    if (!input.name.empty() || curve || !input.events.empty()) {
        s.extras_ = std::make_unique<TSegmentObj::Extras>();
        s.extras_->name = CutName(input.name);
        if (curve) {
            s.extras_->control = TControlPoints{input.cx1, input.cy1, input.cx2, input.cy2};
            s.flags_ |= TSegmentObj::kCurve;
        }
        s.extras_->events = std::move(input.events);
    }
    s.X1 = input.x1;
    s.Y1 = input.y1;
    s.X2 = input.x2;
    s.Y2 = input.y2;
    s.Height1 = input.height1;
    s.Height2 = input.height2;
    s.Velocity = input.velocity;
    s.seq_ = nextSeq_++;
    RecordReadAt(s.seq_, input.readAt);

    const int k = static_cast<int>(input.kind);
    SegmentList& list = lists_[k];
    s.next_ = list.head_;
    s.prevSlot_ = kNoSlot;
    if (list.head_) list.head_->prevSlot_ = s.slot_;
    list.head_ = &s;
    ++list.count_;

    if (input.kind == SegmentKind::Track && s.HasName()) {
        // Newer tracks shadow older ones of the same name.
        namedTracks_.insert_or_assign(AsciiLowerCopy(s.Name()), &s);
    }
    return &s;
}

void SegmentStore::RecordReadAt(std::uint32_t seq, SourceLine line) {
    const std::uint32_t chunk = seq >> kReadAtBits;
    if (chunk == readAt_.size())
        readAt_.push_back(
            std::make_unique_for_overwrite<SourceLine[]>(std::size_t{1} << kReadAtBits));
    readAt_[chunk][seq & kReadAtMask] = line;
}

SegmentMatch SegmentStore::MatchSegments(const TSegmentObj& l, const TSegmentObj& o,
                                         bool ownerMode) {
    if (l.IsCurve() || o.IsCurve() || l.Velocity != o.Velocity) return SegmentMatch::None;
    if (ownerMode) {
        if (!l.HasName() || !o.HasName() || l.Name() != o.Name() || l.HasEvents() ||
            o.HasEvents()) {
            return SegmentMatch::None;
        }
    }
    const double lvx = l.X2 - l.X1, lvy = l.Y2 - l.Y1, lrise = l.Height2 - l.Height1;
    const double ovx = o.X2 - o.X1, ovy = o.Y2 - o.Y1, orise = o.Height2 - o.Height1;
    const double rlvx = l.X1 - l.X2, rlvy = l.Y1 - l.Y2, rlrise = l.Height1 - l.Height2;
    const double rovx = o.X1 - o.X2, rovy = o.Y1 - o.Y2, rorise = o.Height1 - o.Height2;
    const auto same = [ownerMode](double ax, double ay, double ar, double bx, double by,
                                  double br) {
        return ax == bx && ay == by && (!ownerMode || ar == br);
    };
    const auto matchIf = [](bool equal, SegmentMatch match) {
        return equal ? match : SegmentMatch::None;
    };
    if (l.X2 == o.X1 && l.Y2 == o.Y1) {
        return matchIf(same(lvx, lvy, lrise, ovx, ovy, orise), SegmentMatch::EndToStart);
    }
    if (l.X2 == o.X2 && l.Y2 == o.Y2) {
        return matchIf(same(lvx, lvy, lrise, rovx, rovy, rorise), SegmentMatch::EndToEnd);
    }
    if (l.X1 == o.X1 && l.Y1 == o.Y1) {
        return matchIf(same(rlvx, rlvy, rlrise, ovx, ovy, orise), SegmentMatch::StartToStart);
    }
    if (l.X1 == o.X2 && l.Y1 == o.Y2) {
        return matchIf(same(rlvx, rlvy, rlrise, rovx, rovy, rorise), SegmentMatch::StartToEnd);
    }
    return SegmentMatch::None;
}

bool SegmentStore::Joinable(const TSegmentObj& s) const {
    // Pieces that MatchSegments always refuses need not be found.
    if (s.IsCurve()) return false;
    return !ownerMode_ || (s.HasName() && !s.HasEvents());
}

void SegmentStore::IndexInsert(int kind, TSegmentObj& s) {
    if (!Joinable(s)) return;
    s.flags_ |= kIndexed;
    joinIndex_[kind].Insert(s.slot_, SegmentEnd::Start);
    joinIndex_[kind].Insert(s.slot_, SegmentEnd::End);
}

void SegmentStore::IndexErase(int kind, const TSegmentObj& s) {
    if (!(s.flags_ & kIndexed)) return;
    joinIndex_[kind].Erase(s.slot_, SegmentEnd::Start);
    joinIndex_[kind].Erase(s.slot_, SegmentEnd::End);
}

void SegmentStore::Remove(int kind, TSegmentObj& o, TSegmentObj& absorber) {
    IndexErase(kind, o);
    SegmentList& list = lists_[kind];
    TSegmentObj* next = o.next_;
    if (o.prevSlot_ == kNoSlot) {
        list.head_ = next;
    } else {
        pool_.At(o.prevSlot_).next_ = next;
    }
    if (next) next->prevSlot_ = o.prevSlot_;
    --list.count_;

    if (o.flags_ & kBoundToTrainset) {
        const auto bound = trainsetsOn_.find(o.slot_);
        if (bound != trainsetsOn_.end()) {
            std::vector<TTrainsObj*> moved = std::move(bound->second);
            trainsetsOn_.erase(bound);
            // A trainset bound again since then follows its newer track only.
            std::erase_if(moved, [&o](const TTrainsObj* t) { return t->Track != &o; });
            for (TTrainsObj* t : moved)
                t->Track = &absorber;
            std::vector<TTrainsObj*>& into = trainsetsOn_[absorber.slot_];
            into.insert(into.end(), moved.begin(), moved.end());
        }
        absorber.flags_ |= kBoundToTrainset;
    }
    pool_.Release(o);
}

void SegmentStore::JoinSegment(TSegmentObj* segment) {
    if (!segment) return;
    int kind = -1;
    for (int k = 0; k < kSegmentKindCount; ++k) {
        if (lists_[k].head_ == segment) kind = k;
    }
    if (kind < 0 || (segment->flags_ & kIndexed) || !Joinable(*segment)) return;

    TSegmentObj& s = *segment;
    EndPointIndex& index = joinIndex_[kind];
    EndKey atStart, atEnd;
    for (;;) {
        // Only pieces that s continues share its keys turned round, newest first; the newest
        // match of the two ends wins, as in a walk of the list from s onwards. MatchSegments
        // has the last word.
        TSegmentObj* best = nullptr;
        SegmentMatch bestMatch = SegmentMatch::None;
        const auto visit = [&](std::uint32_t slot, SegmentEnd) {
            TSegmentObj& o = pool_.At(slot);
            if (best && o.seq_ <= best->seq_) return true;  // so are the older ones
            const SegmentMatch match = MatchSegments(s, o, ownerMode_);
            if (match == SegmentMatch::None) return false;
            best = &o;
            bestMatch = match;
            return true;
        };
        atStart = EndKey::Of(s, SegmentEnd::Start, ownerMode_);
        atEnd = EndKey::Of(s, SegmentEnd::End, ownerMode_);
        index.ForEachNewestFirst(atStart.Reversed(), visit);
        index.ForEachNewestFirst(atEnd.Reversed(), visit);
        if (!best) break;

        TSegmentObj& o = *best;
        switch (bestMatch) {
            case SegmentMatch::EndToStart:
                s.X2 = o.X2, s.Y2 = o.Y2, s.Height2 = o.Height2;
                break;
            case SegmentMatch::EndToEnd:
                s.X2 = o.X1, s.Y2 = o.Y1, s.Height2 = o.Height1;
                break;
            case SegmentMatch::StartToStart:
                s.X1 = o.X2, s.Y1 = o.Y2, s.Height1 = o.Height2;
                break;
            case SegmentMatch::StartToEnd:
            case SegmentMatch::None:  // not kept as best: the visit takes matches only
                s.X1 = o.X1, s.Y1 = o.Y1, s.Height1 = o.Height1;
                break;
        }
        const SourceLine absorbed = ReadAt(o);
        const SourceLine own = ReadAt(s);
        if (absorbed != kNoSourceLine && (own == kNoSourceLine || absorbed < own))
            RecordReadAt(s.seq_, absorbed);
        Remove(kind, o, s);
    }
    // Entered only now, with its final end points, for the segments still to come.
    s.flags_ |= kIndexed;
    index.Insert(s.slot_, SegmentEnd::Start, atStart);
    index.Insert(s.slot_, SegmentEnd::End, atEnd);
}

void SegmentStore::StartBounds(double x1, double y1, double x2, double y2) {
    Bounds.SceneryMin = {static_cast<float>(std::min(x1, x2)),
                         static_cast<float>(std::min(y1, y2))};
    Bounds.SceneryMax = {static_cast<float>(std::max(x1, x2)),
                         static_cast<float>(std::max(y1, y2))};
}

void SegmentStore::ExtendBounds(double x, double y) {
    TPointF& lo = Bounds.SceneryMin;
    TPointF& hi = Bounds.SceneryMax;
    if (x < lo.x) {
        lo.x = static_cast<float>(x);
    } else if (x > hi.x) {
        hi.x = static_cast<float>(x);
    }
    if (y < lo.y) {
        lo.y = static_cast<float>(y);
    } else if (y > hi.y) {
        hi.y = static_cast<float>(y);
    }
}

const TSegmentObj* SegmentStore::FindNamedTrack(std::string_view name) const {
    const auto it = namedTracks_.find(AsciiLowerCopy(name));
    return it == namedTracks_.end() ? nullptr : it->second;
}

void SegmentStore::BindTrack(TTrainsObj& trainset, const TSegmentObj* track) {
    trainset.Track = track;
    if (!track) return;
    // The store owns every segment, so it may mark the one it handed out.
    TSegmentObj& owned = pool_.At(track->slot_);
    owned.flags_ |= kBoundToTrainset;
    trainsetsOn_[owned.slot_].push_back(&trainset);
}

}  // namespace tarvik
