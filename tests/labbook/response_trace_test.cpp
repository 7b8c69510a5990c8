#include "labbook/response_trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <span>
#include <tuple>

namespace corvale {
namespace {

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
