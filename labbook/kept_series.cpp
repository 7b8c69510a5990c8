#include "labbook/kept_series.h"

#include <algorithm>

namespace corvale {
namespace {

void Take(ValueRange& range, ValueRange other) {
  range.low = std::min(range.low, other.low);
  range.high = std::max(range.high, other.high);
}

}  // namespace

KeptSeries::Builder::Builder(std::size_t size) {
  series_.size_ = size;
  series_.exact_.reserve(std::min(size, kExactRows));
  if (size <= kExactRows) return;
  std::size_t levels = 1;
  while (Width(levels - 1) * kBucketsPerLevel < size) ++levels;
  series_.levels_.resize(levels);
  for (std::size_t level = 0; level < levels; ++level) {
    const std::size_t width = Width(level);
    counts_.push_back(std::min(kBucketsPerLevel, (size + width - 1) / width));
    series_.levels_[level].reserve(counts_.back());
  }
}

void KeptSeries::Builder::Add(double value) {
  const std::size_t row = row_++;
  if (row < kExactRows) series_.exact_.push_back(value);
  // From the widest buckets down, to the first level that no longer reaches
  // the row: finer ones reach still less far.
  for (std::size_t level = counts_.size(); level-- > 0;) {
    const std::size_t bucket = row / Width(level);
    if (bucket >= counts_[level]) break;
    std::vector<ValueRange>& buckets = series_.levels_[level];
    if (bucket == buckets.size())
      buckets.push_back({value, value});
    else
      Take(buckets.back(), {value, value});
  }
}

KeptSeries KeptSeries::OfPv(const ResponseTrace& trace) {
  Builder pv(trace.Size());
  for (std::size_t row = 0; row < trace.Size(); ++row) pv.Add(trace.Sample(row).pv);
  return pv.Finish();
}

std::array<KeptSeries, kTerms> KeptSeries::OfTerms(const ResponseTrace& trace) {
  std::array<Builder, kTerms> terms{Builder(trace.Size()), Builder(trace.Size()),
                                    Builder(trace.Size()), Builder(trace.Size())};
  for (std::size_t row = 0; row < trace.Size(); ++row) {
    const TermValues values = TermsOf(trace.Record(row));
    for (std::size_t t = 0; t < kTerms; ++t) terms[t].Add(values[t]);
  }
  return {terms[0].Finish(), terms[1].Finish(), terms[2].Finish(), terms[3].Finish()};
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
