#include <gtest/gtest.h>

#include <limits>

#include "loop_state.h"
#include "step.h"

namespace corvale {
namespace {

StepRecord Advance(LoopState& state, double& lastError, const Gains& gains) {
  const StepRecord record = StepOnce(state, lastError, gains);
  CommitStep(state, record);
  lastError = record.Error;
  return record;
}

TEST(StepOnce, FirstTwoStepsWithTheInitialTexts) {
  LoopState state;
  double lastError = 0;
  const Gains gains{.Kp = 0.5, .Ki = 0.5, .Kd = 0.5, .SP = 5};

  const StepRecord first = Advance(state, lastError, gains);
  EXPECT_EQ(first.Step, 1);
  EXPECT_EQ(first.X, 0);
  EXPECT_EQ(first.PV, 0);
  EXPECT_EQ(first.Error, 5);
  EXPECT_EQ(first.Integral, 5);
  EXPECT_EQ(first.P, 2.5);
  EXPECT_EQ(first.D, 2.5);
  EXPECT_EQ(first.I, 2.5);
  EXPECT_EQ(first.Output, 7.5);

  const StepRecord second = Advance(state, lastError, gains);
  EXPECT_EQ(second.X, 7.5);
  EXPECT_EQ(second.PV, 3.75);
  EXPECT_EQ(second.Error, 1.25);
  EXPECT_EQ(second.Integral, 6.25);
  EXPECT_EQ(second.P, 0.625);
  EXPECT_EQ(second.D, -1.875);
  EXPECT_EQ(second.I, 3.125);
  EXPECT_EQ(second.Output, 1.875);
  EXPECT_EQ(state.X, 1.875);
  EXPECT_EQ(state.Step, 2);
}

TEST(StepOnce, LeavesTheStateAloneUntilCommitted) {
  LoopState state;
  state.Step = 7;
  state.X = 3;
  const LoopState before = state;
  StepOnce(state, 0, Gains{.Kp = 1, .Ki = 1, .Kd = 1, .SP = 5});
  EXPECT_EQ(state, before);
}

TEST(StepOnce, LimitsTheOutputButNotTheIntegral) {
  LoopState state;
  double lastError = 0;
  const Gains gains{.Kp = 100, .Ki = 0, .Kd = 0, .SP = 5};
  const StepRecord first = Advance(state, lastError, gains);
  EXPECT_EQ(first.P, 500);
  EXPECT_EQ(first.Output, 255);

  const StepRecord second = Advance(state, lastError, gains);
  EXPECT_EQ(second.X, 255);
  EXPECT_EQ(second.PV, 127.5);
  EXPECT_EQ(second.Error, -122.5);
  EXPECT_EQ(second.P, -12250);
  EXPECT_EQ(second.Output, 0);
  EXPECT_EQ(second.Integral, 5 - 122.5);

  EXPECT_EQ(Advance(state, lastError, gains).X, 0);
}

TEST(StepOnce, NegativeOutputIsLimitedToZeroAtEveryStep) {
  LoopState state;
  double lastError = 0;
  for (int step = 1; step <= 5; ++step) {
    const StepRecord record = Advance(state, lastError, Gains{.Kp = 1, .SP = -5});
    EXPECT_EQ(record.X, 0);
    EXPECT_EQ(record.Output, 0);
    EXPECT_EQ(record.Integral, -5.0 * step);
  }
}

TEST(StepOnce, TheLimitsThemselvesPassUnchanged) {
  // Kp 51 on an error of 5 gives exactly 255; a zero gain gives exactly 0.
  EXPECT_EQ(StepOnce(LoopState{}, 0, Gains{.Kp = 51, .SP = 5}).Output, 255);
  EXPECT_EQ(StepOnce(LoopState{}, 0, Gains{.Kp = 0, .SP = 5}).Output, 0);
  EXPECT_EQ(StepOnce(LoopState{}, 0, Gains{.Kp = 50.8, .SP = 5}).Output, 254);
}

TEST(StepOnce, AddsPAndDBeforeI) {
  // By hand: (0.1 + 0.2) + 0.3 rounds to 0.6000000000000001, 0.1 + (0.2 + 0.3) to 0.6.
  const StepRecord record =
      StepOnce(LoopState{}, 0, Gains{.Kp = 0.1, .Ki = 0.3, .Kd = 0.2, .SP = 1});
  EXPECT_EQ(record.Output, 0.6000000000000001);
}

TEST(OverflowSource, NamesTheBoxWhoseTermLeftTheRange) {
  const double big = std::numeric_limits<double>::max();
  struct Case {
    Gains gains;
    LoopState state;
    std::optional<Box> expected;
  };
  LoopState bigIntegral;
  bigIntegral.Integral = big;
  const Case cases[] = {
      {Gains{.Kp = 1, .Ki = 1, .Kd = 1, .SP = 5}, {}, std::nullopt},
      {Gains{.SP = big}, bigIntegral, Box::SP},
      {Gains{.Kp = big, .SP = 2}, {}, Box::Kp},
      {Gains{.Kd = big, .SP = 2}, {}, Box::Kd},
      {Gains{.Ki = big, .SP = 2}, {}, Box::Ki},
      {Gains{.Kp = big, .Ki = big, .Kd = big, .SP = 1}, {}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(OverflowSource(StepOnce(c.state, 0, c.gains)), c.expected)
        << c.gains.Kp << ' ' << c.gains.Ki << ' ' << c.gains.Kd << ' ' << c.gains.SP;
  }
}

}  // namespace
}  // namespace corvale
