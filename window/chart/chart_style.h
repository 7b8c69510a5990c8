#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <cstddef>

namespace corvale {

// The chart's look, from the desktop's palette and the text's size: every
// length is a multiple of the text's pixel size, every colour one of the
// theme's or a mix of them, and every line told apart by its dashes as well
// as by its colour, so that a monochrome projector or a reader who does not
// see colours tells them apart.
struct ChartStyle {
  QFont font;
  double unit = 12;  // the text's pixel size
  double pen = 1;    // the data's line width
  double line = 14;  // a line of text's height

  QColor base, text, grid;
  QPen pv, sp, x;
  QColor limitShade;  // the steps X sat at a limit
  QColor rowsInView;  // the rows the table shows: hatched, so that it is no data
  QColor band;        // the ±2 % band's fill
  QPen bandEdge;      // and its edges

  static ChartStyle Make(const QPalette& palette, QFont font, int pixelSize);

  // An earlier run's PV: thinner than the current one's, in a colour and a
  // dash pattern of its own, the same for a run's place among the kept ones.
  QPen Kept(std::size_t index) const;
  // Its set point: thin, in its colour, dashed as SP is.
  QPen KeptSetPoint(std::size_t index) const;
  // PV as the plant made it, under a PV read with noise: PV's colour, paler
  // and thinner, dotted for a reader who does not see the difference.
  QPen TruePv() const;
  // A thin pen of the text's colour, for marks, at `share` of the line width.
  QPen Thin(Qt::PenStyle style = Qt::SolidLine, double share = 0.5) const;
};

QColor Mixed(const QColor& a, const QColor& b, double share);
// Diagonal lines across a rectangle, drawn as lines so that an SVG shows
// them as the screen does.
void Hatch(QPainter& painter, const QRectF& rect, const QColor& color, double spacing);
QColor WithAlpha(QColor color, int alpha);

}  // namespace corvale
