// The steps shown, worked out by hand: a zoom by f keeps round(count / f)
// steps (at least 5), the step it is around at the same fraction of the
// axis, from first to last; a pan moves by round(fraction · count) steps.
#include <gtest/gtest.h>

#include "labbook/step_window.h"

namespace corvale {
namespace {

enum class Op { kZoom, kPan, kFollow, kShow, kContinue, kNewRun };

struct Case {
  const char* what;
  std::size_t rows;
  StepRange from;  // {} the whole run
  Op op;
  double a, b;  // the zoom's factor and step; the pan's fraction; a step; rows; a range
  StepRange to;
  bool changed;
};

TEST(StepWindow, ZoomsPansFollowsAndKeepsToTheRun) {
  // clang-format off
  const Case cases[] = {
      {"in, around the first step",  400, {},         Op::kZoom, 2, 1,       {1, 200},   true},
      {"in, around the last",        400, {},         Op::kZoom, 2, 400,     {201, 400}, true},
      // 99/399 of the way: 100 - 24.56 = 75.44.
      {"in, around step 100",        400, {},         Op::kZoom, 4, 100,     {75, 174},  true},
      {"in past the least width",    400, {},         Op::kZoom, 1000, 12,   {12, 16},   true},
      {"in at the least width",      400, {12, 16},   Op::kZoom, 2, 14,      {12, 16},   false},
      {"a factor of 1.01 still does", 400, {11, 20},  Op::kZoom, 1.01, 11,   {11, 19},   true},
      // Around the middle of 100 steps: 150.5 - 99.5 = 51.
      {"out, around the middle",     400, {101, 200}, Op::kZoom, 0.5, 150.5, {51, 250},  true},
      {"out to the whole run",       400, {101, 200}, Op::kZoom, 0.1, 150,   {},         true},
      {"out, the whole run already", 400, {},         Op::kZoom, 0.5, 200,   {},         false},
      {"out, held at the run's end", 400, {301, 400}, Op::kZoom, 0.5, 400,   {201, 400}, true},
      {"a run of a few steps",       3,   {},         Op::kZoom, 2, 2,       {},         false},
      {"on a tenth",                 400, {101, 200}, Op::kPan, 0.1, 0,      {111, 210}, true},
      {"back half",                  400, {101, 200}, Op::kPan, -0.5, 0,     {51, 150},  true},
      {"back past the start",        400, {51, 150},  Op::kPan, -1, 0,       {1, 100},   true},
      {"on past the end",            400, {301, 400}, Op::kPan, 0.1, 0,      {301, 400}, false},
      {"at least a step",            400, {101, 200}, Op::kPan, 0.001, 0,    {102, 201}, true},
      {"the whole run does not pan", 400, {},         Op::kPan, 0.1, 0,      {},         false},
      {"a step after",               400, {101, 200}, Op::kFollow, 250, 0,   {151, 250}, true},
      {"a step before",              400, {101, 200}, Op::kFollow, 20, 0,    {20, 119},  true},
      {"a step shown",               400, {101, 200}, Op::kFollow, 150, 0,   {101, 200}, false},
      {"the last step",              400, {101, 200}, Op::kFollow, 400, 0,   {301, 400}, true},
      {"a range past the end",       400, {},         Op::kShow, 390, 420,   {370, 400}, true},
      {"a range too narrow",         400, {},         Op::kShow, 7, 7,       {7, 11},    true},
      {"the whole run again",        400, {101, 200}, Op::kShow, 0, 0,       {},         true},
      {"a range as long as the run", 400, {101, 200}, Op::kShow, 1, 400,     {},         true},
      {"whole, lengthened",          400, {},         Op::kContinue, 500, 0, {},         false},
      {"zoomed, lengthened",         400, {101, 200}, Op::kContinue, 500, 0, {101, 200}, false},
      {"a new run",                  400, {101, 200}, Op::kNewRun, 300, 0,   {},         true},
  };
  // clang-format on
  for (const Case& c : cases) {
    StepWindow window;
    window.NewRun(c.rows);
    window.Show(c.from);
    ASSERT_EQ(window.Range(), c.from) << c.what;
    const StepRange before = window.Range();
    const auto step = static_cast<std::size_t>(c.a);
    bool changed = c.op == Op::kZoom     ? window.Zoom(c.a, c.b)
                   : c.op == Op::kPan    ? window.Pan(c.a)
                   : c.op == Op::kFollow ? window.Follow(step)
                   : c.op == Op::kShow   ? window.Show({step, static_cast<std::size_t>(c.b)})
                                         : false;
    if (c.op == Op::kContinue) window.Continue(step);
    if (c.op == Op::kNewRun) window.NewRun(step);
    if (c.op == Op::kContinue || c.op == Op::kNewRun) changed = window.Range() != before;
    EXPECT_EQ(window.Range(), c.to) << c.what << ": " << window.First() << ".." << window.Last();
    EXPECT_EQ(changed, c.changed) << c.what;
    EXPECT_GE(window.Count(), std::min<std::size_t>(window.Rows(), StepWindow::kLeastSteps));
  }
}

TEST(StepWindow, ShownWholeTheRunGrowsWithIt) {
  StepWindow window;
  EXPECT_EQ(window.Count(), 0u);  // no rows: steps 1 to 0
  window.NewRun(400);
  window.Continue(1000);
  EXPECT_EQ(window.Last(), 1000u);
  EXPECT_TRUE(window.Shows(1000));
  // As the axis draws a range: of the run's steps, two at least.
  EXPECT_EQ(ShownSteps({}, 400), (StepRange{1, 400}));
  EXPECT_EQ(ShownSteps({390, 420}, 400), (StepRange{390, 400}));
  EXPECT_EQ(ShownSteps({400, 400}, 400), (StepRange{399, 400}));
  EXPECT_EQ(ShownSteps({1, 1}, 400), (StepRange{1, 2}));
}

}  // namespace
}  // namespace corvale
