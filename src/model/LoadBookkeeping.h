#pragma once

#include <string>

#include "LineReader.h"
#include "LoadLimits.h"
#include "Problems.h"
#include "Scenery.h"
#include "UserDialogs.h"

namespace tarvik {

// What both readings of a scenery do alike besides reading the files: the problems they keep,
// the limits they hold to and the texts they show.

// The status text while a file is read.
std::string LoadingText(const std::string& path);

// Tells how far the innermost file and the top scenery file are read; a stop the user asked
// for ends the load here (LoadStopped).
void ReportLoadProgress(StatusSink& status, const std::string& file, const LineReader& current,
                        const LineReader& top);

// Adds to the scenery's load problems; a damaged file may hold a problem on every line, so
// beyond kMostLoadProblems they are only counted.
void AddLoadProblem(TScenery& scenery, ProblemKind kind, std::string message, SourceLine at);

// The error that ends a load which would read one file more than the limit allows.
[[noreturn]] void ThrowFilesLimit(const LoadLimits& limits, const std::string& path);

// Throws the error that ends a load when the store holds as many segments as the limit allows.
void CheckSegmentLimit(const TScenery& scenery, const LoadLimits& limits);
// The same for a load that counts its segments itself: stored is how many it has made.
void CheckSegmentCount(std::uint64_t stored, const LoadLimits& limits);
std::uint64_t StoredSegments(const TScenery& scenery);

// An include cut because its file is already being read: a problem and the status line each
// time, a message box the first time of a load (told records it).
void ReportIncludeCycle(TScenery& scenery, UserDialogs& dialogs, StatusSink& status,
                        const std::string& path, SourceLine at, bool& told);

}  // namespace tarvik
