#include "window/comparison/setting_cells.h"

#include "window/words/contexts.h"
#include "window/words/prose_number.h"
#include "window/words/run_names.h"

namespace corvale {

ComparisonCell SettingCell(const RunSummary& run, RunField field, const QLocale& locale) {
  using F = RunField;
  if (field == F::kAntiWindup) return {AntiWindupWord(run.options.antiWindup), std::nullopt};
  if (field == F::kDerivativeOnPv) {
    return {run.options.derivativeOnPv ? ComparisonWords::tr("PV", "D acts on")
                                       : ComparisonWords::tr("error", "D acts on"),
            std::nullopt};
  }
  const std::optional<double> value = FieldValue(run, field);
  if (!value) return {NoFigure(), std::nullopt};
  // Whole numbers, as the Loop page's boxes take them: written out in full.
  if (field == F::kDeadTime || field == F::kLoadStep || field == F::kNoiseSeed)
    return {ProseCount(static_cast<std::int64_t>(*value), locale), *value};
  return {ProseNumber(*value, locale), *value};
}

QString SettingExplanation(RunComparisonModel::Column column) {
  using C = RunComparisonModel;
  QString what;
  switch (column) {
    case C::kPlantGain:
      what = ComparisonWords::tr("The plant's gain: PV settles at K times its input.");
      break;
    case C::kLag1:
    case C::kLag2:
      what = ComparisonWords::tr("The time constant of the plant's lag, in steps; 0 for none.");
      break;
    case C::kDeadTime:
      what = ComparisonWords::tr("Steps the plant waits before its input takes effect.");
      break;
    case C::kAntiWindup:
      what = ComparisonWords::tr("What kept I from winding up while X was held at 0 or 255.");
      break;
    case C::kTrackingGain:
      what = ComparisonWords::tr("Back-calculation's tracking gain; a dash for the other runs.");
      break;
    case C::kDerivativeOn:
      what = ComparisonWords::tr("Whether D acted on PV's change or on the error's.");
      break;
    case C::kLoad:
      what = ComparisonWords::tr("A load added to the plant's input.");
      break;
    case C::kLoadStep:
      what = ComparisonWords::tr("The step the load began at; a dash where there was none.");
      break;
    case C::kNoise:
      what = ComparisonWords::tr("The noise, up to this much either way, on the PV read.");
      break;
    case C::kNoiseSeed:
      what = ComparisonWords::tr("The seed the noise was drawn from; a dash where there was none.");
      break;
    default:
      return {};
  }
  return what + u' ' +
         ComparisonWords::tr(
             "As the run's last Compute or Continue read it; shown while some "
             "run differs from another in it.");
}

}  // namespace corvale
