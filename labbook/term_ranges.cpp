#include "labbook/term_ranges.h"

#include <algorithm>
#include <optional>

namespace corvale {

TermRange TermsOver(const ResponseTrace& trace, std::size_t first, std::size_t last) {
  const TermValues values = TermsOf(trace.Record(first));
  TermRange range;
  for (std::size_t t = 0; t < kTerms; ++t) range[t] = {values[t], values[t]};
  for (std::size_t row = first + 1; row < last; ++row) {
    const TermValues next = TermsOf(trace.Record(row));
    for (std::size_t t = 0; t < kTerms; ++t) range[t].Take({next[t], next[t]});
  }
  return range;
}

TermRange TermRanges::Over(const ResponseTrace& trace, std::size_t first, std::size_t last) {
  const std::size_t whole = trace.Size() / kBlock;
  if (blocks_.size() > whole) blocks_.clear();  // a shorter trace: another run's
  blocks_.reserve(whole);
  while (blocks_.size() < whole) {
    const std::size_t start = blocks_.size() * kBlock;
    blocks_.push_back(TermsOver(trace, start, start + kBlock));
  }
  std::optional<TermRange> range;
  const auto take = [&range](const TermRange& from) {
    if (!range) return void(range = from);
    for (std::size_t t = 0; t < kTerms; ++t) (*range)[t].Take(from[t]);
  };
  // The rows before the first whole block, the whole blocks, the rest.
  std::size_t row = first;
  if (row % kBlock != 0) {
    const std::size_t end = std::min(last, (row / kBlock + 1) * kBlock);
    take(TermsOver(trace, row, end));
    row = end;
  }
  for (; row + kBlock <= last; row += kBlock) take(blocks_[row / kBlock]);
  if (row < last) take(TermsOver(trace, row, last));
  return *range;
}

}  // namespace corvale
