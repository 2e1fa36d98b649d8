#include "EndPointIndex.h"

#include <cmath>
#include <functional>

namespace tarvik {
namespace {

// A key holding NaN equals no key, itself included; a point holding NaN makes the vector NaN.
bool Comparable(const EndKey& key) {
    return !std::isnan(key.vx) && !std::isnan(key.vy) && !std::isnan(key.rise);
}

}  // namespace

std::uint32_t EndPointIndex::KeyTag(const EndKey& key) const {
    std::uint64_t h = Bits(key.x) * 0x9E3779B97F4A7C15ULL + Bits(key.y) * 0xC2B2AE3D27D4EB4FULL +
                      Bits(key.vx) * 0x165667B19E3779F9ULL + Bits(key.vy) * 0xD6E8FEB86659FD93ULL +
                      key.velocity * 0x94D049BB133111EBULL;
    if (ownerMode_) {
        h += Bits(key.rise) * 0x85EBCA77C2B2AE63ULL;
        h ^= std::hash<std::string_view>{}(key.name) * 0xFF51AFD7ED558CCDULL;
    }
    return Fold(h);
}

bool EndPointIndex::Holds(std::uint32_t entry, const EndKey& key) const {
    // Field by field, cheapest first: the keys met at a point mostly differ in the vector.
    const TSegmentObj& s = pool_->At(entry >> 1);
    const bool start = (entry & 1) == 0;
    if (s.Velocity != key.velocity) return false;
    if (start
            ? (s.X1 != key.x || s.Y1 != key.y || s.X2 - s.X1 != key.vx || s.Y2 - s.Y1 != key.vy)
            : (s.X2 != key.x || s.Y2 != key.y || s.X1 - s.X2 != key.vx || s.Y1 - s.Y2 != key.vy)) {
        return false;
    }
    if (!ownerMode_) return true;
    const double rise = start ? s.Height2 - s.Height1 : s.Height1 - s.Height2;
    return rise == key.rise && s.Name() == key.name;
}

EndPointIndex::Probe EndPointIndex::ProbePoints(const EndKey& key, std::uint32_t tag,
                                                std::uint32_t entry) const {
    Probe probe;
    std::size_t i = points_.Home(tag);
    for (;; i = points_.Next(i)) {
        const Bucket& b = points_[i];
        if (b.ref == EndPointBuckets::kEmpty) break;
        if (b.tag != tag) continue;
        if (b.ref == kMarker) {
            probe.crowded = true;
            continue;
        }
        const std::uint32_t newest = b.ref & kEntryMask;
        if (newest == entry || Holds(newest, key)) {
            probe.at = i;
            probe.found = true;
            return probe;
        }
        ++probe.others;
    }
    probe.at = i;
    return probe;
}

EndPointIndex::Probe EndPointIndex::ProbeCrowd(const EndKey& key, std::uint32_t tag,
                                               std::uint32_t entry) const {
    Probe probe;
    std::size_t i = crowd_.Home(tag);
    for (;; i = crowd_.Next(i)) {
        const Bucket& b = crowd_[i];
        if (b.ref == EndPointBuckets::kEmpty) break;
        const std::uint32_t newest = b.ref & kEntryMask;
        if (b.tag == tag && (newest == entry || Holds(newest, key))) {
            probe.found = true;
            break;
        }
    }
    probe.at = i;
    return probe;
}

const EndPointIndex::Bucket* EndPointIndex::Find(const EndKey& key) const {
    if (points_.Empty()) return nullptr;
    const Probe p = ProbePoints(key, PointTag(key.x, key.y), kNone);
    if (p.found) return &points_[p.at];
    if (!p.crowded || crowd_.Empty()) return nullptr;
    const Probe c = ProbeCrowd(key, KeyTag(key), kNone);
    return c.found ? &crowd_[c.at] : nullptr;
}

void EndPointIndex::Push(Bucket& b, std::uint32_t entry) {
    const std::uint32_t newest = b.ref & kEntryMask;
    if (newest == entry) return;  // entered already
    if (!(b.ref & kMore)) chains_[newest] = Chain{kNone, kNone};
    chains_[newest].newer = entry;
    chains_[entry] = Chain{newest, kNone};
    b.ref = entry | kMore;
}

void EndPointIndex::Insert(std::uint32_t slot, SegmentEnd end, const EndKey& key) {
    // Such a key would only fill a bucket that no lookup can find.
    if (!Comparable(key)) return;
    const std::uint32_t entry = (slot << 1) | static_cast<std::uint32_t>(end);
    const std::uint32_t tag = PointTag(key.x, key.y);
    points_.Reserve();
    const Probe p = ProbePoints(key, tag, kNone);
    if (p.found) {
        Push(points_[p.at], entry);
        return;
    }
    if (!p.crowded && p.others < kKeysAtAPoint) {
        points_.Fill(p.at, Bucket{entry, tag});
        return;
    }
    if (!p.crowded) {
        points_.Fill(p.at, Bucket{kMarker, tag});
        ++markers_;
    }
    const std::uint32_t keyTag = KeyTag(key);
    crowd_.Reserve();
    const Probe c = ProbeCrowd(key, keyTag, kNone);
    if (c.found) {
        Push(crowd_[c.at], entry);
    } else {
        crowd_.Fill(c.at, Bucket{entry, keyTag});
    }
}

void EndPointIndex::Unchain(EndPointBuckets& table, std::size_t at, std::uint32_t entry) {
    Bucket& b = table[at];
    std::uint32_t newest = b.ref & kEntryMask;
    if (!(b.ref & kMore)) {
        if (newest == entry) table.RemoveAt(at);
        return;
    }
    const auto it = chains_.find(entry);
    if (it == chains_.end()) return;
    const Chain gone = it->second;
    chains_.erase(it);
    if (gone.older != kNone) chains_[gone.older].newer = gone.newer;
    if (gone.newer != kNone) {
        chains_[gone.newer].older = gone.older;
    } else {
        newest = gone.older;
    }
    if (newest == kNone) {
        table.RemoveAt(at);
        return;
    }
    // A key left with one entry needs no chain.
    const auto head = chains_.find(newest);
    if (head != chains_.end() && head->second.older != kNone) {
        b.ref = newest | kMore;
        return;
    }
    if (head != chains_.end()) chains_.erase(head);
    b.ref = newest;
}

std::size_t EndPointIndex::Newest(const EndPointBuckets& table, std::uint32_t tag,
                                  std::uint32_t entry) {
    for (std::size_t i = table.Home(tag);; i = table.Next(i)) {
        const Bucket& b = table[i];
        if (b.ref == EndPointBuckets::kEmpty) return kNowhere;
        if (b.tag == tag && (b.ref & kEntryMask) == entry && b.ref != kMarker) return i;
    }
}

void EndPointIndex::Erase(std::uint32_t slot, SegmentEnd end) {
    if (points_.Empty()) return;
    const std::uint32_t entry = (slot << 1) | static_cast<std::uint32_t>(end);
    const TSegmentObj& s = pool_->At(slot);
    const std::uint32_t tag = PointTag(EndKey::PointX(s, end), EndKey::PointY(s, end));
    // An entry leaves mostly as the newest of its key, found without reading other records.
    std::size_t at = Newest(points_, tag, entry);
    if (at != kNowhere) {
        Unchain(points_, at, entry);
        return;
    }
    const EndKey key = EndKey::Of(s, end, ownerMode_);
    const Probe p = ProbePoints(key, tag, entry);
    if (p.found) {
        Unchain(points_, p.at, entry);
        return;
    }
    if (!p.crowded || crowd_.Empty()) return;
    const Probe c = ProbeCrowd(key, KeyTag(key), entry);
    if (c.found) Unchain(crowd_, c.at, entry);
}

void EndPointIndex::Clear() {
    points_.Clear();
    crowd_.Clear();
    chains_.clear();
    markers_ = 0;
}

}  // namespace tarvik
