#include "window/chart/chart_frame.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "window/chart/chart_axis.h"
#include "window/chart/chart_figures.h"
#include "window/chart/chart_legend.h"

namespace corvale {
namespace {

// The figures' own room: beside the plots in a wide chart, one under the
// other, or under them, side by side, where the plots keep room enough; all
// the sentences if they fit, else the first that fit whole. Of the two, the
// one that shows more; of two that show as many, the one that leaves the
// plots more room. None where the chart has no such room: they stand over
// the plot.
struct FiguresPlace {
  QRectF room;
  ChartFigures::Selection shown;
  bool beside = false;
  double plot = 0;  // the room left to the plots, roughly: their width times their height
};

FiguresPlace PlaceFigures(const ChartStyle& s, QSizeF size, double plotTop, double below,
                          double pad, const ChartFigures& figures) {
  if (figures.Empty()) return {};
  const double u = s.unit, room = size.height() - plotTop - pad;
  // The plots' room before the figures take theirs: less their axes'.
  const double width = size.width() - 2 * pad - u * 5, height = room - below;
  FiguresPlace side;
  const double sideWrap = std::floor(std::min(u * 22, size.width() * 0.34));
  if (size.width() >= 1.4 * size.height() && size.width() - sideWrap > u * 25) {
    side.shown = figures.Select(sideWrap, room);
    side.room = QRectF(size.width() - pad - sideWrap, plotTop, sideWrap, side.shown.height);
    side.beside = true;
    side.plot = (width - sideWrap - u) * height;
  }
  FiguresPlace under;
  // Up to half the height, the plots keeping twelve lines: a projector's
  // large text would otherwise leave the room little more than one figure.
  const double wrap = size.width() - 2 * pad, most = std::min(room * 0.5, room - u * 12);
  if (most >= s.line) {
    under.shown = figures.Select(wrap, most, true);
    under.room = QRectF(pad, size.height() - pad - under.shown.height, wrap, under.shown.height);
    under.plot = width * (height - under.shown.height - pad);
  }
  if (under.shown.Empty() && side.shown.Empty()) return {};
  if (under.shown.Empty()) return side;
  if (side.shown.Empty()) return under;
  if (under.shown.hidden != side.shown.hidden)
    return under.shown.hidden < side.shown.hidden ? under : side;
  return under.plot >= side.plot ? under : side;
}

}  // namespace

std::vector<QRectF> ChartFrame::Panels() const {
  std::vector<QRectF> panels{top, bottom};
  for (const TermPanel& panel : terms) panels.push_back(panel.rect);
  return panels;
}

const TermPanel* ChartFrame::PanelOf(Term term) const {
  for (const TermPanel& panel : terms)
    if (panel.term == term) return &panel;
  return nullptr;
}

std::size_t ChartFrame::RowsOnAxis(std::size_t seriesRows) const {
  const double last = std::floor(steps.Scale().high);  // the last step on the axis
  if (!(last >= 1)) return 0;
  return std::min(seriesRows, static_cast<std::size_t>(last));
}

namespace {

// The panels, their scales and the step axis between `plotTop` and
// `plotBottom`, left of `textRight` (the figures' room beside them).
void PlacePanels(ChartFrame& f, const QLocale& locale, const FrameContent& content, double plotTop,
                 double plotBottom, double textRight) {
  const QFontMetricsF metrics(f.style.font);
  const double u = f.style.unit, line = f.style.line, pad = std::round(u * 0.5);
  const ChartAxis axis(f.style, locale);
  const double gap = std::ceil(u * 0.8);
  // PV's panel twice as tall as each below it: X's and each term's.
  const std::size_t lower = 1 + content.terms.size();
  const double panels = std::max(plotBottom - plotTop - gap * static_cast<double>(lower),
                                 2.0 * static_cast<double>(lower));
  const double topHeight = std::round(panels * 2 / static_cast<double>(lower + 2));
  const double lowerHeight =
      std::max(std::floor((panels - topHeight) / static_cast<double>(lower)), 1.0);

  const NiceScale values =
      ValueScale(content.values.low, content.values.high, topHeight, line * 1.5);
  const NiceScale inputs =
      InputScale(content.inputs.low, content.inputs.high, lowerHeight, line * 1.5);
  std::vector<NiceScale> termScales;
  double labels =
      std::max(WidestLabel(values, locale, metrics), WidestLabel(inputs, locale, metrics));
  for (const auto& [term, range] : content.terms) {
    termScales.push_back(ValueScale(range.low, range.high, lowerHeight, line * 1.5));
    labels = std::max(labels, WidestLabel(termScales.back(), locale, metrics));
  }
  f.titleLeft = pad;
  const double titles = line + u * 0.3;  // the panels' upright titles
  const double left = std::ceil(pad + titles + labels + axis.TickLength() + u * 0.15);
  // The last step's label is centred on the axis' end.
  const QString lastLabel =
      locale.toString(static_cast<qlonglong>(std::max<std::size_t>(content.rows, 2)));
  const double overhang = std::ceil(metrics.horizontalAdvance(lastLabel) / 2) + 1;
  const double right = std::floor(f.bounds.width() - std::max(pad, overhang) - textRight);
  const double plotWidth = std::max(right - left, 2.0);

  f.top = QRectF(left, plotTop, plotWidth, topHeight);
  f.bottom = QRectF(left, plotTop + topHeight + gap, plotWidth, lowerHeight);
  // Values at a scale's end are drawn off the frame, not on it.
  const auto map = [](const NiceScale& scale, const QRectF& r) {
    const double inset = std::round(r.height() * 0.04);
    return ScaleMap(scale, r.bottom() - inset, r.top() + inset);
  };
  f.values = map(values, f.top);
  f.inputs = map(inputs, f.bottom);
  f.terms.clear();
  for (std::size_t i = 0; i < content.terms.size(); ++i) {
    const QRectF rect(left, f.bottom.top() + static_cast<double>(i + 1) * (lowerHeight + gap),
                      plotWidth, lowerHeight);
    f.terms.push_back({content.terms[i].first, rect, map(termScales[i], rect)});
  }
  const StepRange shown = ShownSteps(content.shown, content.rows);  // 1..rows unless zoomed
  const double first = static_cast<double>(shown.first), last = static_cast<double>(shown.last);
  const double widest = metrics.horizontalAdvance(lastLabel) + u * 2;
  NiceScale steps = content.rows >= 2 ? StepScale(first, last, plotWidth, widest)
                                      : StepScale(0, 2, plotWidth, widest);
  // A single step stands mid-axis, alone.
  if (content.rows < 2) std::erase_if(steps.ticks, [](double t) { return t != 1; });
  f.steps = ScaleMap(steps, f.top.left(), f.top.right());
}

}  // namespace

ChartFrame MakeFrame(const ChartStyle& style, const QLocale& locale, QSizeF size,
                     const FrameContent& content, const ChartLegend& legend,
                     const ChartFigures& figures) {
  ChartFrame f;
  f.style = style;
  f.rows = content.rows;
  f.bounds = QRectF(QPointF(0, 0), size);
  const double u = style.unit, line = style.line, pad = std::round(u * 0.5);

  // The plots before the legend: in a chart too small for both, the legend
  // takes at most two fifths of the height.
  const double legendHeight = std::min(legend.HeightFor(size.width() - 2 * pad),
                                       std::max(line, std::floor(size.height() * 0.4)));
  f.legend = QRectF(pad, pad, size.width() - 2 * pad, legendHeight);
  const double plotTop = std::ceil(f.legend.bottom() + pad);
  const double below = ChartAxis(style, locale).Below();
  const FiguresPlace place = PlaceFigures(style, size, plotTop, below, pad, figures);
  const bool placed = !place.shown.Empty();
  f.figures = placed ? place.room : QRectF();
  f.figuresShown = place.shown;
  const double textRight = placed && place.beside ? f.figures.width() + u : 0;
  const double textBelow = placed && !place.beside ? f.figures.height() + pad : 0;
  const double plotBottom = std::floor(size.height() - pad - below - textBelow);
  PlacePanels(f, locale, content, plotTop, plotBottom, textRight);
  return f;
}

}  // namespace corvale
