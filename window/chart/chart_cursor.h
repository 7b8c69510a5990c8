#pragma once

#include <QPainter>
#include <QString>
#include <optional>

#include "labbook/response_trace.h"
#include "window/chart/chart_frame.h"
#include "window/chart/text_room.h"

namespace corvale {

// The keyboard's cursor: a line through the panels at its step, a dot on
// PV, on X and on each term drawn, and what a screen reader says of the step, written at the
// top of the plot beside the line, wrapped to the plot's width. The readout
// takes its room before the figures and the marks' labels, which keep clear
// of it.
class ChartCursor {
 public:
  ChartCursor(const ChartFrame& frame, const ResponseTrace& trace, int row, QString readout)
      : frame_(frame), trace_(trace), row_(row), readout_(std::move(readout)) {}

  bool Shown() const;
  // Finds the readout's room; an empty rectangle when the plot has none.
  QRectF PlaceReadout(TextRoom& room) const;
  void Draw(QPainter& painter, const QRectF& readout) const;

 private:
  double X() const { return frame_.steps.ToPixel(row_ + 1.0); }

  const ChartFrame& frame_;
  const ResponseTrace& trace_;
  int row_;
  QString readout_;
};

// Where a key moves the cursor among `rows` rows: the arrows a step, Page Up
// and Down a tenth of the run, Home and End to its ends; the first move
// starts where the table is, first..last (none when last < first). None for
// a key that does not move it.
std::optional<int> CursorAfterKey(int key, int cursor, int rows, int first, int last);

}  // namespace corvale
