#pragma once

#include <QString>

#include "failure.h"

class QLocale;

namespace corvale {

// What the user is told when a command cannot run: which box, the text as
// typed, and what would be accepted instead. Plain text, never markup.
QString FailureMessage(const Failure& failure, const QLocale& locale);

}  // namespace corvale
