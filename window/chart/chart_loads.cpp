#include "window/chart/chart_loads.h"

#include <QFontMetricsF>
#include <cmath>

#include "window/chart/path_clearance.h"
#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {

void ChartLoads::Draw(QPainter& painter, TextRoom& room, ChartReport& report) const {
  const ChartStyle& s = frame_.style;
  const QFontMetricsF metrics(s.font);
  const std::size_t rows = frame_.RowsOnAxis(trace_.Size());
  for (const RunMark& mark : marks_) {
    if (mark.kind != RunMark::Kind::LoadChange || mark.row >= rows) continue;
    const double step = static_cast<double>(mark.row) + 1;
    const double x = frame_.steps.ToPixel(step);
    if (x < frame_.top.left() || x > frame_.top.right()) continue;  // off a zoomed axis
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(s.Thin(Qt::DashDotLine, 0.75));
    for (const QRectF& panel : frame_.Panels())
      painter.drawLine(QPointF(std::round(x), panel.top()), QPointF(std::round(x), panel.bottom()));
    const QString label = ChartWords::tr("load %1", "the load on the plant's input from here")
                              .arg(ProseNumber(LoadAt(trace_.Runs(), mark.row), locale_));
    const QSizeF size(std::ceil(metrics.horizontalAdvance(label)) + 2, s.line);
    const double margin = s.unit * 0.3;
    // Right of the line at the top of X's panel, else left of it.
    const QRectF right(QPointF(x + margin, frame_.bottom.top() + margin), size);
    const QRectF left(QPointF(x - margin - size.width(), frame_.bottom.top() + margin), size);
    bool labelled = false;
    for (const QRectF& place : {right, left}) {
      if (!frame_.bottom.contains(place) || !room.Fits(place) || PathsMeet(report.paths, place))
        continue;
      painter.setPen(s.text);
      painter.drawText(place, Qt::AlignCenter, label);
      room.Take(place, ChartReport::Part::kMark, label);
      labelled = true;
      break;
    }
    report.marks.push_back(
        {QStringLiteral("load"), step, QPointF(x, frame_.bottom.top()), labelled});
  }
}

}  // namespace corvale
