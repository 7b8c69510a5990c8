#include "labbook/kept_series.h"

#include <algorithm>
#include <array>

namespace corvale {
namespace {

// Rows are reduced a block at a time: the block's values made first, then
// taken into each level in tight loops.
constexpr std::size_t kRowsAtOnce = 4096;

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
    const std::size_t buckets = std::min(kBucketsPerLevel, (size + width - 1) / width);
    reaches_.push_back(buckets * width);
    series_.levels_[level].reserve(buckets);
  }
}

void KeptSeries::Builder::Add(std::span<const double> values) {
  const std::size_t start = row_;
  const std::size_t end = start + values.size();
  for (std::size_t row = start; row < std::min(end, kExactRows); ++row)
    series_.exact_.push_back(values[row - start]);
  for (std::size_t level = 0; level < reaches_.size(); ++level) {
    std::vector<ValueRange>& buckets = series_.levels_[level];
    const std::size_t width = Width(level);  // a power of two
    const std::size_t last = std::min(end, reaches_[level]);
    for (std::size_t row = start; row < last;) {
      const std::size_t bucketEnd = std::min(last, (row | (width - 1)) + 1);
      // Taken in row order from the bucket's first value, as one value at a
      // time would, so that the result does not depend on where the values
      // were cut.
      const bool opens = (row & (width - 1)) == 0;
      ValueRange range =
          opens ? ValueRange{values[row - start], values[row - start]} : buckets.back();
      for (std::size_t r = opens ? row + 1 : row; r < bucketEnd; ++r)
        Take(range, {values[r - start], values[r - start]});
      if (opens)
        buckets.push_back(range);
      else
        buckets.back() = range;
      row = bucketEnd;
    }
  }
  row_ = end;
}

KeptSeries KeptSeries::OfPv(const ResponseTrace& trace) {
  Builder pv(trace.Size());
  std::vector<double> values(kRowsAtOnce);
  for (std::size_t first = 0; first < trace.Size(); first += kRowsAtOnce) {
    const std::size_t count = std::min(kRowsAtOnce, trace.Size() - first);
    for (std::size_t i = 0; i < count; ++i) values[i] = trace.Sample(first + i).pv;
    pv.Add({values.data(), count});
  }
  return pv.Finish();
}

std::array<KeptSeries, kTerms> KeptSeries::OfTerms(const ResponseTrace& trace) {
  std::array<Builder, kTerms> terms{Builder(trace.Size()), Builder(trace.Size()),
                                    Builder(trace.Size()), Builder(trace.Size())};
  std::vector<double> values(kTerms * kRowsAtOnce);  // each term's block after the one before
  for (std::size_t first = 0; first < trace.Size(); first += kRowsAtOnce) {
    const std::size_t count = std::min(kRowsAtOnce, trace.Size() - first);
    for (std::size_t i = 0; i < count; ++i) {
      const TermValues row = TermsOf(trace.Record(first + i));
      for (std::size_t t = 0; t < kTerms; ++t) values[t * kRowsAtOnce + i] = row[t];
    }
    for (std::size_t t = 0; t < kTerms; ++t) terms[t].Add({&values[t * kRowsAtOnce], count});
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
