#include "labbook/lab_book.h"

#include <memory>

#include "tests/support/command_runs.h"
#include "tests/support/failing_allocations.h"

namespace corvale {
namespace {

std::vector<ResponseSample> Rows(std::size_t count, double pv = 1) {
  return std::vector<ResponseSample>(count, ResponseSample{2 * pv, pv});
}

std::vector<double> KeptKp(const LabBook& history) {
  std::vector<double> kp;
  for (const KeptRun& run : history.Kept()) kp.push_back(run.summary.gains.Kp);
  return kp;
}

TEST(LabBook, ComputeKeepsOnlyRunsWithRowsAndSaysWhatChanged) {
  Session session;
  LabBook& book = session.history;
  // clang-format off
  const std::tuple<const char*, bool, std::size_t, std::size_t, bool, std::size_t> presses[] = {
      // command           new run, first row, rows, kept changed, kept
      {"+ 1 0 0 5 2",      false,   0,         2,    false,        0},  // before any Compute
      {"C 1 0 0 5 0",      true,    0,         0,    true,         1},  // keeps the two rows
      {"C 2 0 0 5 3",      true,    0,         3,    false,        1},  // no rows to keep
      {"+ 2 0 0 5 4",      false,   3,         4,    false,        1},
      {"+ 2 0 0 5 0",      false,   0,         0,    false,        1}};
  // clang-format on
  for (const auto& [command, newRun, first, rows, keptChanged, kept] : presses) {
    session.changes = {};
    ASSERT_TRUE(session.Press(command)) << command;
    const BookChange& c = session.changes;
    EXPECT_EQ(std::tuple(c.newRun, c.firstRow, c.rowsAdded, c.keptChanged, book.Kept().size()),
              std::tuple(newRun, first, rows, keptChanged, kept))
        << command;
  }
  EXPECT_EQ(book.Current().Size(), 7u);
  EXPECT_EQ(book.Kept()[0].summary.steps, 2);
}

// A run keeps its id however many runs come and go around it: the oldest
// dropped by a fifth Compute takes no other run's name. Forgetting names runs by their ids.
TEST(LabBook, KeepsFourEarlierRunsEachByAnIdOfItsOwnAndForgetsTheRunsNamed) {
  Session session;
  for (const char* kp : {"1", "2", "3", "4", "5"})
    session.Press(std::string("C ") + kp + " 0 0 5 10");
  LabBook& book = session.history;
  ASSERT_EQ(KeptKp(book), (std::vector<double>{1, 2, 3, 4}));
  const RunId first = book.Kept()[0].id, second = book.Kept()[1].id, current = book.CurrentId();
  session.fields.SetBox(Box::Kp, "6");
  const RunOutcome sixth = OnCompute(session.history, session.fields);
  EXPECT_EQ(sixth.change.dropped, std::vector<RunId>{first});
  EXPECT_EQ(book.FindKept(first), nullptr);
  ASSERT_NE(book.FindKept(second), nullptr);
  EXPECT_EQ(book.FindKept(second)->summary.gains.Kp, 2);
  EXPECT_EQ(book.Kept().back().id, current);  // the run that was current, kept by its id
  EXPECT_NE(book.CurrentId(), current);

  std::vector<RunId> ids;
  for (const KeptRun& run : book.Kept()) ids.push_back(run.id);
  const RunId gone = book.CurrentId() + 100;  // no run's
  // clang-format off
  const std::tuple<std::vector<RunId>, std::vector<double>, bool> steps[] = {  // forget; left; changed
      {{ids[1]}, {2, 4, 5}, true}, {{ids[1], gone}, {2, 4, 5}, false},
      {{ids[3], ids[0]}, {4}, true}, {{}, {4}, false}};
  // clang-format on
  for (const auto& [forget, left, changes] : steps) {
    const std::uint64_t before = book.Revision();
    const BookChange change = book.ForgetKept(forget);
    EXPECT_EQ(KeptKp(book), left);
    // What was drawn of the runs is stale exactly when one went.
    EXPECT_EQ(std::pair(change.keptChanged, book.Revision() != before),
              std::pair(changes, changes));
  }
  EXPECT_EQ(book.ForgetKept().dropped, std::vector<RunId>{ids[2]});
  EXPECT_FALSE(book.ForgetKept().keptChanged);
  EXPECT_EQ(book.Current().Size(), 10u);  // the current run stays
}

// A sweep is one entry however many runs it made: the four entries besides
// the current run's count it once, and it is dropped and forgotten whole.
TEST(LabBook, KeepsASweepAsOneEntryDroppedAndForgottenWhole) {
  Session session;
  LabBook& book = session.history;
  for (const char* kp : {"1", "2", "3", "4"}) session.Press(std::string("C ") + kp + " 0 0 5 10");
  book.BeginSweep(RunField::kKp);
  for (const char* kp : {"5", "6", "7"}) session.Press(std::string("C ") + kp + " 0 0 5 10");
  book.EndSweep();
  // clang-format off
  const std::tuple<const char*, std::vector<double>> computes[] = {  // then kept
      {"C 8 0 0 5 10", {2, 3, 4, 5, 6, 7}},  // the sweep is one of four entries
      {"C 9 0 0 5 10", {3, 4, 5, 6, 7, 8}},
      {"C 10 0 0 5 10", {4, 5, 6, 7, 8, 9}},
      {"C 11 0 0 5 10", {5, 6, 7, 8, 9, 10}},
      {"C 12 0 0 5 10", {8, 9, 10, 11}}};  // all three go at once
  // clang-format on
  ASSERT_EQ(KeptKp(book), (std::vector<double>{1, 2, 3, 4, 5, 6}));
  for (const auto& [command, kept] : computes) {
    session.Press(command);
    EXPECT_EQ(KeptKp(book), kept) << command;
  }
  book.BeginSweep(RunField::kKp);
  for (const char* kp : {"13", "14", "15"}) session.Press(std::string("C ") + kp + " 0 0 5 10");
  book.EndSweep();
  const RunId thirteen = book.Kept()[4].id;
  EXPECT_EQ(book.ForgetKept({thirteen}).dropped.size(), 2u);      // 13 and 14; 15 is current
  EXPECT_EQ(KeptKp(book), (std::vector<double>{9, 10, 11, 12}));  // 8 went as 13 began
  EXPECT_TRUE(book.CurrentSummary().sweep.has_value());
}

TEST(LabBook, SummariesCarryTheLastCommandsGainsAndTheStepsFigures) {
  // P alone: PV 0, 2.5, 1.25, 1.875, 1.5625, 1.71875, 1.640625 (within 2 % of 5/3).
  const LabBook history =
      HistoryOf({"C 1 0 0 5 30", "C .5 .5 .5 5 20", "+ .25 .125 2 7 10", "C 1 0 0 5 5"});
  ASSERT_EQ(history.Kept().size(), 2u);
  const RunSummary& p = history.Kept()[0].summary;
  EXPECT_EQ(std::tuple(p.gains.Kp, p.gains.Ki, p.gains.Kd, p.gains.SP, p.steps),
            std::tuple(1, 0, 0, 5, 30));
  ASSERT_EQ(p.setPoints.size(), 1u);
  EXPECT_EQ(std::pair(p.setPoints[0].firstRow, p.setPoints[0].SetPoint()), std::pair(0ul, 5.0));
  EXPECT_EQ(std::pair(p.extent.low, p.extent.high), std::pair(0.0, 5.0));
  ASSERT_TRUE(p.figures && p.figures->settled);  // the figures themselves: step_info_test.cpp
  EXPECT_EQ(p.figures->settledFrom, 7);

  const RunSummary& continued = history.Kept()[1].summary;
  EXPECT_EQ(std::tuple(continued.gains.Kp, continued.gains.Ki, continued.gains.Kd,
                       continued.gains.SP, continued.steps),
            std::tuple(.25, .125, 2, 7, 30));
  ASSERT_EQ(continued.setPoints.size(), 2u);
  EXPECT_EQ(std::pair(continued.setPoints[1].firstRow, continued.setPoints[1].SetPoint()),
            std::pair(20ul, 7.0));
  ASSERT_TRUE(continued.figures);
  EXPECT_EQ(continued.figures->firstStep, 21);  // the step since SP changed

  // The current run: steps 1 to 5 of P alone.
  const RunSummary now = history.CurrentSummary();
  EXPECT_EQ(std::pair(now.steps, now.gains.Kp), std::pair(5l, 1.0));
  ASSERT_TRUE(now.figures);
  EXPECT_EQ(now.figures->finalValue, 1.5625);
  EXPECT_FALSE(now.figures->settled);
}

TEST(LabBook, AnAddWithoutMemoryLeavesEverythingAsItWas) {
  for (std::size_t before : {0, 300}) {
    LabBook book;
    BookChange change;
    ASSERT_TRUE(before == 0 || book.Add(Rows(before, 3), {1, 2, 3, 4}, {.Step = 300},
                                        {.textBytes = 10, .ranges = {}}, change));
    const std::uint64_t revision = book.Revision();
    long failures = 0;
    for (long succeeding = 0;; ++succeeding) {
      std::vector<ResponseSample> rows = Rows(1000, 4);
      bool added;
      {
        FailingAllocations failing(succeeding);
        added = book.Add(std::move(rows), {5, 6, 7, 8}, {.Step = 1300},
                         {.textBytes = 20, .ranges = {}}, change);
      }
      if (added) break;
      ++failures;
      SCOPED_TRACE(testing::Message() << before << " rows, " << succeeding << " allocations");
      EXPECT_EQ(std::tuple(book.Current().Size(), book.Current().Runs().size(), book.Revision(),
                           book.State().Step, book.TextBytes(), book.CurrentSummary().gains.Kp),
                std::tuple(before, before > 0 ? 1u : 0u, revision, before > 0 ? 300 : 0,
                           before > 0 ? 10u : 0u, before > 0 ? 1 : 0));
      if (before > 0) {
        EXPECT_EQ(book.Current().Sample(before - 1).pv, 3);
        EXPECT_EQ(book.Current().PvRange(0, before).high, 3);
        EXPECT_EQ(book.Current().Extent().high, 4);
      }
    }
    EXPECT_GT(failures, 0);
    EXPECT_EQ(book.Current().Size(), before + 1000);
    EXPECT_EQ(book.CurrentSummary().gains.Kp, 5);
    EXPECT_EQ(book.State().Step, 1300);
  }
}

// A copy of the rows outlives the run: a new one takes fresh rows.
TEST(LabBook, RowsSharedWithACopyOutliveTheirRun) {
  Session session;
  session.Press(std::string("C .5 .5 .5 5 10"));
  const std::shared_ptr<const ResponseTrace> copied = session.history.SharedCurrent();
  session.Press(std::string("C 1 0 0 5 3"));
  EXPECT_EQ(copied->Size(), 10u);
  EXPECT_EQ(copied->Record(1).D, -1.875);  // the first run's row 2, as its step made it
  EXPECT_EQ(session.history.Current().Size(), 3u);
}

}  // namespace
}  // namespace corvale
