#include <gtest/gtest.h>

#include "WorkMode.h"

namespace tarvik {
namespace {

TEST(WorkMode, FirstRunIsTheUserModeWithThreeSamples) {
    TWorkMode mode;
    EXPECT_FALSE(mode.OwnerMode);
    EXPECT_EQ(mode.InterpolateStepsMode, 2);
    EXPECT_EQ(mode.InterpolateSteps, 3);
    mode.UpdateInterpolateSteps();
    EXPECT_EQ(mode.InterpolateSteps, 3);
}

TEST(WorkMode, StepTableByModeAndPosition) {
    EXPECT_EQ(TWorkMode::Make(true, 1).InterpolateSteps, 50);
    EXPECT_EQ(TWorkMode::Make(false, 9).InterpolateSteps, 50);
    EXPECT_EQ(TWorkMode::Make(true, 10).InterpolateSteps, 5000);
    EXPECT_EQ(TWorkMode::Make(false, 1).InterpolateSteps, 2);
    EXPECT_EQ(TWorkMode::Make(true, TWorkMode::DefaultPosition(true)).InterpolateSteps, 750);
}

TEST(WorkMode, PositionsOutsideTheScaleGoToTheNearerEnd) {
    EXPECT_EQ(TWorkMode::Make(false, 0).InterpolateStepsMode, 1);
    EXPECT_EQ(TWorkMode::Make(false, 12).InterpolateStepsMode, 10);
    EXPECT_EQ(TWorkMode::Make(false, -5).InterpolateSteps, 2);
}

TEST(WorkMode, StepsChangeOnlyWhenUpdated) {
    TWorkMode mode = TWorkMode::Make(false, 2);
    mode.OwnerMode = true;
    EXPECT_EQ(mode.InterpolateSteps, 3);
    mode.UpdateInterpolateSteps();
    EXPECT_EQ(mode.InterpolateSteps, 100);
}

}  // namespace
}  // namespace tarvik
