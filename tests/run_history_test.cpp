#include "run_history.h"

#include "command_runs.h"
#include "failing_allocations.h"

namespace corvale {
namespace {

std::vector<ResponseSample> Rows(std::size_t count, double pv = 1) {
  return std::vector<ResponseSample>(count, ResponseSample{2 * pv, pv});
}

std::vector<double> KeptKp(const RunHistory& history) {
  std::vector<double> kp;
  for (const KeptRun& run : history.Kept()) kp.push_back(run.summary.gains.Kp);
  return kp;
}

TEST(RunHistory, StartKeepsOnlyRunsWithRows) {
  RunHistory history;
  history.Start();  // nothing yet
  EXPECT_TRUE(history.Kept().empty() && history.Revision() == 0u);
  EXPECT_TRUE(history.Append({}, {1, 0, 0, 5}));  // a run of no steps
  history.Start();
  EXPECT_TRUE(history.Kept().empty() && history.Revision() == 0u);

  ASSERT_TRUE(history.Append(Rows(3), {2, 0, 0, 5}));
  EXPECT_EQ(history.Current().Size(), 3u);
  history.Start();
  ASSERT_EQ(history.Kept().size(), 1u);
  EXPECT_EQ(history.Kept()[0].pv.Size(), 3u);
  EXPECT_EQ(history.Kept()[0].summary.steps, 3);
  EXPECT_EQ(history.Current().Size(), 0u);
  EXPECT_TRUE(history.Current().Runs().empty());
  EXPECT_EQ(history.Revision(), 2u);  // the rows, then the start
}

TEST(RunHistory, KeepsFourEarlierRunsAndForgetsTheOneNamed) {
  RunHistory history;
  for (double kp = 1; kp <= 6; ++kp) {
    history.Start();
    ASSERT_TRUE(history.Append(Rows(10, kp), {kp, 0, 0, 5}));
  }
  EXPECT_EQ(KeptKp(history), (std::vector<double>{2, 3, 4, 5}));
  EXPECT_EQ(history.CurrentSummary().gains.Kp, 6);
  EXPECT_EQ(history.Kept()[0].pv.Value(9), 2);

  constexpr std::size_t kAll = RunHistory::kKept;
  // clang-format off
  const std::tuple<std::size_t, std::vector<double>, bool> steps[] = {  // forget; left; changed
      {1, {2, 4, 5}, true}, {7, {2, 4, 5}, false}, {2, {2, 4}, true}, {0, {4}, true},
      {kAll, {}, true}, {kAll, {}, false}};
  // clang-format on
  for (const auto& [forget, left, changes] : steps) {
    const std::uint64_t revision = history.Revision();
    forget == kAll ? history.ForgetKept() : history.ForgetKept(forget);
    EXPECT_EQ(KeptKp(history), left) << forget;
    EXPECT_EQ(history.Revision() != revision, changes) << forget;
  }
  EXPECT_EQ(history.Current().Size(), 10u);  // the current run stays
}

TEST(RunHistory, SummariesCarryTheLastCommandsGainsAndTheStepsFigures) {
  // P alone: PV 0, 2.5, 1.25, 1.875, 1.5625, 1.71875, 1.640625 (within 2 % of 5/3).
  const RunHistory history =
      HistoryOf({"C 1 0 0 5 30", "C .5 .5 .5 5 20", "+ .25 .125 2 7 10", "C 1 0 0 5 5"});
  ASSERT_EQ(history.Kept().size(), 2u);
  const RunSummary& p = history.Kept()[0].summary;
  EXPECT_EQ(std::tuple(p.gains.Kp, p.gains.Ki, p.gains.Kd, p.gains.SP, p.steps),
            std::tuple(1, 0, 0, 5, 30));
  ASSERT_EQ(p.setPoints.size(), 1u);
  EXPECT_EQ(std::pair(p.setPoints[0].firstRow, p.setPoints[0].setPoint), std::pair(0ul, 5.0));
  EXPECT_EQ(std::pair(p.extent.low, p.extent.high), std::pair(0.0, 5.0));
  ASSERT_TRUE(p.figures && p.figures->settled);  // the figures themselves: step_info_test.cpp
  EXPECT_EQ(p.figures->settledFrom, 7);

  const RunSummary& continued = history.Kept()[1].summary;
  EXPECT_EQ(std::tuple(continued.gains.Kp, continued.gains.Ki, continued.gains.Kd,
                       continued.gains.SP, continued.steps),
            std::tuple(.25, .125, 2, 7, 30));
  ASSERT_EQ(continued.setPoints.size(), 2u);
  EXPECT_EQ(std::pair(continued.setPoints[1].firstRow, continued.setPoints[1].setPoint),
            std::pair(20ul, 7.0));
  ASSERT_TRUE(continued.figures);
  EXPECT_EQ(continued.figures->firstStep, 21);  // the step since SP changed

  // The current run, measured now: steps 1 to 5 of P alone.
  const RunSummary now = history.CurrentSummary();
  EXPECT_EQ(std::pair(now.steps, now.gains.Kp), std::pair(5l, 1.0));
  ASSERT_TRUE(now.figures);
  EXPECT_EQ(now.figures->finalValue, 1.5625);
  EXPECT_FALSE(now.figures->settled);
}

TEST(RunHistory, AnAppendWithoutMemoryLeavesTheRunAsItWas) {
  for (std::size_t before : {0, 300}) {
    RunHistory history;
    ASSERT_TRUE(before == 0 || history.Append(Rows(before, 3), {1, 2, 3, 4}));
    const std::uint64_t revision = history.Revision();
    long failures = 0;
    for (long succeeding = 0;; ++succeeding) {
      std::vector<ResponseSample> rows = Rows(1000, 4);
      bool appended;
      {
        FailingAllocations failing(succeeding);
        appended = history.Append(std::move(rows), {5, 6, 7, 8});
      }
      if (appended) break;
      ++failures;
      SCOPED_TRACE(testing::Message() << before << " rows, " << succeeding << " allocations");
      EXPECT_EQ(history.Current().Size(), before);
      EXPECT_EQ(history.Current().Runs().size(), before > 0 ? 1u : 0u);
      EXPECT_EQ(history.Revision(), revision);
      EXPECT_EQ(history.CurrentSummary().gains.Kp, before > 0 ? 1 : 0);
      if (before > 0) {
        EXPECT_EQ(history.Current().Sample(before - 1).pv, 3);
        EXPECT_EQ(history.Current().PvRange(0, before).high, 3);
        EXPECT_EQ(history.Current().Extent().high, 4);
      }
    }
    EXPECT_GT(failures, 0);
    EXPECT_EQ(history.Current().Size(), before + 1000);
    EXPECT_EQ(history.CurrentSummary().gains.Kp, 5);
  }
}

TEST(RunHistory, ForgettingTheCurrentRunKeepsNothingOfIt) {
  RunHistory history;
  ASSERT_TRUE(history.Append(Rows(5), {1, 0, 0, 5}));
  history.Start();
  ASSERT_TRUE(history.Append(Rows(7), {2, 0, 0, 5}));
  history.ForgetCurrent();
  EXPECT_EQ(history.Current().Size(), 0u);
  EXPECT_EQ(history.CurrentSummary().gains.Kp, 0);
  EXPECT_FALSE(history.CurrentSummary().figures);
  history.Start();
  EXPECT_EQ(KeptKp(history), (std::vector<double>{1}));
}

}  // namespace
}  // namespace corvale
