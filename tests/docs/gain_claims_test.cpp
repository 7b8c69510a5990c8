#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <tuple>

#include "labbook/step_info.h"
#include "simulation/transcript.h"
#include "tests/support/command_runs.h"

namespace corvale {
namespace {

// What the README says a gain does, run through the commands;
// expected values worked by hand on the loop PV(k+1) = Output(k) / 2.
enum Column { kX = 1, kPV, kError, kP, kI, kD };

struct Loop : Session {
  Loop(double kp, double ki, double kd, double sp = 5, int loops = 100) {
    std::ostringstream command;
    command.precision(17);  // each value exactly
    command << "C " << kp << ' ' << ki << ' ' << kd << ' ' << sp << ' ' << loops;
    EXPECT_TRUE(Press(command.str()));
  }
  StepFigures Figures() const { return *MeasureStep(history.Current()); }
  double Value(std::int64_t step, Column column) const {
    return std::stod(Split(Split(Transcript(), "\r\n")[step], "\t")[column]);
  }
};

StepFigures FiguresOf(double kp, double ki, double kd, double sp = 5, int loops = 100) {
  return Loop(kp, ki, kd, sp, loops).Figures();
}

// How often PV crosses the final value, outside the band: more than once when it rings.
int Crossings(const Loop& loop, double finalValue, double band) {
  int crossings = 0, side = 0;
  const ResponseTrace& trace = loop.history.Current();
  for (std::size_t row = 0; row < trace.Size(); ++row) {
    const double off = trace.Sample(row).pv - finalValue;
    if (std::abs(off) <= band) continue;
    const int now = off > 0 ? 1 : -1;
    if (side != 0 && now != side) ++crossings;
    side = now;
  }
  return crossings;
}

// Each swing is -Kp / 2 of the one before, so PV settles at SP × Kp / (Kp + 2), and its first
// swing, Kp × SP / 2, passes that by Kp / 2 of the change. In the first lesson's run PV
// settles up to Kp 1.9 (from step 84) and no further; in 50 steps Kp 1.8 still swings
// (tests/labbook/stepinfo_reference.py finds the same).
TEST(GainClaims, KpWithPAloneSettlesShortOfSpAndOnlyBelowTheLimit) {
  // Kp, the final value, the overshoot.
  const std::tuple<double, double, double> cases[] = {
      {0.5, 1, 25}, {1, 5.0 / 3, 50}, {1.5, 15.0 / 7, 75}, {1.9, 9.5 / 3.9, 95}};
  std::int64_t settledBefore = 0;
  for (const auto& [kp, finalValue, overshoot] : cases) {
    SCOPED_TRACE(testing::Message() << "Kp " << kp);
    const StepFigures f = FiguresOf(kp, 0, 0, 5, 1000);
    ASSERT_TRUE(f.settled);
    EXPECT_NEAR(f.finalValue, finalValue, 1e-6);
    EXPECT_NEAR(f.overshootPercent, overshoot, 1e-4);
    EXPECT_GT(*f.settledFrom, settledBefore);
    settledBefore = *f.settledFrom;
  }
  for (double kp : {2.0, 2.01, 2.5, 3.0, 100.0})
    for (double sp : {5.0, 50.0})
      EXPECT_FALSE(FiguresOf(kp, 0, 0, sp, 1000).settled) << kp << " " << sp;
  const int loops = 100;  // the first lesson's
  for (int kp = 5; kp <= 190; kp += 5)
    EXPECT_TRUE(FiguresOf(kp / 100.0, 0, 0, 5, loops).settled) << kp;
  EXPECT_EQ(FiguresOf(1.9, 0, 0, 5, loops).settledFrom, 84);
  EXPECT_EQ(FiguresOf(1.8, 0, 0, 5, loops).settledFrom, 39);
  for (double kp : {1.91, 1.95, 1.99}) EXPECT_FALSE(FiguresOf(kp, 0, 0, 5, loops).settled) << kp;
  EXPECT_FALSE(FiguresOf(1.8, 0, 0, 5, 50).settled);
}

// That Ki .5 leaves no steady-state error: readme_figures_test.cpp.
TEST(GainClaims, KiRemovesTheSteadyStateError) {
  const Loop loop(0.5, 0.5, 0);
  int below = 0;
  for (std::int64_t step = 2; step <= 100; ++step) {
    if (loop.Value(step, kError) > 0.001) {
      EXPECT_GT(loop.Value(step, kI), loop.Value(step - 1, kI)) << step;
      ++below;
    }
  }
  EXPECT_GE(below, 15);  // PV below SP until it settles, from step 18

  // Sooner, without overshoot: from step 46, 18, 9.
  std::int64_t settledBefore = 101;
  for (double ki : {0.2, 0.5, 1.0}) {
    const StepFigures f = FiguresOf(0.5, ki, 0);
    ASSERT_TRUE(f.settled) << ki;
    EXPECT_LT(*f.settledFrom, settledBefore) << ki;
    EXPECT_LT(f.overshootPercent, 0.05) << ki;
    settledBefore = *f.settledFrom;
  }
  // Beyond: 50 % over, ringing, and later.
  const Loop much(0.5, 2.5, 0);
  const StepFigures f = much.Figures();
  ASSERT_TRUE(f.settled);
  EXPECT_NEAR(f.overshootPercent, 50, 1e-6);  // (0.5 + 2.5) × 5 / 2 = 7.5 at step 2
  EXPECT_GE(Crossings(much, f.finalValue, 0.02 * 5), 3);
  EXPECT_GT(*f.settledFrom, settledBefore);
}

// The README's third lesson: Kd on Kp .5 and Ki .5, the step PV settles
// from (none where it never does) and its overshoot.
TEST(GainClaims, KdDoesNotDampThisLoop) {
  // Kd, the step PV settles from, the overshoot.
  const std::tuple<double, std::optional<std::int64_t>, double> examples[] = {
      {0, 18, 0}, {0.5, 28, 4.8}, {1, std::nullopt, 0}};
  constexpr double kKdExampleKp = 0.5, kKdExampleKi = 0.5, kZigzagChange = 2;
  for (double sp : {5.0, 50.0}) {
    for (const auto& [kd, settledFrom, overshootPercent] : examples) {
      SCOPED_TRACE(testing::Message() << "Kd " << kd << ", SP " << sp);
      const StepFigures f = FiguresOf(kKdExampleKp, kKdExampleKi, kd, sp, settledFrom ? 100 : 1000);
      ASSERT_EQ(f.settled, settledFrom.has_value());
      if (!f.settled) continue;
      EXPECT_EQ(f.settledFrom, settledFrom);
      EXPECT_NEAR(f.overshootPercent, overshootPercent, 0.05);  // as the figures round it
    }
    // No Kd in between does better: never less overshoot, never sooner.
    double overshoot = 0;
    std::int64_t settled = 0;
    for (int i = 0; i <= 12; ++i) {
      const StepFigures f = FiguresOf(kKdExampleKp, kKdExampleKi, i * 0.05, sp, 1000);
      ASSERT_TRUE(f.settled) << i;
      EXPECT_GE(f.overshootPercent, overshoot) << i;
      EXPECT_GE(*f.settledFrom, settled) << i;
      overshoot = f.overshootPercent;
      settled = *f.settledFrom;
    }
  }
  // The README's "too much P" zigzags between PV 0 and 10 for as long as it runs.
  const Loop loop(1, 0.5, 0.5, 5, 1000);
  for (std::int64_t step : {91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 999, 1000}) {
    SCOPED_TRACE(step);
    const double error = loop.Value(step, kError);
    EXPECT_NEAR(std::abs(error), 5, 1e-4);
    EXPECT_NEAR(loop.Value(step - 1, kError), -error, 1e-4);
    EXPECT_NEAR(loop.Value(step, kD), kZigzagChange * 0.5 * error, 1e-4);
    EXPECT_NEAR(loop.Value(step, kP) + loop.Value(step, kD), (1 + kZigzagChange * 0.5) * error,
                2e-4);
  }
}

}  // namespace
}  // namespace corvale
