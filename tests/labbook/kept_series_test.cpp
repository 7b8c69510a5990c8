#include "labbook/kept_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <vector>

#include "labbook/response_trace.h"

namespace corvale {
namespace {

// A trace whose PV is `pv(row)`.
template <typename Pv>
ResponseTrace TraceOf(std::size_t rows, Pv pv) {
  std::vector<ResponseSample> samples(rows);
  for (std::size_t r = 0; r < rows; ++r) samples[r].pv = pv(r);
  ResponseTrace trace;
  EXPECT_TRUE(trace.Append(std::move(samples), {.SP = 5}));
  return trace;
}

ValueRange BruteRange(const ResponseTrace& trace, std::size_t first, std::size_t last) {
  ValueRange range{trace.Sample(first).pv, trace.Sample(first).pv};
  for (std::size_t r = first; r < last; ++r)
    range = {std::min(range.low, trace.Sample(r).pv), std::max(range.high, trace.Sample(r).pv)};
  return range;
}

// Rows as (first, last) from the series' end when negative, with a slack.
struct Query {
  std::int64_t first, last;
  std::size_t slack;
};

const Query kQueries[] = {{0, 1, 0},          {0, -1, 0},          {-1, -1, 0},
                          {-2, -1, 1},        {0, -1, 1 << 20},    {1, 2, 0},
                          {100, 200, 3},      {16383, 16384, 0},   {16383, 16385, 1},
                          {16384, 16385, 1},  {16000, 17000, 0},   {20000, 20001, 7},
                          {32767, 32769, 3},  {99999, 100001, 12}, {-500, -1, 63},
                          {-1000, -900, 100}, {-64, -1, 0},        {123457, 654321, 50}};

// The series lengths around the exact rows' end, and a long run.
const std::size_t kLengths[] = {1, 2, 16383, 16384, 16385, 1'000'000};

std::size_t At(std::int64_t row, std::size_t size) {
  const std::int64_t at = row < 0 ? static_cast<std::int64_t>(size) + 1 + row : row;
  return static_cast<std::size_t>(std::clamp<std::int64_t>(at, 0, static_cast<std::int64_t>(size)));
}

// Each range holds the rows' and reaches no further than the slack or the
// finest buckets: a rising series shows exactly how far.
TEST(KeptSeries, RangesHoldTheRowsAndReachNoFurtherThanTheSlack) {
  for (std::size_t size : kLengths) {
    const ResponseTrace rising = TraceOf(size, [](std::size_t r) { return double(r); });
    // Jumps everywhere: a value from a row too far would show.
    const ResponseTrace jumping =
        TraceOf(size, [](std::size_t r) { return double((r * 2654435761u) % 1000003) - 500000; });
    const KeptSeries up = KeptSeries::OfPv(rising), jumps = KeptSeries::OfPv(jumping);
    ASSERT_EQ(up.Size(), size);
    for (const Query& q : kQueries) {
      const std::size_t last = At(q.last, size);
      const std::size_t first = std::min(At(q.first, size), last - 1);
      if (first >= last) continue;
      SCOPED_TRACE(testing::Message()
                   << size << " rows, " << first << ".." << last << " slack " << q.slack);
      const std::size_t reach = std::max(q.slack, up.FinestSlack(last));
      const ValueRange r = up.Range(first, last, q.slack);
      EXPECT_TRUE(r.low <= double(first) && r.low >= double(first) - double(reach)) << r.low;
      EXPECT_TRUE(r.high >= double(last - 1) && r.high <= double(last - 1 + reach)) << r.high;

      const ValueRange exact = BruteRange(jumping, first, last);
      const ValueRange wide =
          BruteRange(jumping, first - std::min(first, reach), std::min(size, last + reach));
      const ValueRange j = jumps.Range(first, last, q.slack);
      EXPECT_TRUE(j.low <= exact.low && j.low >= wide.low) << j.low;
      EXPECT_TRUE(j.high >= exact.high && j.high <= wide.high) << j.high;
      if (last <= KeptSeries::kExactRows) {
        EXPECT_EQ(std::pair(j.low, j.high), std::pair(exact.low, exact.high));
      }
    }
  }
}

// The finest slack grows with the rows reached; values are exact among the
// first rows and near after.
TEST(KeptSeries, TheFinestSlackGrowsWithTheRowsReachedAndValuesAreNear) {
  const ResponseTrace rising = TraceOf(1'000'000, [](std::size_t r) { return 0.5 * double(r); });
  const KeptSeries series = KeptSeries::OfPv(rising);
  const std::pair<std::size_t, std::size_t> slacks[] = {
      {1, 0},     {16384, 0},  {16385, 1},   {32768, 1},   {32769, 3},   {65536, 3},
      {65537, 7}, {131072, 7}, {500000, 31}, {524288, 31}, {524289, 63}, {1'000'000, 63}};
  for (const auto& [last, slack] : slacks) EXPECT_EQ(series.FinestSlack(last), slack) << last;
  for (std::size_t row : {0, 1, 9999, 16383}) EXPECT_EQ(series.Value(row), 0.5 * double(row));
  // A bucket of 2 rows at 16384: its middle; of 64 rows at the end.
  EXPECT_EQ(series.Value(16384), 0.5 * 16384.5);
  EXPECT_EQ(series.Value(999'999), 0.5 * (999'936 + 999'999) / 2);
  const KeptSeries flat = KeptSeries::OfPv(TraceOf(40000, [](std::size_t) { return 1e-300; }));
  EXPECT_EQ(flat.Value(39999), 1e-300);
}

// Values given in pieces cut anywhere, splitting buckets, or one at a time,
// make the series they make given at once, which continues no bucket: even
// where a piece begins with a NaN, which a range would keep if it began there.
TEST(KeptSeries, PiecesCutInsideBucketsMakeTheSameSeries) {
  const std::size_t size = 70'001;  // buckets of 2, 4 and 8 rows
  std::vector<double> values(size);
  for (std::size_t r = 0; r < size; ++r) values[r] = double((r * 7919) % 1009);
  values[16385] = values[40001] = std::numeric_limits<double>::quiet_NaN();
  values[40002] = 5000;  // after the NaN, in the same bucket of 4 rows
  KeptSeries::Builder whole(size), single(size), pieces(size);
  whole.Add(values);
  for (std::size_t r = 0; r < size; ++r) single.Add(std::span(values).subspan(r, 1));
  std::size_t row = 0;
  for (std::size_t cut : {1, 16384, 16385, 16386, 40001, 40003, 65535, 70000, 70001}) {
    pieces.Add(std::span(values).subspan(row, cut - row));
    row = cut;
  }
  const KeptSeries a = whole.Finish(), b = single.Finish(), c = pieces.Finish();
  for (std::size_t r = 0; r < size; ++r) {  // each row's bucket, its low and high, bit for bit
    const ValueRange x = a.Range(r, r + 1, 0), y = b.Range(r, r + 1, 0), z = c.Range(r, r + 1, 0);
    ASSERT_TRUE(!std::memcmp(&x, &y, sizeof x) && !std::memcmp(&x, &z, sizeof x)) << r;
  }
}

// More rows than the transcript allows (about 2.25 million): a few megabytes.
TEST(KeptSeries, ThreeMillionRowsTakeAFewMegabytes) {
  const KeptSeries series =
      KeptSeries::OfPv(TraceOf(3'000'000, [](std::size_t r) { return double(r % 1000); }));
  EXPECT_EQ(series.Size(), 3'000'000u);
  // 16384 exact rows, and 8 levels of 16384 ranges each: 2.125 MiB.
  EXPECT_LE(series.Bytes(), std::size_t{2176} * 1024 + 4096);
  const ValueRange all = series.Range(0, 3'000'000, 1'000'000);
  EXPECT_EQ(std::pair(all.low, all.high), std::pair(0.0, 999.0));
}

}  // namespace
}  // namespace corvale
