#pragma once

#include <QLocale>
#include <QString>
#include <optional>
#include <vector>

#include "labbook/lab_book.h"
#include "labbook/run_marks.h"
#include "labbook/run_series.h"
#include "labbook/step_info.h"

namespace corvale {

// What the chart's cursor says: a series' name, its numbers as the table
// writes them, and what holds at a step.
class ChartReadout {
 public:
  // `falling`: the figures' step response falls.
  ChartReadout(const LabBook& book, const std::vector<RunMark>& marks, bool falling, QLocale locale)
      : book_(book), marks_(marks), falling_(falling), locale_(std::move(locale)) {}

  // "PV", "X", "Error", "P", "I", "D", or "PV of run 2" (by the comparison's count).
  QString Name(SeriesId series) const;
  // A value as the table shows it: four decimals, the locale's separator.
  QString Number(double value) const;
  // The step's chosen value (PV with SP and X), then what holds there: X at a
  // limit (the current run's, on PV and X), and each of `marks` there that
  // belongs to the series (MarkKindsOf). Empty for a row outside the current
  // run.
  QString Row(SeriesId series, int row) const;

 private:
  QString Values(SeriesId series, std::size_t row) const;
  QStringList Facts(SeriesId series, std::size_t row) const;
  QString MarkText(SeriesId series, const RunMark& mark) const;

  const LabBook& book_;
  const std::vector<RunMark>& marks_;
  bool falling_;
  QLocale locale_;
};

}  // namespace corvale
