#include "window/chart/chart_axis.h"

#include <algorithm>
#include <cmath>

#include "simulation/plant.h"
#include "window/words/contexts.h"

namespace corvale {

QString TickLabel(const QLocale& locale, const NiceScale& scale, double value) {
  if (value == 0) value = 0;  // a negative zero reads "-0"
  return scale.exponent ? locale.toString(value, 'g', scale.digits)
                        : locale.toString(value, 'f', scale.decimals);
}

NiceScale ValueScale(double low, double high, double length, double room) {
  const int fit = static_cast<int>(length / std::max(room, 1.0));
  int asked = std::clamp(fit, 3, 10);
  NiceScale scale = MakeNiceScale(low, high, asked);
  // A nice step may leave fewer ticks than asked for: finer until three.
  while (scale.ticks.size() < 3 && asked < 40) scale = MakeNiceScale(low, high, ++asked);
  return scale;
}

NiceScale InputScale(double low, double high, double length, double room) {
  NiceScale scale = ValueScale(low, high, length, room);
  // X never passes its limits: an axis on to 300 or 400 would draw room it
  // cannot fill. Cut there, finer until three ticks are left.
  if (!(high <= kOutputHigh && scale.high > kOutputHigh)) return scale;
  const auto cut = [](NiceScale s) {
    s.high = kOutputHigh;
    std::erase_if(s.ticks, [](double tick) { return tick > kOutputHigh; });
    return s;
  };
  NiceScale within = cut(scale);
  for (int asked = static_cast<int>(scale.ticks.size()); within.ticks.size() < 3 && asked < 40;) {
    within = cut(MakeNiceScale(low, high, ++asked));
  }
  return within;
}

NiceScale StepScale(double first, double last, double length, double room) {
  const int fit = static_cast<int>(length / std::max(room, 1.0));
  NiceScale scale = MakeNiceScale(first, last, std::clamp(fit, 2, 10), false);
  if (scale.step < 1) {
    // Fewer steps than ticks: each step its own tick.
    scale.step = 1;
    scale.ticks.clear();
    for (double t = std::ceil(first); t <= last; ++t) scale.ticks.push_back(t);
  }
  scale.decimals = 0;  // a step of 1 or more is a whole number, and so are its multiples
  return scale;
}

double WidestLabel(const NiceScale& scale, const QLocale& locale, const QFontMetricsF& metrics) {
  double widest = 0;
  for (double tick : scale.ticks)
    widest = std::max(widest, metrics.horizontalAdvance(TickLabel(locale, scale, tick)));
  return std::ceil(widest) + 1;
}

void ChartAxis::DrawLeft(QPainter& painter, const ScaleMap& map, const QRectF& panel,
                         TextRoom& room) const {
  const QFontMetricsF metrics(style_.font);
  const double tick = TickLength(), line = style_.line;
  const double labelRight = panel.left() - tick - style_.unit * 0.15;
  painter.setPen(QPen(style_.text, 1));
  // From the top, so that where two crowd the higher one stays.
  for (auto it = map.Scale().ticks.rbegin(); it != map.Scale().ticks.rend(); ++it) {
    const double y = map.ToPixel(*it);
    if (y < panel.top() - 0.5 || y > panel.bottom() + 0.5) continue;
    painter.drawLine(QPointF(panel.left() - tick, y), QPointF(panel.left(), y));
    const QString label = TickLabel(locale_, map.Scale(), *it);
    const double width = std::ceil(metrics.horizontalAdvance(label)) + 1;
    // A label at a panel's end stays beside the panel, so that the panels
    // and the step axis need no room between them for it.
    const double top = std::clamp(y - line / 2, panel.top(), panel.bottom() - line);
    room.Draw(painter, QRectF(labelRight - width, top, width, line),
              Qt::AlignRight | Qt::AlignVCenter, label, ChartReport::Part::kAxis);
  }
}

void ChartAxis::DrawBelow(QPainter& painter, const ScaleMap& map, const QRectF& panel,
                          TextRoom& room) const {
  const QFontMetricsF metrics(style_.font);
  const double tick = TickLength(), line = style_.line, top = panel.bottom() + LabelsOffset();
  painter.setPen(QPen(style_.text, 1));
  const QString title = ChartWords::tr("Step");
  const double titleWidth = std::ceil(metrics.horizontalAdvance(title)) + 1;
  // Right of the value labels' column where there is room, else from the left edge.
  const double titleRight = std::max(panel.left() - tick, room.Bounds().left() + titleWidth);
  room.Draw(painter, QRectF(titleRight - titleWidth, top, titleWidth, line),
            Qt::AlignRight | Qt::AlignVCenter, title, ChartReport::Part::kTitle);
  for (double t : map.Scale().ticks) {
    const double x = map.ToPixel(t);
    painter.drawLine(QPointF(x, panel.bottom()), QPointF(x, panel.bottom() + tick));
    const QString label = TickLabel(locale_, map.Scale(), t);
    const double width = std::ceil(metrics.horizontalAdvance(label)) + 1;
    room.Draw(painter, QRectF(x - width / 2, top, width, line), Qt::AlignCenter, label,
              ChartReport::Part::kAxis);
  }
}

void ChartAxis::DrawTitle(QPainter& painter, const QString& title, double left, const QRectF& panel,
                          TextRoom& room) const {
  const QFontMetricsF metrics(style_.font);
  const double width = std::ceil(metrics.horizontalAdvance(title)) + 1, line = style_.line;
  // Upright, its rectangle as it stands on the screen.
  const QRectF upright(left, panel.center().y() - width / 2, line, width);
  if (upright.top() < panel.top() || upright.bottom() > panel.bottom() || !room.Fits(upright))
    return;
  room.Take(upright, ChartReport::Part::kTitle, title);
  painter.save();
  painter.setPen(style_.text);
  painter.translate(upright.center());
  painter.rotate(-90);
  painter.drawText(QRectF(-width / 2, -line / 2, width, line), Qt::AlignCenter, title);
  painter.restore();
}

}  // namespace corvale
