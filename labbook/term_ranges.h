#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "labbook/response_trace.h"

namespace corvale {

// The controller's terms, as the chart draws them in panels of their own.
enum class Term { Error, P, I, D };
inline constexpr std::size_t kTerms = 4;
using TermValues = std::array<double, kTerms>;
using TermRange = std::array<ValueRange, kTerms>;

inline TermValues TermsOf(const StepRecord& record) {
  return {record.Error, record.P, record.I, record.D};
}

// Every term's range over a trace's rows, from summaries of whole blocks of
// rows made when first asked for and kept: a trace only grows, so a whole
// block never changes. A million rows are then drawn in a panel, at any
// width, without working the terms out again for each.
class TermRanges {
 public:
  // Over rows first..last-1 of `trace` (first < last <= trace.Size()).
  TermRange Over(const ResponseTrace& trace, std::size_t first, std::size_t last);
  // The trace began afresh.
  void Forget() { blocks_.clear(); }

 private:
  static constexpr std::size_t kBlock = ResponseTrace::kBlockRows;
  std::vector<TermRange> blocks_;
};

// Over rows first..last-1 of `trace`, row by row.
TermRange TermsOver(const ResponseTrace& trace, std::size_t first, std::size_t last);

}  // namespace corvale
