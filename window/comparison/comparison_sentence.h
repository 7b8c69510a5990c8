#pragma once

#include <QLocale>
#include <QString>

#include "step_info.h"

namespace corvale {

// One sentence that sets a run's figures against the run before it, as a
// listener wants them after the figures themselves: "Compared with the run
// before: overshoot 4.8 % instead of 0.0 %; settled from step 28 instead of
// step 18." Empty where either run has no response to compare (no step, or
// PV at rest where it started): its figures already say so.
QString AgainstBefore(const StepFigures& now, const StepFigures& before, const QLocale& locale);

}  // namespace corvale
