#include "window/chart/chart_cursor.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace corvale {

bool ChartCursor::Shown() const {
  if (row_ < 0 || static_cast<std::size_t>(row_) >= std::min(frame_.rows, trace_.Size()))
    return false;
  // A zoomed axis may leave it off the plot, panned away from it.
  const double x = X();
  return x >= frame_.top.left() - 0.5 && x <= frame_.top.right() + 0.5;
}

QRectF ChartCursor::PlaceReadout(TextRoom& room) const {
  if (!Shown() || readout_.isEmpty()) return {};
  const ChartStyle& s = frame_.style;
  const QRectF& panel = frame_.top;
  const double u = s.unit, margin = u * 0.4;
  const double most = panel.width() - 2 * margin;
  if (most < u * 4) return {};
  const QFontMetricsF metrics(s.font);
  const QRectF text =
      metrics.boundingRect(QRectF(0, 0, most - 2 * margin, 1e6), Qt::TextWordWrap, readout_);
  const QSizeF size(std::ceil(text.width()) + 2 * margin + 1, std::ceil(text.height()) + u * 0.2);
  const double x = X(), top = panel.top() + u * 0.2,
               bottom = panel.bottom() - u * 0.2 - size.height();
  // Beside the line, on whichever side has room; else at the plot's edge.
  const double right = x + margin, left = x - margin - size.width();
  const QPointF places[] = {{right, top},
                            {left, top},
                            {right, bottom},
                            {left, bottom},
                            {panel.left() + margin, top},
                            {panel.right() - margin - size.width(), top},
                            {panel.left() + margin, bottom}};
  for (const QPointF& at : places) {
    const QRectF rect(at, size);
    if (!panel.contains(rect) || !room.Fits(rect)) continue;
    room.Take(rect, ChartReport::Part::kReadout, readout_);
    return rect;
  }
  return {};
}

void ChartCursor::Draw(QPainter& painter, const QRectF& readout) const {
  if (!Shown()) return;
  const ChartStyle& s = frame_.style;
  const double x = X();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(s.text, s.pen));
  for (const QRectF& panel : frame_.Panels())
    painter.drawLine(QPointF(x, panel.top()), QPointF(x, panel.bottom()));
  painter.setBrush(s.text);
  const auto row = static_cast<std::size_t>(row_);
  const ResponseSample& sample = trace_.Sample(row);
  const auto dot = [&](double y) { painter.drawEllipse(QPointF(x, y), s.pen * 2, s.pen * 2); };
  dot(frame_.values.ToPixel(sample.pv));
  dot(frame_.inputs.ToPixel(sample.x));
  if (!frame_.terms.empty()) {
    const TermValues terms = TermsOf(trace_.Record(row));
    for (const TermPanel& panel : frame_.terms)
      dot(panel.values.ToPixel(terms[static_cast<std::size_t>(panel.term)]));
  }
  painter.setBrush(Qt::NoBrush);
  if (readout.isEmpty()) return;
  painter.fillRect(readout, WithAlpha(s.base, 235));
  painter.setPen(s.text);
  painter.drawText(readout, Qt::AlignCenter | Qt::TextWordWrap, readout_);
}

std::optional<int> CursorAfterKey(int key, int cursor, int rows, int first, int last) {
  if (rows <= 0) return std::nullopt;
  const bool placed = cursor >= 0;
  const int from = placed ? cursor : last >= first ? std::max(first, 0) : 0;
  const int page = std::max(1, rows / 10);
  int to;
  switch (key) {
    case Qt::Key_Left:
      to = placed ? from - 1 : from;
      break;
    case Qt::Key_Right:
      to = placed ? from + 1 : from;
      break;
    case Qt::Key_PageUp:
      to = from - page;
      break;
    case Qt::Key_PageDown:
      to = from + page;
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = rows - 1;
      break;
    default:
      return std::nullopt;
  }
  return std::clamp(to, 0, rows - 1);
}

}  // namespace corvale
