#pragma once

class QMenu;
class QMimeData;

namespace corvale {

class ResponseChart;

// The chart's commands, as its context menu offers them: the chart as an
// image, PNG and SVG drawn as the screen shows it at the chart's size; the
// figures' sentences as text; and forgetting the runs kept for comparison.
QMimeData* ChartImageData(const ResponseChart& chart);
void CopyChart(const ResponseChart& chart);
void CopyFigures(const ResponseChart& chart);
// The menu; the caller owns it. Forgetting is offered when runs are kept.
QMenu* MakeChartMenu(ResponseChart* chart, bool runsKept);

}  // namespace corvale
