#pragma once

#include <cstdio>

#include "JsonWriter.h"
#include "Scenery.h"
#include "SceneryLoader.h"

namespace tarvik {

// {"file":…,"line":…} of a record, its file written as under "files"; null when not known.
void WriteSourcePlace(JsonWriter& json, const SourceMap& sources, SourceLine line);

// Writes the loaded model as one JSON object, texts decoded from CP1250. The summary leaves
// out the segment lists and counts each trainset's vehicles instead of listing them.
void WriteSceneryJson(std::FILE* out, const TScenery& scenery, const LoadResult& result,
                      bool summary);

}  // namespace tarvik
