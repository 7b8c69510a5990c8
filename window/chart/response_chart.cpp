#include "response_chart.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "chart_accessible.h"
#include "nice_scale.h"
#include "prose_number.h"
#include "response_trace.h"

namespace corvale {
namespace {

// The output's limits, which X sits at when the controller asks for more.
constexpr double kXLimitLow = 0;
constexpr double kXLimitHigh = 255;

QColor Mixed(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share,
                          a.greenF() * (1 - share) + b.greenF() * share,
                          a.blueF() * (1 - share) + b.blueF() * share);
}

QColor WithAlpha(QColor color, int alpha) {
  color.setAlpha(alpha);
  return color;
}

QString TickLabel(const QLocale& locale, const NiceScale& scale, double value) {
  if (value == 0) value = 0;  // a negative zero reads "-0"
  return scale.exponent ? locale.toString(value, 'g', scale.digits)
                        : locale.toString(value, 'f', scale.decimals);
}

// How many ticks a length holds with `room` between them; labels that
// would crowd are left out, but the scale's steps stay fine enough.
int TickCount(double length, double room) {
  return std::clamp(static_cast<int>(length / room), 5, 10);
}

// Where one of the trace's values goes through a panel, for drawing and for
// finding room for the figures' text.
struct TracePath {
  QPolygonF line;
  // Per pixel column of the panel, the lowest and highest y the line takes.
  std::vector<std::pair<float, float>> columns;
};

}  // namespace

struct ResponseChart::Frame {
  QFont font;
  double unit = 12;  // the text's pixel size: every length is a multiple of it
  double pen = 1;
  QRectF legend;
  QRect top, bottom;          // the panels: PV and SP above, X below
  QRectF topInner, lowInner;  // where their scales reach, off the frames
  QRectF figures;             // the figures' own room, where the chart has it
  NiceScale steps, values, inputs;
  std::size_t rows = 0;

  double XOf(double step) const {
    return topInner.left() + FractionOf(steps, step) * topInner.width();
  }
  static double YOf(const NiceScale& scale, const QRectF& inner, double value) {
    // Far outside a scale is still a finite coordinate.
    return inner.bottom() - std::clamp(FractionOf(scale, value), -2.0, 3.0) * inner.height();
  }
};

ResponseChart::ResponseChart(const ResponseTrace* trace, QLocale locale, QWidget* parent)
    : QWidget(parent), trace_(trace), locale_(std::move(locale)) {
  ChartAccessible::Install();
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

ResponseChart::~ResponseChart() { ForgetRowInterfaces(); }

void ResponseChart::Refresh(const std::optional<StepFigures>& figures, const QString& figuresText) {
  figures_ = figures;
  figuresText_ = figuresText;
  ForgetRowInterfaces();
  if (cursor_ >= static_cast<int>(std::min<std::size_t>(trace_->Size(), INT_MAX))) cursor_ = -1;
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
  update();
}

void ResponseChart::SetVisibleRows(int first, int last) {
  firstVisible_ = first;
  lastVisible_ = last;
  update();
}

void ResponseChart::SetZoom(double scale) {
  if (!(scale > 0) || !std::isfinite(scale)) return;
  zoom_ = scale;
  update();
}

void ResponseChart::SetCursor(int row) {
  const int rows = static_cast<int>(std::min<std::size_t>(trace_->Size(), INT_MAX));
  cursor_ = row >= 0 && row < rows ? row : -1;
  update();
}

QString ResponseChart::RowDescription(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= trace_->Size()) return {};
  const ResponseSample& sample = trace_->Sample(row);
  const std::int64_t step = ResponseTrace::StepOf(row);
  QString text =
      tr("Step %1: PV %2, SP %3, X %4")
          .arg(ProseCount(step, locale_), ProseNumber(sample.pv, locale_),
               ProseNumber(trace_->SetPointOf(row), locale_), ProseNumber(sample.x, locale_));
  // What the chart marks at this step, which a listener cannot see.
  QStringList marks;
  if (figures_ && figures_->settled) {
    if (step == figures_->riseFrom) marks << tr("10 % of the change");
    if (step == figures_->riseTo) marks << tr("90 % of the change");
    if (step == figures_->peakStep)
      marks << (figures_->Falling() ? tr("lowest point") : tr("peak"));
    if (step == figures_->settledFrom) marks << tr("settled from here");
  }
  return marks.isEmpty() ? text : text + QStringLiteral("; ") + marks.join(QStringLiteral(", "));
}

int ResponseChart::TextPixelSize() const {
  // A chart shown large, on a projector say, has text to match it.
  const double own = QFontInfo(font()).pixelSize() * zoom_;
  const double large = std::min(width(), height()) / 40.0;
  return std::max(1, static_cast<int>(std::lround(std::max(own, large))));
}

double ResponseChart::LineWidth() const { return std::max(1.0, TextPixelSize() / 8.0); }

ResponseChart::Frame ResponseChart::Layout() const {
  Frame f;
  f.font = font();
  f.font.setPixelSize(TextPixelSize());
  f.unit = TextPixelSize();
  f.pen = LineWidth();
  f.rows = trace_->Size();
  const QFontMetricsF metrics(f.font);
  const double u = f.unit, pad = std::round(u * 0.5), line = metrics.height();

  f.legend = QRectF(pad, pad, width() - 2 * pad, line);
  const int plotTop = static_cast<int>(f.legend.bottom() + pad);
  // Where the chart has room, the figures stand beside the plots (a wide
  // chart) or under them, every sentence whole and no line covered.
  double textRight = 0, textBelow = 0;
  const QStringList sentences = figuresText_.split(u'\n', Qt::SkipEmptyParts);
  const auto heightOf = [&](double wrap) {
    double total = 0;
    for (const QString& sentence : sentences) {
      total += metrics.boundingRect(QRectF(0, 0, wrap, 1e6), Qt::TextWordWrap, sentence).height();
    }
    return total;
  };
  if (!sentences.isEmpty()) {
    const double room = height() - plotTop - pad;
    if (width() >= 1.4 * height()) {
      const double wrap = std::min(u * 22, width() * 0.34);
      const double needed = heightOf(wrap);
      if (needed <= room && width() - wrap > u * 25) {
        f.figures = QRectF(width() - pad - wrap, plotTop, wrap, needed);
        textRight = wrap + u;
      }
    } else {
      const double wrap = width() - 2 * pad;
      const double needed = heightOf(wrap);
      if (needed <= room * 0.4 && room - needed > u * 16) {
        f.figures = QRectF(pad, height() - pad - needed, wrap, needed);
        textBelow = needed + pad;
      }
    }
  }
  const int plotBottom = static_cast<int>(height() - pad - line - u * 0.3 - textBelow);
  const int gap = static_cast<int>(std::round(u * 0.8));
  const int panels = std::max(plotBottom - plotTop - gap, 2);
  const int topHeight = panels * 2 / 3;

  const ValueRange extent = trace_->Extent();
  f.values = MakeNiceScale(extent.low, extent.high, TickCount(topHeight, line * 2.2));
  const ValueRange x = f.rows ? trace_->XRange(0, f.rows) : ValueRange{};
  f.inputs = MakeNiceScale(x.low, x.high, TickCount(panels - topHeight, line * 2.2));

  double labels = 0;
  for (const NiceScale* scale : {&f.values, &f.inputs})
    for (double tick : scale->ticks)
      labels = std::max(labels, metrics.horizontalAdvance(TickLabel(locale_, *scale, tick)));
  const double title = line * 1.2;  // the panels' titles, turned upright
  const int left = static_cast<int>(std::ceil(pad + title + labels + u * 0.4));
  const int right = static_cast<int>(width() - pad - u - textRight);
  const int plotWidth = std::max(right - left, 2);

  f.top = QRect(left, plotTop, plotWidth, topHeight);
  f.bottom = QRect(left, plotTop + topHeight + gap, plotWidth, panels - topHeight);
  // Values at a scale's end are drawn off the frame, not on it.
  const auto inner = [](const QRect& r) {
    const double inset = std::round(r.height() * 0.04);
    return QRectF(r.left(), r.top() + inset, r.width(), r.height() - 2 * inset);
  };
  f.topInner = inner(f.top);
  f.lowInner = inner(f.bottom);

  const double last = static_cast<double>(f.rows);
  const double widest = metrics.horizontalAdvance(locale_.toString(last)) + u * 2;
  f.steps = f.rows >= 2 ? MakeNiceScale(1, last, TickCount(plotWidth, widest), false)
                        : MakeNiceScale(0, 2, 3, false);
  std::erase_if(f.steps.ticks,
                [last](double t) { return t != std::floor(t) || t < 1 || t > last; });
  return f;
}

int ResponseChart::RowAt(const Frame& frame, double x) const {
  if (frame.rows == 0) return -1;
  const QRectF plot = frame.topInner;
  if (x < plot.left() - frame.unit / 2 || x > plot.right() + frame.unit / 2) return -1;
  const double fraction = std::clamp((x - plot.left()) / plot.width(), 0.0, 1.0);
  const double step = frame.steps.low + fraction * (frame.steps.high - frame.steps.low);
  const double row = std::clamp(std::round(step) - 1, 0.0, static_cast<double>(frame.rows - 1));
  return static_cast<int>(row);
}

int ResponseChart::RowAt(double x) const { return RowAt(Layout(), x); }

QRect ResponseChart::RowRect(int row) const {
  const Frame f = Layout();
  const double half = std::max(f.topInner.width() / std::max<double>(f.rows, 1) / 2, 1.0);
  const double x = f.XOf(row + 1.0);
  return QRectF(QPointF(x - half, f.top.top()), QPointF(x + half, f.bottom.bottom()))
      .toAlignedRect();
}

namespace {

// The path of PV or X: a polyline through the rows, or, with more rows than
// pixel columns, each column's range, joined to the row before it so that
// the line has no gaps.
template <typename Range, typename Value>
TracePath PathOf(std::size_t rows, const QRectF& inner, double left, double width,
                 const std::function<double(double)>& xOf, Range range, Value value,
                 const std::function<double(double)>& yOf) {
  TracePath path;
  const int columns = std::max(static_cast<int>(width), 1);
  path.columns.assign(columns,
                      {std::numeric_limits<float>::max(), -std::numeric_limits<float>::max()});
  const auto mark = [&](double x, double y0, double y1) {
    const int c = std::clamp(static_cast<int>(x - left), 0, columns - 1);
    auto& [low, high] = path.columns[c];
    low = std::min<float>(low, std::min(y0, y1));
    high = std::max<float>(high, std::max(y0, y1));
  };
  if (rows <= static_cast<std::size_t>(columns)) {
    path.line.reserve(static_cast<int>(rows));
    for (std::size_t r = 0; r < rows; ++r) {
      const QPointF p(xOf(r + 1.0), yOf(value(r)));
      if (!path.line.isEmpty()) {
        const QPointF q = path.line.back();
        for (double x = q.x(); x <= p.x(); x += 1) mark(x, q.y(), p.y());
      }
      mark(p.x(), p.y(), p.y());
      path.line << p;
    }
    return path;
  }
  path.line.reserve(2 * columns);
  const double perColumn = static_cast<double>(rows - 1) / columns;
  std::size_t first = 0;
  for (int c = 0; c < columns; ++c) {
    const std::size_t last =
        c + 1 == columns ? rows : static_cast<std::size_t>(std::ceil((c + 1) * perColumn));
    if (last <= first) continue;
    const ValueRange r = range(first > 0 ? first - 1 : 0, last);
    const double x = left + c + 0.5;
    double a = yOf(r.high), b = yOf(r.low);
    // Enter each column at the end nearer to where the last one left off.
    if (!path.line.isEmpty() &&
        std::abs(path.line.back().y() - b) < std::abs(path.line.back().y() - a))
      std::swap(a, b);
    path.line << QPointF(x, a) << QPointF(x, b);
    mark(x, a, b);
    first = last;
  }
  (void)inner;
  return path;
}

}  // namespace

void ResponseChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Base));
  const Frame f = Layout();
  p.setFont(f.font);
  const QFontMetricsF metrics(f.font);
  const double u = f.unit, line = metrics.height();
  const QColor text = pal.color(QPalette::Text);
  const QColor pvColor = pal.color(QPalette::Highlight);
  const QColor spColor = pal.color(QPalette::WindowText);
  const QColor xColor = Mixed(pal.color(QPalette::Text), pal.color(QPalette::Highlight), 0.45);
  const QColor base = pal.color(QPalette::Base);
  const QColor saturation = WithAlpha(Mixed(pal.color(QPalette::Mid), text, 0.2), 80);
  QPen pvPen(pvColor, f.pen * 1.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
  QPen spPen(spColor, f.pen, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
  spPen.setDashPattern({5, 3});
  QPen xPen(xColor, f.pen, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
  xPen.setDashPattern({6, 2, 1.5, 2});
  const QPen thin(text, std::max(1.0, f.pen / 2));

  // The legend: each line's sample, its name, and the shading's swatch.
  double legendEnd = 0;
  {
    double x = f.top.left();
    const double y = f.legend.center().y();
    const auto item = [&](const QString& name, const std::function<void(QRectF)>& sample) {
      const QRectF swatch(x, y - line * 0.35, u * 2, line * 0.7);
      p.setRenderHint(QPainter::Antialiasing);
      sample(swatch);
      x = swatch.right() + u * 0.4;
      p.setPen(text);
      const double w = metrics.horizontalAdvance(name);
      p.drawText(QRectF(x, f.legend.top(), w + 1, line), Qt::AlignVCenter, name);
      x += w + u;
    };
    const auto lineSample = [&](const QPen& pen) {
      return [&, pen](QRectF r) {
        p.setPen(pen);
        p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
      };
    };
    item(tr("PV"), lineSample(pvPen));
    item(tr("SP"), lineSample(spPen));
    item(tr("X"), lineSample(xPen));
    item(tr("X at 0 or 255"), [&](QRectF r) { p.fillRect(r, saturation); });
    legendEnd = x;
  }

  const auto y = [&f](const NiceScale& s, double v) { return Frame::YOf(s, f.topInner, v); };
  const auto yx = [&f](double v) { return Frame::YOf(f.inputs, f.lowInner, v); };
  const auto xOf = [&f](double step) { return f.XOf(step); };
  const double left = f.top.left(), width = f.top.width();

  // Grid and frames first, the data over them.
  p.setRenderHint(QPainter::Antialiasing, false);
  const QColor grid = WithAlpha(text, 28);
  for (double t : f.values.ticks) p.fillRect(QRectF(left, y(f.values, t), width, 1), grid);
  for (double t : f.inputs.ticks) p.fillRect(QRectF(left, yx(t), width, 1), grid);
  for (double t : f.steps.ticks) {
    p.fillRect(QRectF(xOf(t), f.top.top(), 1, f.top.height()), grid);
    p.fillRect(QRectF(xOf(t), f.bottom.top(), 1, f.bottom.height()), grid);
  }

  const auto band = [&](double fromStep, double toStep, const QColor& color) {
    const double a = std::max(xOf(fromStep), left), b = std::min(xOf(toStep), left + width);
    if (b <= a - 1) return;
    const double w = std::max(b - a, 1.0);
    p.fillRect(QRectF(a, f.top.top(), w, f.top.height()), color);
    p.fillRect(QRectF(a, f.bottom.top(), w, f.bottom.height()), color);
  };
  // The rows the table shows.
  if (f.rows && lastVisible_ >= firstVisible_ && firstVisible_ >= 0)
    band(firstVisible_ + 0.5, lastVisible_ + 1.5, WithAlpha(pvColor, 40));

  // The steps X sat at a limit, as bands of the columns or steps they cover.
  if (f.rows > 1) {
    const int columns = std::max(width, 1.0);
    if (f.rows <= static_cast<std::size_t>(columns)) {
      for (std::size_t r = 1; r < f.rows; ++r) {
        if (trace_->LimitAt(r) == Limit::None) continue;
        std::size_t end = r;
        while (end + 1 < f.rows && trace_->LimitAt(end + 1) != Limit::None) ++end;
        band(r + 0.5, end + 1.5, saturation);
        r = end;
      }
    } else {
      const double perColumn = static_cast<double>(f.rows - 1) / columns;
      int start = -1;
      std::size_t first = 1;
      for (int c = 0; c <= columns; ++c) {
        bool at = false;
        if (c < columns) {
          const std::size_t last =
              c + 1 == columns ? f.rows : static_cast<std::size_t>(std::ceil((c + 1) * perColumn));
          if (last > first) {
            const ValueRange r = trace_->XRange(first, last);
            at = r.low == kXLimitLow || r.high == kXLimitHigh;
            first = last;
          }
        }
        if (at && start < 0) start = c;
        if (!at && start >= 0) {
          const QRectF r(left + start, 0, c - start, 1);
          p.fillRect(QRectF(r.left(), f.top.top(), r.width(), f.top.height()), saturation);
          p.fillRect(QRectF(r.left(), f.bottom.top(), r.width(), f.bottom.height()), saturation);
          start = -1;
        }
      }
    }
  }

  const bool marked = figures_ && figures_->isStep && figures_->settled && f.rows;
  // The ±2 % band around the final value, over the steps measured.
  if (marked) {
    const StepFigures& fig = *figures_;
    const double reach = 0.02 * std::abs(fig.finalValue - fig.start);
    const double a = y(f.values, fig.finalValue + reach), b = y(f.values, fig.finalValue - reach);
    const double x0 = std::max(xOf(fig.firstStep), left),
                 x1 = std::min(xOf(fig.lastStep), left + width);
    p.fillRect(QRectF(QPointF(x0, a - 0.5), QPointF(std::max(x1, x0 + 1), b + 0.5)),
               WithAlpha(text, 30));
    // Its edges dotted, as a textbook draws a tolerance band, so that it is
    // not taken for the grey of the steps at a limit.
    p.setPen(QPen(WithAlpha(pvColor, 160), std::max(1.0, f.pen / 2), Qt::DotLine));
    for (const double edge : {a, b}) p.drawLine(QPointF(x0, edge), QPointF(x1, edge));
  }

  p.setClipRect(f.top.adjusted(0, -1, 0, 1));
  p.setRenderHint(QPainter::Antialiasing);
  // SP, a step line through the runs.
  TracePath spColumns;
  if (f.rows) {
    QPolygonF sp;
    const auto& runs = trace_->Runs();
    for (std::size_t i = 0; i < runs.size(); ++i) {
      const double from = runs[i].firstRow + 1.0;
      const double to =
          i + 1 < runs.size() ? runs[i + 1].firstRow + 1.0 : static_cast<double>(f.rows);
      const double v = y(f.values, runs[i].setPoint);
      sp << QPointF(xOf(from), v) << QPointF(xOf(to), v);
    }
    if (f.rows == 1) sp = {QPointF(left, sp[0].y()), QPointF(left + width, sp[0].y())};
    p.setPen(spPen);
    p.drawPolyline(sp);
    spColumns.line = sp;
  }
  const std::function<double(double)> xFn = xOf;
  const TracePath pv = PathOf(
      f.rows, f.topInner, left, width, xFn,
      [this](std::size_t a, std::size_t b) { return trace_->PvRange(a, b); },
      [this](std::size_t r) { return trace_->Sample(r).pv; },
      std::function<double(double)>([&](double v) { return y(f.values, v); }));
  if (f.rows == 1) {
    p.setPen(Qt::NoPen);
    p.setBrush(pvColor);
    p.drawEllipse(pv.line[0], f.pen * 2, f.pen * 2);
  }
  p.setPen(pvPen);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(pv.line);

  // The figures: rise, peak, settling.
  if (marked) {
    const StepFigures& fig = *figures_;
    const bool labelled = f.topInner.height() > line * 5;
    QPen dotted(text, std::max(1.0, f.pen / 2), Qt::DotLine);
    if (fig.riseFrom && fig.riseTo) {
      const double a = xOf(*fig.riseFrom), b = xOf(*fig.riseTo);
      const double bottom = f.top.bottom() - u * 0.4;
      p.setPen(dotted);
      p.drawLine(QPointF(a, f.top.top()), QPointF(a, f.top.bottom()));
      p.drawLine(QPointF(b, f.top.top()), QPointF(b, f.top.bottom()));
      p.setPen(thin);
      p.drawLine(QPointF(a, bottom), QPointF(b, bottom));
      p.drawLine(QPointF(a, bottom - u * 0.3), QPointF(a, bottom + u * 0.3));
      p.drawLine(QPointF(b, bottom - u * 0.3), QPointF(b, bottom + u * 0.3));
      const QString rise = fig.Falling() ? tr("fall") : tr("rise");
      if (labelled)
        p.drawText(QRectF(b + u * 0.3, bottom - line, metrics.horizontalAdvance(rise) + 1, line),
                   Qt::AlignLeft | Qt::AlignVCenter, rise);
    }
    if (fig.settledFrom) {
      QPen dashed(text, std::max(1.0, f.pen / 1.5), Qt::DashLine);
      const double a = xOf(*fig.settledFrom);
      p.setPen(dashed);
      p.drawLine(QPointF(a, f.top.top()), QPointF(a, f.top.bottom()));
      const QString settled = tr("settled");
      p.setPen(text);
      if (labelled) {
        // On the Base colour: SP's dashes may run through the top of the plot.
        const QRectF label(a + u * 0.3, f.top.top() + u * 0.2,
                           metrics.horizontalAdvance(settled) + 1, line);
        p.fillRect(label, WithAlpha(base, 220));
        p.drawText(label, Qt::AlignLeft | Qt::AlignVCenter, settled);
      }
    }
    const QPointF peak(xOf(fig.peakStep), y(f.values, fig.peak));
    const double r = u * 0.35;
    p.setPen(QPen(text, std::max(1.0, f.pen * 0.8)));
    p.setBrush(base);
    p.drawPolygon(QPolygonF({peak + QPointF(0, -r), peak + QPointF(r, 0), peak + QPointF(0, r),
                             peak + QPointF(-r, 0)}));
    p.setBrush(Qt::NoBrush);
    const QString peakName = fig.Falling() ? tr("lowest point") : tr("peak");
    if (labelled)
      p.drawText(QRectF(peak.x() + r * 1.5, peak.y() - line - r * 0.5,
                        metrics.horizontalAdvance(peakName) + 1, line),
                 Qt::AlignLeft | Qt::AlignVCenter, peakName);
  }

  // X and, when it reached them, its limits.
  p.setClipRect(f.bottom.adjusted(0, -1, 0, 1));
  if (f.rows) {
    const ValueRange reached = f.rows > 1 ? trace_->XRange(1, f.rows) : ValueRange{1, 1};
    for (double limit : {kXLimitLow, kXLimitHigh}) {
      if (limit != reached.low && limit != reached.high) continue;
      const double ly = yx(limit);
      p.setPen(QPen(text, std::max(1.0, f.pen / 2), Qt::DotLine));
      p.drawLine(QPointF(left, ly), QPointF(left + width, ly));
      const QString name = locale_.toString(limit);
      const double w = metrics.horizontalAdvance(name) + u * 0.4;
      const QRectF box(left + width - w - u * 0.2, limit == kXLimitHigh ? ly + 1 : ly - line - 1, w,
                       line);
      p.fillRect(box, WithAlpha(base, 200));
      p.setPen(text);
      p.drawText(box, Qt::AlignCenter, name);
    }
  }
  const TracePath xs = PathOf(
      f.rows, f.lowInner, left, width, xFn,
      [this](std::size_t a, std::size_t b) { return trace_->XRange(a, b); },
      [this](std::size_t r) { return trace_->Sample(r).x; }, std::function<double(double)>(yx));
  p.setPen(f.rows > static_cast<std::size_t>(width) ? QPen(xColor, f.pen) : xPen);
  p.drawPolyline(xs.line);
  p.setClipping(false);

  // Frames, ticks, labels and titles.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(text, 1));
  p.drawRect(f.top.adjusted(0, 0, -1, -1));
  p.drawRect(f.bottom.adjusted(0, 0, -1, -1));
  const double tick = u * 0.35;
  const auto yLabels = [&](const NiceScale& s, const QRect& panel, auto yOf) {
    double lastBottom = -1e9;
    for (auto it = s.ticks.rbegin(); it != s.ticks.rend(); ++it) {
      const double ty = yOf(*it);
      if (ty < panel.top() - 0.5 || ty > panel.bottom() + 0.5) continue;
      p.drawLine(QPointF(panel.left() - tick, ty), QPointF(panel.left(), ty));
      QRectF box(0, ty - line / 2, panel.left() - tick - u * 0.15, line);
      box.moveTop(std::clamp(box.top(), panel.top() - line / 2.0, panel.bottom() - line / 2.0));
      if (box.top() < lastBottom) continue;
      p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, TickLabel(locale_, s, *it));
      lastBottom = box.bottom();
    }
  };
  yLabels(f.values, f.top, [&](double v) { return y(f.values, v); });
  yLabels(f.inputs, f.bottom, yx);
  const QString stepTitle = tr("Step");
  const double titleRight =
      std::max(f.top.left() - tick, metrics.horizontalAdvance(stepTitle) + u * 0.5);
  double lastRight = titleRight + u * 0.3;
  const double labelTop = f.bottom.bottom() + tick;
  p.drawText(QRectF(0, labelTop, titleRight, line), Qt::AlignRight | Qt::AlignVCenter, stepTitle);
  for (double t : f.steps.ticks) {
    const double tx = xOf(t);
    p.drawLine(QPointF(tx, f.bottom.bottom()), QPointF(tx, f.bottom.bottom() + tick));
    const QString label = TickLabel(locale_, f.steps, t);
    const double w = metrics.horizontalAdvance(label);
    const QRectF box(std::min(tx - w / 2, width + left + u - w), labelTop, w + 1, line);
    if (box.left() < lastRight) continue;
    p.drawText(box, Qt::AlignCenter, label);
    lastRight = box.right() + u * 0.6;
  }
  const auto upright = [&](const QString& title, const QRect& panel) {
    p.save();
    p.translate(f.legend.left() + line * 0.5, panel.center().y());
    p.rotate(-90);
    const QString shown = metrics.elidedText(title, Qt::ElideRight, panel.height());
    const double w = metrics.horizontalAdvance(shown) + 1;
    p.drawText(QRectF(-w / 2, -line / 2, w, line), Qt::AlignCenter, shown);
    p.restore();
  };
  upright(tr("PV, SP"), f.top);
  upright(tr("X"), f.bottom);

  // The cursor's readout: beside the legend where there is room, off the
  // lines; else atop the panel, beside the cursor.
  const bool cursorShown = cursor_ >= 0 && static_cast<std::size_t>(cursor_) < f.rows;
  const QString readout = cursorShown ? RowDescription(cursor_) : QString();
  QRectF readoutBox;
  if (cursorShown) {
    const double w = metrics.horizontalAdvance(readout) + u * 0.8, cx = xOf(cursor_ + 1.0);
    readoutBox = QRectF(f.legend.right() - w, f.legend.top() - u * 0.1, w, line + u * 0.2);
    if (readoutBox.left() < legendEnd) {
      double bx = cx + u * 0.4;
      if (bx + w > f.top.right()) bx = std::max<double>(f.top.left(), cx - u * 0.4 - w);
      readoutBox.moveTo(bx, f.top.top() + u * 0.2);
    }
  }

  // The figures' sentences: in their own room where the chart has it;
  // otherwise over the plot where they cover the least of the lines, as many
  // as fit, the rest left to the tooltip and the screen reader.
  const QStringList sentences = figuresText_.split('\n', Qt::SkipEmptyParts);
  if (!f.figures.isEmpty()) {
    p.setPen(text);
    double ty = f.figures.top();
    for (const QString& sentence : sentences) {
      const QRectF r(f.figures.left(), ty, f.figures.width(), f.figures.bottom() + line - ty);
      p.drawText(r, Qt::TextWordWrap, sentence);
      ty += metrics.boundingRect(r, Qt::TextWordWrap, sentence).height();
    }
  } else if (!sentences.isEmpty() && f.topInner.height() > line * 1.5) {
    const double pad = u * 0.4;
    const double maxWidth = std::min(f.topInner.width() * 0.62, u * 30) - 2 * pad;
    const double maxHeight = f.topInner.height() * 0.62 - 2 * pad;
    QStringList shown;
    double height = 0, blockWidth = 0;
    // Where not all fit, the figures come before the heading that says what
    // they measure: the rest of it is in the tooltip.
    const auto take = [&](qsizetype from) {
      shown.clear();
      height = blockWidth = 0;
      for (qsizetype i = from; i < sentences.size(); ++i) {
        const QRectF r =
            metrics.boundingRect(QRectF(0, 0, maxWidth, 1e6), Qt::TextWordWrap, sentences[i]);
        if (height + r.height() > maxHeight) return false;
        shown << sentences[i];
        height += r.height();
        blockWidth = std::max(blockWidth, r.width());
      }
      return true;
    };
    if (!take(0) && sentences.size() > 1) take(1);
    if (shown.isEmpty()) {
      shown << metrics.elidedText(sentences[sentences.size() > 1 ? 1 : 0], Qt::ElideRight,
                                  maxWidth);
      height = line;
      blockWidth = metrics.horizontalAdvance(shown.front());
    }
    const QSizeF size(blockWidth + 2 * pad + 1, height + 2 * pad);
    const QRectF area = f.top.adjusted(2, 2, -2, -2);
    const QRectF corners[] = {
        QRectF(QPointF(area.right() - size.width(), area.bottom() - size.height()), size),
        QRectF(QPointF(area.right() - size.width(), area.top()), size),
        QRectF(QPointF(area.left(), area.bottom() - size.height()), size),
        QRectF(area.topLeft(), size)};
    const auto covered = [&](const QRectF& box) {
      int count = 0;
      const int c0 = std::max(0, static_cast<int>(box.left() - left));
      const int c1 =
          std::min(static_cast<int>(pv.columns.size()), static_cast<int>(box.right() - left) + 1);
      for (int c = c0; c < c1; ++c)
        count += pv.columns[c].first <= box.bottom() && pv.columns[c].second >= box.top();
      for (int i = 0; i + 1 < spColumns.line.size(); i += 2) {
        const QPointF a = spColumns.line[i], b = spColumns.line[i + 1];
        if (a.y() >= box.top() && a.y() <= box.bottom())
          count += std::max(0.0, std::min(b.x(), box.right()) - std::max(a.x(), box.left()));
      }
      // The readout is drawn over everything: never under it.
      return box.intersects(readoutBox) ? count + 1'000'000 : count;
    };
    const QRectF* best = &corners[0];
    int least = covered(*best);
    for (const QRectF& c : corners) {
      const int n = covered(c);
      if (n < least) least = n, best = &c;
    }
    p.fillRect(*best, WithAlpha(base, 225));
    p.setPen(QPen(WithAlpha(text, 90), 1));
    p.drawRect(best->adjusted(0, 0, -1, -1));
    p.setPen(text);
    double ty = best->top() + pad;
    for (const QString& s : shown) {
      const QRectF r(best->left() + pad, ty, maxWidth, best->bottom() - ty);
      const QRectF used = metrics.boundingRect(r, Qt::TextWordWrap, s);
      p.drawText(r, Qt::TextWordWrap, s);
      ty += used.height();
    }
  }

  // The keyboard's cursor and what it reads.
  if (cursorShown) {
    const double cx = xOf(cursor_ + 1.0);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(text, f.pen));
    p.drawLine(QPointF(cx, f.top.top()), QPointF(cx, f.top.bottom()));
    p.drawLine(QPointF(cx, f.bottom.top()), QPointF(cx, f.bottom.bottom()));
    p.setBrush(text);
    const ResponseSample& s = trace_->Sample(cursor_);
    p.drawEllipse(QPointF(cx, y(f.values, s.pv)), f.pen * 2, f.pen * 2);
    p.drawEllipse(QPointF(cx, yx(s.x)), f.pen * 2, f.pen * 2);
    p.setBrush(Qt::NoBrush);
    p.fillRect(readoutBox, WithAlpha(base, 235));
    p.setPen(text);
    p.drawText(readoutBox, Qt::AlignCenter, readout);
  }

  if (hasFocus()) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(pvColor, 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void ResponseChart::mousePressEvent(QMouseEvent* event) {
  const Frame f = Layout();
  const QPointF at = event->position();
  const bool onPlot = at.y() >= f.top.top() && at.y() <= f.bottom.bottom();
  const int row = onPlot && event->button() == Qt::LeftButton ? RowAt(f, at.x()) : -1;
  if (row < 0) return QWidget::mousePressEvent(event);
  MoveCursor(row);
  event->accept();
}

void ResponseChart::keyPressEvent(QKeyEvent* event) {
  const int rows = static_cast<int>(std::min<std::size_t>(trace_->Size(), INT_MAX));
  if (rows == 0) return QWidget::keyPressEvent(event);
  // The first move starts where the table is.
  const bool placed = cursor_ >= 0;
  const int from = placed                          ? cursor_
                   : lastVisible_ >= firstVisible_ ? std::max(firstVisible_, 0)
                                                   : 0;
  const int page = std::max(1, rows / 10);
  int to;
  switch (event->key()) {
    case Qt::Key_Left:
      to = placed ? from - 1 : from;
      break;
    case Qt::Key_Right:
      to = placed ? from + 1 : from;
      break;
    case Qt::Key_PageUp:
      to = from - page;
      break;
    case Qt::Key_PageDown:
      to = from + page;
      break;
    case Qt::Key_Home:
      to = 0;
      break;
    case Qt::Key_End:
      to = rows - 1;
      break;
    default:
      return QWidget::keyPressEvent(event);
  }
  MoveCursor(std::clamp(to, 0, rows - 1));
  event->accept();
}

void ResponseChart::changeEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::StyleChange:
      update();
      break;
    default:
      break;
  }
  QWidget::changeEvent(event);
}

void ResponseChart::MoveCursor(int row) {
  SetCursor(row);
  emit RowRequested(row);
  // What makes a screen reader speak the row: the focus moving to it.
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(row);
  QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* ResponseChart::RowInterface(int row) {
  if (const auto found = rowInterfaces_.find(row); found != rowInterfaces_.end()) {
    if (QAccessibleInterface* known = QAccessible::accessibleInterface(found->second)) return known;
  }
  // A reader asks for the rows around the one it speaks: a few dozen serve.
  if (rowInterfaces_.size() >= 64) ForgetRowInterfaces();
  auto* made = new RowAccessible(this, row);
  rowInterfaces_[row] = QAccessible::registerAccessibleInterface(made);
  return made;
}

void ResponseChart::ForgetRowInterfaces() {
  for (const auto& [row, id] : rowInterfaces_) QAccessible::deleteAccessibleInterface(id);
  rowInterfaces_.clear();
}

}  // namespace corvale
