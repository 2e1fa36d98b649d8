#pragma once

#include <cstdio>

#include "Scenery.h"
#include "SceneryLoader.h"

namespace tarvik {

// Writes the loaded model as one JSON object, texts decoded from CP1250. The summary leaves
// out the segment lists and counts each trainset's vehicles instead of listing them.
void WriteSceneryJson(std::FILE* out, const TScenery& scenery, const LoadResult& result,
                      bool summary);

}  // namespace tarvik
