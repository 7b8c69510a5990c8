#include "labbook/step_info.h"

#include <algorithm>
#include <array>
#include <random>
#include <span>
#include <tuple>

#include "tests/support/command_runs.h"

namespace corvale {
namespace {

// Expected values printed by tests/stepinfo_reference.py. A step is a change
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

// Whatever rows a question covers, the blocks answer it as the rows would.
TEST(ResponseTrace, BlocksAnswerAsEveryRowWould) {
  // Extremes only at the blocks' ends, so that a block end out by one shows.
  std::minstd_rand random(7);
  std::uniform_real_distribution<double> pv(40, 60);
  std::vector<ResponseSample> all(1001);
  for (auto& s : all) s = {std::array{0.0, 255.0, 7.5}[random() % 3], pv(random)};
  for (std::size_t row : {1, 255, 256, 511, 768, 769, 1000}) all[row].pv = row % 2 ? 0.1 : 99.9;
  ResponseTrace trace;
  // Runs of uneven lengths, so that each Append remakes a partial block.
  for (std::size_t first = 0; std::size_t length : {300, 1, 455, 244, 1}) {
    ASSERT_TRUE(trace.Append({all.begin() + first, all.begin() + first + length}, {.SP = 5}));
    first += length;
  }
  ASSERT_EQ(trace.Size(), 1001u);
  const std::size_t ends[] = {0, 1, 255, 256, 257, 511, 512, 513, 767, 768, 769, 1000, 1001};
  for (std::size_t first : ends) {
    for (std::size_t last : ends) {
      if (first >= last) continue;
      SCOPED_TRACE(testing::Message() << "rows " << first << ".." << last);
      const auto rows = std::span(all).subspan(first, last - first);
      const auto [low, high] = std::ranges::minmax(rows, {}, &ResponseSample::pv);
      const auto [xLow, xHigh] = std::ranges::minmax(rows, {}, &ResponseSample::x);
      const ValueRange pvRange = trace.PvRange(first, last), xRange = trace.XRange(first, last);
      EXPECT_EQ(std::tuple(pvRange.low, pvRange.high, xRange.low, xRange.high),
                std::tuple(low.pv, high.pv, xLow.x, xHigh.x));
      const auto rowOf = [&](auto it) {
        return first + static_cast<std::size_t>(it - rows.begin());
      };
      for (double level : {0.5, 50.0, 99.5}) {
        const auto up = std::ranges::find_if(rows, [=](auto& s) { return s.pv >= level; });
        const auto down = std::ranges::find_if(rows, [=](auto& s) { return s.pv <= level; });
        EXPECT_EQ(trace.FirstReaching(first, last, level, false), rowOf(up));
        EXPECT_EQ(trace.FirstReaching(first, last, level, true), rowOf(down));
      }
      for (double band : {0.5, 30.0}) {
        std::size_t outside = last;
        for (std::size_t r = first; r < last; ++r)
          if (all[r].pv < band || all[r].pv > 100 - band) outside = r;
        EXPECT_EQ(trace.LastOutside(first, last, band, 100 - band), outside) << band;
      }
      for (Limit limit : {Limit::AtZero, Limit::AtFull}) {
        std::vector<std::size_t> at;
        for (std::size_t r = first; r < last; ++r)
          if (LimitOf(ResponseTrace::StepOf(r), all[r].x) == limit) at.push_back(r);
        const LimitRows found = trace.RowsAt(limit, first, last);
        EXPECT_EQ(found.count, at.size());
        if (!at.empty()) {
          EXPECT_EQ(std::pair(found.first, found.last), std::pair(at[0], at.back()));
        }
      }
    }
  }
}

TEST(ResponseTrace, StepStartAndExtent) {
  // clang-format off
  for (auto [setPoints, start] : {std::pair{std::vector{5.0, 5.0}, 0u}, {{5.0, 7.0}, 2u},
                                  {{5.0, 7.0, 7.0}, 2u}, {{5.0, 7.0, 5.0}, 4u}}) {
    // clang-format on
    ResponseTrace trace;
    for (double sp : setPoints) ASSERT_TRUE(trace.Append({{}, {}}, {.SP = sp}));
    EXPECT_EQ(trace.StepStart(), start) << setPoints.size();
  }
  ResponseTrace trace;
  ASSERT_TRUE(trace.Append({{0, 1e-300}}, {.SP = 1e-300}));
  EXPECT_EQ(std::tuple(trace.Extent().low, trace.Extent().high, trace.PvRange(0, 1).high),
            std::tuple(0.0, 1e-300, 1e-300));
  ASSERT_TRUE(trace.Append({{255, 127.5}}, {.SP = -1.7e308}));
  ASSERT_TRUE(trace.Append({{0, 0}}, {.SP = 1.7e308}));
  EXPECT_EQ(std::pair(trace.Extent().low, trace.Extent().high), std::pair(-1.7e308, 1.7e308));
  EXPECT_EQ(trace.SetPointOf(1), -1.7e308);
}

}  // namespace
}  // namespace corvale
