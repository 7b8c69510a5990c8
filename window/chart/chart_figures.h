#pragma once

#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QStringList>
#include <functional>

#include "chart_style.h"
#include "text_room.h"

namespace corvale {

// The figures' sentences in the chart: all of them in their own room where
// the chart has one; else over the plot, in the corner where they cover the
// least of the lines, as many whole sentences as fit, with a line that says
// where the rest are. A sentence is never cut.
class ChartFigures {
 public:
  ChartFigures(const QString& text, const ChartStyle& style);

  bool Empty() const { return sentences_.isEmpty(); }
  const QStringList& Sentences() const { return sentences_; }
  // The height all of them take, wrapped at `wrap`.
  double HeightAt(double wrap) const;

  // All of them, in the room the frame made for them.
  void DrawInRoom(QPainter& painter, const QRectF& room, TextRoom& texts) const;
  // Over the panel, in the corner `covered` finds the emptiest (the lower,
  // the emptier); how many sentences were left out.
  int DrawOver(QPainter& painter, const QRectF& panel,
               const std::function<double(const QRectF&)>& covered, TextRoom& texts) const;

 private:
  double HeightOf(const QString& sentence, double wrap) const;

  QStringList sentences_;
  const ChartStyle& style_;
};

// How much of the lines a box covers: the pixel columns in which a path
// passes through it.
double Coverage(const QPolygonF& path, const QRectF& box);

}  // namespace corvale
