#pragma once

#include <QLocale>
#include <QString>

#include "labbook/step_info.h"

namespace corvale {

// The step-response figures as the chart writes them beside its plot: the
// same figures as ResponseText's, in fewer words, one a line, the most useful
// first, so that a chart with room for only some shows those: why SP cannot
// be reached, then rise (or fall), peak and overshoot, settling, or how PV
// still moves; then the steady-state error and the steps at each limit. A
// limit X never reached says nothing on the chart and is left out, as is the
// heading: the chart's axes show the steps and the set point.
QString BriefResponseText(const StepFigures& figures, const QLocale& locale);

}  // namespace corvale
