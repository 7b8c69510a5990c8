#include "window/chart/chart_figures.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "window/words/contexts.h"

namespace corvale {

ChartFigures::ChartFigures(const QString& text, const ChartStyle& style, bool toTooltip)
    : sentences_(text.split(u'\n', Qt::SkipEmptyParts)), style_(style), toTooltip_(toTooltip) {}

double ChartFigures::HeightOf(const QString& sentence, double wrap) const {
  const QFontMetricsF metrics(style_.font);
  return std::ceil(
      metrics.boundingRect(QRectF(0, 0, wrap, 1e6), Qt::TextWordWrap, sentence).height());
}

ChartFigures::Selection ChartFigures::Select(double wrap, double most) const {
  Selection shown;
  const auto fill = [&](qsizetype from, double reserved) {
    shown.lines.clear();
    shown.height = 0;
    for (qsizetype i = from; i < sentences_.size(); ++i) {
      const double h = HeightOf(sentences_[i], wrap);
      if (shown.height + h + reserved > most) continue;
      shown.lines << sentences_[i];
      shown.height += h;
    }
    shown.hidden = static_cast<int>(sentences_.size() - shown.lines.size());
  };
  fill(0, 0);
  if (shown.hidden == 0 || !toTooltip_) return shown;
  const QString more = ChartWords::tr("More in the tooltip.");
  const double moreHeight = HeightOf(more, wrap);
  fill(sentences_.size() > 1 ? 1 : 0, moreHeight);
  // The note alone tells nothing the tooltip does not: it comes with a
  // sentence or not at all.
  if (!shown.lines.isEmpty()) {
    shown.lines << more;
    shown.height += moreHeight;
  }
  return shown;
}

void ChartFigures::DrawInRoom(QPainter& painter, const QRectF& room, const Selection& shown,
                              TextRoom& texts) const {
  if (shown.Empty() || !texts.Fits(room)) return;
  painter.setPen(style_.text);
  double y = room.top();
  for (const QString& line : shown.lines) {
    const QRectF rect(room.left(), y, room.width(), HeightOf(line, room.width()));
    texts.Take(rect, ChartReport::Part::kFigures, line);
    painter.drawText(rect, Qt::TextWordWrap, line);
    y = rect.bottom();
  }
}

int ChartFigures::DrawOver(QPainter& painter, const QRectF& panel,
                           const std::function<double(const QRectF&)>& covered,
                           TextRoom& texts) const {
  const QFontMetricsF metrics(style_.font);
  const double u = style_.unit, pad = std::round(u * 0.4);
  const QRectF area = panel.adjusted(2, 2, -2, -2);
  const double wrap = std::floor(std::min(area.width() * 0.62, u * 30) - 2 * pad);
  const double most = area.height() * 0.62 - 2 * pad;
  if (Empty() || wrap < u * 4 || most < style_.line) return static_cast<int>(sentences_.size());
  Selection selection = Select(wrap, most);
  if (selection.lines.isEmpty() && toTooltip_) {
    // Not one sentence fits anywhere: at least where they all are.
    const QString where = ChartWords::tr("The figures are in the tooltip.");
    if (HeightOf(where, wrap) > most) return selection.hidden;
    selection.lines << where;
    selection.height = HeightOf(where, wrap);
  }
  const QStringList& shown = selection.lines;
  const double height = selection.height;
  if (shown.isEmpty()) return selection.hidden;
  double width = 0;
  for (const QString& s : shown)
    width =
        std::max(width, metrics.boundingRect(QRectF(0, 0, wrap, 1e6), Qt::TextWordWrap, s).width());
  const QSizeF size(std::ceil(width) + 2 * pad + 1, height + 2 * pad);
  const QRectF corners[] = {
      QRectF(QPointF(area.right() - size.width(), area.bottom() - size.height()), size),
      QRectF(QPointF(area.right() - size.width(), area.top()), size),
      QRectF(QPointF(area.left(), area.bottom() - size.height()), size),
      QRectF(area.topLeft(), size)};
  const QRectF* best = nullptr;
  double least = 0;
  for (const QRectF& corner : corners) {
    if (!texts.Fits(corner)) continue;
    const double c = covered(corner);
    if (!best || c < least) least = c, best = &corner;
  }
  if (!best) return static_cast<int>(sentences_.size());
  painter.fillRect(*best, WithAlpha(style_.base, 225));
  painter.setPen(QPen(WithAlpha(style_.text, 90), 1));
  painter.drawRect(best->adjusted(0, 0, -1, -1));
  painter.setPen(style_.text);
  texts.Block(*best);
  double y = best->top() + pad;
  for (const QString& s : shown) {
    const QRectF rect(best->left() + pad, y, best->width() - 2 * pad, HeightOf(s, wrap));
    painter.drawText(rect, Qt::TextWordWrap, s);
    texts.Take(rect, ChartReport::Part::kFigures, s);
    y = rect.bottom();
  }
  return selection.hidden;
}

double Coverage(const QPolygonF& path, const QRectF& box) {
  double count = 0;
  for (qsizetype i = 1; i < path.size(); ++i) {
    const QPointF a = path[i - 1], b = path[i];
    const double x0 = std::max(std::min(a.x(), b.x()), box.left());
    const double x1 = std::min(std::max(a.x(), b.x()), box.right());
    if (x1 < x0) continue;
    if (b.x() == a.x()) {
      count += std::max(a.y(), b.y()) >= box.top() && std::min(a.y(), b.y()) <= box.bottom();
      continue;
    }
    // Along the segment a pixel at a time, inside the box.
    for (double x = x0; x <= x1; x += 1) {
      const double y = a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
      count += y >= box.top() && y <= box.bottom();
    }
  }
  return count;
}

}  // namespace corvale
