#include "WorkMode.h"

#include <algorithm>

namespace tarvik {

int TWorkMode::ClampPosition(int position) {
    return std::clamp(position, kMinPrecision, kMaxPrecision);
}

void TWorkMode::UpdateInterpolateSteps() {
    InterpolateSteps = StepTable[OwnerMode ? 1 : 0][ClampPosition(InterpolateStepsMode) - 1];
}

TWorkMode TWorkMode::Make(bool ownerMode, int position) {
    TWorkMode mode;
    mode.OwnerMode = ownerMode;
    mode.SetPosition(position);
    mode.UpdateInterpolateSteps();
    return mode;
}

}  // namespace tarvik
