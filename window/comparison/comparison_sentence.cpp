#include "window/comparison/comparison_sentence.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>
#include <utility>

#include "window/comparison/comparison_speech.h"
#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

// What changed in the tuning, each gain as the boxes write it.
QStringList Tuning(const Gains& now, const Gains& before, const QLocale& locale) {
  const std::pair<const char*, double Gains::*> gains[] = {
      {"Kp", &Gains::Kp}, {"Ki", &Gains::Ki}, {"Kd", &Gains::Kd}, {"SP", &Gains::SP}};
  QStringList clauses;
  for (const auto& [name, gain] : gains) {
    const QString is = ProseNumber(now.*gain, locale), was = ProseNumber(before.*gain, locale);
    if (is != was)
      clauses << ComparisonWords::tr("%1 %2 instead of %3").arg(QLatin1String(name), is, was);
  }
  if (clauses.empty()) clauses << ComparisonWords::tr("the same gains and SP");
  return clauses;
}

QString Rise(const StepFigures& f, const QLocale& locale) {
  const auto steps = f.RiseSteps();
  if (!steps) return ComparisonWords::tr("not reached");
  // Both crossings in one step, as the table's "under 1" says it.
  return *steps == 0 ? ComparisonWords::tr("under 1 step") : StepsPhrase(*steps, locale);
}

// Below the transcript's last digit an error is the loop's rounding.
double ShownError(const StepFigures& f) {
  const double error = f.SteadyStateError();
  return std::abs(error) < kSmallestStep ? 0 : error;
}

// The figures of two settled responses, each where it reads otherwise.
QStringList SettledFigures(const StepFigures& now, const StepFigures& before,
                           const QLocale& locale) {
  QStringList clauses;
  const auto differing = [&clauses](const QString& clause, const QString& is, const QString& was) {
    if (is != was) clauses << clause.arg(is, was);
  };
  differing(now.Falling() && before.Falling() ? ComparisonWords::tr("fall time %1 instead of %2")
                                              : ComparisonWords::tr("rise time %1 instead of %2"),
            Rise(now, locale), Rise(before, locale));
  differing(ComparisonWords::tr("overshoot %1\u00a0% instead of %2\u00a0%"),
            ProsePercent(now.overshootPercent, locale),
            ProsePercent(before.overshootPercent, locale));
  differing(ComparisonWords::tr("settled from step %1 instead of step %2"),
            ProseCount(*now.settledFrom, locale), ProseCount(*before.settledFrom, locale));
  differing(ComparisonWords::tr("steady-state error %1 instead of %2"),
            ProseNumber(ShownError(now), locale), ProseNumber(ShownError(before), locale));
  if (clauses.empty()) clauses << ComparisonWords::tr("the same figures");
  return clauses;
}

// Where one response or neither has settled, there is only its settling to tell.
QString Settling(const StepFigures& now, const StepFigures& before, const QLocale& locale) {
  const auto step = [&locale](const StepFigures& f) { return ProseCount(*f.settledFrom, locale); };
  if (now.settled)
    return ComparisonWords::tr("settled from step %1, where before it did not settle")
        .arg(step(now));
  if (before.settled) {
    return ComparisonWords::tr("not settled, where before it settled from step %1")
        .arg(step(before));
  }
  return ComparisonWords::tr("not settled, as before");
}

}  // namespace

QString AgainstBefore(const Gains& nowGains, const StepFigures& now, const Gains& beforeGains,
                      const StepFigures& before, const QLocale& locale) {
  const auto measurable = [](const StepFigures& f) { return f.isStep && !NothingToMeasure(f); };
  if (!measurable(now) || !measurable(before)) return {};
  QStringList clauses = Tuning(nowGains, beforeGains, locale);
  if (now.settled && before.settled) {
    clauses << SettledFigures(now, before, locale);
  } else {
    clauses << Settling(now, before, locale);
  }
  QString joined = clauses.front();
  for (qsizetype i = 1; i < clauses.size(); ++i) {
    joined = ComparisonWords::tr("%1; %2", "two clauses of the comparison with the run before")
                 .arg(joined, clauses[i]);
  }
  return ComparisonWords::tr("Compared with the run before: %1.").arg(joined);
}

}  // namespace corvale
