#pragma once

#include <string>

#include "FileSystem.h"
#include "Scenery.h"
#include "SceneryParser.h"
#include "Translate.h"
#include "UserDialogs.h"
#include "WorkMode.h"

namespace tarvik {

enum class LoadStatus {
    Loaded,   // the scenery was read
    Missing,  // no file at the path; the model was not touched
    Failed,   // an error ended the parse; the model holds what was read up to it
};

struct LoadResult {
    LoadStatus status = LoadStatus::Loaded;
    std::string error;     // the message of the error that ended the load
    bool stopped = false;  // the status sink asked for the end (then status is Failed)
};

inline constexpr const char* kLoadStoppedText =
    TARVIK_TRANSLATE_NOOP("Scenery", "Wczytywanie przerwane przez użytkownika.");

// Tells the user when there is no file at the path; true when there is one.
bool CheckSceneryExists(const std::string& path, const FileSystem& files, UserDialogs& dialogs);

// The model's part of opening a scenery: checks the file, resets and frees the model, parses
// the file with its includes in the given work mode, then finishes the ranges and widens the
// bounding box, also after an error has ended the parse.
LoadResult LoadSceneryModel(TScenery& scenery, const std::string& path, const TWorkMode& mode,
                            const FileSystem& files, UserDialogs& dialogs, StatusSink& status,
                            const SceneryReadOptions& options = {});

// Ranges rounded outwards to tens; ranges that gathered nothing become 0.
void FinishRanges(SceneryRanges& ranges);

// Widens the box by 2 %; the upper bounds move by 2 % of the already widened extent.
void WidenBounds(SceneryBounds& bounds);

}  // namespace tarvik
