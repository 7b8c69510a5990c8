#include <gtest/gtest.h>

#include <cmath>

#include "commands.h"
#include "memory_form_fields.h"
#include "response_trace.h"

namespace corvale {
namespace {

// The figures of a Compute, against a reference that runs the loop in Python
// and applies stepinfo's definitions to the whole list of rows.
TEST(StepResponse, FiguresOfAComputeFollowStepinfo) {
  struct Case {
    const char *kp, *ki, *kd, *sp, *loops;
    std::optional<std::int64_t> riseFrom, riseTo;
    double peak;
    std::int64_t peakStep;
    double overshoot;
    std::optional<std::int64_t> settled;
    double finalError;
    LimitSpan atZero, atFull;
    bool reachable;
  };
  // clang-format off
  const Case cases[] = {
      // The initial values: a ringing rise that settles.
      {".5", ".5", ".5", "5", "100", 2, 6, 5.242398902773857, 14, 4.847978055477142, 28,
       -4.010093576045648e-05, {}, {}, true},
      // P alone settles at a third of SP, outside the band: never settled.
      {"1", "0", "0", "5", "10", 2, {}, 2.5, 2, 0, {}, 3.330078125, {}, {}, true},
      // Bang-bang between the limits.
      {"100", "0", "0", "5", "6", 2, 2, 127.5, 2, 2450, {}, -122.5, {2, 3, 5}, {3, 2, 6}, true},
      // Beyond what the plant can give.
      {".5", ".5", ".5", "200", "20", 2, {}, 127.5, 2, 0, {}, 72.5, {}, {17, 2, 20}, false},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kp) + " " + c.sp);
    LoopState state;
    MemoryFormFields fields;
    for (auto [box, text] : {std::pair{Box::Kp, c.kp},
                             {Box::Ki, c.ki},
                             {Box::Kd, c.kd},
                             {Box::SP, c.sp},
                             {Box::Loops, c.loops}}) {
      fields.SetBox(box, text);
    }
    const RunOutcome outcome = OnCompute(state, fields);
    ASSERT_TRUE(outcome.figures);
    const StepFigures& f = *outcome.figures;
    EXPECT_EQ(f.start, 0);
    EXPECT_EQ(f.riseFrom, c.riseFrom);
    EXPECT_EQ(f.riseTo, c.riseTo);
    EXPECT_EQ(f.peak, c.peak);
    EXPECT_EQ(f.peakStep, c.peakStep);
    EXPECT_DOUBLE_EQ(f.overshootPercent, c.overshoot);
    EXPECT_EQ(f.settledFrom, c.settled);
    EXPECT_EQ(f.finalError, c.finalError);
    for (auto [span, expected] : {std::pair{f.atZero, c.atZero}, {f.atFull, c.atFull}}) {
      EXPECT_EQ(std::tie(span.steps, span.first, span.last),
                std::tie(expected.steps, expected.first, expected.last));
    }
    EXPECT_EQ(f.Reachable(), c.reachable);
    EXPECT_EQ(outcome.samples.size(), static_cast<std::size_t>(outcome.rowsAdded));
  }
}

// A Continue measures its own step, from where PV stood; one whose PV
// already stands at SP has none.
TEST(StepResponse, AContinueMeasuresFromWherePvStood) {
  LoopState state;
  MemoryFormFields fields;
  fields.SetBox(Box::Loops, "200");
  ASSERT_TRUE(OnCompute(state, fields).ok());
  fields.SetBox(Box::SP, "-5");
  const RunOutcome down = OnContinue(state, fields);
  ASSERT_TRUE(down.figures);
  EXPECT_NEAR(down.figures->start, 5, 1e-9);
  EXPECT_FALSE(down.figures->Reachable());
  // Step 201 still shows the last X of the Compute, 10; by hand, step 202's
  // X is 0, step 203's 2.5 (D = .5 * (-5 + 10)), and from step 204 on 0.
  EXPECT_EQ(std::tie(down.figures->atZero.steps, down.figures->atZero.first), std::tuple(198, 202));
  EXPECT_EQ(down.samples[1].limit, Limit::AtZero);
  LoopState still;
  MemoryFormFields idle;
  idle.SetBox(Box::SP, "0");
  const RunOutcome none = OnCompute(still, idle);
  EXPECT_FALSE(none.figures->HasStep());
  EXPECT_EQ(none.samples[0].limit, Limit::None);  // step 1 shows no limit
}

// The picture's trace: each row under its run's set point, the range of any
// rows however they fall on the blocks it keeps, and a scale in round numbers
// from 0, or from below a set point under it, with a tenth to spare.
TEST(ResponseTrace, KeepsEachRunsSetPointAndScalesInRoundNumbers) {
  ResponseTrace trace;
  std::vector<ResponseSample> rows(1000);
  for (int i = 0; i < 1000; ++i) rows[i].pv = static_cast<float>(i % 300);
  rows[700].pv = -7;
  trace.Append(rows, 5);
  trace.Append({ResponseSample{0, 900, Limit::None}}, -50);
  EXPECT_EQ(trace.SetPointOf(0), 5);
  EXPECT_EQ(trace.SetPointOf(999), 5);
  EXPECT_EQ(trace.SetPointOf(1000), -50);
  for (auto [first, last, low, high] : {std::tuple{0, 1, 0.0f, 0.0f},
                                        {255, 258, 255.0f, 257.0f},
                                        {290, 620, 0.0f, 299.0f},
                                        {650, 701, -7.0f, 99.0f},
                                        {701, 1001, 0.0f, 900.0f}}) {
    EXPECT_EQ(trace.Range(first, last), std::pair(low, high)) << first << " " << last;
  }
  // From -50 to 900, a tenth of the span (95) to spare on each side.
  EXPECT_EQ(std::pair(trace.Scale().low, trace.Scale().high), std::pair(-150.0, 1000.0));
  trace.Clear();
  trace.Append({ResponseSample{0, 5.2f, Limit::None}}, 5);
  EXPECT_EQ(std::pair(trace.Scale().low, trace.Scale().high), std::pair(0.0, 6.0));
  // Set points as large as numbers go still give a finite scale around them.
  trace.Append({ResponseSample{}}, 1.6e308);
  trace.Append({ResponseSample{}}, -1.7e308);
  EXPECT_TRUE(std::isfinite(trace.Scale().low) && std::isfinite(trace.Scale().high));
  EXPECT_TRUE(trace.Scale().low <= -1.7e308 && trace.Scale().high >= 1.6e308);
}

}  // namespace
}  // namespace corvale
