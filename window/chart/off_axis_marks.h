#pragma once

#include <QLocale>
#include <QPainter>
#include <cstddef>
#include <optional>
#include <vector>

#include "labbook/lab_book.h"
#include "window/chart/chart_frame.h"
#include "window/chart/chart_report.h"
#include "window/chart/text_room.h"
#include "window/chart/value_axis.h"

namespace corvale {

// Where an earlier run passes an end of the value axis and is cut there: an
// arrow at the panel's edge, in the run's colour, pointing off it where its
// line first leaves (its set point's, where its PV stays on), and beside it
// the run's name as the legend gives it, "SP 300 above", where that has room
// clear of every text and every line. The arrow stays where the name has
// none; a screen reader hears of the run from the chart's description.
class OffAxisMarks {
 public:
  OffAxisMarks(const LabBook& book, const ChartFrame& frame, const std::vector<std::size_t>& looks,
               const QLocale& locale)
      : book_(book), frame_(frame), looks_(looks), locale_(locale) {}

  // Over the lines, after the other marks, whose labels come first.
  void Draw(QPainter& painter, TextRoom& room, ChartReport& report) const;

 private:
  // Where kept run `kept`'s line first passes the panel's top (or foot), on
  // the plot: its x; none where the steps shown keep it on.
  std::optional<double> Leaves(const ChartReport& report, std::size_t kept, bool above) const;
  void DrawArrow(QPainter& painter, double x, bool above, std::size_t look) const;
  bool Label(QPainter& painter, TextRoom& room, double x, bool above, const QString& text) const;

  const LabBook& book_;
  const ChartFrame& frame_;
  const std::vector<std::size_t>& looks_;
  const QLocale& locale_;
};

}  // namespace corvale
