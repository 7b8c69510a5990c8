#include "window/chart/chart_legend.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace corvale {

std::vector<ChartLegend::Placed> ChartLegend::Arrange(const QRectF& area) const {
  const QFontMetricsF metrics(style_.font);
  const double u = style_.unit, line = style_.line;
  const double swatch = u * 2, gap = u * 0.4, between = u;
  std::vector<Placed> placed;
  double x = area.left(), y = area.top(), rowHeight = line;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const QString& name = entries_[i].name;
    double textWidth = std::ceil(metrics.horizontalAdvance(name)) + 1;
    double textHeight = line;
    const double whole = swatch + gap + textWidth;
    if (x > area.left() && x + whole > area.right()) {
      x = area.left();
      y += rowHeight + u * 0.2;
      rowHeight = line;
    }
    const double room = std::max(area.right() - x - swatch - gap, 1.0);
    if (textWidth > room) {
      // Wider than the chart: the name on lines of its own, at its words.
      const QRectF wrapped = metrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap, name);
      textWidth = std::min(std::ceil(wrapped.width()) + 1, room);
      textHeight = std::max(line, std::ceil(wrapped.height()));
    }
    const QRectF swatchRect(x, y + line * 0.15, swatch, line * 0.7);
    placed.push_back({i, swatchRect, QRectF(x + swatch + gap, y, textWidth, textHeight)});
    rowHeight = std::max(rowHeight, textHeight);
    x += swatch + gap + textWidth + between;
  }
  return placed;
}

double ChartLegend::HeightFor(double width) const {
  if (entries_.empty()) return 0;
  double bottom = 0;
  for (const Placed& p : Arrange(QRectF(0, 0, width, 1e6)))
    bottom = std::max(bottom, p.text.bottom());
  return bottom;
}

void ChartLegend::Draw(QPainter& painter, const QRectF& area, TextRoom& room) const {
  for (const Placed& p : Arrange(area)) {
    const LegendEntry& entry = entries_[p.entry];
    // A chart too small for all its entries shows those that fit.
    if (p.text.bottom() > area.bottom() + 0.01 || !room.Fits(p.text)) continue;
    room.Take(p.text, ChartReport::Part::kLegend, entry.name);
    room.Block(p.swatch);
    painter.setRenderHint(QPainter::Antialiasing);
    if (entry.sample == LegendEntry::Sample::kLine) {
      painter.setPen(entry.pen);
      const double y = p.swatch.center().y();
      painter.drawLine(QPointF(p.swatch.left(), y), QPointF(p.swatch.right(), y));
    } else {
      if (entry.sample == LegendEntry::Sample::kFill) {
        painter.fillRect(p.swatch, entry.fill);
      } else {
        Hatch(painter, p.swatch, entry.fill, std::max(3.0, style_.unit * 0.4));
      }
      painter.setPen(QPen(style_.grid, 1));
      painter.drawRect(p.swatch);
    }
    painter.setPen(style_.text);
    painter.drawText(p.text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, entry.name);
  }
}

}  // namespace corvale
