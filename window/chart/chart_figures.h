#pragma once

#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "window/chart/chart_style.h"
#include "window/chart/text_room.h"

namespace corvale {

// The figures' sentences in the chart: in their own room where the chart
// has one, beside the plots one under the other, or under them side by side
// as a legend's entries; else over the plot, in the corner where they cover
// the least of what is drawn. The sentences come most useful first: where
// not all fit, the first that fit whole, and a line that says where the rest
// are. A sentence is never cut.
class ChartFigures {
 public:
  // `toTooltip`: the sentences left out are said to be in the tooltip.
  ChartFigures(const QString& text, const ChartStyle& style, bool toTooltip = true);

  // Some of the sentences, wrapped at a width: those shown, with the note
  // when some are left out, where each stands from the top left of their
  // room, and the height they take.
  struct Selection {
    QStringList lines;  // the sentences shown, and the note last if any
    std::vector<QRectF> rects;
    int hidden = 0;
    double height = 0;
    bool Empty() const { return lines.isEmpty(); }
  };

  bool Empty() const { return sentences_.isEmpty(); }
  // All of them if they fit in `most` pixels' height, else the first ones
  // that do; none when not even the first does. One under the other, or,
  // `flowing`, side by side onto as many lines as they take.
  Selection Select(double wrap, double most, bool flowing = false) const;

  // A selection in the room the frame made for it, one under the other.
  void DrawInRoom(QPainter& painter, const QRectF& room, const Selection& shown,
                  TextRoom& texts) const;
  // Over the panel, in the corner `covered` finds the emptiest (the lower,
  // the emptier); how many sentences were left out.
  int DrawOver(QPainter& painter, const QRectF& panel,
               const std::function<double(const QRectF&)>& covered, TextRoom& texts) const;

 private:
  double HeightOf(const QString& sentence, double wrap) const;
  // The sentences' places at `wrap`: their rectangles, and the height.
  double Arrange(const QStringList& lines, double wrap, bool flowing,
                 std::vector<QRectF>& rects) const;

  QStringList sentences_;
  const ChartStyle& style_;
  bool toTooltip_;
};

// How much of the lines a box covers: the pixel columns in which a path
// passes through it.
double Coverage(const QPolygonF& path, const QRectF& box);

}  // namespace corvale
