#pragma once

#include <QLocale>
#include <QString>

#include "step_info.h"

namespace corvale {

// One sentence that sets a run's figures against the run before it, as a
// listener wants them after the figures themselves: "Against the run before:
// overshoot 4.8 %, before 0 %; settled from step 28, before 18."
QString AgainstBefore(const StepFigures& now, const StepFigures& before, const QLocale& locale);

}  // namespace corvale
