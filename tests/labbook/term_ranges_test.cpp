#include "labbook/term_ranges.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "labbook/kept_series.h"

namespace corvale {
namespace {

// A ringing PV and a growing sum of errors, under gains with every term,
// in two commands so that the second's first row has no error before it.
std::vector<ResponseSample> Rows(std::size_t first, std::size_t count) {
  std::vector<ResponseSample> rows(count);
  for (std::size_t i = 0; i < count; ++i) {
    const double r = static_cast<double>(first + i);
    rows[i] = {std::fmod(r * 7, 255), 5 + 3 * std::sin(r / 9), r * 0.25};
  }
  return rows;
}

TermRange Brute(const ResponseTrace& trace, std::size_t first, std::size_t last) {
  TermRange range;
  for (std::size_t row = first; row < last; ++row) {
    const StepRecord r = trace.Record(row);
    const double values[] = {r.Error, r.P, r.I, r.D};
    for (std::size_t t = 0; t < kTerms; ++t) {
      if (row == first) range[t] = {values[t], values[t]};
      range[t].low = std::min(range[t].low, values[t]);
      range[t].high = std::max(range[t].high, values[t]);
    }
  }
  return range;
}

void ExpectSame(const TermRange& got, const TermRange& want) {
  for (std::size_t t = 0; t < kTerms; ++t)
    EXPECT_EQ(std::pair(got[t].low, got[t].high), std::pair(want[t].low, want[t].high)) << t;
}

TEST(TermRanges, AgreeWithEveryRowAcrossBlocksAndAsTheTraceGrows) {
  ResponseTrace trace;
  ASSERT_TRUE(trace.Append(Rows(0, 700), {.Kp = 1.5, .Ki = 0.2, .Kd = 0.3, .SP = 5}));
  TermRanges ranges;
  const std::size_t queries[][2] = {{0, 1},     {0, 256},   {0, 700},   {255, 257},
                                    {256, 512}, {100, 600}, {511, 700}, {699, 700}};
  for (const auto& q : queries) {
    SCOPED_TRACE(testing::Message() << q[0] << ".." << q[1]);
    ExpectSame(ranges.Over(trace, q[0], q[1]), Brute(trace, q[0], q[1]));
  }
  // A Continue under other gains: the whole blocks made before still hold,
  // and the new ones are the new rows'.
  ASSERT_TRUE(trace.Append(Rows(700, 900), {.Kp = 0.5, .Ki = 0.05, .Kd = 2, .SP = 8}));
  ExpectSame(ranges.Over(trace, 0, 1600), Brute(trace, 0, 1600));
  ExpectSame(ranges.Over(trace, 650, 1300), Brute(trace, 650, 1300));
}

TEST(TermRanges, KeptTermsAreEachRowsTermsExactlyAndTheirRangesCoverThem) {
  ResponseTrace trace;
  const std::size_t rows = KeptSeries::kExactRows * 3 + 5;
  ASSERT_TRUE(trace.Append(Rows(0, rows), {.Kp = 1.5, .Ki = 0.2, .Kd = 0.3, .SP = 5}));
  const auto kept = KeptSeries::OfTerms(trace);
  const TermRange whole = Brute(trace, 0, rows);
  for (std::size_t t = 0; t < kTerms; ++t) {
    ASSERT_EQ(kept[t].Size(), rows);
    for (const std::size_t row : {0ul, 1ul, 2ul, KeptSeries::kExactRows - 1}) {
      const StepRecord r = trace.Record(row);
      EXPECT_EQ(kept[t].Value(row), (std::array{r.Error, r.P, r.I, r.D})[t]) << row;
    }
    const ValueRange got = kept[t].Range(0, rows, rows);
    EXPECT_EQ(std::pair(got.low, got.high), std::pair(whole[t].low, whole[t].high)) << t;
  }
}

}  // namespace
}  // namespace corvale
