#include "TrackListBuilder.h"

#include <cstdint>

namespace tarvik {

TrainsetFinder::TrainsetFinder(const std::forward_list<TTrainsObj>& trainsets) {
    for (const TTrainsObj& t : trainsets) {
        if (t.Track && t.Track->HasName()) first_.try_emplace(t.Track->Name(), t.Name);
    }
}

std::string_view TrainsetFinder::FindTrainsetOnTrack(std::string_view name) const {
    const auto found = first_.find(name);
    return found == first_.end() ? std::string_view() : found->second;
}

std::string SegmentId(const TSegmentObj& segment) {
    std::string id(1, '$');
    id += std::to_string(reinterpret_cast<std::uintptr_t>(&segment));
    return id;
}

StandsFor EntryStandsFor(const TSegmentObj* entry, const TSegmentObj& track) {
    if (entry == &track) return StandsFor::Itself;
    if (entry && track.HasName() && entry->HasName() && entry->Name() == track.Name())
        return StandsFor::ByName;
    return StandsFor::No;
}

std::vector<TrackListEntry> BuildTrackEntries(TrackListView view, const SegmentList& tracks,
                                              const std::forward_list<TTrainsObj>& trainsets) {
    std::vector<TrackListEntry> entries;
    switch (view) {
        case TrackListView::NamedTracks: {
            const TrainsetFinder finder(trainsets);
            // Only a run of consecutive pieces of one name collapses, into its first piece:
            // the properties window takes that piece as the first of a switch pair.
            for (const TSegmentObj& s : tracks) {
                if (!s.HasName()) continue;
                if (!entries.empty() && entries.back().caption == s.Name()) continue;
                entries.push_back(
                    {std::string(s.Name()), std::string(finder.FindTrainsetOnTrack(s.Name())), &s});
            }
            break;
        }
        case TrackListView::Events:
            for (const TSegmentObj& s : tracks) {
                if (!s.HasEvents()) continue;
                for (const TEventRef& e : s.Events())
                    entries.push_back({e.EventName, std::string(s.Name()), &s});
            }
            break;
        case TrackListView::Trainsets:
            for (const TTrainsObj& t : trainsets) {
                const bool named = t.Track && t.Track->HasName();
                entries.push_back(
                    {t.Name, named ? std::string(t.Track->Name()) : std::string(), t.Track});
            }
            break;
        case TrackListView::AllTracks:
            entries.reserve(tracks.Count());
            for (const TSegmentObj& s : tracks)
                entries.push_back({SegmentId(s), std::string(s.Name()), &s});
            break;
    }
    return entries;
}

}  // namespace tarvik
