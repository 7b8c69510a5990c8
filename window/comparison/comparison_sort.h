#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "window/comparison/run_comparison_model.h"

namespace corvale {

// What a row is sorted by in one column: its number, or else its text; a
// row with neither (a dash) goes last whichever way the column is sorted.
struct SortKey {
  std::optional<double> value;
  QString text;

  bool Missing() const { return !value && text.isEmpty(); }
};

// The rows' places in sorted order, ascending or descending; rows alike keep
// their order, so that a sort on a column whose rows are alike changes
// nothing.
std::vector<std::size_t> SortedOrder(const std::vector<SortKey>& keys, Qt::SortOrder order);

// The column as a sort names it: as a screen reader names its header, but
// without the unit its value is said with.
QString SortColumnName(RunComparisonModel::Column column);

// How the sort runs, in words: "shortest first" for a time, "earliest
// first" for a step, "smallest first" for any other number, in alphabetical
// order for words; for the runs' numbers, in the order they ran.
QString SortDirection(RunComparisonModel::Column column, Qt::SortOrder order);

}  // namespace corvale
