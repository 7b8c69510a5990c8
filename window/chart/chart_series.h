#pragma once

#include <QPainter>
#include <QPolygonF>
#include <cstddef>
#include <functional>
#include <vector>

#include "chart_frame.h"
#include "chart_report.h"
#include "response_trace.h"
#include "run_history.h"

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

// A set point's changes as a step line: each command's SP from its first
// row on, cut at the axis' end.
QPolygonF SetPointPath(const ChartFrame& frame, const std::vector<ResponseTrace::Run>& runs,
                       std::size_t rows);

// The runs' lines: the current run's PV, SP and X, each kept run's PV and
// SP behind them, and the steps X sat at a limit shaded.
class ChartSeries {
 public:
  // `looks`: each kept run's look, by its place (by place when empty).
  ChartSeries(const RunHistory& history, const ChartFrame& frame,
              const std::vector<std::size_t>& looks);

  // What the value axis must cover for the runs up to the step axis' last
  // step `lastStep`: every run's PV and SP, and 0.
  static ValueRange Extent(const RunHistory& history, double lastStep, std::size_t columns);
  // Whether X sat at a limit anywhere.
  static bool ReachedLimit(const ResponseTrace& trace);

  void DrawLimitShading(QPainter& painter, ChartReport& report) const;
  void DrawKept(QPainter& painter, ChartReport& report) const;
  void DrawCurrent(QPainter& painter, ChartReport& report) const;

 private:
  void Shade(QPainter& painter, double fromX, double toX, ChartReport& report) const;

  const RunHistory& history_;
  const ChartFrame& frame_;
  const std::vector<std::size_t>& looks_;
  // X's range in each pixel column, where the current run has more rows
  // than the plot has columns: its line and the steps at a limit share them.
  std::vector<ColumnRange> xColumns_;
};

}  // namespace corvale
