// The steps the chart's N and Shift+N stop at, worked out by hand from the
// control law.
#include "labbook/run_marks.h"

#include <gtest/gtest.h>

#include "tests/support/command_runs.h"

namespace corvale {
namespace {

using K = RunMark::Kind;

TEST(RunMarks, EachRunStopsWhereItsMarksAre) {
  struct Case {
    std::vector<std::string> commands;
    std::vector<RunMark> marks;
  } const cases[] = {
      // clang-format off
      // P alone: PV 0, 2.5, 1.25, 1.875, 1.5625, 1.71875, 1.640625 ... toward 5/3;
      // 10 % and 90 % and the peak at step 2; last outside ±2 % at step 6.
      {{"C 1 0 0 5 30"}, {{1, K::RiseStart}, {1, K::RiseEnd}, {1, K::Peak}, {6, K::Settled}}},
      // Kp 100 swings X between its limits: 255 from step 2, 0 at step 3, 255
      // at step 4; PV 0, 127.5, 0, 127.5 crosses 5 each time.
      {{"C 100 0 0 5 4"}, {{1, K::LimitEntry, Limit::AtFull}, {1, K::Crossing},
        {2, K::LimitExit, Limit::AtFull}, {2, K::LimitEntry, Limit::AtZero}, {2, K::Crossing},
        {3, K::LimitExit, Limit::AtZero}, {3, K::LimitEntry, Limit::AtFull}, {3, K::Crossing}}},
      // SP 0 from step 31: PV 5/3 there, X 0 and PV 0 from step 32 on; the
      // last ten steps, all at 0, count as settled.
      {{"C 1 0 0 5 30", "+ 1 0 0 0 20"}, {{30, K::SetPointChange}, {31, K::RiseStart},
        {31, K::RiseEnd}, {31, K::Peak}, {31, K::Settled}, {31, K::LimitEntry, Limit::AtZero}}},
      // clang-format on
  };
  for (const Case& c : cases) {
    std::vector<std::string> commands = c.commands;
    commands.push_back("C 0 0 0 5 1");
    const LabBook history = HistoryOf(commands);
    const ResponseTrace trace = TraceOf(c.commands);
    EXPECT_EQ(FindMarks(trace, MeasureStep(trace)), c.marks) << c.commands.back();
    // Kept, the run has the same marks but its limits': its X is not kept.
    std::vector<RunMark> kept = c.marks;
    std::erase_if(kept, [](const RunMark& m) { return m.limit != Limit::None; });
    EXPECT_EQ(history.Kept().at(0).marks, kept) << c.commands.back();
  }
}

TEST(RunMarks, CrossingsAreWhereValuesPassSetPoint) {
  using Runs = std::vector<ResponseTrace::Run>;
  struct Case {
    std::vector<double> values;
    Runs setPoints;
    std::vector<std::size_t> rows;
  } const cases[] = {
      {{1, 2, 5, 5, 7, 5, 3}, {{0, {.SP = 5}}}, {2, 5}},      // through two stretches on SP
      {{4, 5, 4}, {{0, {.SP = 5}}}, {}},                      // touching is no crossing
      {{4, 6, 6, 4}, {{0, {.SP = 5}}, {2, {.SP = 7}}}, {1}},  // SP 7 starts afresh
      {{4, 4, 6}, {{0, {.SP = 5}}, {2, {.SP = 5}}}, {2}},     // a Continue under one SP does not
      {{}, {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Crossings(c.values, c.setPoints), c.rows);
  // Within the band PV is on SP: a rounding error either side is no crossing.
  const std::vector<double> settling = {0, 6, 5 + 1e-15, 5 - 1e-15, 5 + 1e-15, 4};
  EXPECT_EQ(Crossings(settling, Runs{{0, {.SP = 5}}}, 0.005), (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(Crossings(settling, Runs{{0, {.SP = 5}}}), (std::vector<std::size_t>{1, 3, 4, 5}));
}

TEST(RunMarks, LongStretchesAreFoundWhereverTheyStart) {
  // A long run's marks at the first row of a block of rows, within one, and
  // stretches over many. SP 5, then 10 from row 1800. PV 0 below SP; 9 above
  // it from 512; on it for 1000..1023; above again; on it from 1280; 1 below it
  // from 1600; 9 above it from 1700, and so below SP 10 from 1800; 11 above
  // that from 2100. X at 255 from
  // row 1 (step 1 is at no limit), at 0 from 600, off its limits from 1024, a
  // block's first row, which a block at no limit must not pass over.
  std::vector<ResponseSample> first, second;
  for (std::size_t row = 0; row < 2400; ++row) {
    const double pv = row < 512    ? 0
                      : row < 1000 ? 9
                      : row < 1024 ? 5
                      : row < 1280 ? 9
                      : row < 1600 ? 5
                      : row < 1700 ? 1
                      : row < 2100 ? 9
                                   : 11;
    const double x = row < 600 ? 255 : row < 1024 ? 0 : 100;
    (row < 1800 ? first : second).push_back({x, pv, 0});
  }
  ResponseTrace trace;
  ASSERT_TRUE(trace.Append(std::move(first), {.SP = 5}));
  ASSERT_TRUE(trace.Append(std::move(second), {.SP = 10}));
  const std::vector<RunMark> expected = {
      {1, K::LimitEntry, Limit::AtFull},
      {512, K::Crossing},
      {600, K::LimitExit, Limit::AtFull},
      {600, K::LimitEntry, Limit::AtZero},
      {1024, K::LimitExit, Limit::AtZero},
      {1280, K::Crossing},  // where the stretch on SP began that PV left below
      {1700, K::Crossing},
      {1800, K::SetPointChange},
      {2100, K::Crossing}};
  EXPECT_EQ(FindMarks(trace, std::nullopt), expected);
}

TEST(RunMarks, NextMarkSkipsToTheNextRowWithOne) {
  // The crossings apart: a PV ringing around SP would put one at every step.
  const std::vector<RunMark> marks = {
      {2, K::Crossing}, {3, K::Peak}, {3, K::Crossing}, {5, K::Crossing}, {8, K::Settled}};
  // clang-format off
  const std::tuple<long long, bool, bool, std::optional<std::size_t>> cases[] = {
      {-1, true, false, 3}, {3, true, false, 8}, {8, true, false, {}},  {8, false, false, 3},
      {3, false, false, {}}, {20, false, false, 8}, {-1, true, true, 2}, {3, true, true, 5},
      {5, true, true, {}},  {8, false, true, 5},  {2, false, true, {}}};
  // clang-format on
  for (const auto& [from, forward, crossings, to] : cases)
    EXPECT_EQ(NextMarkRow(marks, from, forward, crossings), to) << from << forward << crossings;
  EXPECT_EQ(CrossingRows(marks), (std::vector<std::size_t>{2, 3, 5}));  // what Play clicks at
}

// N stops where the load on the plant's input changes: where it begins
// within a command, and at a Continue that changes it; not at one that
// carries it on.
TEST(RunMarks, TheLoadsChangesAreMarked) {
  struct Command {
    std::string load, from, command;
  };
  const struct {
    std::vector<Command> commands;
    std::vector<std::size_t> rows;
  } cases[] = {
      {{{"20", "50", "C 1 0 0 5 60"}}, {49}},
      {{{"20", "1", "C 1 0 0 5 10"}}, {0}},
      {{{"20", "50", "C 1 0 0 5 60"}, {"20", "50", "+ 1 0 0 5 10"}}, {49}},
      {{{"20", "50", "C 1 0 0 5 60"}, {"0", "50", "+ 1 0 0 5 10"}}, {49, 60}},
      {{{"20", "50", "C 1 0 0 5 40"}, {"20", "50", "+ 1 0 0 5 20"}}, {49}},
      {{{"0", "1", "C 1 0 0 5 10"}, {"-3", "5", "+ 1 0 0 5 10"}}, {10}},
      {{{"0", "1", "C 1 0 0 5 60"}}, {}},
  };
  for (const auto& c : cases) {
    Session session;
    for (const Command& command : c.commands) {
      session.fields.SetBox(Box::LoadSize, command.load);
      session.fields.SetBox(Box::LoadStep, command.from);
      ASSERT_TRUE(session.Press(command.command));
    }
    EXPECT_EQ(LoadRows(session.history.CurrentMarks()), c.rows) << c.commands.back().command;
  }
  // What the load is at a row, as the chart says it there.
  Session session;
  session.fields.SetBox(Box::LoadSize, "20");
  session.fields.SetBox(Box::LoadStep, "5");
  ASSERT_TRUE(session.Press("C 1 0 0 5 10"));
  EXPECT_EQ(LoadAt(session.history.Current().Runs(), 3), 0);
  EXPECT_EQ(LoadAt(session.history.Current().Runs(), 4), 20);
}

}  // namespace
}  // namespace corvale
