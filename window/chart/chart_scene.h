#pragma once

#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QString>
#include <optional>
#include <vector>

#include "labbook/lab_book.h"
#include "labbook/step_info.h"
#include "window/chart/chart_figures.h"
#include "window/chart/chart_frame.h"
#include "window/chart/chart_legend.h"
#include "window/chart/chart_report.h"
#include "window/chart/chart_series.h"
#include "window/chart/chart_style.h"
#include "window/chart/chart_terms.h"

namespace corvale {

class ChartMarks;

// Everything the chart is drawn from, as the widget holds it.
struct ChartInput {
  const LabBook* book = nullptr;
  std::optional<StepFigures> figures;
  QString figuresText;
  int firstVisible = 0;  // the rows the table shows; none when last < first
  int lastVisible = -1;
  int cursor = -1;
  QString readout;  // what the cursor's step reads
  QLocale locale;
  QPalette palette;
  QFont font;
  int textPixels = 12;
  bool focus = false;
  // A picture for a slide: without what only the window explains (the rows
  // the table shows, the focus, the cursor, a word of the tooltip).
  bool picture = false;
  // Each kept run's look, by its place among the kept ones; a run keeps its
  // look while it is kept. By place when empty.
  std::vector<std::size_t> keptLooks;
  // The terms drawn in panels of their own under X, top to bottom.
  std::vector<Term> terms;
  // The current run's columns from an earlier drawing, kept by the widget.
  CurrentColumns* columns = nullptr;
  TermColumns* termColumns = nullptr;
  // The steps the step axis shows; the whole run when Whole().
  StepRange steps;
  // Whether the value axis covers every run, or the current one and the
  // kept runs near it, those far off drawn cut at its ends (ValueAxisRange).
  bool axisCoversEveryRun = false;

  std::size_t KeptLook(std::size_t index) const {
    return index < keptLooks.size() ? keptLooks[index] : index;
  }
};

// The chart at one size: its parts laid out from the room each needs, then
// drawn in order into any painter, so that the screen, an image and an SVG
// show the same.
class ChartScene {
 public:
  ChartScene(const ChartInput& input, QSizeF size);

  const ChartFrame& Frame() const { return frame_; }
  ChartReport Draw(QPainter& painter) const;

 private:
  std::vector<LegendEntry> LegendEntries() const;
  FrameContent Content(QSizeF size) const;
  void DrawGrid(QPainter& painter) const;
  void DrawFrames(QPainter& painter) const;
  // The figures in their room or over the plot, clear of the lines.
  void DrawFigures(QPainter& painter, const ChartMarks& marks, TextRoom& room,
                   ChartReport& report) const;

  const ChartInput& input_;
  ChartStyle style_;
  ChartLegend legend_;
  ChartFigures figures_;
  ChartFrame frame_;
};

}  // namespace corvale
