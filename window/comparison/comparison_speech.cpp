#include "window/comparison/comparison_speech.h"

#include <QCoreApplication>
#include <cmath>

#include "window/words/contexts.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

// The steps a cell counts, as its text writes the number.
QString Steps(const ComparisonCell& cell) {
  return *cell.value == 1 ? ComparisonWords::tr("1 step")
                          : ComparisonWords::tr("%1 steps").arg(cell.text);
}

// A number cell, named by its column, with its unit.
QString NamedNumber(C::Column column, const ComparisonCell& cell) {
  switch (column) {
    case C::kSteps:
      return Steps(cell);
    case C::kRise:
      return ComparisonWords::tr("Rise time %1").arg(Steps(cell));
    case C::kPeak:
      return ComparisonWords::tr("Peak %1").arg(cell.text);
    case C::kOvershoot:
      return ComparisonWords::tr("Overshoot %1\u00a0%").arg(cell.text);
    case C::kSettling:
      return ComparisonWords::tr("Settling time %1").arg(Steps(cell));
    case C::kSettledFrom:
      return ComparisonWords::tr("Settled from step %1").arg(cell.text);
    case C::kError:
      return ComparisonWords::tr("Steady-state error %1").arg(cell.text);
    case C::kAtZero:
      return ComparisonWords::tr("X at 0 for %1").arg(Steps(cell));
    case C::kAtFull:
      return ComparisonWords::tr("X at 255 for %1").arg(Steps(cell));
    case C::kDeadTime:
      return ComparisonWords::tr("Dead time %1").arg(Steps(cell));
    case C::kLoadStep:
      return ComparisonWords::tr("Load from step %1").arg(cell.text);
    default:  // the gains, SP, the plant and the options, named as shown
      return ColumnName(column) + u' ' + cell.text;
  }
}

}  // namespace

QString SpokenColumnName(C::Column column) {
  switch (column) {
    case C::kSteps:
      return ComparisonWords::tr("Steps run");
    case C::kRise:
      return ComparisonWords::tr("Rise time in steps");
    case C::kPeak:
      return ComparisonWords::tr("Peak of PV");
    case C::kOvershoot:
      return ComparisonWords::tr("Overshoot in percent");
    case C::kSettling:
      return ComparisonWords::tr("Settling time in steps");
    case C::kSettledFrom:
      return ComparisonWords::tr("Settled from step");
    case C::kError:
      return ComparisonWords::tr("Steady-state error");
    case C::kAtZero:
      return ComparisonWords::tr("Steps X sat at 0");
    case C::kAtFull:
      return ComparisonWords::tr("Steps X sat at 255");
    case C::kPlantGain:
      return ComparisonWords::tr("Plant gain K");
    case C::kLag1:
      return ComparisonWords::tr("First lag T1 in steps");
    case C::kLag2:
      return ComparisonWords::tr("Second lag T2 in steps");
    case C::kDeadTime:
      return ComparisonWords::tr("Dead time in steps");
    case C::kTrackingGain:
      return ComparisonWords::tr("Tracking gain Kb");
    case C::kDerivativeOn:
      return ComparisonWords::tr("D acts on");
    default:  // the run, its gains, SP and the other options: named as shown
      return ColumnName(column);
  }
}

QString SpokenCell(C::Column column, const ComparisonCell& cell, bool bare) {
  const bool none = !cell.value && cell.text == NoFigure();
  if (bare) return none ? ComparisonWords::tr("none") : cell.text;
  if (none) return ComparisonWords::tr("%1: none").arg(SpokenColumnName(column));
  if (cell.value) return NamedNumber(column, cell);
  switch (column) {
    case C::kRun:
      return ComparisonWords::tr("Run %1").arg(cell.text);
    case C::kSettling:
      return ComparisonWords::tr("Settling time: %1").arg(cell.text);
    case C::kAntiWindup:
      return ComparisonWords::tr("Anti-windup: %1").arg(cell.text);
    case C::kDerivativeOn:
      return ComparisonWords::tr("D on %1").arg(cell.text);
    default:
      // Both crossings in one step, as the cell's "under 1" says it; else
      // why the rise has no figure.
      return cell.text == ComparisonWords::tr("under 1")
                 ? ComparisonWords::tr("Rise time under 1 step")
                 : ComparisonWords::tr("Rise time: %1").arg(cell.text);
  }
}

QString StepsPhrase(std::int64_t steps, const QLocale& locale) {
  return Steps({ProseCount(steps, locale), static_cast<double>(steps)});
}

}  // namespace corvale
