#pragma once

#include <QRectF>
#include <QSizeF>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "labbook/column_split.h"
#include "labbook/step_window.h"
#include "labbook/term_ranges.h"
#include "window/chart/chart_figures.h"
#include "window/chart/chart_report.h"
#include "window/chart/chart_style.h"
#include "window/chart/scale_map.h"

namespace corvale {

class ChartLegend;

// Where the chart's parts stand at one size, made before anything is drawn
// from the room each part says it needs, so that nothing is cut: the legend
// on as many lines as it takes, the panels with their axes, the figures
// beside or under them where the chart has room.
struct ChartFrame {
  ChartStyle style;
  QRectF bounds;
  QRectF legend;
  QRectF top, bottom;            // the panels: PV and SP above, X below
  std::vector<TermPanel> terms;  // under X, each chosen term's
  double titleLeft = 0;
  QRectF figures;                        // the figures' own room; empty: they stand over the plot
  ChartFigures::Selection figuresShown;  // the sentences in it
  ScaleMap steps, values, inputs;
  std::size_t rows = 0;  // the current run's

  // How the rows fall into the plot's pixel columns.
  ColumnSplit Split() const {
    return ColumnSplit(steps.Scale().low - 1, steps.Scale().high - 1,
                       static_cast<std::size_t>(std::max(top.width(), 1.0)));
  }
  // Every panel, top to bottom: what a line through a step crosses.
  std::vector<QRectF> Panels() const;
  // The lowest panel, whose foot the step axis runs along.
  const QRectF& Lowest() const { return terms.empty() ? bottom : terms.back().rect; }
  // The panel of a term, if it is drawn.
  const TermPanel* PanelOf(Term term) const;
  // The last row on the step axis: later rows of a longer earlier run are cut.
  std::size_t RowsOnAxis(std::size_t rows) const;
  // The first: where the axis is zoomed, the rows before it are off the plot.
  std::size_t FirstRowOnAxis() const {
    return static_cast<std::size_t>(std::max(std::ceil(steps.Scale().low) - 1, 0.0));
  }
};

// What the frame is made from: the ranges of what is drawn, and the parts
// whose room depends on the chart's width.
struct FrameContent {
  ValueRange values;                               // every run's PV and SP, and 0
  ValueRange inputs;                               // X
  std::vector<std::pair<Term, ValueRange>> terms;  // those drawn: every run's, and 0
  std::size_t rows = 0;
  StepRange shown;  // the steps on the axis; the whole run when Whole()
};

ChartFrame MakeFrame(const ChartStyle& style, const QLocale& locale, QSizeF size,
                     const FrameContent& content, const ChartLegend& legend,
                     const ChartFigures& figures);

}  // namespace corvale
