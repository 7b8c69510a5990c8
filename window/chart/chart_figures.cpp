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

double ChartFigures::Arrange(const QStringList& lines, double wrap, bool flowing,
                             std::vector<QRectF>& rects) const {
  const QFontMetricsF metrics(style_.font);
  const double gap = style_.unit;  // between sentences on a line
  rects.clear();
  double x = 0, y = 0, row = 0;
  for (const QString& line : lines) {
    const QRectF natural = metrics.boundingRect(QRectF(0, 0, wrap, 1e6), Qt::TextWordWrap, line);
    const double width = flowing ? std::min(std::ceil(natural.width()) + 1, wrap) : wrap;
    const double height = HeightOf(line, width);
    // A sentence that takes more than a line has lines of its own.
    if (x > 0 && (x + width > wrap || height > row + 0.5)) {
      y += row;
      x = row = 0;
    }
    rects.emplace_back(x, y, width, height);
    x += width + gap;
    row = std::max(row, height);
    if (!flowing || width >= wrap) {
      y += row;
      x = row = 0;
    }
  }
  return y + row;
}

ChartFigures::Selection ChartFigures::Select(double wrap, double most, bool flowing) const {
  Selection shown;
  const auto take = [&](QStringList lines) {
    std::vector<QRectF> rects;
    const double height = Arrange(lines, wrap, flowing, rects);
    if (height > most) return false;
    shown.lines = std::move(lines);
    shown.rects = std::move(rects);
    shown.height = height;
    return true;
  };
  if (take(sentences_) || sentences_.isEmpty()) return shown;
  const QString more = ChartWords::tr("More in the tooltip.");
  // The first ones, the most useful; the note alone tells nothing the
  // tooltip does not: it comes with a sentence or not at all.
  for (qsizetype count = sentences_.size() - 1; count >= 1; --count) {
    QStringList first = sentences_.first(count);
    if (toTooltip_) first << more;
    if (take(first)) break;
  }
  shown.hidden = static_cast<int>(sentences_.size() - shown.lines.size() +
                                  (toTooltip_ && !shown.lines.isEmpty() ? 1 : 0));
  return shown;
}

void ChartFigures::DrawInRoom(QPainter& painter, const QRectF& room, const Selection& shown,
                              TextRoom& texts) const {
  if (shown.Empty() || !texts.Fits(room)) return;
  painter.setPen(style_.text);
  for (std::size_t i = 0; i < shown.rects.size(); ++i) {
    const QRectF rect = shown.rects[i].translated(room.topLeft());
    const QString& line = shown.lines[static_cast<qsizetype>(i)];
    texts.Take(rect, ChartReport::Part::kFigures, line);
    painter.drawText(rect, Qt::TextWordWrap, line);
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
    selection.rects = {QRectF(0, 0, wrap, selection.height)};
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
  for (std::size_t i = 0; i < selection.rects.size(); ++i) {
    const QString& s = shown[static_cast<qsizetype>(i)];
    const QRectF& at = selection.rects[i];
    const QRectF rect(best->left() + pad, best->top() + pad + at.top(), best->width() - 2 * pad,
                      at.height());
    painter.drawText(rect, Qt::TextWordWrap, s);
    texts.Take(rect, ChartReport::Part::kFigures, s);
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
