#include "form/sweep_command.h"

#include <tuple>

#include "tests/support/command_runs.h"

namespace corvale {
namespace {

using Input = SweepInputFailure::Input;
using Reason = SweepInputFailure::Reason;

TEST(SweepCommand, ValuesRunEvenlyFromEndToEndAndReadBackExactly) {
  EXPECT_EQ(SweepValues(0, 1, 5), (std::vector<double>{0, .25, .5, .75, 1}));
  EXPECT_EQ(SweepValues(2, -2, 3), (std::vector<double>{2, 0, -2}));
  // Ends as far apart as doubles go: no step overflows.
  EXPECT_EQ(SweepValues(-1e308, 1e308, 3), (std::vector<double>{-1e308, 0, 1e308}));
  const NumberFormat comma{","};
  const std::tuple<double, std::string> texts[] = {{.1, "0,1"}, {-2.5, "-2,5"}, {1e-7, "1e-07"}};
  for (const auto& [value, text] : texts) {
    EXPECT_EQ(SweepText(value, comma), text);
    EXPECT_EQ(ParseNumber(text, comma).value, value) << text;
  }
}

// Kp 0, .25, .5, .75 and 1, P alone: each run's PV at step 2 is Kp/2 × 5.
TEST(SweepCommand, RunsEachValueWithTheOtherBoxesAsTypedAsOneEntry) {
  Session session;
  session.Press("C 3 0 0 5 10");  // an earlier run of its own
  session.Press("C 1 0 0 5 10");  // its Kp 1 is what the sweep replaces
  const SweepOutcome outcome = OnSweep(session.history, session.fields, {Box::Kp, "0", "1", 5});
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(outcome.runs, 5);
  const LabBook& book = session.history;
  ASSERT_EQ(book.Kept().size(), 6u);
  std::vector<std::tuple<double, double, bool>> runs;  // Kp, PV at step 2, one of the sweep
  for (const KeptRun& run : book.Kept())
    runs.emplace_back(run.summary.gains.Kp, run.pv.Value(1), run.summary.sweep.has_value());
  runs.emplace_back(book.CurrentGains().Kp, book.Current().Sample(1).pv,
                    book.CurrentSummary().sweep.has_value());
  // clang-format off
  EXPECT_EQ(runs, (std::vector<std::tuple<double, double, bool>>{
      {3, 7.5, false}, {1, 2.5, false}, {0, 0, true}, {.25, .625, true}, {.5, 1.25, true}, {.75, 1.875, true}, {1, 2.5, true}}));
  // clang-format on
  const SweepTag tag = *book.CurrentSummary().sweep;
  EXPECT_EQ(tag.field, RunField::kKp);
  EXPECT_EQ(*book.Kept()[2].summary.sweep, tag);
  EXPECT_EQ(session.fields.ReadBox(Box::Kp), "1");  // the box keeps its text
  session.Press("C 1 0 0 5 10");                    // after the sweep: a run of its own again
  EXPECT_FALSE(book.CurrentSummary().sweep.has_value());
}

// A box of whole numbers takes each value rounded: 0, .5 and 1 run as 0, 1, 1.
TEST(SweepCommand, RoundsTheValuesOfABoxOfWholeNumbers) {
  Session session;
  const SweepOutcome outcome =
      OnSweep(session.history, session.fields, {Box::PlantDeadTime, "0", "1", 3});
  ASSERT_TRUE(outcome.ok());
  std::vector<std::int64_t> deadTimes;
  for (const KeptRun& run : session.history.Kept())
    deadTimes.push_back(run.summary.options.plant.deadTime);
  deadTimes.push_back(session.history.CurrentSummary().options.plant.deadTime);
  EXPECT_EQ(deadTimes, (std::vector<std::int64_t>{0, 1, 1}));
}

TEST(SweepCommand, BadInputStopsItBeforeItChangesAnything) {
  // clang-format off
  const std::tuple<SweepRequest, std::string, std::optional<SweepInputFailure>,
                   std::optional<Failure>> cases[] = {
      {{Box::Kp, "x", "1", 5}, "100", SweepInputFailure{Input::From, "x"}, std::nullopt},
      {{Box::Kp, "0", "1e999", 5}, "100", SweepInputFailure{Input::To, "1e999", Reason::OutOfRange}, std::nullopt},
      {{Box::Kp, "0", "1", 51}, "100", SweepInputFailure{Input::Runs, "51", Reason::OutOfBounds}, std::nullopt},
      {{Box::Kp, "0", "1", 1}, "100", SweepInputFailure{Input::Runs, "1", Reason::OutOfBounds}, std::nullopt},
      // 50 runs of 2,001 steps pass the bound of 100,000; 50 of 2,000 do not.
      {{Box::Kp, "0", "1", 50}, "2001", SweepInputFailure{Input::Runs, "50", Reason::TooManySteps, 100050}, std::nullopt},
      // The far end is what a box cannot take.
      {{Box::PlantLag1, "1", "-1", 3}, "100", std::nullopt, Failure{Box::PlantLag1, "-1", 0, FailureReason::Negative}},
      {{Box::Kp, "0", "1", 3}, "x", std::nullopt, Failure{Box::Loops, "x", 0, FailureReason::NotANumber}}};
  // clang-format on
  for (const auto& [request, loops, input, failure] : cases) {
    Session session;
    session.Press("C 1 0 0 5 10");
    session.fields.SetBox(Box::Loops, loops);
    const SweepOutcome outcome = OnSweep(session.history, session.fields, request);
    EXPECT_EQ(outcome.input, input) << request.from << ' ' << request.to << ' ' << request.runs;
    EXPECT_EQ(outcome.failure, failure) << request.from << ' ' << request.to;
    EXPECT_EQ(std::pair(outcome.runs, session.history.Kept().size()), std::pair(0, 0ul));
  }
  Session session;
  session.fields.SetBox(Box::Loops, "2000");
  EXPECT_TRUE(CheckSweep(session.history, session.fields, {Box::Kp, "0", "1", 50}).ok());
}

}  // namespace
}  // namespace corvale
