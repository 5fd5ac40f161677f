// The booster's parachute deployment rules at their band edges and step by step.
#include <gtest/gtest.h>

#include <cmath>

#include "parachute.h"

namespace {

struct TargetCase {
    double altitude;  // [m]
    double before;
    double after;
};

TEST(ParachuteTarget, IsSetOnlyStrictlyInsideItsBandsAndKeptOutside) {
    const TargetCase cases[] = {
        {8000.0, 0.0, 0.0},   {7999.99, 0.0, 0.75}, {7000.01, 0.0, 0.75}, {7000.0, 0.0, 0.0},
        {6000.0, 0.0, 0.0},   {5000.0, 0.0, 0.0},   {4999.99, 0.0, 1.0},  {2500.01, 0.0, 1.0},
        {2500.0, 0.0, 0.0},   {1000.0, 0.0, 0.0},   {9000.0, 0.75, 0.75}, {6000.0, 0.75, 0.75},
        {5000.0, 0.75, 0.75}, {4000.0, 0.75, 1.0},  {1000.0, 1.0, 1.0},
    };
    for (const TargetCase& c : cases) {
        EXPECT_EQ(ParachuteTarget(c.altitude, c.before), c.after)
            << "at " << c.altitude << " m from " << c.before;
    }
}

TEST(MoveParachute, GrowsOneHundredthPerTenthOfASecondThenHoldsNearItsTarget) {
    double state = 0.0;
    for (int step = 1; step <= 75; ++step) {
        const double next = MoveParachute(state, 0.75, 0.1);
        ASSERT_NEAR(next - state, 0.01, 1e-12) << "step " << step;
        state = next;
    }
    for (int step = 0; step < 100; ++step) {
        state = MoveParachute(state, 0.75, 0.1);
        ASSERT_LE(std::abs(state - 0.75), 0.01 + 1e-12) << "hold step " << step;
    }
}

TEST(MoveParachute, FollowsALowerTargetAndStaysWithinZeroAndOne) {
    EXPECT_NEAR(MoveParachute(1.0, 0.75, 0.1), 0.99, 1e-12);
    EXPECT_EQ(MoveParachute(0.995, 1.0, 0.1), 1.0);
    EXPECT_EQ(MoveParachute(0.0, 0.0, 0.1), 0.0);
    // States read from a scenario outside 0..1 come back into it at once.
    EXPECT_EQ(MoveParachute(-0.5, 0.0, 0.1), 0.0);
    EXPECT_EQ(MoveParachute(1.5, 1.0, 0.1), 1.0);
}

}  // namespace
