#pragma once

#include <QHash>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "SegmentGeometry.h"
#include "SegmentStore.h"

namespace tarvik {

// Two numbers typed as a point of the scenery's axes, x then z: each with a decimal point or
// comma, a sign (also the minus sign U+2212) allowed; between them spaces, a semicolon or a
// comma followed by a space; "x:" and "z:" before them as the status line shows them. "1,5"
// is one number, so "1,5 2" is two and "1,5,2" none.
std::optional<TPointD> TypedCoordinates(std::string_view text);

// The named tracks of a scenery as the go-to command offers and finds them: each name once,
// found by its first piece in list order, which is where the named-track list goes for it.
class TrackNameIndex {
  public:
    TrackNameIndex() = default;
    explicit TrackNameIndex(const SegmentList& tracks);

    // Every name once, in UTF-8, in the order of the list.
    const std::vector<std::string>& Names() const { return names_; }
    // The name as typed (UTF-8) with its letters' case as written, else in any case; null when
    // no track has it.
    const TSegmentObj* Find(std::string_view typed) const;

  private:
    std::vector<std::string> names_;
    std::unordered_map<std::string, const TSegmentObj*> exact_;  // by CP1250 name
    QHash<QString, const TSegmentObj*> folded_;                  // by case-folded name
};

// Where a typed text leads: a point (map axes), a track, or nowhere, with the reason to tell.
struct GoToTarget {
    std::optional<TPointD> mapPoint;
    const TSegmentObj* track = nullptr;
    std::string message;  // UTF-8; empty when there is a place to go to
};

// Coordinates first; in the author mode a track name after them. In the user mode the tracks
// have no names, so only numbers are asked for.
GoToTarget ResolveGoTo(std::string_view typed, bool authorMode, const TrackNameIndex& names);

}  // namespace tarvik
