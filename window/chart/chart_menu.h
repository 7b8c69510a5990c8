#pragma once

class QMenu;
class QMimeData;

namespace corvale {

class ResponseChart;

// The chart's commands, as its context menu offers them: the chart as an
// image, PNG and SVG drawn as the screen shows it at the chart's size; the
// figures' sentences as text; the chosen series played as sound, and its
// tone at each cursor move turned on or off; the value axis over every run or
// the current one; the whole run shown again on a zoomed step axis; and
// a sweep asked for; forgetting the runs kept for comparison.
QMimeData* ChartImageData(const ResponseChart& chart);
void CopyChart(const ResponseChart& chart);
void CopyFigures(const ResponseChart& chart);
// The menu; the caller owns it. Forgetting is offered when runs are kept,
// Play when the current run has rows.
QMenu* MakeChartMenu(ResponseChart* chart, bool runsKept, bool hasRows);

}  // namespace corvale
