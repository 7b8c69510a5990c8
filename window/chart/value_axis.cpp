#include "window/chart/value_axis.h"

#include <QStringList>
#include <algorithm>
#include <optional>

#include "labbook/run_differences.h"
#include "window/chart/chart_series.h"
#include "window/words/contexts.h"
#include "window/words/run_names.h"

namespace corvale {
namespace {

void Take(ValueRange& range, const ValueRange& other) {
  range.low = std::min(range.low, other.low);
  range.high = std::max(range.high, other.high);
}

// A kept run's PV and SP over its rows up to step `last`, as ChartSeries
// reads them for the axis; none when it has no row there.
std::optional<ValueRange> KeptExtent(const KeptRun& kept, std::size_t last, std::size_t columns) {
  const std::size_t rows = std::min(kept.pv.Size(), last);
  if (rows == 0) return std::nullopt;
  const std::size_t slack = rows / std::max<std::size_t>(columns, 1) / 2;
  ValueRange extent = kept.pv.Range(0, rows, slack);
  for (const ResponseTrace::Run& run : kept.summary.setPoints)
    if (run.firstRow < rows) Take(extent, {run.SetPoint(), run.SetPoint()});
  return extent;
}

std::size_t LastRow(double lastStep) {
  return lastStep >= 1 ? static_cast<std::size_t>(lastStep) : 0;
}

}  // namespace

ValueRange ValueAxisRange(const LabBook& book, double lastStep, std::size_t columns,
                          bool everyRun) {
  const ValueRange current = book.Current().Extent();
  const double span = current.high - current.low;
  if (everyRun || book.Current().Size() == 0 || !(span > 0))
    return ChartSeries::Extent(book, lastStep, columns);
  // Half the current run's range beyond it at most, on either side: the
  // current run keeps at least half of the panel's height.
  const double reach = span / 2;
  ValueRange covered = current;
  for (const KeptRun& kept : book.Kept()) {
    const std::optional<ValueRange> extent = KeptExtent(kept, LastRow(lastStep), columns);
    if (extent && extent->low >= current.low - reach && extent->high <= current.high + reach)
      Take(covered, *extent);
  }
  return covered;
}

std::vector<OffAxisRun> OffAxisRuns(const LabBook& book, const ChartFrame& frame) {
  std::vector<OffAxisRun> off;
  if (frame.rows == 0) return off;
  // The values at the panel's edges, past the scale's ends by its inset.
  const double high = frame.values.ToValue(frame.top.top());
  const double low = frame.values.ToValue(frame.top.bottom());
  const double lastStep = frame.rows >= 2 ? static_cast<double>(frame.rows) : 2;
  const auto columns = static_cast<std::size_t>(std::max(frame.bounds.width(), 1.0));
  const auto& kept = book.Kept();
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const std::optional<ValueRange> extent = KeptExtent(kept[i], LastRow(lastStep), columns);
    if (extent && (extent->high > high || extent->low < low))
      off.push_back({i, extent->high > high, extent->low < low});
  }
  return off;
}

QString OffAxisSentences(const LabBook& book, const std::vector<OffAxisRun>& off,
                         const QLocale& locale) {
  if (off.empty()) return {};
  const std::vector<QString> names = RunNames(RunsCompared(book), locale);
  QStringList sentences;
  for (const OffAxisRun& run : off) {
    const QString name = run.kept < names.size() ? names[run.kept] : QString();
    sentences << (run.above && run.below
                      ? ChartWords::tr("The earlier run %1 goes off the axis above and below: "
                                       "its line is cut at the panel's top and foot.")
                  : run.above ? ChartWords::tr("The earlier run %1 goes off the axis above: its "
                                               "line is cut at the panel's top.")
                              : ChartWords::tr("The earlier run %1 goes off the axis below: its "
                                               "line is cut at the panel's foot."))
                     .arg(name);
  }
  sentences << ChartWords::tr(
      "Value axis covers every run, in the chart's menu, draws every run whole.",
      "the menu item's text, then what it does");
  return sentences.join(u' ');
}

}  // namespace corvale
