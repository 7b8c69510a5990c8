#include "window/comparison/comparison_speech.h"

#include <QCoreApplication>
#include <cmath>

#include "window/prose_number.h"

namespace corvale {
namespace {

class Words {
  Q_DECLARE_TR_FUNCTIONS(RunComparison)
};

using C = RunComparisonModel;

// The steps a cell counts, as its text writes the number.
QString Steps(const ComparisonCell& cell) {
  return *cell.value == 1 ? Words::tr("1 step") : Words::tr("%1 steps").arg(cell.text);
}

// A number cell, named by its column, with its unit.
QString NamedNumber(C::Column column, const ComparisonCell& cell) {
  switch (column) {
    case C::kSteps:
      return Steps(cell);
    case C::kRise:
      // Both crossings in one step, as the cell's "under 1" says it.
      return *cell.value == 0 ? Words::tr("Rise time under 1 step")
                              : Words::tr("Rise time %1").arg(Steps(cell));
    case C::kPeak:
      return Words::tr("Peak %1").arg(cell.text);
    case C::kOvershoot:
      return Words::tr("Overshoot %1\u00a0%").arg(cell.text);
    case C::kSettling:
      return Words::tr("Settling time %1").arg(Steps(cell));
    case C::kSettledFrom:
      return Words::tr("Settled from step %1").arg(cell.text);
    case C::kError:
      return Words::tr("Steady-state error %1").arg(cell.text);
    case C::kAtZero:
      return Words::tr("X at 0 for %1").arg(Steps(cell));
    case C::kAtFull:
      return Words::tr("X at 255 for %1").arg(Steps(cell));
    default:  // the gains and SP, named as everywhere
      return ColumnName(column) + u' ' + cell.text;
  }
}

}  // namespace

QString SpokenColumnName(C::Column column) {
  switch (column) {
    case C::kSteps:
      return Words::tr("Steps run");
    case C::kRise:
      return Words::tr("Rise time in steps");
    case C::kPeak:
      return Words::tr("Peak of PV");
    case C::kOvershoot:
      return Words::tr("Overshoot in percent");
    case C::kSettling:
      return Words::tr("Settling time in steps");
    case C::kSettledFrom:
      return Words::tr("Settled from step");
    case C::kError:
      return Words::tr("Steady-state error");
    case C::kAtZero:
      return Words::tr("Steps X sat at 0");
    case C::kAtFull:
      return Words::tr("Steps X sat at 255");
    default:  // the run, its gains and SP: named as shown
      return ColumnName(column);
  }
}

QString SpokenCell(C::Column column, const ComparisonCell& cell, bool bare) {
  const bool none = !cell.value && cell.text == NoFigure();
  if (bare) return none ? Words::tr("none") : cell.text;
  if (none) return Words::tr("%1: none").arg(SpokenColumnName(column));
  if (cell.value) return NamedNumber(column, cell);
  switch (column) {
    case C::kRun:
      return Words::tr("Run %1").arg(cell.text);
    case C::kSettling:
      return Words::tr("Settling time: %1").arg(cell.text);
    default:  // why the rise has no figure
      return Words::tr("Rise time: %1").arg(cell.text);
  }
}

QString StepsPhrase(std::int64_t steps, const QLocale& locale) {
  return Steps({ProseCount(steps, locale), static_cast<double>(steps)});
}

}  // namespace corvale
