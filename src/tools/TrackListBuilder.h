#pragma once

#include <QtGlobal>
#include <array>
#include <forward_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "SegmentStore.h"
#include "Trainset.h"

namespace tarvik {

// What the named-track list shows, in the order of its view selector.
enum class TrackListView { NamedTracks = 0, Events = 1, Trainsets = 2, AllTracks = 3 };
inline constexpr int kTrackListViews = 4;

// The selector's entry and the two column headers of a view (UTF-8).
struct TrackListViewTexts {
    const char* entry;
    const char* first;
    const char* second;
};
inline constexpr std::array<TrackListViewTexts, kTrackListViews> kTrackListViewTexts = {{
    {QT_TRANSLATE_NOOP("TrackListBuilder", "Nazwane tory"),
     QT_TRANSLATE_NOOP("TrackListBuilder", "Tor"), QT_TRANSLATE_NOOP("TrackListBuilder", "Pociąg")},
    {QT_TRANSLATE_NOOP("TrackListBuilder", "Zdarzenia"),
     QT_TRANSLATE_NOOP("TrackListBuilder", "Zdarzenie"),
     QT_TRANSLATE_NOOP("TrackListBuilder", "Tor")},
    {QT_TRANSLATE_NOOP("TrackListBuilder", "Pociągi"),
     QT_TRANSLATE_NOOP("TrackListBuilder", "Pociąg"), QT_TRANSLATE_NOOP("TrackListBuilder", "Tor")},
    {QT_TRANSLATE_NOOP("TrackListBuilder", "Wszystkie tory"),
     QT_TRANSLATE_NOOP("TrackListBuilder", "ID"), QT_TRANSLATE_NOOP("TrackListBuilder", "Nazwa")},
}};

// One row of the list: the texts are CP1250 bytes as in the model; the segment is what every
// operation on the row uses, and may be missing (a trainset whose track was not found).
struct TrackListEntry {
    std::string caption;
    std::string second;
    const TSegmentObj* segment = nullptr;
};

// Answers, for many track names, which trainset stands on a track of that name. Built once per
// list so that naming the trainsets of a large scenery is not a walk of all trainsets per track.
class TrainsetFinder {
  public:
    explicit TrainsetFinder(const std::forward_list<TTrainsObj>& trainsets);

    // The name of the first trainset in list order whose track has exactly this name (same
    // bytes, case kept); empty when there is none.
    std::string_view FindTrainsetOnTrack(std::string_view name) const;

  private:
    std::unordered_map<std::string_view, std::string_view> first_;
};

// "$" and a number unique to the segment within the loaded scenery.
std::string SegmentId(const TSegmentObj& segment);

// How an entry's segment stands for a track: as the track itself, or as a piece of the same
// name, since a run of pieces of one name is listed by its first piece and highlighted whole.
enum class StandsFor { No, ByName, Itself };
StandsFor EntryStandsFor(const TSegmentObj* entry, const TSegmentObj& track);

// The entries of a view in list order, unsorted.
std::vector<TrackListEntry> BuildTrackEntries(TrackListView view, const SegmentList& tracks,
                                              const std::forward_list<TTrainsObj>& trainsets);

}  // namespace tarvik
