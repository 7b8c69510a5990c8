#include "comparison_sentence.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "prose_number.h"

namespace corvale {
namespace {

class Words {
  Q_DECLARE_TR_FUNCTIONS(RunComparison)
};

// Below the transcript's last digit an error is the loop's rounding.
double ShownError(const StepFigures& f) {
  const double error = f.SteadyStateError();
  return std::abs(error) < kSmallestStep ? 0 : error;
}

QString Settling(const StepFigures& now, const StepFigures& before, const QLocale& locale) {
  const auto step = [&locale](const StepFigures& f) { return ProseCount(*f.settledFrom, locale); };
  if (now.settled && before.settled) {
    return Words::tr("settled from step %1 instead of step %2").arg(step(now), step(before));
  }
  if (now.settled)
    return Words::tr("settled from step %1, where before it did not settle").arg(step(now));
  if (before.settled) {
    return Words::tr("not settled, where before it settled from step %1").arg(step(before));
  }
  return Words::tr("not settled, as before");
}

}  // namespace

QString AgainstBefore(const StepFigures& now, const StepFigures& before, const QLocale& locale) {
  const auto measurable = [](const StepFigures& f) { return f.isStep && !NothingToMeasure(f); };
  if (!measurable(now) || !measurable(before)) return {};
  QStringList clauses;
  if (now.settled && before.settled) {
    clauses << Words::tr("overshoot %1\u00a0% instead of %2\u00a0%")
                   .arg(ProsePercent(now.overshootPercent, locale),
                        ProsePercent(before.overshootPercent, locale));
  }
  clauses << Settling(now, before, locale);
  if (now.settled && before.settled && ShownError(now) != ShownError(before)) {
    clauses << Words::tr("steady-state error %1 instead of %2")
                   .arg(ProseNumber(ShownError(now), locale),
                        ProseNumber(ShownError(before), locale));
  }
  QString joined = clauses.front();
  for (qsizetype i = 1; i < clauses.size(); ++i) {
    joined = Words::tr("%1; %2", "two clauses of the comparison with the run before")
                 .arg(joined, clauses[i]);
  }
  return Words::tr("Compared with the run before: %1.").arg(joined);
}

}  // namespace corvale
