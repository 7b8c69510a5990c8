#pragma once

#include <QLocale>
#include <QString>
#include <cstddef>
#include <vector>

#include "labbook/lab_book.h"
#include "window/chart/chart_frame.h"

namespace corvale {

// What the value axis covers. The current run always, whole: its PV, its SP
// and 0. A kept run widens it where it lies within half the current run's
// range beyond it, so that tunings compared side by side look as they always
// have; one farther out would squeeze the current run into less than half of
// the panel (a run at SP 5 after one at SP 300 lies flat along its foot), so
// it is drawn cut at the panel's edge and marked there. `everyRun`, as the
// user may ask, covers every run drawn whatever it squeezes. A current run
// without a range (none, or all at 0) reads the same on any axis: every run
// is covered then. The kept runs are taken up to the step axis' last step
// `lastStep`, as they are drawn; `columns`, the plot's pixel columns, as
// their reduced rows are read.
ValueRange ValueAxisRange(const LabBook& book, double lastStep, std::size_t columns, bool everyRun);

// A kept run that passes an end of the value axis, and which: drawn cut there.
struct OffAxisRun {
  std::size_t kept = 0;  // its place among the kept runs
  bool above = false, below = false;
};
// The kept runs that pass the ends of the value axis as `frame` draws it:
// those the axis leaves out, and no run that a round-number end took in.
std::vector<OffAxisRun> OffAxisRuns(const LabBook& book, const ChartFrame& frame);

// A sentence for a screen reader, one for each of those runs, named as the
// legend names them; empty when every run is drawn whole.
QString OffAxisSentences(const LabBook& book, const std::vector<OffAxisRun>& off,
                         const QLocale& locale);

}  // namespace corvale
