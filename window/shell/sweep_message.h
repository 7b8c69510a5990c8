#pragma once

#include <QLocale>
#include <QString>

#include "form/sweep_command.h"

namespace corvale {

// What the user is told when a sweep's own inputs cannot start it: the
// field, the text as typed, and what would be accepted instead, as the
// boxes' failures say it. Plain text, never markup.
QString SweepInputMessage(const SweepInputFailure& failure, const QLocale& locale);

// What a sweep that ran says: what it swept, and where its runs are.
QString SweepSentence(const SweepRequest& request, int runs, const NumberFormat& numbers,
                      const QLocale& locale);

// Any message as a screen reader should hear it: without the direction
// marks that keep the shown text's direction.
QString SpokenMessage(QString message);

}  // namespace corvale
