#pragma once

#include <array>
#include <cstdint>

#include "SceneryReading.h"

namespace tarvik {

// Sample points per curved segment, by precision position 1..10, for the user and author mode.
inline constexpr std::array<std::array<std::uint16_t, 10>, 2> StepTable = {{
    {2, 3, 5, 7, 10, 15, 20, 30, 50, 100},
    {50, 100, 150, 200, 300, 500, 750, 1000, 2000, 5000},
}};

inline constexpr int kMinPrecision = 1;
inline constexpr int kMaxPrecision = 10;

// The work mode: author mode or user mode, and the precision position that gives the number
// of sample points per curve. Passed by value to the loader and the geometry.
struct TWorkMode {
    bool OwnerMode = false;
    int InterpolateStepsMode = 2;
    std::uint16_t InterpolateSteps = 3;
    // Chosen in the same dialog: how the next load reads the files.
    SceneryReading Reading = SceneryReading::Classic;

    static int ClampPosition(int position);
    static int DefaultPosition(bool ownerMode) { return ownerMode ? 7 : 2; }

    // The stored position may lie outside 1..10; it is pulled to the nearer end.
    void SetPosition(int position) { InterpolateStepsMode = ClampPosition(position); }
    void UpdateInterpolateSteps();

    static TWorkMode Make(bool ownerMode, int position);
};

}  // namespace tarvik
