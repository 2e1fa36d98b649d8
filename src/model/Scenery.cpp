#include "Scenery.h"

namespace tarvik {

void TScenery::FreeScenery() {
    Segments.Clear();
    Trainsets.clear();
    IncFiles.clear();
    Sources.Clear();
    LoadProblems.clear();
    LoadProblemsLeftOut = 0;
}

}  // namespace tarvik
