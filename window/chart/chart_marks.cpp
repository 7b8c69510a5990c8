#include "window/chart/chart_marks.h"
#include "simulation/plant.h"
#include "window/words/contexts.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace corvale {

bool ChartMarks::Marked() const {
  return figures_ && figures_->isStep && figures_->settled && frame_.rows > 0;
}

std::vector<QPointF> ChartMarks::Points() const {
  if (!Marked()) return {};
  const StepFigures& fig = *figures_;
  const QRectF& top = frame_.top;
  std::vector<QPointF> points = {
      {frame_.steps.ToPixel(fig.peakStep), frame_.values.ToPixel(fig.peak)}};
  const double bracket = top.bottom() - frame_.style.unit * 0.4;
  for (const auto& step : {fig.riseFrom, fig.riseTo})
    if (step) points.push_back({frame_.steps.ToPixel(*step), bracket});
  if (fig.settledFrom) {
    const double x = frame_.steps.ToPixel(*fig.settledFrom);
    // Just inside the panel's ends, where a box in a corner would cover it.
    points.push_back({x, top.top() + 3});
    points.push_back({x, top.bottom() - 3});
  }
  return points;
}

void ChartMarks::DrawUnder(QPainter& painter, int first, int last) const {
  const ChartStyle& s = frame_.style;
  const QRectF& top = frame_.top;
  if (frame_.rows > 0 && first >= 0 && last >= first) {
    // Hatched, so that it is not taken for data; the legend names it.
    const double a = std::max(frame_.steps.ToPixel(first + 0.5), top.left());
    const double b = std::min(frame_.steps.ToPixel(last + 1.5), top.right());
    if (b > a - 1) {
      const double width = std::max(b - a, 1.0);
      const double spacing = std::max(3.0, s.unit * 0.4);
      for (const QRectF& panel : frame_.Panels()) {
        const QRectF band(a, panel.top(), width, panel.height());
        // Too narrow for a hatch to show: filled, as thin as the rows are.
        if (width < spacing * 2) {
          painter.fillRect(band, s.rowsInView);
        } else {
          Hatch(painter, band, s.rowsInView, spacing);
        }
      }
    }
  }
  if (!Marked()) return;
  const StepFigures& fig = *figures_;
  const double reach = 0.02 * std::abs(fig.finalValue - fig.start);
  // Within the panel, which an image's painter would clip to and an SVG's not.
  const double y0 = std::max(frame_.values.ToPixel(fig.finalValue + reach), top.top());
  const double y1 = std::min(frame_.values.ToPixel(fig.finalValue - reach), top.bottom());
  const double x0 = std::max(frame_.steps.ToPixel(fig.firstStep), top.left());
  const double x1 = std::min(frame_.steps.ToPixel(fig.lastStep), top.right());
  if (x1 < x0) return;  // the step lies off a zoomed axis
  painter.fillRect(QRectF(QPointF(x0, y0 - 0.5), QPointF(std::max(x1, x0 + 1), y1 + 0.5)), s.band);
  // Its edges dotted, as a textbook draws a tolerance band, so that it is
  // not taken for the grey of the steps at a limit.
  painter.setPen(s.bandEdge);
  for (const double edge : {y0, y1}) painter.drawLine(QPointF(x0, edge), QPointF(x1, edge));
}

bool ChartMarks::Label(QPainter& painter, TextRoom& room, const QRectF& panel, const QString& text,
                       const std::vector<QPointF>& topLefts) const {
  const QFontMetricsF metrics(frame_.style.font);
  const QSizeF size(std::ceil(metrics.horizontalAdvance(text)) + 1, frame_.style.line);
  for (const QPointF& at : topLefts) {
    const QRectF rect(at, size);
    if (!panel.contains(rect) || !room.Fits(rect) || room.OverLines(rect)) continue;
    room.Take(rect, ChartReport::Part::kMark, text);
    painter.fillRect(rect, WithAlpha(frame_.style.base, 220));
    painter.setPen(frame_.style.text);
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
    return true;
  }
  return false;
}

void ChartMarks::DrawLimits(QPainter& painter, TextRoom& room, ChartReport& report) const {
  if (frame_.rows < 2) return;
  const ChartStyle& s = frame_.style;
  const QRectF& panel = frame_.bottom;
  const ValueRange reached = trace_.XRange(1, frame_.rows);
  const QFontMetricsF metrics(s.font);
  for (const double limit : {kOutputLow, kOutputHigh}) {
    if (limit != reached.low && limit != reached.high) continue;
    const double y = frame_.inputs.ToPixel(limit);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(s.Thin(Qt::DotLine));
    painter.drawLine(QPointF(panel.left(), y), QPointF(panel.right(), y));
    const QString name = locale_.toString(limit);
    const double w = std::ceil(metrics.horizontalAdvance(name)) + 1, u = s.unit;
    // Inside the band X keeps to: under 255, over 0; at the right end, else the left.
    const double top = limit == kOutputHigh ? y + 1 : y - s.line - 1;
    const bool labelled =
        Label(painter, room, panel, name,
              {QPointF(panel.right() - w - u * 0.3, top), QPointF(panel.left() + u * 0.3, top),
               QPointF(panel.center().x() - w / 2, top)});
    report.marks.push_back({QStringLiteral("limit"), limit, QPointF(panel.right(), y), labelled});
    report.droppedLabels += !labelled;
  }
}

void ChartMarks::DrawFigures(QPainter& painter, TextRoom& room, ChartReport& report) const {
  if (!Marked()) return;
  painter.setRenderHint(QPainter::Antialiasing);
  // The peak first: where labels crowd, the one a class looks for stays.
  DrawPeak(painter, room, report);
  DrawRise(painter, room, report);
  DrawSettled(painter, room, report);
}

void ChartMarks::DrawPeak(QPainter& painter, TextRoom& room, ChartReport& report) const {
  const ChartStyle& s = frame_.style;
  const StepFigures& fig = *figures_;
  const QPointF peak(frame_.steps.ToPixel(fig.peakStep), frame_.values.ToPixel(fig.peak));
  if (!OnPlot(peak.x())) return;
  const double r = s.unit * 0.35, line = s.line;
  painter.setPen(QPen(s.text, std::max(1.0, s.pen * 0.8)));
  painter.setBrush(s.base);
  painter.drawPolygon(QPolygonF(
      {peak + QPointF(0, -r), peak + QPointF(r, 0), peak + QPointF(0, r), peak + QPointF(-r, 0)}));
  painter.setBrush(Qt::NoBrush);
  const QString name = fig.Falling() ? ChartWords::tr("lowest point") : ChartWords::tr("peak");
  const double w = std::ceil(QFontMetricsF(s.font).horizontalAdvance(name)) + 1;
  const double right = peak.x() + r * 1.5, left = peak.x() - r * 1.5 - w;
  const double above = peak.y() - line - r * 0.5, below = peak.y() + r * 0.5;
  // Away from the line: above a peak, under a lowest point.
  const double first = fig.Falling() ? below : above, second = fig.Falling() ? above : below;
  const bool labelled = Label(
      painter, room, frame_.top, name,
      {QPointF(right, first), QPointF(left, first), QPointF(right, second), QPointF(left, second),
       QPointF(right, peak.y() - line / 2), QPointF(left, peak.y() - line / 2)});
  report.marks.push_back(
      {QStringLiteral("peak"), static_cast<double>(fig.peakStep), peak, labelled});
  report.droppedLabels += !labelled;
}

void ChartMarks::DrawRise(QPainter& painter, TextRoom& room, ChartReport& report) const {
  const StepFigures& fig = *figures_;
  if (!fig.riseFrom || !fig.riseTo) return;
  const ChartStyle& s = frame_.style;
  const QRectF& top = frame_.top;
  const double from = frame_.steps.ToPixel(*fig.riseFrom), to = frame_.steps.ToPixel(*fig.riseTo);
  // On a zoomed axis, the part of it on the plot; an end off it unmarked.
  if (to < top.left() - 0.5 || from > top.right() + 0.5) return;
  const double a = std::max(from, top.left()), b = std::min(to, top.right());
  const double u = s.unit, line = s.line, bracket = top.bottom() - u * 0.4;
  painter.setPen(s.Thin(Qt::DotLine));
  for (const double end : {from, to})
    if (OnPlot(end)) painter.drawLine(QPointF(end, top.top()), QPointF(end, top.bottom()));
  painter.setPen(s.Thin());
  painter.drawLine(QPointF(a, bracket), QPointF(b, bracket));
  for (const double end : {from, to})
    if (OnPlot(end))
      painter.drawLine(QPointF(end, bracket - u * 0.3), QPointF(end, bracket + u * 0.3));
  const QString name = fig.Falling() ? ChartWords::tr("fall") : ChartWords::tr("rise");
  const double w = std::ceil(QFontMetricsF(s.font).horizontalAdvance(name)) + 1;
  const double over = bracket - u * 0.35 - line;
  const bool labelled =
      Label(painter, room, top, name,
            {QPointF(b + u * 0.3, bracket - line), QPointF(a - u * 0.3 - w, bracket - line),
             QPointF((a + b) / 2 - w / 2, over), QPointF(b + u * 0.3, over - line),
             QPointF(a - u * 0.3 - w, over - line), QPointF(b + u * 0.3, top.top() + u * 0.2)});
  report.marks.push_back(
      {QStringLiteral("rise from"), static_cast<double>(*fig.riseFrom), {a, bracket}, labelled});
  report.marks.push_back(
      {QStringLiteral("rise to"), static_cast<double>(*fig.riseTo), {b, bracket}, labelled});
  report.droppedLabels += !labelled;
}

void ChartMarks::DrawSettled(QPainter& painter, TextRoom& room, ChartReport& report) const {
  const StepFigures& fig = *figures_;
  if (!fig.settledFrom) return;
  const ChartStyle& s = frame_.style;
  const QRectF& top = frame_.top;
  const double a = frame_.steps.ToPixel(*fig.settledFrom), u = s.unit, line = s.line;
  if (!OnPlot(a)) return;
  painter.setPen(s.Thin(Qt::DashLine, 1 / 1.5));
  painter.drawLine(QPointF(a, top.top()), QPointF(a, top.bottom()));
  const QString name = ChartWords::tr("settled");
  const double w = std::ceil(QFontMetricsF(s.font).horizontalAdvance(name)) + 1;
  std::vector<QPointF> places;
  // Down the line from its top, on its right and then its left.
  for (double y = top.top() + u * 0.2; y + line <= top.bottom(); y += line + u * 0.2) {
    places.push_back({a + u * 0.3, y});
    places.push_back({a - u * 0.3 - w, y});
  }
  const bool labelled = Label(painter, room, top, name, places);
  report.marks.push_back(
      {QStringLiteral("settled"), static_cast<double>(*fig.settledFrom), {a, top.top()}, labelled});
  report.droppedLabels += !labelled;
}

}  // namespace corvale
