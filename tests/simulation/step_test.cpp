#include "simulation/step.h"

#include <gtest/gtest.h>

namespace corvale {
namespace {

// What four decimals cannot show: the order of the sums, the edge of the limit,
// and the integral running on while the output is held at a limit.
TEST(StepOnce, AddsPAndDBeforeIAndKeepsIntegratingAtALimit) {
  // By hand: (0.1 + 0.2) + 0.3 rounds to 0.6000000000000001, 0.1 + (0.2 + 0.3) to 0.6.
  EXPECT_EQ(StepOnce({}, 0, {.Kp = 0.1, .Ki = 0.3, .Kd = 0.2, .SP = 1}).Output, 0.6000000000000001);
  EXPECT_EQ(StepOnce({}, 0, {.Kp = 50.9, .SP = 5}).Output, 254.5);  // just under the limit
  EXPECT_EQ(StepOnce({}, 0, {.Kp = 51.1, .SP = 5}).Output, 255);    // just over it
  LoopState state;
  for (int step = 1; step <= 3; ++step) CommitStep(state, StepOnce(state, 0, {.Kp = 1, .SP = -5}));
  EXPECT_TRUE(state.Integral == -15 && state.X == 0);
}

}  // namespace
}  // namespace corvale
