#include "window/words/run_names.h"

#include <QStringList>

#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

using F = RunField;

// SP as the run's commands changed it: "SP 300 → 5", the first and last of many.
QString SetPointsPhrase(const RunSummary& run, const QLocale& locale) {
  const std::vector<double> sps = SetPointChanges(run.setPoints);
  QStringList shown;
  for (std::size_t i = 0; i < sps.size(); ++i) {
    if (sps.size() > 3 && i == 1) shown << QStringLiteral("\u2026");
    if (sps.size() <= 3 || i == 0 || i + 1 == sps.size()) shown << ProseNumber(sps[i], locale);
  }
  if (shown.isEmpty()) shown << ProseNumber(run.gains.SP, locale);
  return QStringLiteral("SP ") + shown.join(QStringLiteral(" \u2192 "));
}

QString LoadPhrase(const LoopOptions& o, const QLocale& locale) {
  if (o.loadSize == 0) return RunWords::tr("Load %1").arg(ProseNumber(0, locale));
  return RunWords::tr("Load %1 from step %2")
      .arg(ProseNumber(o.loadSize, locale), ProseCount(o.loadStep, locale));
}

QString NoisePhrase(const LoopOptions& o, const QLocale& locale) {
  if (o.noise == 0) return RunWords::tr("Noise %1").arg(ProseNumber(0, locale));
  return RunWords::tr("Noise %1, seed %2")
      .arg(ProseNumber(o.noise, locale),
           ProseCount(static_cast<std::int64_t>(o.noiseSeed), locale));
}

QString AntiWindupPhrase(AntiWindup antiWindup) {
  switch (antiWindup) {
    case AntiWindup::None:
      break;
    case AntiWindup::Conditional:
      return RunWords::tr("Anti-windup: conditional");
    case AntiWindup::BackCalculation:
      return RunWords::tr("Anti-windup: back-calculation");
  }
  return RunWords::tr("Anti-windup: none");
}

// A number named by its symbol, as everywhere in every language: "T1 5".
QString Symbol(const char* symbol, double value, const QLocale& locale) {
  return QLatin1String(symbol) + u' ' + ProseNumber(value, locale);
}

}  // namespace

QString RunName(const RunSummary& run, RunFields fields, const QLocale& locale) {
  const LoopOptions& o = run.options;
  QStringList parts;
  const auto add = [&](F field, const QString& phrase) {
    if (fields.Has(field)) parts << phrase;
  };
  add(F::kPlantGain, Symbol("K", o.plant.K, locale));
  add(F::kLag1, Symbol("T1", o.plant.T1, locale));
  add(F::kLag2, Symbol("T2", o.plant.T2, locale));
  add(F::kDeadTime, RunWords::tr("Dead time %1").arg(ProseCount(o.plant.deadTime, locale)));
  add(F::kKp, Symbol("Kp", run.gains.Kp, locale));
  add(F::kKi, Symbol("Ki", run.gains.Ki, locale));
  add(F::kKd, Symbol("Kd", run.gains.Kd, locale));
  add(F::kSetPoints, SetPointsPhrase(run, locale));
  add(F::kAntiWindup, AntiWindupPhrase(o.antiWindup));
  if (o.antiWindup == AntiWindup::BackCalculation)
    add(F::kTrackingGain, Symbol("Kb", o.trackingGain, locale));
  add(F::kDerivativeOnPv, o.derivativeOnPv ? RunWords::tr("D on PV") : RunWords::tr("D on error"));
  if (fields.Has(F::kLoad) || fields.Has(F::kLoadStep)) parts << LoadPhrase(o, locale);
  if (fields.Has(F::kNoise) || fields.Has(F::kNoiseSeed)) parts << NoisePhrase(o, locale);
  return parts.join(QStringLiteral(", "));
}

std::vector<QString> RunNames(const std::vector<RunSummary>& runs, const QLocale& locale) {
  RunFields fields = DifferingFields(runs);
  if (fields.None()) fields = {F::kKp, F::kKi, F::kKd};
  std::vector<QString> names;
  for (const RunSummary& run : runs) names.push_back(RunName(run, fields, locale));
  return names;
}

QString AntiWindupWord(AntiWindup antiWindup) {
  switch (antiWindup) {
    case AntiWindup::None:
      break;
    case AntiWindup::Conditional:
      return RunWords::tr("conditional", "anti-windup");
    case AntiWindup::BackCalculation:
      return RunWords::tr("back-calculation", "anti-windup");
  }
  return RunWords::tr("none", "anti-windup");
}

QString SweepName(const std::vector<RunSummary>& runs, const QLocale& locale) {
  if (runs.empty() || !runs.front().sweep) return {};
  const RunField field = runs.front().sweep->field;
  const std::optional<double> last = FieldValue(runs.back(), field);
  const QString first = RunName(runs.front(), RunFields{field}, locale);
  if (runs.size() < 2 || !last) return first;
  return first + QStringLiteral(" \u2026 ") + ProseNumber(*last, locale);
}

}  // namespace corvale
