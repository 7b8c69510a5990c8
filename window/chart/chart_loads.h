#pragma once

#include <QPainter>

#include "labbook/lab_book.h"
#include "window/chart/chart_frame.h"
#include "window/chart/chart_report.h"
#include "window/chart/text_room.h"

namespace corvale {

// Where the load on the plant's input changes: a line through the panels at
// the step, and over X's panel, where the load acts, what it becomes.
class ChartLoads {
 public:
  ChartLoads(const ChartFrame& frame, const QLocale& locale, const ResponseTrace& trace,
             const std::vector<RunMark>& marks)
      : frame_(frame), locale_(locale), trace_(trace), marks_(marks) {}

  void Draw(QPainter& painter, TextRoom& room, ChartReport& report) const;

 private:
  const ChartFrame& frame_;
  const QLocale& locale_;
  const ResponseTrace& trace_;
  const std::vector<RunMark>& marks_;
};

}  // namespace corvale
