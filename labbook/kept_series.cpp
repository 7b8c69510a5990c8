#include "labbook/kept_series.h"

#include <algorithm>

namespace corvale {
namespace {

void Take(ValueRange& range, ValueRange other) {
  range.low = std::min(range.low, other.low);
  range.high = std::max(range.high, other.high);
}

}  // namespace

KeptSeries KeptSeries::OfPv(const ResponseTrace& trace) {
  KeptSeries series;
  const std::size_t size = trace.Size();
  series.size_ = size;
  const std::size_t exact = std::min(size, kExactRows);
  series.exact_.reserve(exact);
  for (std::size_t row = 0; row < exact; ++row) series.exact_.push_back(trace.Sample(row).pv);
  if (size <= kExactRows) return series;
  // Each level's first half is its finer neighbour's buckets taken in pairs;
  // the rest from the trace, whose own summaries answer for wide buckets.
  std::size_t levels = 1;
  while (Width(levels - 1) * kBucketsPerLevel < size) ++levels;
  series.levels_.reserve(levels);
  for (std::size_t level = 0; level < levels; ++level) {
    const std::size_t width = Width(level);
    const std::size_t count = std::min(kBucketsPerLevel, (size + width - 1) / width);
    std::vector<ValueRange> buckets;
    buckets.reserve(count);
    const std::vector<ValueRange>* finer = level > 0 ? &series.levels_.back() : nullptr;
    for (std::size_t b = 0; b < count; ++b) {
      if (finer && 2 * b + 1 < finer->size()) {
        ValueRange range = (*finer)[2 * b];
        Take(range, (*finer)[2 * b + 1]);
        buckets.push_back(range);
      } else {
        buckets.push_back(trace.PvRange(b * width, std::min(size, (b + 1) * width)));
      }
    }
    series.levels_.push_back(std::move(buckets));
  }
  return series;
}

std::size_t KeptSeries::Reach(std::size_t level) const {
  return std::min(size_, levels_[level].size() * Width(level));
}

std::size_t KeptSeries::FinestReaching(std::size_t last) const {
  std::size_t level = 0;
  while (Reach(level) < last) ++level;
  return level;
}

std::size_t KeptSeries::FinestSlack(std::size_t last) const {
  if (last <= exact_.size()) return 0;
  return Width(FinestReaching(last)) - 1;
}

ValueRange KeptSeries::Range(std::size_t first, std::size_t last, std::size_t slack) const {
  // The finest buckets there are: any slack is enough to allow them, and a
  // smaller one cannot be kept to.
  static_cast<void>(slack);
  const std::size_t exactEnd = std::min(last, exact_.size());
  ValueRange range{first < exactEnd ? exact_[first] : 0, first < exactEnd ? exact_[first] : 0};
  for (std::size_t row = first; row < exactEnd; ++row) Take(range, {exact_[row], exact_[row]});
  if (last <= exact_.size()) return range;
  const std::size_t level = FinestReaching(last);
  const std::vector<ValueRange>& buckets = levels_[level];
  const std::size_t width = Width(level);
  std::size_t bucket = std::max(first, exactEnd) / width;
  if (first >= exactEnd) range = buckets[bucket];
  for (; bucket * width < last; ++bucket) Take(range, buckets[bucket]);
  return range;
}

double KeptSeries::Value(std::size_t row) const {
  if (row < exact_.size()) return exact_[row];
  const std::size_t level = FinestReaching(row + 1);
  const ValueRange range = levels_[level][row / Width(level)];
  // Halves, so that a range as wide as numbers go has a finite middle.
  return range.low == range.high ? range.low : range.low / 2 + range.high / 2;
}

std::size_t KeptSeries::Bytes() const {
  std::size_t bytes = sizeof(*this) + exact_.capacity() * sizeof(double) +
                      levels_.capacity() * sizeof(std::vector<ValueRange>);
  for (const auto& level : levels_) bytes += level.capacity() * sizeof(ValueRange);
  return bytes;
}

}  // namespace corvale
