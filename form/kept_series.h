#pragma once

#include <cstddef>
#include <vector>

#include "response_trace.h"

namespace corvale {

// A long series reduced to bounded memory, for drawing: its first rows
// exactly, and the range of its values over buckets of 2, 4, 8, ... rows,
// each level holding at most a fixed number of buckets from the series'
// start. A chart column that spans n rows is answered from the finest level
// whose buckets are no wider than about n/2 rows, so a kept run looks the
// same as the current one at any axis length, for a few megabytes.
class KeptSeries {
 public:
  KeptSeries() = default;
  // PV of each row of `trace`.
  static KeptSeries OfPv(const ResponseTrace& trace);

  std::size_t Size() const { return size_; }
  // The range of the values over rows first..last-1 (first < last <= Size()),
  // exact where the rows are kept exactly, else over the buckets that cover
  // them: at most `slack` rows more on each side.
  ValueRange Range(std::size_t first, std::size_t last, std::size_t slack) const;
  // A row's value, exact among the first rows; else its bucket's middle.
  double Value(std::size_t row) const;
  std::size_t Bytes() const;

 private:
  std::size_t size_ = 0;
  std::vector<double> exact_;                 // the first rows
  std::vector<std::vector<ValueRange>> levels_;  // level k: buckets of 2^(k+1) rows
};

}  // namespace corvale
