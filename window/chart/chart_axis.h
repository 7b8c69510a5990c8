#pragma once

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QString>
#include <algorithm>

#include "labbook/nice_scale.h"
#include "window/chart/chart_style.h"
#include "window/chart/scale_map.h"
#include "window/chart/text_room.h"

namespace corvale {

// A tick's label in the locale's format, as the scale tells its ticks apart.
QString TickLabel(const QLocale& locale, const NiceScale& scale, double value);

// Round-number ticks for values low..high along `length` pixels, each label
// wanting `room` of them: as many as fit, and never fewer than three.
NiceScale ValueScale(double low, double high, double length, double room);
// The same for X, whose axis ends at its upper limit where X stays within it.
NiceScale InputScale(double low, double high, double length, double room);
// The steps first..last, tight: whole steps only, however short the run.
NiceScale StepScale(double first, double last, double length, double room);

// The widest of a scale's labels.
double WidestLabel(const NiceScale& scale, const QLocale& locale, const QFontMetricsF& metrics);

// One of the chart's axes as it is drawn: its ticks along the panel's edge
// and the labels that have room, the rest left out, never cut.
class ChartAxis {
 public:
  ChartAxis(const ChartStyle& style, const QLocale& locale) : style_(style), locale_(locale) {}

  // The value axis left of a panel.
  void DrawLeft(QPainter& painter, const ScaleMap& map, const QRectF& panel, TextRoom& room) const;
  // The step axis under the lower panel, its title before the labels.
  void DrawBelow(QPainter& painter, const ScaleMap& map, const QRectF& panel, TextRoom& room) const;
  // A panel's title, upright in the column left of its labels, if it fits
  // there whole; the legend names the lines all the same.
  void DrawTitle(QPainter& painter, const QString& title, double left, const QRectF& panel,
                 TextRoom& room) const;
  // The room under the panels: ticks and a line of labels.
  double Below() const { return LabelsOffset() + style_.line; }
  double TickLength() const { return style_.unit * 0.35; }
  double LabelsOffset() const { return TickLength() + style_.unit * 0.1; }

 private:
  const ChartStyle& style_;
  const QLocale& locale_;
};

}  // namespace corvale
