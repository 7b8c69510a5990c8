#pragma once

#include <QLocale>
#include <QPainter>
#include <optional>

#include "labbook/response_trace.h"
#include "labbook/step_info.h"
#include "window/chart/chart_frame.h"
#include "window/chart/chart_report.h"
#include "window/chart/text_room.h"

namespace corvale {

// What the chart marks on the current run: the rows the table shows, the
// ±2 % band, the rise (or fall) from 10 % to 90 %, the peak, the settling
// step, and X's limits where it reached them. Each mark's label goes where
// it has room, clear of every other text and of every series' line, whose
// data it would hide, or is left out: the mark stays, and the cursor's
// readout and a screen reader name it.
class ChartMarks {
 public:
  ChartMarks(const ChartFrame& frame, const QLocale& locale, const ResponseTrace& trace,
             const std::optional<StepFigures>& figures)
      : frame_(frame), locale_(locale), trace_(trace), figures_(figures) {}

  // Under the lines: the rows in view, first..last (none when last < first),
  // and the band.
  void DrawUnder(QPainter& painter, int first, int last) const;
  // Over the lines: X's limits, then the figures' marks, each labelled where
  // it has room.
  void DrawLimits(QPainter& painter, TextRoom& room, ChartReport& report) const;
  void DrawFigures(QPainter& painter, TextRoom& room, ChartReport& report) const;
  // Whether the figures' marks are drawn: a settled step.
  bool Marked() const;
  // Where the figures' marks stand (the peak, the rise's ends, the settling
  // line's top and foot), which nothing should cover.
  std::vector<QPointF> Points() const;

 private:
  // A label in the first of the places offered that lies in the panel and
  // is clear of every text and line, on the base colour; whether it found one.
  bool Label(QPainter& painter, TextRoom& room, const QRectF& panel, const QString& text,
             const std::vector<QPointF>& topLefts) const;
  void DrawRise(QPainter& painter, TextRoom& room, ChartReport& report) const;
  void DrawSettled(QPainter& painter, TextRoom& room, ChartReport& report) const;
  void DrawPeak(QPainter& painter, TextRoom& room, ChartReport& report) const;
  // Whether a step's x lies on the plot, as it may not on a zoomed axis.
  bool OnPlot(double x) const {
    return x >= frame_.top.left() - 0.5 && x <= frame_.top.right() + 0.5;
  }

  const ChartFrame& frame_;
  const QLocale& locale_;
  const ResponseTrace& trace_;
  const std::optional<StepFigures>& figures_;
};

}  // namespace corvale
