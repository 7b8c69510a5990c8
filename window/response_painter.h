#pragma once

#include <QColor>
#include <QRect>
#include <functional>

#include "response_trace.h"

class QPainter;

namespace corvale {

// Draws the response behind the rows, time running down: X as a pale bar on
// a fixed 0..255 scale, a mark where it sits at 0 or at 255, SP dashed and PV
// as a line through the rows, both on the trace's scale, across `area`.
// Each row is drawn from its own values and its neighbours', so that rows
// painted alone match the same rows painted with the rest.
class ResponsePainter {
 public:
  ResponsePainter(const ResponseTrace& trace, ResponseScale scale, QRect area);

  // Pale enough for the numbers over them to read as before.
  static QColor PvColor() { return {110, 160, 205}; }
  static QColor SpColor() { return {60, 60, 60, 100}; }
  static QColor XColor() { return {255, 127, 14, 50}; }
  static QColor MarkColor() { return {170, 70, 0}; }

  // Rows first..last, each at the rectangle `rowRect` gives.
  void PaintRows(QPainter& painter, int first, int last,
                 const std::function<QRect(int row)>& rowRect) const;
  // Where a process value stands across the area.
  qreal ValueX(double value) const;
  qreal InputX(double x) const;  // where a plant input stands on 0..255

 private:
  const ResponseTrace& trace_;
  ResponseScale scale_;
  QRect area_;
  qreal margin_;
};

}  // namespace corvale
