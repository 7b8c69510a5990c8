#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "labbook/response_trace.h"
#include "labbook/term_ranges.h"

namespace corvale {

// A long series reduced to bounded memory, for drawing: its first rows
// exactly, and the range of its values over buckets of 2, 4, 8, ... rows,
// each level holding at most a fixed number of buckets from the series'
// start. A chart column that spans n rows is answered from the finest level
// that reaches it, whose buckets are far narrower than n once the axis holds
// more than a few thousand rows, so a kept run looks the same as the current
// one at any axis length, for a few megabytes.
class KeptSeries {
 public:
  static constexpr std::size_t kExactRows = 16384;
  static constexpr std::size_t kBucketsPerLevel = 16384;

  KeptSeries() = default;
  // PV of each row of `trace`. Throws std::bad_alloc, as a container does,
  // when there is no memory for it.
  static KeptSeries OfPv(const ResponseTrace& trace);
  // Each of the controller's terms, in Term's order, in one pass.
  static std::array<KeptSeries, kTerms> OfTerms(const ResponseTrace& trace);

  // A series made in row order, a span of values at a time.
  class Builder;

  std::size_t Size() const { return size_; }
  // The range of the values over rows first..last-1 (first < last <= Size()),
  // exact where the rows are kept exactly, else over the buckets of the
  // finest level that reaches them: at most `slack` rows more on each side
  // when slack >= FinestSlack(last), and never more than FinestSlack(last).
  ValueRange Range(std::size_t first, std::size_t last, std::size_t slack) const;
  // The least slack that Range keeps to for rows up to last-1: 0 where they
  // are all exact, else one less than the narrowest bucket reaching there
  // (about last / kBucketsPerLevel).
  std::size_t FinestSlack(std::size_t last) const;
  // A row's value, exact among the first rows; else its bucket's middle.
  double Value(std::size_t row) const;
  std::size_t Bytes() const;

 private:
  static std::size_t Width(std::size_t level) { return std::size_t{2} << level; }
  // The rows a level's buckets cover, from the first.
  std::size_t Reach(std::size_t level) const;
  // The finest level whose buckets reach row last-1; there must be one.
  std::size_t FinestReaching(std::size_t last) const;

  std::size_t size_ = 0;
  std::vector<double> exact_;                    // the first rows
  std::vector<std::vector<ValueRange>> levels_;  // level k: buckets of 2^(k+1) rows
};

// A series made in row order, `size` values in all.
class KeptSeries::Builder {
 public:
  explicit Builder(std::size_t size);
  // The next values, in row order.
  void Add(std::span<const double> values);
  KeptSeries Finish() { return std::move(series_); }

 private:
  KeptSeries series_;
  std::vector<std::size_t> reaches_;  // the rows each level's buckets cover
  std::size_t row_ = 0;
};

}  // namespace corvale
