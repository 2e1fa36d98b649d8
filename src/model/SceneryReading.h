#pragma once

namespace tarvik {

// How a scenery's files are read: line by line with a fixed number of lines per node (the
// classic reading), or as one stream of tokens the way the simulator reads them.
enum class SceneryReading {
    Classic,
    Simulator,
};

}  // namespace tarvik
