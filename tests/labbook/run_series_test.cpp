// The series Up and Down choose, worked out by hand from the control law.
#include "labbook/run_series.h"

#include <gtest/gtest.h>

#include "simulation/step.h"
#include "tests/support/command_runs.h"

namespace corvale {
namespace {

// Kp 1, Ki .5, Kd .5, SP 5: step 1 puts out 5 + 2.5 + 2.5 = 10; step 2 has
// X 10, PV 5, Error 0, P 0, I .5 × 5 = 2.5, D .5 × (0 − 5) = −2.5.
TEST(RunSeries, EachSeriesReadsItsColumn) {
  const LabBook history = HistoryOf({"C 1 0 0 5 2", "C 1 .5 .5 5 2"});
  using S = SeriesId::Kind;
  const RunId kept = history.Kept().at(0).id, gone = history.CurrentId() + 1;
  const std::pair<SeriesId, std::optional<double>> cases[] = {
      {{S::Pv}, 5},  {{S::X}, 10},   {{S::Error}, 0},          {{S::P}, 0},
      {{S::I}, 2.5}, {{S::D}, -2.5}, {{S::KeptPv, kept}, 2.5}, {{S::KeptPv, gone}, {}},
  };
  for (const auto& [series, value] : cases) EXPECT_EQ(SeriesValue(history, series, 1), value);
  EXPECT_EQ(SeriesOf(history).size(), 7u);
  EXPECT_EQ(SeriesValues(history, {S::KeptPv, kept}), (std::vector<double>{0, 2.5}));
  EXPECT_FALSE(SeriesValue(history, {S::Pv}, 2));
  // Pitch spans PV and SP of every run, and 0; X and a term their values and 0.
  const std::pair<SeriesId, std::pair<double, double>> scales[] = {{{S::Pv}, {0, 5}},
                                                                   {{S::KeptPv, kept}, {0, 5}},
                                                                   {{S::X}, {0, 10}},
                                                                   {{S::D}, {-2.5, 2.5}},
                                                                   {{S::I}, {0, 2.5}}};
  for (const auto& [series, range] : scales)
    EXPECT_EQ(std::pair(SeriesScale(history, series).low, SeriesScale(history, series).high), range)
        << int(series.kind);
}

// Every row's terms, read back from the rows held, are the step's own to the
// bit, across a Continue with other gains and SP (D afresh, the errors' sum
// carried on) and one with X at its limit: a plain loop of the law beside it.
TEST(RunSeries, TermsReadBackAsTheStepComputedThem) {
  Session session;
  session.Press({"C .5 .5 .5 5 40", "+ 1 .2 .3 7 40", "+ 9 1 0 300 20"});
  using S = SeriesId::Kind;
  const S kinds[] = {S::Error, S::P, S::I, S::D};
  std::vector<std::vector<double>> terms;
  for (S kind : kinds) terms.push_back(SeriesValues(session.history, {kind}));
  ASSERT_EQ(terms[0].size(), 100u);
  LoopState state;
  std::size_t row = 0;
  for (const auto& [gains, steps] :
       {std::pair{Gains{.5, .5, .5, 5}, 40}, {{1, .2, .3, 7}, 40}, {{9, 1, 0, 300}, 20}}) {
    double lastError = 0;
    for (int n = 0; n < steps; ++n, ++row) {
      const StepRecord step = StepOnce(state, lastError, gains);
      const double expected[] = {step.Error, step.P, step.I, step.D};
      for (std::size_t t = 0; t < 4; ++t) {
        EXPECT_EQ(terms[t][row], expected[t]) << "row " << row << " term " << t;
        EXPECT_EQ(*SeriesValue(session.history, {kinds[t]}, row), expected[t]);
      }
      EXPECT_EQ(session.history.Current().Record(row).Output, step.Output) << row;
      CommitStep(state, step);
      lastError = step.Error;
    }
  }
  EXPECT_EQ(state, session.history.State());
}

// SP as Play sounds it beside PV: the windup Continue's 300 for rows 0-99, then 5; a Continue
// with the same SP is no new level, one with Kp changed and SP 7 is. A kept run keeps its own.
TEST(RunSeries, SetPointLevelsChangeOnlyWhereSpDoes) {
  Session session;
  session.Press({"C .5 .5 .5 300 100", "+ .5 .5 .5 5 300", "+ 1 .5 .5 5 50", "+ 1 .5 .5 7 10"});
  const std::vector<Level> windup = {{0, 300}, {100, 5}, {450, 7}};
  EXPECT_EQ(SetPointLevels(session.history, {SeriesId::Kind::Pv}), windup);
  EXPECT_TRUE(session.Press("C .5 0 0 5 10"));
  const RunId kept = session.history.Kept().at(0).id;
  EXPECT_EQ(SetPointLevels(session.history, {SeriesId::Kind::KeptPv, kept}), windup);
  EXPECT_EQ(SetPointLevels(session.history, {SeriesId::Kind::Pv}), (std::vector<Level>{{0, 5}}));
}

}  // namespace
}  // namespace corvale
