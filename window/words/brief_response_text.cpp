#include "window/words/brief_response_text.h"

#include <QStringList>
#include <cmath>

#include "simulation/plant.h"
#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

constexpr int kRiseHigh = 90;

QString LimitSentence(const LimitSpan& span, double limit, const QLocale& locale) {
  const QString at = ProseNumber(limit, locale);
  if (span.steps == 1) {
    return ResponseWords::tr("X at %1: step %2 only.").arg(at, ProseCount(span.first, locale));
  }
  return (span.Consecutive() ? ResponseWords::tr("X at %1: %2 steps, step %3 to %4.")
                             : ResponseWords::tr("X at %1: %2 steps between step %3 and %4."))
      .arg(at, ProseCount(span.steps, locale), ProseCount(span.first, locale),
           ProseCount(span.last, locale));
}

QString Rise(const StepFigures& f, const QLocale& locale) {
  const QString name =
      f.Falling() ? ResponseWords::tr("Fall time") : ResponseWords::tr("Rise time");
  const auto steps = f.RiseSteps();
  if (!steps) {
    return ResponseWords::tr("%1: PV did not reach %2\u00A0%.")
        .arg(name, ProseCount(kRiseHigh, locale));
  }
  if (*steps == 0) {
    return ResponseWords::tr("%1: under one step, at step %2.")
        .arg(name, ProseCount(*f.riseTo, locale));
  }
  return (*steps == 1 ? ResponseWords::tr("%1: one step, step %2 to %3.").arg(name)
                      : ResponseWords::tr("%1: %2 steps, step %3 to %4.")
                            .arg(name, ProseCount(*steps, locale)))
      .arg(ProseCount(*f.riseFrom, locale), ProseCount(*f.riseTo, locale));
}

QString Settling(const StepFigures& f, const QLocale& locale) {
  const std::int64_t steps = *f.settledFrom - f.firstStep;
  if (steps == 0) {
    return ResponseWords::tr("Settling time: none, PV in the band from step %1 on.")
        .arg(ProseCount(f.firstStep, locale));
  }
  const QString first = ProseCount(f.firstStep, locale), last = ProseCount(*f.settledFrom, locale);
  if (steps == 1) {
    return ResponseWords::tr("Settling time: one step, step %1 to %2.").arg(first, last);
  }
  return ResponseWords::tr("Settling time: %1 steps, step %2 to %3.")
      .arg(ProseCount(steps, locale), first, last);
}

// What PV did: rise, peak and settling; or why there is nothing to measure.
void Response(const StepFigures& f, const QLocale& locale, QStringList& lines) {
  if (!f.isStep) {
    lines << ResponseWords::tr("No step: SP changed by less than %1.")
                 .arg(ProseFixed(kSmallestStep, 5, locale));
  } else if (NothingToMeasure(f)) {
    lines << (NeverMoved(f) ? ResponseWords::tr("No response: PV stayed at %1.")
                            : ResponseWords::tr("No change: PV ended where it started, at %1."))
                 .arg(ProseNumber(f.start, locale));
  } else if (!f.settled) {
    lines << ResponseWords::tr("Not settled: PV between %1 and %2 from step %3 on.")
                 .arg(ProseNumber(f.tail.low, locale), ProseNumber(f.tail.high, locale),
                      ProseCount(f.tailFrom, locale));
  } else {
    lines << Rise(f, locale);
    lines << (f.Falling() ? ResponseWords::tr("Lowest point: %1 at step %2, overshoot %3\u00A0%.")
                          : ResponseWords::tr("Peak: %1 at step %2, overshoot %3\u00A0%."))
                 .arg(ProseNumber(f.peak, locale), ProseCount(f.peakStep, locale),
                      ProsePercent(f.overshootPercent, locale));
    lines << Settling(f, locale);
  }
}

}  // namespace

QString BriefResponseText(const StepFigures& f, const QLocale& locale) {
  QStringList lines;
  if (!f.Reachable()) {
    lines << (!f.defaultPlant ? ResponseWords::tr("SP out of reach: PV settles between %1 and %2.")
                                    .arg(ProseNumber(f.settling.low, locale),
                                         ProseNumber(f.settling.high, locale))
              : f.setPoint > kHighestPv
                  ? ResponseWords::tr("SP out of reach: PV never passes %1.")
                        .arg(ProseNumber(kHighestPv, locale))
                  : ResponseWords::tr("SP out of reach: PV never falls below %1.")
                        .arg(ProseCount(0, locale)));
  }
  Response(f, locale, lines);
  // As the full sentences have it: none while PV still moves, and the
  // roundings below the transcript's last digit no error.
  if (f.settled || !f.isStep) {
    const double error = f.SteadyStateError();
    lines << ResponseWords::tr("Steady-state error: %1.")
                 .arg(ProseNumber(std::abs(error) < kSmallestStep ? 0 : error, locale));
  }
  if (f.atZero.steps > 0) lines << LimitSentence(f.atZero, kOutputLow, locale);
  if (f.atFull.steps > 0) lines << LimitSentence(f.atFull, kOutputHigh, locale);
  return lines.join(u'\n');
}

}  // namespace corvale
