#include "labbook/step_info.h"

#include <tuple>

#include "tests/support/command_runs.h"

namespace corvale {
namespace {

// Expected values printed by tests/labbook/stepinfo_reference.py. A step is a change
// of SP from the command before (SP 0 before the first), whatever PV did.
TEST(StepInfo, FollowsStepinfoOverTheRowsSinceSpChanged) {
  struct Case {
    std::vector<std::string> commands;
    std::int64_t firstStep, lastStep;
    double previousSetPoint, start, finalValue;
    bool isStep, settled;
    std::optional<std::int64_t> riseFrom, riseTo;
    double peak;
    std::int64_t peakStep;
    double overshoot;
    std::optional<std::int64_t> settledFrom;
    std::int64_t tailFrom;
    ValueRange tail;
    LimitSpan atZero, atFull;
  };
  // clang-format off
  const Case cases[] = {
      {{"C .5 .5 .5 5 100"}, 1, 100, 0.0, 0.0, 5.0000401009357605, true, true, 2, 6, 5.242398902773857, 14, 4.847137161814744, 28, 91, {4.999893257683953, 5.000095730929312}, {0, 0, 0}, {0, 0, 0}},  // the initial values
      {{"C 1 0 0 5 30"}, 1, 30, 0.0, 0.0, 1.6666666697710752, true, true, 2, 2, 2.5, 2, 49.99999972060323, 7, 21, {1.6666650772094727, 1.6666674613952637}, {0, 0, 0}, {0, 0, 0}},  // P alone: a third of SP short
      {{"C .5 .5 .5 300 10", "+ .5 .5 .5 50 100"}, 11, 110, 300.0, 127.5, 49.999852236830144, true, true, 28, 38, 49.99362040258964, 70, 0.008041061108097197, 46, 101, {49.99964947165398, 50.00039946865947}, {0, 0, 0}, {17, 11, 27}},  // a fall once the wound-up integral unwinds
      {{"C .5 .5 .5 5 100", "+ .5 .5 .5 5 100"}, 1, 200, 0.0, 0.0, 5.000000000567725, true, true, 2, 6, 5.242398902773857, 14, 4.847978043572169, 28, 181, {4.999999995515921, 5.000000004021992}, {0, 0, 0}, {0, 0, 0}},  // a Continue under the same SP
      {{"C .5 .5 .5 5 200"}, 1, 200, 0.0, 0.0, 5.000000000757316, true, true, 2, 6, 5.242398902773857, 14, 4.847978039596533, 28, 181, {4.999999994018423, 5.000000005365089}, {0, 0, 0}, {0, 0, 0}},  // one Compute as long
      {{"C 3 0 0 5 100"}, 1, 100, 0.0, 0.0, 7.5, true, false, {}, {}, 0.0, 0, 0.0, {}, 91, {0.0, 7.5}, {49, 3, 99}, {0, 0, 0}},  // ringing between 0 and 7.5
      {{"C .5 .5 .5 5 100", "+ .5 .5 .5 5.00003 100"}, 101, 200, 5.0, 5.0000401009357605, 5.000030000808331, false, false, {}, {}, 0.0, 0, 0.0, {}, 191, {5.000029997848467, 5.000030001929732}, {0, 0, 0}, {0, 0, 0}},  // SP moved by less than the transcript shows
      {{"C .5 .5 .5 5 1"}, 1, 1, 0.0, 0.0, 0.0, true, false, {}, {}, 0.0, 0, 0.0, {}, 1, {0.0, 0.0}, {0, 0, 0}, {0, 0, 0}},  // one step
      {{"C 100 0 0 5 100"}, 1, 100, 0.0, 0.0, 127.5, true, false, {}, {}, 0.0, 0, 0.0, {}, 91, {0.0, 127.5}, {49, 3, 99}, {50, 2, 100}},  // bang-bang
      {{"C 2.5 0 0 5 101"}, 1, 101, 0.0, 0.0, 0.0, true, false, {}, {}, 0.0, 0, 0.0, {}, 91, {0.0, 6.25}, {50, 3, 101}, {0, 0, 0}},  // ringing, ending where it started
      {{"C .5 .5 .5 5 10"}, 1, 10, 0.0, 0.0, 5.169658660888672, true, false, {}, {}, 0.0, 0, 0.0, {}, 1, {0.0, 5.169658660888672}, {0, 0, 0}, {0, 0, 0}},  // ten steps, still ringing
      {{"C 1 0 0 5 30", "+ 1 0 0 1.66667 30"}, 31, 60, 5.0, 1.6666666697710752, 0.5555566645970631, true, true, 32, 32, 1.6674427688601057e-06, 32, 49.99999951105545, 37, 51, {0.5555561368481325, 0.5555577263037349}, {0, 0, 0}, {0, 0, 0}},  // SP down to where P alone left PV: a step, though SP is where PV stood
      {{"C .5 .5 .5 0 10"}, 1, 10, 0.0, 0.0, 0.0, false, false, {}, {}, 0.0, 0, 0.0, {}, 1, {0.0, 0.0}, {9, 2, 10}, {0, 0, 0}},  // SP 0 from rest: no step
      {{"C .5 .5 .5 0.00003 10"}, 1, 10, 0.0, 0.0, 3.101795196533203e-05, false, false, {}, {}, 0.0, 0, 0.0, {}, 1, {0.0, 3.101795196533203e-05}, {0, 0, 0}, {0, 0, 0}},  // SP less than the transcript shows from rest: no step
      {{"C 0 0 0 5 20"}, 1, 20, 0.0, 0.0, 0.0, true, false, {}, {}, 0.0, 0, 0.0, {}, 11, {0.0, 0.0}, {19, 2, 20}, {0, 0, 0}},  // no gains: a step, but no response
      {{"C .5 .5 0 5 1", "+ 1 0 0 7.5 20"}, 2, 21, 5.0, 0.0, 2.5, true, true, 2, 2, 2.5, 2, 0.0, 2, 12, {2.5, 2.5}, {0, 0, 0}, {0, 0, 0}},  // within the band from the step's first row
      {{"C .5 .5 .5 .5 100"}, 1, 100, 0.0, 0.0, 0.5000040100935761, true, true, 2, 6, 0.5242398902773857, 14, 4.847137161814734, 28, 91, {0.4999893257683952, 0.5000095730929313}, {0, 0, 0}, {0, 0, 0}},  // a rise smaller than 1
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.commands.back() << " to step " << c.lastStep);
    const std::optional<StepFigures> f = MeasureStep(TraceOf(c.commands));
    ASSERT_TRUE(f);
    EXPECT_EQ(std::tie(f->firstStep, f->lastStep, f->previousSetPoint, f->start, f->finalValue,
                       f->isStep, f->settled),
              std::tie(c.firstStep, c.lastStep, c.previousSetPoint, c.start, c.finalValue, c.isStep,
                       c.settled));
    if (c.settled) {
      EXPECT_EQ(std::tie(f->riseFrom, f->riseTo, f->peak, f->peakStep, f->overshootPercent,
                         f->settledFrom),
                std::tie(c.riseFrom, c.riseTo, c.peak, c.peakStep, c.overshoot, c.settledFrom));
    } else {
      EXPECT_FALSE(f->riseFrom || f->riseTo || f->settledFrom);
    }
    EXPECT_EQ(std::tie(f->tailFrom, f->tail.low, f->tail.high),
              std::tie(c.tailFrom, c.tail.low, c.tail.high));
    for (auto [span, expected] : {std::pair{f->atZero, c.atZero}, {f->atFull, c.atFull}}) {
      EXPECT_EQ(std::tie(span.steps, span.first, span.last),
                std::tie(expected.steps, expected.first, expected.last));
      EXPECT_EQ(span.Consecutive(), span.steps > 0 && expected.last - expected.first < span.steps);
    }
  }
  EXPECT_FALSE(MeasureStep(ResponseTrace{}));
}

}  // namespace
}  // namespace corvale
