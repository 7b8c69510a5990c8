#pragma once

#include <QLocale>
#include <QString>

#include "labbook/step_info.h"
#include "simulation/step.h"

namespace corvale {

// One sentence that sets a run against the run before it, as a listener wants
// it after the figures themselves: first what changed in the gains and SP
// (those of each run's last command), then the figures that read otherwise:
// "Compared with the run before: Kd 0.5 instead of 0; rise time 4 steps
// instead of 9 steps; overshoot 4.8 % instead of 0.0 %; settled from step 28
// instead of step 18." Where nothing differs it says so ("the same gains and
// SP; the same figures"). Empty where either run has no response to compare
// (no step, or PV at rest where it started): its figures already say so.
QString AgainstBefore(const Gains& nowGains, const StepFigures& now, const Gains& beforeGains,
                      const StepFigures& before, const QLocale& locale);

}  // namespace corvale
