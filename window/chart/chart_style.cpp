#include "window/chart/chart_style.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>

namespace corvale {
namespace {

// How far round the colour wheel from PV's colour each kept run stands, and
// its dashes (in line widths): four runs that differ in hue and in pattern.
struct KeptLook {
  int hueTurn;
  double lightShare;  // towards the text colour, for contrast on the base
  QList<qreal> dashes;
};
const std::array<KeptLook, 4> kKept = {{
    {150, 0.15, {1.2, 1.6}},               // dots
    {60, 0.25, {7, 2.5}},                  // long dashes
    {255, 0.1, {5, 1.5, 1, 1.5, 1, 1.5}},  // dash, dot, dot
    {105, 0.3, {2.5, 2.5}},                // short dashes
}};

QColor Turned(const QColor& color, int degrees) {
  int hue = color.hsvHue();
  if (hue < 0) hue = 210;  // a grey theme: a blue to turn from
  const int saturation = std::max(color.hsvSaturation(), 150);
  const int value = std::clamp(color.value(), 120, 210);
  return QColor::fromHsv((hue + degrees) % 360, saturation, value);
}

}  // namespace

QColor Mixed(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                          a.greenF() * (1 - share) + b.greenF() * share,
                          a.blueF() * (1 - share) + b.blueF() * share);
}

void Hatch(QPainter& painter, const QRectF& rect, const QColor& color, double spacing) {
  if (rect.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(color, 1, Qt::SolidLine, Qt::FlatCap));
  const double h = rect.height();
  // Lines up and to the right, one every `spacing` pixels along the foot,
  // each cut to the rectangle here: an SVG takes no clipping.
  const double first = std::floor((rect.left() - h) / spacing) * spacing;
  for (double x = first; x <= rect.right(); x += spacing) {
    const double from = std::max(x, rect.left()), to = std::min(x + h, rect.right());
    if (to <= from) continue;
    painter.drawLine(QPointF(from, rect.bottom() - (from - x)),
                     QPointF(to, rect.bottom() - (to - x)));
  }
  painter.restore();
}

QColor WithAlpha(QColor color, int alpha) {
  color.setAlpha(alpha);
  return color;
}

ChartStyle ChartStyle::Make(const QPalette& palette, QFont font, int pixelSize) {
  ChartStyle s;
  font.setPixelSize(std::max(1, pixelSize));
  s.font = font;
  s.unit = std::max(1, pixelSize);
  s.pen = std::max(1.0, s.unit / 8.0);
  s.line = QFontMetricsF(font).height();
  s.base = palette.color(QPalette::Base);
  s.text = palette.color(QPalette::Text);
  s.grid = WithAlpha(s.text, 28);
  const QColor pvColor = palette.color(QPalette::Highlight);
  s.pv = QPen(pvColor, s.pen * 1.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
  s.sp = QPen(palette.color(QPalette::WindowText), s.pen, Qt::CustomDashLine, Qt::FlatCap,
              Qt::MiterJoin);
  s.sp.setDashPattern({5, 3});
  s.x = QPen(Mixed(s.text, pvColor, 0.45), s.pen, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
  s.x.setDashPattern({6, 2, 1.5, 2});
  s.limitShade = WithAlpha(Mixed(palette.color(QPalette::Mid), s.text, 0.2), 80);
  s.rowsInView = WithAlpha(pvColor, 80);
  s.band = WithAlpha(s.text, 30);
  s.bandEdge = QPen(WithAlpha(pvColor, 160), std::max(1.0, s.pen / 2), Qt::DotLine);
  return s;
}

QPen ChartStyle::Kept(std::size_t index) const {
  const KeptLook& look = kKept[index % kKept.size()];
  QPen kept(Mixed(Turned(pv.color(), look.hueTurn), text, look.lightShare), pen * 0.9,
            Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
  kept.setDashPattern(look.dashes);
  return kept;
}

QPen ChartStyle::KeptSetPoint(std::size_t index) const {
  QPen kept = Kept(index);
  kept.setWidthF(std::max(1.0, pen * 0.6));
  kept.setDashPattern({5, 3});
  return kept;
}

QPen ChartStyle::TruePv() const {
  QPen dotted(Mixed(pv.color(), base, 0.5), std::max(pen * 0.75, 1.0), Qt::DotLine);
  dotted.setCapStyle(Qt::FlatCap);
  return dotted;
}

QPen ChartStyle::Thin(Qt::PenStyle style, double share) const {
  return QPen(text, std::max(1.0, pen * share), style);
}

}  // namespace corvale
