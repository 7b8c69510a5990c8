#pragma once

#include <QLocale>
#include <QString>
#include <optional>

#include "labbook/lab_book.h"
#include "window/comparison/run_comparison_model.h"

namespace corvale {

// One cell of the comparison: what it shows, and its value where it is a
// number a spreadsheet should take as one.
struct ComparisonCell {
  QString text;
  std::optional<double> value;
};

// What a cell shows where a run has no such figure: a dash.
QString NoFigure();

// The cell of one run in one of the comparison's figure columns (kSteps to
// kAtFull): a dash where the run has no such figure; for a run that has not
// settled, PV's range over its last steps in the settling column, and for one
// with nothing to measure, why, in the rise column.
ComparisonCell FigureCell(const RunSummary& run, RunComparisonModel::Column column,
                          const QLocale& locale);

// The column's name, and what it holds, for a tooltip and a screen reader.
QString ColumnName(RunComparisonModel::Column column);
QString ColumnExplanation(RunComparisonModel::Column column);

}  // namespace corvale
