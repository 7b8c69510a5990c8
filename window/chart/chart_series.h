#pragma once

#include <QPainter>
#include <QPolygonF>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "labbook/lab_book.h"
#include "labbook/response_trace.h"
#include "window/chart/chart_frame.h"
#include "window/chart/chart_report.h"

namespace corvale {

// A series as a path across the plot: a point per row where its rows are
// no more than the plot's pixel columns; else, per column, the range of its
// rows there as a stroke, each joined to the one before, so that a million
// rows cost a few thousand points and no peak is lost. Rows past the step
// axis' end are cut.
struct SeriesSource {
  std::size_t rows = 0;
  std::function<double(std::size_t)> value;
  std::function<ValueRange(std::size_t, std::size_t)> range;
};
QPolygonF SeriesPath(const ChartFrame& frame, const ScaleMap& values, const SeriesSource& source,
                     bool* decimated = nullptr);
// The same from the columns' ranges, when they are known already.
QPolygonF DecimatedPath(const ChartFrame& frame, const ScaleMap& values, const SeriesSource& source,
                        const std::vector<ColumnRange>& columns);
// Whether a series of `rows` rows has more on the axis than the plot has
// pixel columns: drawn as each column's range, not row by row.
bool Decimated(const ChartFrame& frame, std::size_t rows);
// A kept run's series, whose buckets may reach `slack` rows past a column's
// own: KeptSlack's for the plot's columns.
SeriesSource KeptSource(const KeptSeries& series, std::size_t slack);
std::size_t KeptSlack(const ColumnSplit& split);

// A set point's changes as a step line: each command's SP from its first
// row on, cut at the axis' end.
QPolygonF SetPointPath(const ChartFrame& frame, const std::vector<ResponseTrace::Run>& runs,
                       std::size_t rows);

// The current run's PV and X in the plot's pixel columns, kept from one
// drawing to the next while the runs and the columns stay the same: a cursor
// moving over a million rows redraws the chart without going through them
// again, as the table's overview keeps its pixel rows.
struct CurrentColumns {
  std::uint64_t revision = UINT64_MAX;  // the runs' they were made for
  std::size_t rows = 0;
  double begin = 0, end = 0;
  std::size_t columns = 0;
  std::vector<ColumnRange> pv, x;
};

// The runs' lines: the current run's PV, SP and X, each kept run's PV and
// SP behind them, and the steps X sat at a limit shaded.
class ChartSeries {
 public:
  // `looks`: each kept run's look, by its place (by place when empty);
  // `cache`, where there is one, the columns of an earlier drawing.
  ChartSeries(const LabBook& book, const ChartFrame& frame, const std::vector<std::size_t>& looks,
              CurrentColumns* cache = nullptr);

  // What the value axis must cover for the runs up to the step axis' last
  // step `lastStep`: every run's PV and SP, and 0.
  static ValueRange Extent(const LabBook& book, double lastStep, std::size_t columns);
  // Whether X sat at a limit anywhere.
  static bool ReachedLimit(const ResponseTrace& trace);

  void DrawLimitShading(QPainter& painter, ChartReport& report) const;
  void DrawKept(QPainter& painter, ChartReport& report) const;
  void DrawCurrent(QPainter& painter, ChartReport& report) const;

 private:
  // PV as the plant made it, under the PV the controller read with noise.
  void DrawTruePv(QPainter& painter, ChartReport& report) const;
  void Shade(QPainter& painter, double fromX, double toX, ChartReport& report) const;

  const LabBook& book_;
  const ChartFrame& frame_;
  const std::vector<std::size_t>& looks_;
  // PV's and X's range in each pixel column, where the current run has more
  // rows than the plot has columns; X's line and the steps at a limit share
  // X's.
  std::vector<ColumnRange> pvColumns_, xColumns_;
};

}  // namespace corvale
