#pragma once

#include <QLocale>
#include <QString>

#include "labbook/step_info.h"

namespace corvale {

// The step-response figures as sentences, one a line, for the chart,
// its tooltip and a screen reader: rise (or fall), peak and overshoot,
// settling, or how PV still moves; the steady-state error and the steps at a
// limit, or why the set point cannot be reached. Numbers as prose writes
// them in `locale`, the window's, not as the transcript's cells.
QString ResponseText(const StepFigures& figures, const QLocale& locale);

}  // namespace corvale
