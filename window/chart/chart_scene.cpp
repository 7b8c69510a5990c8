#include "window/chart/chart_scene.h"

#include <algorithm>

#include "window/chart/chart_axis.h"
#include "window/chart/chart_cursor.h"
#include "window/chart/chart_loads.h"
#include "window/chart/chart_marks.h"
#include "window/chart/chart_series.h"
#include "window/chart/off_axis_marks.h"
#include "window/chart/value_axis.h"
#include "window/words/contexts.h"
#include "window/words/prose_number.h"
#include "window/words/run_names.h"

namespace corvale {
namespace {

const LabBook& Empty() {
  static const LabBook empty;
  return empty;
}

}  // namespace

ChartScene::ChartScene(const ChartInput& input, QSizeF size)
    : input_(input),
      style_(ChartStyle::Make(input.palette, input.font, input.textPixels)),
      legend_(LegendEntries(), style_),
      figures_(input.figuresText, style_, !input.picture),
      frame_(MakeFrame(style_, input.locale, size, Content(size), legend_, figures_)) {}

std::vector<LegendEntry> ChartScene::LegendEntries() const {
  const LabBook& book = input_.book ? *input_.book : Empty();
  const ResponseTrace& trace = book.Current();
  std::vector<LegendEntry> entries;
  const auto line = [&entries](const QString& name, const QPen& pen) {
    entries.push_back({name, LegendEntry::Sample::kLine, pen, {}});
  };
  const auto& kept = book.Kept();
  if (kept.empty() || trace.Size() == 0) {
    line(ChartWords::tr("PV"), style_.pv);
  } else {
    // A comparison: every run named by what sets it apart from the others,
    // the kept ones first, as RunsCompared lists them.
    // A sweep's runs once, by what it swept.
    const std::vector<RunSummary> runs = RunsCompared(book);
    const std::vector<QString> names = RunNames(runs, input_.locale);
    line(ChartWords::tr("PV, %1", "the current run's PV and its name").arg(names.back()),
         style_.pv);
    for (std::size_t i = 0; i < kept.size(); ++i) {
      const RunId entry = EntryOf(kept[i]);
      if (i > 0 && EntryOf(kept[i - 1]) == entry) continue;
      std::vector<RunSummary> sweep;
      for (const RunSummary& run : runs)
        if (run.sweep && run.sweep->sweep == entry) sweep.push_back(run);
      line(sweep.empty() ? names[i] : SweepName(sweep, input_.locale),
           style_.Kept(input_.KeptLook(i)));
    }
  }
  // Beside the PV read with the noise, which it is the plant's own of.
  if (trace.Noisy())
    entries.insert(
        entries.begin() + 1,
        {ChartWords::tr("PV without the noise"), LegendEntry::Sample::kLine, style_.TruePv(), {}});
  line(ChartWords::tr("SP"), style_.sp);
  line(ChartWords::tr("X"), style_.x);
  if (ChartSeries::ReachedLimit(trace))
    entries.push_back(
        {ChartWords::tr("X at 0 or 255"), LegendEntry::Sample::kFill, {}, style_.limitShade});
  if (trace.Size() > 0 && input_.firstVisible >= 0 && input_.lastVisible >= input_.firstVisible)
    entries.push_back({ChartWords::tr("Rows shown in the table"),
                       LegendEntry::Sample::kHatch,
                       {},
                       style_.rowsInView});
  return entries;
}

FrameContent ChartScene::Content(QSizeF size) const {
  const LabBook& book = input_.book ? *input_.book : Empty();
  const ResponseTrace& trace = book.Current();
  FrameContent content;
  content.rows = trace.Size();
  content.shown = input_.steps;
  const double lastStep = content.rows >= 2 ? static_cast<double>(content.rows) : 2;
  content.values =
      ValueAxisRange(book, lastStep, static_cast<std::size_t>(std::max(size.width(), 1.0)),
                     input_.axisCoversEveryRun);
  if (content.rows > 0) content.inputs = trace.XRange(0, content.rows);
  content.terms = ChartTerms::Extents(book, input_.terms, lastStep,
                                      static_cast<std::size_t>(std::max(size.width(), 1.0)));
  return content;
}

void ChartScene::DrawGrid(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing, false);
  const auto across = [&](const ScaleMap& values, const QRectF& panel) {
    for (double t : values.Scale().ticks)
      painter.fillRect(QRectF(panel.left(), values.ToPixel(t), panel.width(), 1), style_.grid);
  };
  across(frame_.values, frame_.top);
  across(frame_.inputs, frame_.bottom);
  for (const TermPanel& panel : frame_.terms) across(panel.values, panel.rect);
  const std::vector<QRectF> panels = frame_.Panels();
  for (double t : frame_.steps.Scale().ticks) {
    const double x = frame_.steps.ToPixel(t);
    for (const QRectF& panel : panels)
      painter.fillRect(QRectF(x, panel.top(), 1, panel.height()), style_.grid);
  }
}

void ChartScene::DrawFrames(QPainter& painter) const {
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(style_.text, 1));
  painter.setBrush(Qt::NoBrush);
  for (const QRectF& panel : frame_.Panels()) painter.drawRect(panel.adjusted(0, 0, -1, -1));
}

void ChartScene::DrawFigures(QPainter& painter, const ChartMarks& marks, TextRoom& room,
                             ChartReport& report) const {
  if (!frame_.figures.isEmpty()) {
    figures_.DrawInRoom(painter, frame_.figures, frame_.figuresShown, room);
    report.hiddenSentences = frame_.figuresShown.hidden;
    return;
  }
  if (figures_.Empty()) return;
  // Over the plot, where the box covers the least of the lines: of the
  // current run's PV above all, and none of the marks.
  const std::vector<QPointF> marked = marks.Points();
  const auto covered = [&report, &marked](const QRectF& box) {
    double count = 0;
    for (const ChartReport::Path& path : report.paths) {
      if (path.name == QLatin1String("X")) continue;
      count += Coverage(path.points, box) * (path.name == QLatin1String("PV") ? 4 : 1);
    }
    for (const QPointF& point : marked) count += box.contains(point) ? 1e6 : 0;
    return count;
  };
  report.hiddenSentences = figures_.DrawOver(painter, frame_.top, covered, room);
}

ChartReport ChartScene::Draw(QPainter& painter) const {
  const LabBook& book = input_.book ? *input_.book : Empty();
  ChartReport report;
  report.steps = frame_.steps;
  report.values = frame_.values;
  report.inputs = frame_.inputs;
  report.top = frame_.top;
  report.bottom = frame_.bottom;
  report.terms = frame_.terms;
  painter.fillRect(frame_.bounds, style_.base);
  painter.setFont(style_.font);
  TextRoom room(frame_.bounds, style_.unit * 0.15, &report);

  legend_.Draw(painter, frame_.legend, room);
  const ChartAxis axis(style_, input_.locale);
  axis.DrawBelow(painter, frame_.steps, frame_.Lowest(), room);
  axis.DrawLeft(painter, frame_.values, frame_.top, room);
  axis.DrawLeft(painter, frame_.inputs, frame_.bottom, room);
  axis.DrawTitle(painter, ChartWords::tr("PV, SP"), frame_.titleLeft, frame_.top, room);
  axis.DrawTitle(painter, ChartWords::tr("X"), frame_.titleLeft, frame_.bottom, room);
  for (const TermPanel& panel : frame_.terms) {
    axis.DrawLeft(painter, panel.values, panel.rect, room);
    axis.DrawTitle(painter, ChartTerms::Name(panel.term), frame_.titleLeft, panel.rect, room);
  }

  DrawGrid(painter);
  const ChartSeries series(book, frame_, input_.keptLooks, input_.columns);
  const ChartMarks marks(frame_, input_.locale, book.Current(), input_.figures);
  series.DrawLimitShading(painter, report);
  marks.DrawUnder(painter, input_.firstVisible, input_.lastVisible);
  series.DrawKept(painter, report);
  series.DrawCurrent(painter, report);
  ChartTerms(book, frame_, input_.keptLooks, input_.termColumns).Draw(painter, report);
  room.KeepOff(&report.paths);  // the marks' labels hide no data
  marks.DrawLimits(painter, room, report);
  ChartLoads(frame_, input_.locale, book.Current(), book.CurrentMarks())
      .Draw(painter, room, report);

  const ChartCursor cursor(frame_, book.Current(), input_.cursor, input_.readout);
  const QRectF readout = cursor.PlaceReadout(room);
  DrawFigures(painter, marks, room, report);
  marks.DrawFigures(painter, room, report);
  OffAxisMarks(book, frame_, input_.keptLooks, input_.locale).Draw(painter, room, report);
  DrawFrames(painter);
  cursor.Draw(painter, readout);
  if (input_.focus) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(style_.pv.color(), 1, Qt::DotLine));
    painter.drawRect(frame_.bounds.adjusted(0, 0, -1, -1));
  }
  return report;
}

}  // namespace corvale
