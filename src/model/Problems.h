#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "SegmentGeometry.h"
#include "SourceMap.h"

namespace tarvik {

class TScenery;

// What may be wrong with a scenery: the first five and the last are found while it is read, the
// rest by the checks over the stored model.
enum class ProblemKind {
    ParseError,            // a line the parser questioned, with the user's answer
    LoadError,             // the error that ended the load
    MissingInclude,        // an include whose file does not exist
    IncludeCycle,          // an include cut because its file was already being read
    TrainsetWithoutTrack,  // author mode: a trainset whose track was not found
    NearMiss,              // two track ends closer than the gap but not equal
    DuplicateSegment,      // two segments of one layer with the same ends and control vectors
    DuplicateName,         // author mode: one name on segments of different nodes
    NoSegments,            // nothing at all to draw
    // The classic reading met syntax that only the simulator's reading understands.
    SimulatorSyntax,
};

inline constexpr std::array kProblemKinds = {
    ProblemKind::ParseError,           ProblemKind::LoadError,
    ProblemKind::MissingInclude,       ProblemKind::IncludeCycle,
    ProblemKind::TrainsetWithoutTrack, ProblemKind::NearMiss,
    ProblemKind::DuplicateSegment,     ProblemKind::DuplicateName,
    ProblemKind::NoSegments,           ProblemKind::SimulatorSyntax,
};

enum class Severity { Error, Warning };

// A load keeps at most this many of the problems it finds and counts the rest.
inline constexpr std::size_t kMostLoadProblems = 10000;

struct Problem {
    ProblemKind kind = ProblemKind::ParseError;
    std::string message;            // Polish, UTF-8
    SourceLine at = kNoSourceLine;  // the line it stands at, when it has one
    std::optional<TPointD> where;   // map axes: the point it is about, when it has one
    // The checks over the model: the segment it names, in the scenery's store, and its layer.
    const TSegmentObj* segment = nullptr;
    SegmentKind layer = SegmentKind::Track;
};

// "parse-error", "near-miss" and so on: the names the command line and its JSON use.
std::string_view ProblemKindName(ProblemKind kind);
Severity SeverityOf(ProblemKind kind);

// Problems in the order of their files: those with a known line by the file's path and the
// line, then the others in the order they came.
void SortInFileOrder(std::vector<Problem>& problems, const SourceMap& sources);

struct ModelCheckOptions {
    double gap = 0.5;  // metres: track ends closer than this but not equal are a near miss
    // A check running beside the window stops early when asked; what it found is then partial.
    std::stop_token stop;
};

// The checks over the stored model (near misses, duplicate segments, duplicate names in the
// author mode, no segments at all), in time close to linear in the number of segments.
std::vector<Problem> CheckModel(const TScenery& scenery, const ModelCheckOptions& options);

}  // namespace tarvik
