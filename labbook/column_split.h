#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "labbook/response_trace.h"

namespace corvale {

// Some rows of a series: first..last-1.
struct RowSpan {
  std::size_t first = 0;
  std::size_t last = 0;

  bool Empty() const { return last <= first; }
};

// Many rows drawn in few pixels: how the rows of a series fall into the
// pixel columns of an axis (or the pixel rows of a scroll bar). The axis
// runs from position `begin` to `end`, in rows; row r lies at
// (r - begin) / (end - begin) × columns, and the row at `end` itself in the
// last column. Chart, kept runs, the steps at a limit and the scroll bar's
// overview all split their rows here, so that they agree pixel for pixel.
class ColumnSplit {
 public:
  ColumnSplit(double begin, double end, std::size_t columns);

  std::size_t Columns() const { return columns_; }
  double RowsPerColumn() const { return perColumn_; }
  // The rows of a series of `rows` rows that lie in column c; empty where
  // the column lies between two rows or past the series' end.
  RowSpan Rows(std::size_t column, std::size_t rows) const;
  // The column a row lies in, the nearest one for a row off the axis.
  std::size_t ColumnOf(double row) const;
  // Of a series of `rows` rows, those on the axis: up to the one at its end.
  std::size_t RowsOnAxis(std::size_t rows) const;
  // The first of `rows` rows (on the axis) in column c or after it; for c =
  // Columns(), past the last, `rows`.
  std::size_t FirstOf(std::size_t column, std::size_t rows) const;

 private:
  double begin_;
  double end_;
  std::size_t columns_;
  double perColumn_;
};

// A column's values: the rows it stands for, and the smallest and largest
// of their values.
struct ColumnRange {
  std::size_t column = 0;
  RowSpan rows;
  ValueRange range;
};

enum class Decimation {
  kAlone,    // each column its own rows only
  kNearest,  // as kAlone; a column between two rows, or past the last, takes the row before
};

// The range of a series' values in each column that has rows, in order;
// `rangeOf(first, last)` gives the range over rows first..last-1. Columns
// without rows are left out (kNearest fills them). A line drawn through the
// columns joins each to the row before its own, so that it has no gap.
std::vector<ColumnRange> Decimate(
    const ColumnSplit& split, std::size_t rows,
    const std::function<ValueRange(std::size_t, std::size_t)>& rangeOf, Decimation how);

}  // namespace corvale
