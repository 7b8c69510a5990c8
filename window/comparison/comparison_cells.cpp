#include "window/comparison/comparison_cells.h"

#include <QCoreApplication>
#include <cmath>

#include "window/comparison/setting_cells.h"
#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

ComparisonCell Number(double value, const QLocale& locale) {
  return {ProseNumber(value, locale), value};
}

ComparisonCell Count(std::int64_t count, const QLocale& locale) {
  return {ProseCount(count, locale), static_cast<double>(count)};
}

ComparisonCell None() { return {NoFigure(), std::nullopt}; }

// The figures that only a settled response has.
ComparisonCell SettledCell(const StepFigures& f, RunComparisonModel::Column column,
                           const QLocale& locale) {
  using C = RunComparisonModel;
  switch (column) {
    case C::kRise:
      if (const auto steps = f.RiseSteps()) {
        // Both crossings in one step, as the figures' sentence says it: text,
        // since no number of steps is right, and a spreadsheet would take 0.
        if (*steps == 0) return {ComparisonWords::tr("under 1"), std::nullopt};
        return Count(*steps, locale);
      }
      return {ComparisonWords::tr("not reached"), std::nullopt};
    case C::kPeak:
      return Number(f.peak, locale);
    case C::kOvershoot:
      return {ProsePercent(f.overshootPercent, locale), std::round(f.overshootPercent * 10) / 10};
    case C::kSettling:
      return Count(*f.settledFrom - f.firstStep, locale);
    case C::kSettledFrom:
      return Count(*f.settledFrom, locale);
    case C::kError: {
      // Below the transcript's last digit lie the loop's roundings, not an error.
      const double error = f.SteadyStateError();
      return Number(std::abs(error) < kSmallestStep ? 0 : error, locale);
    }
    default:
      return None();
  }
}

}  // namespace

QString NoFigure() { return QStringLiteral("\u2014"); }

ComparisonCell FigureCell(const RunSummary& run, RunComparisonModel::Column column,
                          const QLocale& locale) {
  using C = RunComparisonModel;
  if (column == C::kSteps) return Count(run.steps, locale);
  if (!run.figures) return None();
  const StepFigures& f = *run.figures;
  if (column == C::kAtZero) return Count(f.atZero.steps, locale);
  if (column == C::kAtFull) return Count(f.atFull.steps, locale);
  if (f.settled) return SettledCell(f, column, locale);
  if (column == C::kRise && !f.isStep) return {ComparisonWords::tr("no step"), std::nullopt};
  // As the figures' sentence says it: PV at rest where it started is no
  // response, not one that has yet to settle.
  if (NothingToMeasure(f)) {
    if (column != C::kRise) return None();
    return {NeverMoved(f) ? ComparisonWords::tr("no response") : ComparisonWords::tr("no change"),
            std::nullopt};
  }
  if (column == C::kSettling && f.isStep) {
    return {ComparisonWords::tr("not settled: PV %1 to %2")
                .arg(ProseNumber(f.tail.low, locale), ProseNumber(f.tail.high, locale)),
            std::nullopt};
  }
  return None();
}

QString ColumnName(RunComparisonModel::Column column) {
  using C = RunComparisonModel;
  switch (column) {
    case C::kRun:
      return ComparisonWords::tr("Run");
    case C::kPlantGain:
      return QStringLiteral("K");
    case C::kLag1:
      return QStringLiteral("T1");
    case C::kLag2:
      return QStringLiteral("T2");
    case C::kDeadTime:
      return ComparisonWords::tr("Dead time");
    case C::kKp:
      return QStringLiteral("Kp");
    case C::kKi:
      return QStringLiteral("Ki");
    case C::kKd:
      return QStringLiteral("Kd");
    case C::kSP:
      return QStringLiteral("SP");
    case C::kAntiWindup:
      return ComparisonWords::tr("Anti-windup");
    case C::kTrackingGain:
      return QStringLiteral("Kb");
    case C::kDerivativeOn:
      return ComparisonWords::tr("D on");
    case C::kLoad:
      return ComparisonWords::tr("Load");
    case C::kLoadStep:
      return ComparisonWords::tr("Load from step");
    case C::kNoise:
      return ComparisonWords::tr("Noise");
    case C::kNoiseSeed:
      return ComparisonWords::tr("Noise seed");
    case C::kSteps:
      return ComparisonWords::tr("Steps");
    case C::kRise:
      return ComparisonWords::tr("Rise or fall");
    case C::kPeak:
      return ComparisonWords::tr("Peak or lowest");
    case C::kOvershoot:
      return ComparisonWords::tr("Overshoot\u00a0%");
    case C::kSettling:
      return ComparisonWords::tr("Settling");
    case C::kSettledFrom:
      return ComparisonWords::tr("Settled at");
    case C::kError:
      return ComparisonWords::tr("Error");
    case C::kAtZero:
      return ComparisonWords::tr("X at 0");
    case C::kAtFull:
      return ComparisonWords::tr("X at 255");
    case C::kColumnCount:
      break;
  }
  return {};
}

QString ColumnExplanation(RunComparisonModel::Column column) {
  using C = RunComparisonModel;
  switch (column) {
    case C::kRun:
      return ComparisonWords::tr(
          "The runs in the order they were computed; the last is the current one.");
    case C::kKp:
    case C::kKi:
    case C::kKd:
    case C::kSP:
      return ComparisonWords::tr("As the run's last Compute or Continue read it.");
    case C::kSteps:
      return ComparisonWords::tr("The run's steps, its Continues included.");
    case C::kRise:
      return ComparisonWords::tr(
          "Rise or fall time: the steps from 10\u00a0% to 90\u00a0% of the change, in the run's "
          "last step response.");
    case C::kPeak:
      return ComparisonWords::tr(
          "Peak or lowest point: PV farthest in the direction of the change.");
    case C::kOvershoot:
      return ComparisonWords::tr("How far PV went past the final value, in percent of the change.");
    case C::kSettling:
      // "\u00b1" ends its literal: lupdate would read "\u00b12" as one
      // character, and the text it keeps would not be the one looked up.
      return ComparisonWords::tr(
          "Settling time: the steps from the start of the step response until PV stays within "
          "\u00b1"
          "2\u00a0% of the change around its final value.");
    case C::kSettledFrom:
      return ComparisonWords::tr(
          "The first step from which PV stays within \u00b1"
          "2\u00a0% of the change.");
    case C::kError:
      return ComparisonWords::tr("Steady-state error: SP \u2212 final PV, once PV has settled.");
    case C::kAtZero:
    case C::kAtFull:
      return ComparisonWords::tr(
          "How many steps X sat at this limit in the run's last step response.");
    default:  // the plant and the options
      return SettingExplanation(column);
    case C::kColumnCount:
      break;
  }
  return {};
}

}  // namespace corvale
