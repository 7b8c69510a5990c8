#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "window/chart/chart_report.h"

namespace corvale {

// Where the chart's texts may go: inside the chart, and clear of every text
// already placed. A text that finds no room is left out, never cut or
// drawn over another; each one placed is reported.
class TextRoom {
 public:
  TextRoom(QRectF bounds, double gap, ChartReport* report)
      : bounds_(bounds), gap_(gap), report_(report) {}

  const QRectF& Bounds() const { return bounds_; }
  // Inside the chart and clear of the texts placed so far.
  bool Fits(const QRectF& rect) const;
  // The rectangle taken for a text, which others must keep clear of.
  void Take(const QRectF& rect, ChartReport::Part part, const QString& text);
  // Room that is no text's but that texts must keep clear of: a box under
  // texts, say.
  void Block(const QRectF& rect) { taken_.push_back(rect); }
  // The series drawn, which the marks' labels over the plot must not hide.
  void KeepOff(const std::vector<ChartReport::Path>* paths) { paths_ = paths; }
  // Whether a label at `rect` would hide a point or a line of them.
  bool OverLines(const QRectF& rect) const;
  // A one-line text drawn in `rect` if it fits there; whether it did.
  bool Draw(QPainter& painter, const QRectF& rect, int flags, const QString& text,
            ChartReport::Part part);

 private:
  QRectF bounds_;
  double gap_;
  ChartReport* report_;
  std::vector<QRectF> taken_;
  const std::vector<ChartReport::Path>* paths_ = nullptr;
};

}  // namespace corvale
