#pragma once

#include <QLocale>
#include <QString>

#include "labbook/kept_run.h"
#include "labbook/run_differences.h"
#include "window/comparison/comparison_cells.h"
#include "window/comparison/run_comparison_model.h"

namespace corvale {

// The cell of one run in a column of what it ran under: a gain, SP, the
// plant or an option, its number or its word (the anti-windup, what D acts
// on); a dash where the field does not apply to the run.
ComparisonCell SettingCell(const RunSummary& run, RunField field, const QLocale& locale);

// What a column of the plant or the options holds, and why it is shown, for
// its tooltip; empty for the other columns.
QString SettingExplanation(RunComparisonModel::Column column);

}  // namespace corvale
