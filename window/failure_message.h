#pragma once

#include <QString>

#include "failure.h"
#include "number_format.h"

namespace corvale {

// What the user is told when a command cannot run: which box, the text as
// typed, and what would be accepted instead, in the number format the run
// read with. Plain text, never markup.
QString FailureMessage(const Failure& failure, const NumberFormat& numbers);

}  // namespace corvale
