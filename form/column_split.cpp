#include "column_split.h"

#include <algorithm>
#include <cmath>

namespace corvale {
namespace {

// A position as a row number, within 0..rows; positions before the series
// count as its start, past it as its end.
std::size_t RowAtOrAfter(double position, std::size_t rows) {
  if (!(position > 0)) return 0;
  const double row = std::ceil(position);
  return row >= static_cast<double>(rows) ? rows : static_cast<std::size_t>(row);
}

}  // namespace

ColumnSplit::ColumnSplit(double begin, double end, std::size_t columns)
    : begin_(begin),
      end_(end > begin ? end : begin + 1),
      columns_(std::max<std::size_t>(columns, 1)),
      perColumn_((end_ - begin_) / static_cast<double>(columns_)) {}

RowSpan ColumnSplit::Rows(std::size_t column, std::size_t rows) const {
  if (column >= columns_) return {rows, rows};
  const double from = begin_ + static_cast<double>(column) * perColumn_;
  RowSpan span{RowAtOrAfter(from, rows), 0};
  if (column + 1 == columns_) {
    // The last column ends at the axis' end, the row there included.
    span.last = RowAtOrAfter(std::floor(end_) + 1, rows);
  } else {
    span.last = RowAtOrAfter(from + perColumn_, rows);
  }
  if (span.last < span.first) span.last = span.first;
  return span;
}

std::size_t ColumnSplit::ColumnOf(double row) const {
  const double column = std::floor((row - begin_) / perColumn_);
  if (!(column > 0)) return 0;
  return column >= static_cast<double>(columns_) ? columns_ - 1 : static_cast<std::size_t>(column);
}

std::vector<ColumnRange> Decimate(
    const ColumnSplit& split, std::size_t rows,
    const std::function<ValueRange(std::size_t, std::size_t)>& rangeOf, Decimation how) {
  std::vector<ColumnRange> columns;
  if (rows == 0) return columns;
  columns.reserve(split.Columns());
  for (std::size_t c = 0; c < split.Columns(); ++c) {
    RowSpan span = split.Rows(c, rows);
    if (span.Empty()) {
      if (how != Decimation::kNearest || span.first == 0) continue;
      // Between two rows, or past the last: the row before.
      span.first -= 1;
      span.last = span.first + 1;
    } else if (how == Decimation::kJoined && span.first > 0) {
      --span.first;
    }
    columns.push_back({c, rangeOf(span.first, span.last)});
  }
  return columns;
}

}  // namespace corvale
