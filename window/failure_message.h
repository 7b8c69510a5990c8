#pragma once

#include <QLocale>
#include <QString>

#include "failure.h"

namespace corvale {

// What the user is told when a command cannot run: which box, the text as
// typed, and what would be accepted instead, its numbers written as `locale`
// writes them, the locale the window reads with. Plain text, never markup.
QString FailureMessage(const Failure& failure, const QLocale& locale);

}  // namespace corvale
