#pragma once

#include "MapOptions.h"

namespace tarvik::test {

// The drawing switches a first run of the viewer starts with: every layer but traction, the
// line-speed map, overlays half transparent.
inline MapOptions FirstRunSwitches() {
    return {.PaintRiver = true,
            .PaintRoad = true,
            .PaintTrack = true,
            .Type = MapType::Velocity,
            .PaintTransparent = true};
}

}  // namespace tarvik::test
