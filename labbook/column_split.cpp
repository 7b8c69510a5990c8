#include "labbook/column_split.h"

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

std::size_t ColumnSplit::RowsOnAxis(std::size_t rows) const {
  return RowAtOrAfter(std::floor(end_) + 1, rows);
}

RowSpan ColumnSplit::Rows(std::size_t column, std::size_t rows) const {
  const std::size_t onAxis = RowsOnAxis(rows);
  if (column >= columns_) return {onAxis, onAxis};
  // Past the last column lie the rows after the axis' end: none of them.
  const std::size_t first = FirstOf(column, onAxis);
  return {first, std::max(first, FirstOf(column + 1, onAxis))};
}

std::size_t ColumnSplit::FirstOf(std::size_t column, std::size_t rows) const {
  const double from = begin_ + static_cast<double>(column) * perColumn_;
  std::size_t row = RowAtOrAfter(column == 0 ? begin_ : from, rows);
  if (column == 0) return row;
  // Exactly where ColumnOf puts each row, whatever the sum above rounded to,
  // so that every row lies in one column and one only.
  while (row > 0 && ColumnOf(static_cast<double>(row - 1)) >= column) --row;
  while (row < rows && ColumnOf(static_cast<double>(row)) < column) ++row;
  return row;
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
  // Each column starts where the one before ended: one search per column.
  const std::size_t onAxis = split.RowsOnAxis(rows);
  std::size_t first = split.FirstOf(0, onAxis);
  for (std::size_t c = 0; c < split.Columns(); ++c) {
    const std::size_t last = split.FirstOf(c + 1, onAxis);
    RowSpan span{first, std::max(first, last)};
    first = span.last;
    if (span.Empty()) {
      if (how != Decimation::kNearest || span.first == 0) continue;
      // Between two rows, or past the last: the row before.
      span.first -= 1;
      span.last = span.first + 1;
    }
    columns.push_back({c, span, rangeOf(span.first, span.last)});
  }
  return columns;
}

}  // namespace corvale
