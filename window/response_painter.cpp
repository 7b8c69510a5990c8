#include "response_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace corvale {
namespace {

// The picture keeps clear of the area's edges: by 4 pixels in the table, less
// in an area as narrow as a scroll bar.
qreal Margin(QRect area) { return std::min(4.0, area.width() / 10.0); }

}  // namespace

ResponsePainter::ResponsePainter(const ResponseTrace& trace, ResponseScale scale, QRect area)
    : trace_(trace), scale_(scale), area_(area), margin_(Margin(area)) {}

qreal ResponsePainter::ValueX(double value) const {
  const qreal width = area_.width() - 2 * margin_;
  return area_.left() + margin_ + (value - scale_.low) / (scale_.high - scale_.low) * width;
}

qreal ResponsePainter::InputX(double x) const {
  return area_.left() + margin_ + x / 255 * (area_.width() - 2 * margin_);
}

void ResponsePainter::PaintRows(QPainter& painter, int first, int last,
                                const std::function<QRect(int row)>& rowRect) const {
  // A row's strokes reach a little into its neighbours: they are drawn too,
  // for the painter's clip to keep what falls inside.
  const int rows = static_cast<int>(trace_.Size());
  first = std::max(first - 1, 0);
  last = std::min(last + 1, rows - 1);
  if (first > last) return;
  painter.save();
  // Lines without antialiasing: each pixel is a stroke's or not, whichever
  // order rows painted apart are drawn in.
  painter.setRenderHint(QPainter::Antialiasing, false);
  const auto centre = [&](int row) {
    const QRect r = rowRect(row);
    return QPointF(ValueX(trace_.Sample(static_cast<std::size_t>(row)).pv), r.center().y() + 0.5);
  };
  for (int row = first; row <= last; ++row) {
    const QRect r = rowRect(row);
    const ResponseSample& sample = trace_.Sample(static_cast<std::size_t>(row));
    // X: a pale bar from 0.
    const qreal x0 = InputX(0);
    painter.fillRect(QRectF(x0, r.top() + 1, InputX(sample.x) - x0, r.height() - 2), XColor());
    // SP: a dash in every row, so that rows drawn apart line up.
    const qreal sp = ValueX(trace_.SetPointOf(static_cast<std::size_t>(row)));
    painter.setPen(QPen(SpColor(), 1.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(sp, r.top()), QPointF(sp, r.top() + r.height() * 0.55));
    // PV: through the centres of this row and its neighbours.
    painter.setPen(QPen(PvColor(), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF here = centre(row);
    if (row > 0) painter.drawLine((centre(row - 1) + here) / 2, here);
    if (row + 1 < rows) painter.drawLine(here, (centre(row + 1) + here) / 2);
    if (rows == 1) painter.drawPoint(here);
  }
  // At a limit: a solid triangle at that end, pointing out, over the rest so
  // that it shows whatever passes there.
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(MarkColor());
  for (int row = first; row <= last; ++row) {
    const Limit limit = trace_.Sample(static_cast<std::size_t>(row)).limit;
    if (limit == Limit::None) continue;
    const QRect r = rowRect(row);
    const qreal tip = InputX(limit == Limit::AtFull ? 255 : 0);
    const qreal side = r.height() * 0.35;
    const qreal base = limit == Limit::AtFull ? tip - side : tip + side;
    const qreal middle = r.center().y() + 0.5;
    const QPointF triangle[] = {{tip, middle}, {base, middle - side}, {base, middle + side}};
    painter.drawPolygon(triangle, 3);
  }
  painter.restore();
}

}  // namespace corvale
