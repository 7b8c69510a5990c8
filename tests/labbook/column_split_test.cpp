// Column c stands for the rows in [begin + c·w, begin + (c+1)·w), w = (end -
// begin) / columns, the last one also for the row at `end`.
#include <gtest/gtest.h>

#include "labbook/column_split.h"

namespace corvale {
namespace {

TEST(ColumnSplit, GivesEachColumnTheRowsThatLieInItAndFindsARowsColumn) {
  // The axis' begin and end, columns, rows; each column's first and last row.
  // clang-format off
  const std::tuple<double, double, std::size_t, std::size_t,
                   std::vector<std::pair<std::size_t, std::size_t>>> cases[] = {
      {0, 10, 5, 11, {{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 11}}},  // the last takes row 10 too,
      {0, 10, 5, 10, {{0, 2}, {2, 4}, {4, 6}, {6, 8}, {8, 10}}},  // when there is one
      // Steps 1 to 100 over 10 columns: 9.9 rows a column.
      {0, 99, 10, 100, {{0, 10}, {10, 20}, {20, 30}, {30, 40}, {40, 50}, {50, 60}, {60, 70},
                        {70, 80}, {80, 90}, {90, 100}}},
      // Fewer rows than columns: some columns lie between two rows.
      {0, 4, 8, 5, {{0, 1}, {1, 1}, {1, 2}, {2, 2}, {2, 3}, {3, 3}, {3, 4}, {4, 5}}},
      {0, 99, 4, 30, {{0, 25}, {25, 30}, {30, 30}, {30, 30}}},  // a series shorter than the axis
      {0, 10, 1, 11, {{0, 11}}},                                // one column takes every row
      // An axis that starts before the series (a single step, 0 to 2).
      {-1, 1, 4, 1, {{0, 0}, {0, 0}, {0, 1}, {1, 1}}}};
  // clang-format on
  for (const auto& [begin, end, columns, rows, spans] : cases) {
    const ColumnSplit split(begin, end, columns);
    for (std::size_t column = 0; column < columns; ++column) {
      const RowSpan span = split.Rows(column, rows);
      EXPECT_EQ(std::make_pair(span.first, span.last), spans[column])
          << begin << ".." << end << " column " << column;
    }
  }
  // And the column of a row: 9.9 rows a column.
  const ColumnSplit split(0, 99, 10);
  const std::pair<double, std::size_t> rowColumns[] = {{0, 0},  {9.8, 0}, {9.9, 1}, {50, 5},
                                                       {99, 9}, {150, 9}, {-5, 0}};
  for (const auto& [row, column] : rowColumns) EXPECT_EQ(split.ColumnOf(row), column) << row;
}

TEST(Decimate, GivesEachColumnItsRowsAndTheirRange) {
  // Values 0, 10, 20, ... with one spike of 1000 at row 7.
  const auto value = [](std::size_t r) { return r == 7 ? 1000.0 : 10.0 * static_cast<double>(r); };
  const auto range = [&](std::size_t first, std::size_t last) {
    ValueRange v{value(first), value(first)};
    for (std::size_t r = first; r < last; ++r)
      v.low = std::min(v.low, value(r)), v.high = std::max(v.high, value(r));
    return v;
  };
  const ColumnSplit split(0, 12, 4);  // rows 0-2, 3-5, 6-8, 9-12
  const std::pair<double, double> ranges[] = {{0, 20}, {30, 50}, {60, 1000}, {90, 120}};
  const std::pair<std::size_t, std::size_t> rows[] = {{0, 3}, {3, 6}, {6, 9}, {9, 13}};
  const std::vector<ColumnRange> columns = Decimate(split, 13, range, Decimation::kAlone);
  ASSERT_EQ(columns.size(), 4u);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    EXPECT_EQ(columns[i].column, i);
    EXPECT_EQ(std::make_pair(columns[i].rows.first, columns[i].rows.last), rows[i]) << i;
    EXPECT_EQ(std::make_pair(columns[i].range.low, columns[i].range.high), ranges[i]) << i;
  }
}

TEST(Decimate, LeavesOutColumnsWithoutRowsOrFillsThemWithTheRowBefore) {
  const auto range = [](std::size_t first, std::size_t last) {
    return ValueRange{static_cast<double>(first), static_cast<double>(last - 1)};
  };
  const ColumnSplit split(0, 3, 6);  // half a row a column; rows 0..3
  std::vector<std::size_t> alone;
  for (const ColumnRange& c : Decimate(split, 4, range, Decimation::kAlone))
    alone.push_back(c.column);
  EXPECT_EQ(alone, (std::vector<std::size_t>{0, 2, 4, 5}));
  std::vector<double> nearest;
  for (const ColumnRange& c : Decimate(split, 4, range, Decimation::kNearest))
    nearest.push_back(c.range.low);
  EXPECT_EQ(nearest, (std::vector<double>{0, 0, 1, 1, 2, 3}));
  EXPECT_TRUE(Decimate(split, 0, range, Decimation::kNearest).empty());
}

}  // namespace
}  // namespace corvale
