#include "window/words/response_text.h"
#include "simulation/plant.h"
#include "window/words/contexts.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "window/words/prose_number.h"

namespace corvale {
namespace {

// The percentages that define the figures, as the sentences pass them on:
// every number in the window's own digits.
constexpr int kRiseLow = 10, kRiseHigh = 90, kBand = 2;

// Numbers as the sentences write them in one locale.
class Prose {
 public:
  explicit Prose(const QLocale& locale) : locale_(locale) {}
  QString Number(double value) const { return ProseNumber(value, locale_); }
  QString Count(std::int64_t n) const { return ProseCount(n, locale_); }
  QString Percent(double percent) const { return ProsePercent(percent, locale_); }
  QString Fixed(double value, int decimals) const { return ProseFixed(value, decimals, locale_); }

 private:
  const QLocale& locale_;
};

// One limit's steps, as a clause the limits' sentence joins.
QString AtLimit(const LimitSpan& span, const QString& limit, const Prose& p) {
  if (span.steps == 1)
    return ResponseWords::tr("X at %1: step %2 only").arg(limit, p.Count(span.first));
  return (span.Consecutive()
              ? ResponseWords::tr("X at %1: %2 steps, from step %3 to step %4")
              : ResponseWords::tr(
                    "X at %1: %2 steps between step %3 and step %4, not all consecutive"))
      .arg(limit, p.Count(span.steps), p.Count(span.first), p.Count(span.last));
}

QString Rise(const StepFigures& f, const Prose& p) {
  const QString name =
      f.Falling() ? ResponseWords::tr("Fall time") : ResponseWords::tr("Rise time");
  const auto steps = f.RiseSteps();
  if (!steps) {
    return ResponseWords::tr("%1: PV did not reach %2\u00A0% of the change.")
        .arg(name, p.Count(kRiseHigh));
  }
  const QString low = p.Count(kRiseLow), high = p.Count(kRiseHigh);
  if (*steps == 0) {
    return ResponseWords::tr("%1 (%2–%3\u00A0% of the change): under one step, at step %4.")
        .arg(name, low, high, p.Count(*f.riseTo));
  }
  return (*steps == 1 ? ResponseWords::tr(
                            "%1 (%2–%3\u00A0% of the change): one step, from step %4 to step %5.")
                            .arg(name, low, high)
                      : ResponseWords::tr(
                            "%1 (%2–%3\u00A0% of the change): %4 steps, from step %5 to step %6.")
                            .arg(name, low, high, p.Count(*steps)))
      .arg(p.Count(*f.riseFrom), p.Count(*f.riseTo));
}

// As stepinfo counts it: from the step's start, the first step measured.
QString Settling(const StepFigures& f, const Prose& p) {
  const std::int64_t steps = *f.settledFrom - f.firstStep;
  const QString band = p.Count(kBand);
  if (steps == 0) {
    return ResponseWords::tr(
               "Settling time (±%1\u00A0% of the change): none, PV is within the band "
               "from step %2 on.")
        .arg(band, p.Count(f.firstStep));
  }
  return (steps == 1
              ? ResponseWords::tr(
                    "Settling time (±%1\u00A0% of the change): one step, from step %2 to step %3.")
                    .arg(band)
              : ResponseWords::tr(
                    "Settling time (±%1\u00A0% of the change): %2 steps, from step %3 to step %4.")
                    .arg(band, p.Count(steps)))
      .arg(p.Count(f.firstStep), p.Count(*f.settledFrom));
}

// What PV did, as the figures measure it: rise, peak and settling; or why
// there is nothing to measure; or how PV still moves.
void Response(const StepFigures& f, const Prose& p, QStringList& lines) {
  if (!f.isStep) {
    lines << ResponseWords::tr("No step: SP changed by less than %1 from its previous value.")
                 .arg(p.Fixed(kSmallestStep, 5));
    return;
  }
  if (NothingToMeasure(f)) {
    lines << (NeverMoved(f)
                  ? ResponseWords::tr("No response to measure: PV stayed at %1.")
                  : ResponseWords::tr(
                        "No change to measure: PV moved, but ended where it started, at %1."))
                 .arg(p.Number(f.start));
    return;
  }
  if (!f.settled) {
    lines << ResponseWords::tr("Not settled: from step %1 on, PV still moves between %2 and %3.")
                 .arg(p.Count(f.tailFrom), p.Number(f.tail.low), p.Number(f.tail.high));
    return;
  }
  lines << Rise(f, p);
  // A fall's extreme is its lowest point, past which PV overshoots downward;
  // either is measured against the final value, which stepinfo takes for
  // the response's end, not against SP.
  lines << (f.Falling()
                ? ResponseWords::tr("Lowest point: PV %1 at step %2; overshoot %3\u00A0% of the "
                                    "change, beyond the final value %4.")
                : ResponseWords::tr("Peak: PV %1 at step %2; overshoot %3\u00A0% of the change, "
                                    "beyond the final value %4."))
               .arg(p.Number(f.peak), p.Count(f.peakStep), p.Percent(f.overshootPercent),
                    p.Number(f.finalValue));
  lines << Settling(f, p);
}

QString Limits(const StepFigures& f, const Prose& p) {
  const QString zero = p.Number(kOutputLow), full = p.Number(kOutputHigh);
  QStringList limits;
  if (f.atZero.steps > 0) limits << AtLimit(f.atZero, zero, p);
  if (f.atFull.steps > 0) limits << AtLimit(f.atFull, full, p);
  if (limits.size() == 2) {
    return ResponseWords::tr("%1; %2.", "the clauses of X at 0 and X at 255")
        .arg(limits[0], limits[1]);
  }
  if (limits.size() == 1)
    return ResponseWords::tr("%1.", "the clause of X at one limit").arg(limits[0]);
  return ResponseWords::tr("X at %1 or %2: never.").arg(zero, full);
}

}  // namespace

QString ResponseText(const StepFigures& f, const QLocale& locale) {
  const Prose p(locale);
  QStringList lines;
  lines << (f.firstStep == f.lastStep
                ? ResponseWords::tr("Step response at step %1: PV from %2 toward SP %3.")
                      .arg(p.Count(f.firstStep), p.Number(f.start), p.Number(f.setPoint))
                : ResponseWords::tr(
                      "Step response from step %1 to step %2: PV from %3 toward SP %4.")
                      .arg(p.Count(f.firstStep), p.Count(f.lastStep), p.Number(f.start),
                           p.Number(f.setPoint)));
  if (!f.Reachable() && !f.defaultPlant) {
    lines << ResponseWords::tr(
                 "SP cannot be reached: with X from %1 to %2, this plant's PV settles between %3 "
                 "and %4.")
                 .arg(p.Number(kOutputLow), p.Number(kOutputHigh), p.Number(f.settling.low),
                      p.Number(f.settling.high));
  } else if (!f.Reachable()) {
    lines << (f.setPoint > kHighestPv
                  ? ResponseWords::tr(
                        "SP cannot be reached: with the plant's gain of one half and X at "
                        "most %1, PV never passes %2.")
                        .arg(p.Number(kOutputHigh), p.Number(kHighestPv))
                  : ResponseWords::tr(
                        "SP cannot be reached: X is at least %1, so PV never falls below %1.")
                        .arg(p.Count(0)));
  }
  Response(f, p, lines);
  // The error is a difference of PVs that the transcript shows to its last
  // digit; below that digit lie the loop's roundings (a Continue's fresh D
  // moves PV by less), not an error a teacher would name.
  // A PV still moving has no steady state to be in error.
  const double error = f.SteadyStateError();
  if (f.settled || !f.isStep) {
    lines << ResponseWords::tr("Steady-state error (SP − final PV): %1.")
                 .arg(p.Number(std::abs(error) < kSmallestStep ? 0 : error));
  }
  lines << Limits(f, p);
  return lines.join(u'\n');
}

}  // namespace corvale
