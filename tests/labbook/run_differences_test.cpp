#include "labbook/run_differences.h"

#include <gtest/gtest.h>

#include "tests/support/command_runs.h"

namespace corvale {
namespace {

using F = RunField;

// A run of the gains and options, its commands' set points as given.
RunSummary Summary(Gains gains, LoopOptions options = {}, std::vector<double> sps = {}) {
  RunSummary run{.gains = gains,
                 .options = options,
                 .steps = 10,
                 .setPoints = {},
                 .figures = {},
                 .extent = {},
                 .sweep = {}};
  if (sps.empty()) sps = {gains.SP};
  for (std::size_t i = 0; i < sps.size(); ++i)
    run.setPoints.emplace_back(i * 10, Gains{gains.Kp, gains.Ki, gains.Kd, sps[i]}, options);
  return run;
}

const Gains kPid{.5, .5, .5, 5};
const Gains kPd{.5, 0, 10, 5};

LoopOptions With(void (*change)(LoopOptions&)) {
  LoopOptions options;
  change(options);
  return options;
}

TEST(RunDifferences, NamesTheFieldsSomeRunHasOtherwiseAndOnlyWhereTheyApply) {
  const LoopOptions lag = With([](LoopOptions& o) { o.plant.T1 = 5; });
  const LoopOptions noisy = With([](LoopOptions& o) { o.noise = .5, o.noiseSeed = 3; });
  const LoopOptions reseeded = With([](LoopOptions& o) { o.noise = .5, o.noiseSeed = 4; });
  const LoopOptions seedAlone = With([](LoopOptions& o) { o.noiseSeed = 4; });
  const LoopOptions back =
      With([](LoopOptions& o) { o.antiWindup = AntiWindup::BackCalculation, o.trackingGain = .5; });
  const LoopOptions backFaster =
      With([](LoopOptions& o) { o.antiWindup = AntiWindup::BackCalculation, o.trackingGain = .7; });
  const LoopOptions conditional = With([](LoopOptions& o) {
    o.antiWindup = AntiWindup::Conditional, o.trackingGain = .5;  // Kb left in, unused
  });
  const LoopOptions load50 = With([](LoopOptions& o) { o.loadSize = 20, o.loadStep = 50; });
  const LoopOptions load60 = With([](LoopOptions& o) { o.loadSize = 20, o.loadStep = 60; });
  const LoopOptions noLoad60 = With([](LoopOptions& o) { o.loadStep = 60; });
  const LoopOptions plant = With([](LoopOptions& o) { o.plant = {1, 0, 0, 3}; });
  const LoopOptions onPv = With([](LoopOptions& o) { o.derivativeOnPv = true; });
  // clang-format off
  const std::pair<std::vector<RunSummary>, RunFields> cases[] = {
      {{Summary(kPid), Summary(kPid)}, {}},
      {{Summary(kPid)}, {}},
      {{}, {}},
      {{Summary(kPid), Summary(kPid, lag)}, {F::kLag1}},
      {{Summary(kPd), Summary(kPid, lag)}, {F::kLag1, F::kKi, F::kKd}},
      {{Summary(kPid), Summary(kPid), Summary(kPid, plant)}, {F::kPlantGain, F::kDeadTime}},
      {{Summary(kPid), Summary(kPid, onPv)}, {F::kDerivativeOnPv}},
      // Noise: the seed counts only where there is noise.
      {{Summary(kPid), Summary(kPid, seedAlone)}, {}},
      {{Summary(kPid), Summary(kPid, noisy)}, {F::kNoise, F::kNoiseSeed}},
      {{Summary(kPid, noisy), Summary(kPid, reseeded)}, {F::kNoiseSeed}},
      // Kb only with back-calculation.
      {{Summary(kPid, conditional), Summary(kPid)}, {F::kAntiWindup}},
      {{Summary(kPid, conditional), Summary(kPid, back)}, {F::kAntiWindup, F::kTrackingGain}},
      {{Summary(kPid, back), Summary(kPid, backFaster)}, {F::kTrackingGain}},
      // The load's step only with a load.
      {{Summary(kPid), Summary(kPid, noLoad60)}, {}},
      {{Summary(kPid, load50), Summary(kPid, load60)}, {F::kLoadStep}},
      {{Summary(kPid), Summary(kPid, load50)}, {F::kLoad, F::kLoadStep}},
      // SP by its changes: 300 → 5 is not 5, though the last is; 5 held is 5.
      {{Summary(kPid, {}, {300, 5}), Summary(kPid)}, {F::kSetPoints}},
      {{Summary(kPid, {}, {5, 5}), Summary(kPid)}, {}},
      {{Summary({1, 0, 0, 5}), Summary({1, 0, 0, 7})}, {F::kSetPoints}},
      {{Summary({1, 0, 0, 5}), Summary({2, 0, 0, 5}), Summary({1, 0, 0, 5})}, {F::kKp}},
  };
  // clang-format on
  for (std::size_t i = 0; i < std::size(cases); ++i)
    EXPECT_TRUE(DifferingFields(cases[i].first) == cases[i].second) << "case " << i;
}

// The kept runs, then the current one, each with its last command's options: a
// Continue on another plant is that run's plant.
TEST(RunDifferences, ListsTheKeptRunsThenTheCurrentOneWithItsLastOptions) {
  Session session;
  session.Press(std::vector<std::string>{"C 1 0 0 5 10"});
  session.fields.SetBox(Box::PlantLag1, "5");
  session.Press(std::vector<std::string>{"+ 1 0 0 5 10", "C 2 0 0 5 10"});
  const std::vector<RunSummary> runs = RunsCompared(session.history);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(std::pair(runs[0].gains.Kp, runs[0].options.plant.T1), std::pair(1.0, 5.0));
  EXPECT_EQ(std::pair(runs[1].gains.Kp, runs[1].steps), std::pair(2.0, std::int64_t{10}));
  EXPECT_TRUE(DifferingFields(runs) == RunFields{F::kKp});
}

}  // namespace
}  // namespace corvale
