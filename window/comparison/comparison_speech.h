#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

#include "window/comparison/comparison_cells.h"
#include "window/comparison/run_comparison_model.h"

namespace corvale {

// The comparison as a screen reader speaks it. A column's header is named
// with its unit ("Rise time in steps"); a cell read with its row, by its
// column's name and its value with the unit ("Rise time 9 steps"); a cell
// read under its header, by its value alone. A dash is said as "none".
QString SpokenColumnName(RunComparisonModel::Column column);
QString SpokenCell(RunComparisonModel::Column column, const ComparisonCell& cell, bool bare);

// A count of steps with its unit: "1 step", "9 steps".
QString StepsPhrase(std::int64_t steps, const QLocale& locale);

}  // namespace corvale
