#include "window/chart/chart_readout.h"

#include "simulation/plant.h"
#include "window/chart/chart_terms.h"
#include "window/words/contexts.h"

#include <algorithm>

#include "simulation/transcript.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

// The parts of a readout joined by `pattern`, "%1, %2" as the language has it.
QString Joined(const QStringList& parts, const QString& pattern) {
  QString text = parts.value(0);
  for (qsizetype i = 1; i < parts.size(); ++i) text = pattern.arg(text, parts[i]);
  return text;
}

double LimitValue(Limit limit) { return limit == Limit::AtFull ? kOutputHigh : kOutputLow; }

// The set point a row ran under, of a run's commands.
double SetPointAt(const std::vector<ResponseTrace::Run>& runs, std::size_t row) {
  const auto after = std::upper_bound(
      runs.begin(), runs.end(), row,
      [](std::size_t r, const ResponseTrace::Run& run) { return r < run.firstRow; });
  return after == runs.begin() ? 0 : std::prev(after)->SetPoint();
}

}  // namespace

QString ChartReadout::Name(SeriesId series) const {
  using K = SeriesId::Kind;
  if (const std::optional<Term> term = TermOf(series.kind)) return ChartTerms::Name(*term);
  if (series.kind == K::Pv) return QStringLiteral("PV");
  if (series.kind == K::TruePv) return ChartWords::tr("PV without the noise");
  if (series.kind == K::X) return QStringLiteral("X");
  // Numbered as the comparison lists the kept runs, oldest first.
  const auto& kept = book_.Kept();
  const auto at = std::find_if(kept.begin(), kept.end(),
                               [&](const KeptRun& run) { return run.id == series.kept; });
  return ChartWords::tr("PV of run %1")
      .arg(ProseCount(static_cast<std::int64_t>(at - kept.begin()) + 1, locale_));
}

QString ChartReadout::Number(double value) const {
  return QString::fromStdString(FormatValue(value, book_.Numbers().decimalSeparator));
}

QString ChartReadout::Values(SeriesId series, std::size_t row) const {
  const QString step = ProseCount(ResponseTrace::StepOf(row), locale_);
  const ResponseTrace& trace = book_.Current();
  if (series.kind == SeriesId::Kind::Pv) {
    const ResponseSample& sample = trace.Sample(row);
    return ChartWords::tr("Step %1: PV %2, SP %3, X %4")
        .arg(step, Number(sample.pv), ProseNumber(trace.SetPointOf(row), locale_),
             Number(sample.x));
  }
  const std::optional<double> value = SeriesValue(book_, series, row);
  if (!value) return ChartWords::tr("Step %1: %2 has no value here").arg(step, Name(series));
  return ChartWords::tr("Step %1: %2 %3").arg(step, Name(series), Number(*value));
}

QString ChartReadout::MarkText(SeriesId series, const RunMark& mark) const {
  using K = RunMark::Kind;
  const QString limit = ProseCount(static_cast<std::int64_t>(LimitValue(mark.limit)), locale_);
  switch (mark.kind) {
    case K::RiseStart:
      return (falling_ ? ChartWords::tr("fall from here (past %1\u00a0% of the change)")
                       : ChartWords::tr("rise from here (past %1\u00a0% of the change)"))
          .arg(ProseCount(10, locale_));
    case K::RiseEnd:
      return (falling_ ? ChartWords::tr("fall to here (past %1\u00a0% of the change)")
                       : ChartWords::tr("rise to here (past %1\u00a0% of the change)"))
          .arg(ProseCount(90, locale_));
    case K::Peak:
      return falling_ ? ChartWords::tr("lowest point") : ChartWords::tr("peak");
    case K::Settled:
      return ChartWords::tr("settled from here");
    case K::LimitEntry:
      return ChartWords::tr("X reaches its limit %1").arg(limit);
    case K::LimitExit:
      return ChartWords::tr("X leaves its limit %1").arg(limit);
    case K::SetPointChange:
      return ChartWords::tr("SP changes to %1")
          .arg(ProseNumber(SetPointAt(SeriesSetPoints(book_, series), mark.row), locale_));
    case K::LoadChange:
      return ChartWords::tr("the load on the plant's input becomes %1")
          .arg(ProseNumber(LoadAt(SeriesSetPoints(book_, series), mark.row), locale_));
    case K::Crossing:
      return ChartWords::tr("PV crosses SP");
  }
  return {};
}

QStringList ChartReadout::Facts(SeriesId series, std::size_t row) const {
  QStringList facts;
  const auto at =
      std::equal_range(marks_.begin(), marks_.end(), RunMark{row},
                       [](const RunMark& a, const RunMark& b) { return a.row < b.row; });
  // Only the series' own marks: a peak read on X would be taken for X's.
  const MarkKinds own = MarkKindsOf(series.kind);
  bool entered = false;
  for (auto mark = at.first; mark != at.second; ++mark) {
    if (!own.test(static_cast<std::size_t>(mark->kind))) continue;
    facts << MarkText(series, *mark);
    entered = entered || mark->kind == RunMark::Kind::LimitEntry;
  }
  // X's limits are said with X, and with PV, which reads X too; a kept
  // run's X is not kept.
  if (series.kind != SeriesId::Kind::Pv && series.kind != SeriesId::Kind::X) return facts;
  const Limit limit = book_.Current().LimitAt(row);
  if (limit != Limit::None && !entered) {
    facts.prepend(ChartWords::tr("X at its limit %1")
                      .arg(ProseCount(static_cast<std::int64_t>(LimitValue(limit)), locale_)));
  }
  return facts;
}

QString ChartReadout::Row(SeriesId series, int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= book_.Current().Size()) return {};
  const auto r = static_cast<std::size_t>(row);
  const QString text = Values(series, r);
  const QStringList facts = Facts(series, r);
  if (facts.isEmpty()) return text;
  return ChartWords::tr("%1; %2", "a step's values; what the chart marks at it")
      .arg(text, Joined(facts, ChartWords::tr("%1, %2", "two of the marks at one step")));
}

}  // namespace corvale
