#pragma once

#include <cstdint>
#include <forward_list>
#include <string>
#include <vector>

#include "Problems.h"
#include "SegmentStore.h"
#include "SourceMap.h"
#include "Trainset.h"

namespace tarvik {

// One file that was read: the top scenery file or an include file.
struct TIncFile {
    std::string FileName;  // path as opened
    double FileDate = 0;   // modification time, days since 30 December 1899, local time
    std::int64_t FileSize = 0;
};

// Everything known about the loaded scenery. Lists are newest first; every reader relies on
// that order. Texts are CP1250 bytes as read from the files.
class TScenery {
  public:
    TScenery() = default;
    TScenery(const TScenery&) = delete;
    TScenery& operator=(const TScenery&) = delete;

    const SegmentList& Tracks() const { return Segments.List(SegmentKind::Track); }
    const SegmentList& Roads() const { return Segments.List(SegmentKind::Road); }
    const SegmentList& Rivers() const { return Segments.List(SegmentKind::River); }
    const SegmentList& Tractions() const { return Segments.List(SegmentKind::Traction); }
    const SceneryRanges& Ranges() const { return Segments.Ranges; }
    const SceneryBounds& Bounds() const { return Segments.Bounds; }

    // Empties every list; the box, the ranges, the name and the description stay.
    void FreeScenery();

    SegmentStore Segments;
    std::forward_list<TTrainsObj> Trainsets;
    std::forward_list<TIncFile> IncFiles;
    SourceMap Sources;                      // where each segment and trainset was read
    std::vector<Problem> LoadProblems;      // found while the files were read, in reading order
    std::uint64_t LoadProblemsLeftOut = 0;  // found beyond kMostLoadProblems and not kept
    std::string SceneryName;
    std::string SceneryDescription;
};

}  // namespace tarvik
