#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "Cp1250.h"
#include "NumberText.h"
#include "Problems.h"
#include "Scenery.h"
#include "Translate.h"

namespace tarvik {
namespace {

// Ends closer than this are one joint: coordinates rounded by the work mode may differ by
// less than a millimetre where the author meant them equal.
constexpr double kJointTolerance = 0.001;

// The place read first of two; a place not known loses to any known one.
SourceLine Earlier(SourceLine a, SourceLine b) {
    if (a == kNoSourceLine) return b;
    if (b == kNoSourceLine) return a;
    return std::min(a, b);
}

// -0 and 0 are the same coordinate, but not the same bits.
double Plain(double v) {
    return v + 0.0;
}

std::uint64_t Bits(double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 31);
}

TPointD Middle(double x1, double y1, double x2, double y2) {
    return {(x1 + x2) / 2, (y1 + y2) / 2};
}

// ---- near misses ----

struct TrackEnd {
    std::int64_t cx = 0;  // the cell of the grid, gap wide
    std::int64_t cy = 0;
    double x = 0;
    double y = 0;
    SourceLine at = kNoSourceLine;
    const TSegmentObj* segment = nullptr;
    bool start = false;

    bool SameCell(const TrackEnd& o) const { return cx == o.cx && cy == o.cy; }
    bool CellBefore(std::int64_t x0, std::int64_t y0) const {
        return cx < x0 || (cx == x0 && cy < y0);
    }
};

// Ends that meet exactly: one point, which takes the place read first, so that a joint of
// three tracks near a fourth end is one near miss, not three.
struct EndPoint {
    std::size_t first = 0;  // its ends in the sorted list
    std::size_t count = 0;
    SourceLine at = kNoSourceLine;
};

// Asking for a stop costs an atomic read; a few thousand cells take well under a millisecond.
constexpr std::size_t kCellsBetweenStopChecks = 4096;

std::int64_t CellOf(double v, double gap) {
    // Far beyond any scenery, but a value that does not fit would make the cast undefined.
    constexpr double kLimit = 1e15;
    return static_cast<std::int64_t>(std::floor(std::clamp(v / gap, -kLimit, kLimit)));
}

std::string Metres(double d) {
    return FormatFixed(d, 3, false) + " m";
}

class NearMissCheck {
  public:
    NearMissCheck(const TScenery& scenery, double gap, std::stop_token stop,
                  std::vector<Problem>& out)
        : scenery_(scenery), gap_(gap), stop_(std::move(stop)), out_(out) {}
    void Run();

  private:
    const TrackEnd& At(const EndPoint& p) const { return ends_[p.first]; }
    // A piece shorter than the gap has its own two ends near each other.
    bool Linked(const EndPoint& a, const EndPoint& b) const;
    void CheckPair(const EndPoint& a, const EndPoint& b);

    const TScenery& scenery_;
    double gap_;
    std::stop_token stop_;
    std::vector<Problem>& out_;
    std::vector<TrackEnd> ends_;
};

bool NearMissCheck::Linked(const EndPoint& a, const EndPoint& b) const {
    const TrackEnd& q = At(b);
    for (std::size_t i = a.first; i < a.first + a.count; ++i) {
        const TrackEnd& e = ends_[i];
        const double x = e.start ? e.segment->X2 : e.segment->X1;
        const double y = e.start ? e.segment->Y2 : e.segment->Y1;
        if (Plain(x) == q.x && Plain(y) == q.y) return true;
    }
    return false;
}

void NearMissCheck::CheckPair(const EndPoint& a, const EndPoint& b) {
    const TrackEnd& ea = At(a);
    const TrackEnd& eb = At(b);
    const double d = std::hypot(ea.x - eb.x, ea.y - eb.y);
    if (d <= kJointTolerance || d >= gap_ || Linked(a, b)) return;
    const bool aFirst = Earlier(a.at, b.at) == a.at;
    const SourceLine first = aFirst ? a.at : b.at;
    const SourceLine second = aFirst ? b.at : a.at;
    Problem p;
    p.kind = ProblemKind::NearMiss;
    p.at = first;
    p.segment = (aFirst ? ea : eb).segment;
    p.where = Middle(ea.x, ea.y, eb.x, eb.y);
    p.message = FormatText(Translate("Scenery", "Końce torów z %1 i z %2 mijają się o %3"),
                           {ShownSourcePlace(scenery_.Sources, first),
                            ShownSourcePlace(scenery_.Sources, second), Metres(d)});
    out_.push_back(std::move(p));
}

// Every end of every track in a grid of cells as wide as the gap, sorted by cell, so that a
// near end lies in the same cell or a neighbouring one. Each cell is compared with itself and
// with the four neighbours after it in that order, so each pair is seen once.
void NearMissCheck::Run() {
    const SegmentList& tracks = scenery_.Tracks();
    ends_.reserve(tracks.Count() * 2);
    for (const TSegmentObj& s : tracks) {
        const SourceLine at = scenery_.Segments.ReadAt(s);
        ends_.push_back(
            {CellOf(s.X1, gap_), CellOf(s.Y1, gap_), Plain(s.X1), Plain(s.Y1), at, &s, true});
        ends_.push_back(
            {CellOf(s.X2, gap_), CellOf(s.Y2, gap_), Plain(s.X2), Plain(s.Y2), at, &s, false});
    }
    std::sort(ends_.begin(), ends_.end(), [](const TrackEnd& a, const TrackEnd& b) {
        return std::tie(a.cx, a.cy, a.x, a.y, a.at) < std::tie(b.cx, b.cy, b.x, b.y, b.at);
    });
    std::vector<EndPoint> points;
    for (std::size_t i = 0; i < ends_.size(); ++i) {
        if (!points.empty()) {
            const TrackEnd& last = At(points.back());
            if (last.x == ends_[i].x && last.y == ends_[i].y) {
                ++points.back().count;
                points.back().at = Earlier(points.back().at, ends_[i].at);
                continue;
            }
        }
        points.push_back({i, 1, ends_[i].at});
    }

    if (stop_.stop_requested()) return;
    const std::size_t n = points.size();
    std::size_t below = 0;  // first point at or after the cell below and right of the current
    for (std::size_t b = 0, cells = 0; b < n; ++cells) {
        if (cells % kCellsBetweenStopChecks == 0 && stop_.stop_requested()) return;
        const TrackEnd& cell = At(points[b]);
        std::size_t e = b + 1;
        while (e < n && At(points[e]).SameCell(cell))
            ++e;
        for (std::size_t i = b; i < e; ++i) {
            for (std::size_t j = i + 1; j < e; ++j)
                CheckPair(points[i], points[j]);
        }
        const std::int64_t cx = cell.cx;
        const std::int64_t cy = cell.cy;
        // The cell above follows in the sorted order.
        for (std::size_t j = e; j < n && At(points[j]).cx == cx && At(points[j]).cy == cy + 1;
             ++j) {
            for (std::size_t i = b; i < e; ++i)
                CheckPair(points[i], points[j]);
        }
        // The three cells of the next column; where they start only moves forward.
        below = std::max(below, e);
        while (below < n && At(points[below]).CellBefore(cx + 1, cy - 1))
            ++below;
        for (std::size_t j = below; j < n && At(points[j]).CellBefore(cx + 1, cy + 2); ++j) {
            for (std::size_t i = b; i < e; ++i)
                CheckPair(points[i], points[j]);
        }
        b = e;
    }
}

void CheckNearMisses(const TScenery& scenery, const ModelCheckOptions& options,
                     std::vector<Problem>& out) {
    if (!(options.gap > kJointTolerance)) return;
    NearMissCheck(scenery, options.gap, options.stop, out).Run();
}

// ---- duplicate segments ----

// A segment's ends and control vectors, in the direction that makes it the smaller of its two
// readings, so that a piece and the same piece read the other way get equal keys.
using ShapeKey = std::array<double, 8>;

ShapeKey ShapeOf(const TSegmentObj& s) {
    TControlPoints c;
    if (const TControlPoints* control = s.Control()) c = *control;
    const ShapeKey forward{Plain(s.X1),  Plain(s.Y1),  Plain(s.X2),  Plain(s.Y2),
                           Plain(c.CX1), Plain(c.CY1), Plain(c.CX2), Plain(c.CY2)};
    const ShapeKey reversed{Plain(s.X2),  Plain(s.Y2),  Plain(s.X1),  Plain(s.Y1),
                            Plain(c.CX2), Plain(c.CY2), Plain(c.CX1), Plain(c.CY1)};
    return std::min(forward, reversed);
}

struct Shaped {
    std::uint64_t hash = 0;
    SourceLine at = kNoSourceLine;
    const TSegmentObj* segment = nullptr;
};

// The message of a repeated segment, a whole sentence per layer for the translation.
constexpr const char* kDuplicateMessages[kSegmentKindCount] = {
    TARVIK_TRANSLATE_NOOP("Scenery",
                          "Odcinek toru powtarza odcinek z %1: te same końce i "
                          "wektory kontrolne"),
    TARVIK_TRANSLATE_NOOP("Scenery",
                          "Odcinek drogi powtarza odcinek z %1: te same końce i "
                          "wektory kontrolne"),
    TARVIK_TRANSLATE_NOOP("Scenery",
                          "Odcinek rzeki powtarza odcinek z %1: te same końce i "
                          "wektory kontrolne"),
    TARVIK_TRANSLATE_NOOP("Scenery",
                          "Odcinek sieci trakcyjnej powtarza odcinek z %1: te same "
                          "końce i wektory kontrolne")};

void CheckDuplicateSegments(const TScenery& scenery, SegmentKind kind, std::vector<Problem>& out) {
    const SegmentList& list = scenery.Segments.List(kind);
    std::vector<Shaped> shaped;
    shaped.reserve(list.Count());
    for (const TSegmentObj& s : list) {
        std::uint64_t h = 0;
        for (const double v : ShapeOf(s))
            h = Mix(h, Bits(v));
        shaped.push_back({h, scenery.Segments.ReadAt(s), &s});
    }
    // Newest first in the list, so equal places keep the list's order reversed: reading order.
    std::stable_sort(shaped.begin(), shaped.end(), [](const Shaped& a, const Shaped& b) {
        return std::tie(a.hash, a.at) < std::tie(b.hash, b.at);
    });
    std::vector<ShapeKey> firsts;  // the distinct shapes of one run of equal hashes
    std::vector<std::size_t> firstOf;
    for (std::size_t b = 0; b < shaped.size();) {
        std::size_t e = b + 1;
        while (e < shaped.size() && shaped[e].hash == shaped[b].hash)
            ++e;
        if (e - b > 1) {
            firsts.clear();
            firstOf.clear();
            for (std::size_t i = b; i < e; ++i) {
                const ShapeKey key = ShapeOf(*shaped[i].segment);
                const auto same = std::find(firsts.begin(), firsts.end(), key);
                if (same == firsts.end()) {
                    firsts.push_back(key);
                    firstOf.push_back(i);
                    continue;
                }
                const Shaped& original = shaped[firstOf[same - firsts.begin()]];
                const TSegmentObj& s = *shaped[i].segment;
                Problem p;
                p.kind = ProblemKind::DuplicateSegment;
                p.at = shaped[i].at;
                p.segment = &s;
                p.layer = kind;
                p.where = Middle(s.X1, s.Y1, s.X2, s.Y2);
                p.message =
                    FormatText(Translate("Scenery", kDuplicateMessages[static_cast<int>(kind)]),
                               {ShownSourcePlace(scenery.Sources, original.at)});
                out.push_back(std::move(p));
            }
        }
        b = e;
    }
}

// ---- duplicate names ----

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

struct NamedNode {
    std::uint64_t hash = 0;
    SourceLine at = kNoSourceLine;
    const TSegmentObj* segment = nullptr;
};

// Names compare as the model finds a named track: A to Z in either case.
void CheckDuplicateNames(const TScenery& scenery, std::vector<Problem>& out) {
    std::vector<NamedNode> named;
    for (const TSegmentObj& s : scenery.Tracks()) {
        if (!s.HasName()) continue;
        std::uint64_t h = 0xCBF29CE484222325ull;
        for (const char c : s.Name())
            h = (h ^ static_cast<unsigned char>(LowerAscii(c))) * 0x100000001B3ull;
        named.push_back({h, scenery.Segments.ReadAt(s), &s});
    }
    std::stable_sort(named.begin(), named.end(), [](const NamedNode& a, const NamedNode& b) {
        return std::tie(a.hash, a.at) < std::tie(b.hash, b.at);
    });
    std::vector<std::size_t> firstOf;  // the first node of each distinct name in a run
    std::vector<SourceLine> lastAt;    // the last node told for each of those names
    for (std::size_t b = 0; b < named.size();) {
        std::size_t e = b + 1;
        while (e < named.size() && named[e].hash == named[b].hash)
            ++e;
        firstOf.clear();
        lastAt.clear();
        for (std::size_t i = b; i < e && e - b > 1; ++i) {
            const std::string_view name = named[i].segment->Name();
            std::size_t k = 0;
            while (k < firstOf.size() && !SameName(named[firstOf[k]].segment->Name(), name))
                ++k;
            if (k == firstOf.size()) {
                firstOf.push_back(i);
                lastAt.push_back(named[i].at);
                continue;
            }
            // The pieces of one switch share their node.
            if (named[i].at == lastAt[k]) continue;
            lastAt[k] = named[i].at;
            const NamedNode& first = named[firstOf[k]];
            const TSegmentObj& s = *named[i].segment;
            Problem p;
            p.kind = ProblemKind::DuplicateName;
            p.at = named[i].at;
            p.segment = &s;
            p.where = TPointD{s.X1, s.Y1};
            p.message =
                FormatText(Translate("Scenery", "Nazwa toru „%1” jest już użyta w %2"),
                           {Cp1250ToUtf8(name), ShownSourcePlace(scenery.Sources, first.at)});
            out.push_back(std::move(p));
        }
        b = e;
    }
}

}  // namespace

std::vector<Problem> CheckModel(const TScenery& scenery, const ModelCheckOptions& options) {
    std::vector<Problem> problems;
    bool any = false;
    for (int k = 0; k < kSegmentKindCount; ++k)
        any = any || !scenery.Segments.List(static_cast<SegmentKind>(k)).Empty();
    if (!any) {
        Problem p;
        p.kind = ProblemKind::NoSegments;
        p.message = Translate(
            "Scenery",
            "Sceneria nie zawiera żadnego odcinka toru, drogi, rzeki ani sieci trakcyjnej");
        problems.push_back(std::move(p));
        return problems;
    }
    CheckNearMisses(scenery, options, problems);
    for (int k = 0; k < kSegmentKindCount && !options.stop.stop_requested(); ++k)
        CheckDuplicateSegments(scenery, static_cast<SegmentKind>(k), problems);
    if (scenery.Segments.OwnerMode() && !options.stop.stop_requested()) {
        CheckDuplicateNames(scenery, problems);
    }
    return problems;
}

}  // namespace tarvik
