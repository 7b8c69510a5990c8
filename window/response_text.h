#pragma once

#include <QLocale>
#include <QString>

#include "step_info.h"

namespace corvale {

// The step-response figures of a run as sentences, for its picture's tooltip
// and for a screen reader: rise, peak and overshoot, settling, the final
// error and the steps at a limit, or why the set point cannot be reached.
// Values as the transcript writes them, in `locale`, the window's.
QString ResponseText(const StepFigures& figures, const QLocale& locale);

}  // namespace corvale
