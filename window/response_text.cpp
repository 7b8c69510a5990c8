#include "response_text.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "prose_number.h"

namespace corvale {
namespace {

class Words {
  Q_DECLARE_TR_FUNCTIONS(ResponseText)
};

// One limit's steps, as a clause the limits' sentence joins.
QString AtLimit(const LimitSpan& span, const QString& limit, const QLocale& locale) {
  const auto count = [&locale](std::int64_t n) { return ProseCount(n, locale); };
  if (span.steps == 1) return Words::tr("X at %1: step %2 only").arg(limit, count(span.first));
  return (span.Consecutive()
              ? Words::tr("X at %1: %2 steps, from step %3 to step %4")
              : Words::tr("X at %1: %2 steps between step %3 and step %4, not all consecutive"))
      .arg(limit, count(span.steps), count(span.first), count(span.last));
}

QString Rise(const StepFigures& f, const QLocale& locale) {
  const auto count = [&locale](std::int64_t n) { return ProseCount(n, locale); };
  const QString name = f.Falling() ? Words::tr("Fall time") : Words::tr("Rise time");
  const auto steps = f.RiseSteps();
  if (!steps) return Words::tr("%1: PV did not reach 90 % of the change.").arg(name);
  if (*steps == 0) {
    return Words::tr("%1 (10–90 % of the change): under one step, at step %2.")
        .arg(name, count(*f.riseTo));
  }
  if (*steps == 1) {
    return Words::tr("%1 (10–90 % of the change): 1 step, from step %2 to step %3.")
        .arg(name, count(*f.riseFrom), count(*f.riseTo));
  }
  return Words::tr("%1 (10–90 % of the change): %2 steps, from step %3 to step %4.")
      .arg(name, count(*steps), count(*f.riseFrom), count(*f.riseTo));
}

}  // namespace

QString ResponseText(const StepFigures& f, const QLocale& locale) {
  const auto number = [&locale](double value) { return ProseNumber(value, locale); };
  const auto count = [&locale](std::int64_t n) { return ProseCount(n, locale); };
  QStringList lines;
  lines << (f.firstStep == f.lastStep
                ? Words::tr("Step response at step %1: PV from %2 toward SP %3.")
                      .arg(count(f.firstStep), number(f.start), number(f.setPoint))
                : Words::tr("Step response from step %1 to step %2: PV from %3 toward SP %4.")
                      .arg(count(f.firstStep), count(f.lastStep), number(f.start),
                           number(f.setPoint)));
  if (!f.Reachable()) {
    lines << (f.setPoint > 127.5
                  ? Words::tr("SP cannot be reached: with the plant's gain of one half and X at "
                              "most 255, PV never passes %1.")
                        .arg(number(127.5))
                  : Words::tr("SP cannot be reached: X is at least 0, so PV never falls below 0."));
  }
  const bool still = f.tail.high - f.tail.low < kSmallestStep;
  if (!f.isStep) {
    lines << Words::tr("No step: SP differs from where PV stood by less than 0.00005.");
  } else if (!f.settled && still && std::abs(f.finalValue - f.start) < kSmallestStep) {
    lines << Words::tr("No step to measure: PV ends where it started, at %1.").arg(number(f.start));
  } else if (f.settled) {
    lines << Rise(f, locale);
    // A fall's extreme is its lowest point, past which PV overshoots downward.
    lines << (f.Falling()
                  ? Words::tr("Lowest point: PV %1 at step %2; overshoot %3 % of the change.")
                  : Words::tr("Peak: PV %1 at step %2; overshoot %3 % of the change."))
                 .arg(number(f.peak), count(f.peakStep), ProsePercent(f.overshootPercent, locale));
    lines << Words::tr("Settling time (±2 % of the change): from step %1.")
                 .arg(count(*f.settledFrom));
  } else {
    lines << Words::tr("Not settled: from step %1 on, PV still moves between %2 and %3.")
                 .arg(count(f.tailFrom), number(f.tail.low), number(f.tail.high));
  }
  // The error is a difference of PVs that the transcript shows to its last
  // digit; below that digit lie the loop's roundings (a Continue's fresh D
  // moves PV by less), not an error a teacher would name.
  // A PV still moving has no steady state to be in error.
  const double error = f.SteadyStateError();
  if (f.settled || !f.isStep) {
    lines << Words::tr("Steady-state error (SP − final PV): %1.")
                 .arg(number(std::abs(error) < kSmallestStep ? 0 : error));
  }
  QStringList limits;
  if (f.atZero.steps > 0) limits << AtLimit(f.atZero, count(0), locale);
  if (f.atFull.steps > 0) limits << AtLimit(f.atFull, count(255), locale);
  lines
      << (limits.size() == 2
              ? Words::tr("%1; %2.", "the clauses of X at 0 and X at 255").arg(limits[0], limits[1])
          : limits.size() == 1 ? Words::tr("%1.", "the clause of X at one limit").arg(limits[0])
                               : Words::tr("Output at its limits: never."));
  return lines.join(u'\n');
}

}  // namespace corvale
