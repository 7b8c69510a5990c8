#include "window/chart/chart_series.h"
#include "simulation/plant.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <utility>

namespace corvale {
namespace {

// The steps at or after which X counts at a limit: the first step shows
// the input the simulation started from.
ValueRange XFrom(const ResponseTrace& trace, std::size_t first, std::size_t last) {
  first = std::max<std::size_t>(first, 1);
  return first < last ? trace.XRange(first, last) : ValueRange{1, 1};
}

bool AtLimit(const ValueRange& x) { return x.low == kOutputLow || x.high == kOutputHigh; }

void Take(ValueRange& range, const ValueRange& other) {
  range.low = std::min(range.low, other.low);
  range.high = std::max(range.high, other.high);
}

}  // namespace

std::size_t KeptSlack(const ColumnSplit& split) {
  return static_cast<std::size_t>(std::max(split.RowsPerColumn() / 2, 0.0));
}

bool Decimated(const ChartFrame& frame, std::size_t rows) {
  const std::size_t last = frame.RowsOnAxis(rows), first = frame.FirstRowOnAxis();
  return last > first && last - first > frame.Split().Columns();
}

SeriesSource KeptSource(const KeptSeries& series, std::size_t slack) {
  return {series.Size(), [&series](std::size_t r) { return series.Value(r); },
          [&series, slack](std::size_t a, std::size_t b) { return series.Range(a, b, slack); }};
}

QPolygonF SeriesPath(const ChartFrame& frame, const ScaleMap& values, const SeriesSource& source,
                     bool* decimated) {
  const std::size_t rows = frame.RowsOnAxis(source.rows);
  const bool many = Decimated(frame, source.rows);
  if (decimated) *decimated = many;
  if (many)
    return DecimatedPath(frame, values, source,
                         Decimate(frame.Split(), rows, source.range, Decimation::kAlone));
  QPolygonF path;
  // Of a zoomed axis, the rows on it alone: the first at the plot's left edge.
  const std::size_t first = std::min(frame.FirstRowOnAxis(), rows);
  path.reserve(static_cast<qsizetype>(rows - first));
  for (std::size_t r = first; r < rows; ++r)
    path << QPointF(frame.steps.ToPixel(r + 1.0), values.ToPixel(source.value(r)));
  return path;
}

QPolygonF DecimatedPath(const ChartFrame& frame, const ScaleMap& values, const SeriesSource& source,
                        const std::vector<ColumnRange>& columns) {
  QPolygonF path;
  path.reserve(static_cast<qsizetype>(2 * columns.size()));
  for (const ColumnRange& c : columns) {
    ValueRange range = c.range;
    // Joined to the row before its own, so that the line has no gap.
    if (c.rows.first > 0)
      Take(range, {source.value(c.rows.first - 1), source.value(c.rows.first - 1)});
    const double x = frame.top.left() + static_cast<double>(c.column) + 0.5;
    double a = values.ToPixel(range.high), b = values.ToPixel(range.low);
    // Each column entered at the end nearer to where the last one left off.
    if (!path.isEmpty() && std::abs(path.back().y() - b) < std::abs(path.back().y() - a))
      std::swap(a, b);
    path << QPointF(x, a) << QPointF(x, b);
  }
  return path;
}

QPolygonF SetPointPath(const ChartFrame& frame, const std::vector<ResponseTrace::Run>& runs,
                       std::size_t rows) {
  QPolygonF path;
  const double end = static_cast<double>(frame.RowsOnAxis(rows));
  // Cut to a zoomed axis' steps, so that no line passes the plot's edges.
  const double low = std::max(frame.steps.Scale().low, 1.0);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const double from = static_cast<double>(runs[i].firstRow) + 1;
    if (from > end) break;
    const double to = i + 1 < runs.size() ? static_cast<double>(runs[i + 1].firstRow) + 1 : end;
    // A command that ended before the axis begins, or as it begins.
    if (to < low || (to == low && i + 1 < runs.size())) continue;
    const double y = frame.values.ToPixel(runs[i].SetPoint());
    path << QPointF(frame.steps.ToPixel(std::max(from, low)), y)
         << QPointF(frame.steps.ToPixel(std::min(to, end)), y);
  }
  // A single step: its set point across the plot (not a zoomed axis' first step).
  if (path.size() == 2 && path[0].x() == path[1].x() && frame.steps.Scale().low <= 1)
    path = {QPointF(frame.top.left(), path[0].y()), QPointF(frame.top.right(), path[0].y())};
  return path;
}

ValueRange ChartSeries::Extent(const LabBook& book, double lastStep, std::size_t columns) {
  ValueRange extent = book.Current().Extent();
  const std::size_t last = lastStep >= 1 ? static_cast<std::size_t>(lastStep) : 0;
  for (const KeptRun& kept : book.Kept()) {
    const std::size_t rows = std::min(kept.pv.Size(), last);
    if (rows == 0) continue;
    const std::size_t slack = rows / std::max<std::size_t>(columns, 1) / 2;
    Take(extent, kept.pv.Range(0, rows, slack));
    for (const ResponseTrace::Run& run : kept.summary.setPoints)
      if (run.firstRow < rows) Take(extent, {run.SetPoint(), run.SetPoint()});
  }
  return extent;
}

ChartSeries::ChartSeries(const LabBook& book, const ChartFrame& frame,
                         const std::vector<std::size_t>& looks, CurrentColumns* cache)
    : book_(book), frame_(frame), looks_(looks) {
  const ResponseTrace& trace = book.Current();
  const ColumnSplit split = frame.Split();
  const std::size_t rows = frame.RowsOnAxis(trace.Size());
  if (!Decimated(frame, trace.Size())) return;
  const double begin = frame.steps.Scale().low - 1, end = frame.steps.Scale().high - 1;
  if (cache && cache->revision == book.Revision() && cache->rows == rows && cache->begin == begin &&
      cache->end == end && cache->columns == split.Columns()) {
    pvColumns_ = cache->pv;
    xColumns_ = cache->x;
    return;
  }
  pvColumns_ = Decimate(
      split, rows, [&trace](std::size_t a, std::size_t b) { return trace.PvRange(a, b); },
      Decimation::kAlone);
  xColumns_ = Decimate(
      split, rows, [&trace](std::size_t a, std::size_t b) { return trace.XRange(a, b); },
      Decimation::kAlone);
  if (cache) *cache = {book.Revision(), rows, begin, end, split.Columns(), pvColumns_, xColumns_};
}

bool ChartSeries::ReachedLimit(const ResponseTrace& trace) {
  const std::size_t rows = trace.Size();
  return rows > 1 && (trace.RowsAt(Limit::AtZero, 1, rows).count > 0 ||
                      trace.RowsAt(Limit::AtFull, 1, rows).count > 0);
}

void ChartSeries::Shade(QPainter& painter, double fromX, double toX, ChartReport& report) const {
  const double a = std::max(fromX, frame_.top.left()), b = std::min(toX, frame_.top.right());
  if (b <= a - 1) return;
  const double width = std::max(b - a, 1.0);
  report.shaded.push_back({a, a + width});
  for (const QRectF& panel : frame_.Panels())
    painter.fillRect(QRectF(a, panel.top(), width, panel.height()), frame_.style.limitShade);
}

void ChartSeries::DrawLimitShading(QPainter& painter, ChartReport& report) const {
  const ResponseTrace& trace = book_.Current();
  if (trace.Size() < 2) return;
  if (!Decimated(frame_, trace.Size())) {
    // Each stretch of steps at a limit, half a step either side of them;
    // of a zoomed axis, those on it.
    const std::size_t rows = frame_.RowsOnAxis(trace.Size());
    for (std::size_t r = std::max<std::size_t>(frame_.FirstRowOnAxis(), 1); r < rows; ++r) {
      if (trace.LimitAt(r) == Limit::None) continue;
      std::size_t end = r;
      while (end + 1 < rows && trace.LimitAt(end + 1) != Limit::None) ++end;
      Shade(painter, frame_.steps.ToPixel(r + 0.5), frame_.steps.ToPixel(end + 1.5), report);
      r = end;
    }
    return;
  }
  const double left = frame_.top.left();
  std::size_t start = 0, next = 0;
  bool open = false;
  for (const ColumnRange& c : xColumns_) {
    // The first step is at no limit, whatever X it started from.
    const bool at = AtLimit(c.rows.first == 0 ? XFrom(trace, 0, c.rows.last) : c.range);
    if (open && (!at || c.column != next)) {
      Shade(painter, left + static_cast<double>(start), left + static_cast<double>(next), report);
      open = false;
    }
    if (at && !open) start = c.column, open = true;
    next = c.column + 1;
  }
  if (open)
    Shade(painter, left + static_cast<double>(start), left + static_cast<double>(next), report);
}

namespace {

// A kept run's place among the kept runs of its entry, and how many they are.
std::pair<std::size_t, std::size_t> PlaceInEntry(const std::deque<KeptRun>& kept, std::size_t i) {
  const RunId entry = EntryOf(kept[i]);
  std::size_t place = 0, runs = 0;
  for (std::size_t k = 0; k < kept.size(); ++k) {
    if (EntryOf(kept[k]) != entry) continue;
    if (k < i) ++place;
    ++runs;
  }
  return {place, runs};
}

}  // namespace

void ChartSeries::DrawKept(QPainter& painter, ChartReport& report) const {
  const std::size_t slack = KeptSlack(frame_.Split());
  const auto& kept = book_.Kept();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setClipRect(frame_.top.adjusted(0, -1, 0, 1));
  for (std::size_t i = 0; i < kept.size(); ++i) {
    const QString name = QStringLiteral("kept %1").arg(i);
    const QPolygonF sp = SetPointPath(frame_, kept[i].summary.setPoints, kept[i].pv.Size());
    const std::size_t look = i < looks_.size() ? looks_[i] : i;
    painter.setPen(frame_.style.KeptSetPoint(look));
    painter.drawPolyline(sp);
    report.paths.push_back({name + QStringLiteral(" SP"), sp, false, look});
    bool decimated = false;
    const QPolygonF pv =
        SeriesPath(frame_, frame_.values, KeptSource(kept[i].pv, slack), &decimated);
    QPen pen = frame_.style.Kept(look);
    // A sweep's runs in one look, fainter the earlier in the sweep, so that
    // its order shows: from a third of the colour to the whole.
    const auto [place, runs] = PlaceInEntry(kept, i);
    if (runs > 1) {
      QColor faded = pen.color();
      faded.setAlphaF(faded.alphaF() *
                      (1 + 2.0 * static_cast<double>(place) / static_cast<double>(runs - 1)) / 3);
      pen.setColor(faded);
    }
    // Dashes on a column's strokes are noise: a decimated line is solid.
    if (decimated) pen.setStyle(Qt::SolidLine);
    painter.setPen(pen);
    painter.drawPolyline(pv);
    report.paths.push_back({name, pv, decimated, look});
  }
  painter.setClipping(false);
}

void ChartSeries::DrawTruePv(QPainter& painter, ChartReport& report) const {
  const ResponseTrace& trace = book_.Current();
  if (!trace.Noisy()) return;
  const SeriesSource source{trace.Size(), [&trace](std::size_t r) { return trace.TruePv(r); },
                            [&trace](std::size_t a, std::size_t b) {
                              ValueRange range{trace.TruePv(a), trace.TruePv(a)};
                              for (std::size_t r = a + 1; r < b; ++r)
                                range.Take({trace.TruePv(r), trace.TruePv(r)});
                              return range;
                            }};
  bool decimated = false;
  const QPolygonF path = SeriesPath(frame_, frame_.values, source, &decimated);
  painter.setPen(frame_.style.TruePv());
  painter.drawPolyline(path);
  report.paths.push_back({QStringLiteral("true PV"), path, decimated});
}

void ChartSeries::DrawCurrent(QPainter& painter, ChartReport& report) const {
  const ResponseTrace& trace = book_.Current();
  const ChartStyle& s = frame_.style;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setClipRect(frame_.top.adjusted(0, -1, 0, 1));
  if (trace.Size() > 0) {
    const QPolygonF sp = SetPointPath(frame_, trace.Runs(), trace.Size());
    painter.setPen(s.sp);
    painter.drawPolyline(sp);
    report.paths.push_back({QStringLiteral("SP"), sp, false});
  }
  DrawTruePv(painter, report);
  bool decimated = false;
  const SeriesSource pvSource{
      trace.Size(), [&trace](std::size_t r) { return trace.Sample(r).pv; },
      [&trace](std::size_t a, std::size_t b) { return trace.PvRange(a, b); }};
  decimated = !pvColumns_.empty();
  const QPolygonF pv = decimated ? DecimatedPath(frame_, frame_.values, pvSource, pvColumns_)
                                 : SeriesPath(frame_, frame_.values, pvSource);
  if (pv.size() == 1) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(s.pv.color());
    painter.drawEllipse(pv[0], s.pen * 2, s.pen * 2);
    painter.setBrush(Qt::NoBrush);
  }
  painter.setPen(s.pv);
  painter.drawPolyline(pv);
  report.paths.push_back({QStringLiteral("PV"), pv, decimated});

  painter.setClipRect(frame_.bottom.adjusted(0, -1, 0, 1));
  const SeriesSource xSource{trace.Size(), [&trace](std::size_t r) { return trace.Sample(r).x; },
                             [&trace](std::size_t a, std::size_t b) { return trace.XRange(a, b); }};
  decimated = !xColumns_.empty();
  const QPolygonF x = decimated ? DecimatedPath(frame_, frame_.inputs, xSource, xColumns_)
                                : SeriesPath(frame_, frame_.inputs, xSource);
  QPen xPen = s.x;
  if (decimated) xPen.setStyle(Qt::SolidLine);
  painter.setPen(xPen);
  painter.drawPolyline(x);
  report.paths.push_back({QStringLiteral("X"), x, decimated});
  painter.setClipping(false);
}

}  // namespace corvale
