#pragma once

#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <functional>

#include "window/chart/chart_style.h"
#include "window/chart/text_room.h"

namespace corvale {

// The figures' sentences in the chart: in their own room where the chart
// has one, beside or under the plots; else over the plot, in the corner
// where they cover the least of what is drawn. Where not all fit, those that
// fit whole, after the heading that says what they measure, and a line that
// says where the rest are. A sentence is never cut.
class ChartFigures {
 public:
  // `toTooltip`: the sentences left out are said to be in the tooltip.
  ChartFigures(const QString& text, const ChartStyle& style, bool toTooltip = true);

  // Some of the sentences, wrapped at a width: those shown, with the note
  // when some are left out, and the height they take.
  struct Selection {
    QStringList lines;  // the sentences shown, and the note last if any
    int hidden = 0;
    double height = 0;
    bool Empty() const { return lines.isEmpty(); }
  };

  bool Empty() const { return sentences_.isEmpty(); }
  // All of them if they fit in `most` pixels' height, else as many as fit
  // whole; none when not even one does.
  Selection Select(double wrap, double most) const;

  // A selection in the room the frame made for it, one under the other.
  void DrawInRoom(QPainter& painter, const QRectF& room, const Selection& shown,
                  TextRoom& texts) const;
  // Over the panel, in the corner `covered` finds the emptiest (the lower,
  // the emptier); how many sentences were left out.
  int DrawOver(QPainter& painter, const QRectF& panel,
               const std::function<double(const QRectF&)>& covered, TextRoom& texts) const;

 private:
  double HeightOf(const QString& sentence, double wrap) const;

  QStringList sentences_;
  const ChartStyle& style_;
  bool toTooltip_;
};

// How much of the lines a box covers: the pixel columns in which a path
// passes through it.
double Coverage(const QPolygonF& path, const QRectF& box);

}  // namespace corvale
