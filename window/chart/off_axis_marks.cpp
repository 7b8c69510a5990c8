#include "window/chart/off_axis_marks.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "labbook/run_differences.h"
#include "window/words/contexts.h"
#include "window/words/run_names.h"

namespace corvale {

std::optional<double> OffAxisMarks::Leaves(const ChartReport& report, std::size_t kept,
                                           bool above) const {
  const double edge = above ? frame_.top.top() : frame_.top.bottom();
  const auto beyond = [&](const QPointF& p) { return above ? p.y() < edge : p.y() > edge; };
  const QString name = QStringLiteral("kept %1").arg(kept);
  for (const QString& path : {name, name + QStringLiteral(" SP")}) {
    const ChartReport::Path* drawn = report.PathNamed(path);
    if (!drawn) continue;
    const QPolygonF& points = drawn->points;
    for (qsizetype i = 0; i < points.size(); ++i) {
      if (!beyond(points[i])) continue;
      if (i == 0 || points[i].y() == points[i - 1].y()) return points[i].x();
      // Where the segment into it crosses the edge.
      const QPointF a = points[i - 1], b = points[i];
      return a.x() + (edge - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
    }
  }
  return std::nullopt;
}

void OffAxisMarks::DrawArrow(QPainter& painter, double x, bool above, std::size_t look) const {
  const ChartStyle& s = frame_.style;
  const double h = s.unit * 0.7, w = s.unit * 0.6;
  const double tip = above ? frame_.top.top() + 1 : frame_.top.bottom() - 1;
  const double base = above ? tip + h : tip - h;
  const QColor color = s.Kept(look).color();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(color, 1));
  painter.setBrush(color);
  painter.drawPolygon(
      QPolygonF({QPointF(x, tip), QPointF(x + w / 2, base), QPointF(x - w / 2, base)}));
  painter.setBrush(Qt::NoBrush);
  // A stem in the run's own pen, so that its dashes name it too.
  QPen stem = s.Kept(look);
  stem.setCapStyle(Qt::FlatCap);
  painter.setPen(stem);
  painter.drawLine(QPointF(x, base), QPointF(x, above ? base + h * 1.5 : base - h * 1.5));
}

bool OffAxisMarks::Label(QPainter& painter, TextRoom& room, double x, bool above,
                         const QString& text) const {
  const ChartStyle& s = frame_.style;
  const QRectF& panel = frame_.top;
  const QSizeF size(std::ceil(QFontMetricsF(s.font).horizontalAdvance(text)) + 1, s.line);
  const double u = s.unit, beside = u * 0.55;
  const double first = above ? panel.top() + u * 0.15 : panel.bottom() - u * 0.15 - s.line;
  const double next = above ? first + s.line + u * 0.2 : first - s.line - u * 0.2;
  // Beside the arrow, then a little along the edge, where lines crowd at it.
  const double lefts[] = {x + beside, x - beside - size.width(), x + beside + u,
                          x - beside - u - size.width(), x + beside + 2 * u};
  for (const double y : {first, next}) {
    for (const double left : lefts) {
      const QRectF rect(QPointF(left, y), size);
      if (!panel.contains(rect) || !room.Fits(rect) || room.OverLines(rect)) continue;
      room.Take(rect, ChartReport::Part::kMark, text);
      painter.fillRect(rect, WithAlpha(s.base, 220));
      painter.setPen(s.text);
      painter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text);
      return true;
    }
  }
  return false;
}

void OffAxisMarks::Draw(QPainter& painter, TextRoom& room, ChartReport& report) const {
  const std::vector<OffAxisRun> off = OffAxisRuns(book_, frame_);
  if (off.empty()) return;
  const std::vector<QString> names = RunNames(RunsCompared(book_), locale_);
  const double margin = frame_.style.unit * 0.5;
  std::vector<double> placed[2];  // the arrows at the top, at the foot
  for (const OffAxisRun& run : off) {
    for (const bool above : {true, false}) {
      if (!(above ? run.above : run.below)) continue;
      const std::optional<double> leaves = Leaves(report, run.kept, above);
      if (!leaves) continue;
      double x = std::clamp(*leaves, frame_.top.left() + margin, frame_.top.right() - margin);
      // Beside an arrow of another run at the same place, not on it.
      for (const double other : placed[above ? 0 : 1])
        if (std::abs(other - x) < margin * 2) x = std::min(other + margin * 2, frame_.top.right());
      placed[above ? 0 : 1].push_back(x);
      const std::size_t look = run.kept < looks_.size() ? looks_[run.kept] : run.kept;
      DrawArrow(painter, x, above, look);
      const QString name = run.kept < names.size() ? names[run.kept] : QString();
      const QString text = above ? ChartWords::tr("%1 above",
                                                  "an earlier run, named as the legend names it, "
                                                  "lies above the value axis")
                                       .arg(name)
                                 : ChartWords::tr("%1 below",
                                                  "an earlier run, named as the legend names it, "
                                                  "lies below the value axis")
                                       .arg(name);
      const bool labelled = Label(painter, room, x, above, text);
      report.marks.push_back({QStringLiteral("kept %1 %2")
                                  .arg(run.kept)
                                  .arg(above ? QStringLiteral("above") : QStringLiteral("below")),
                              frame_.steps.ToValue(x),
                              QPointF(x, above ? frame_.top.top() : frame_.top.bottom()),
                              labelled});
      report.droppedLabels += !labelled;
    }
  }
}

}  // namespace corvale
