#pragma once

#include <QLocale>
#include <QString>
#include <string>

#include "form/failure.h"

namespace corvale {

// What the user is told when a command cannot run: which box, the text as
// typed, and what would be accepted instead, its numbers written as `locale`
// writes them, the locale the window reads with. Plain text, never markup.
QString FailureMessage(const Failure& failure, const QLocale& locale);

// A number that could not be read, in a field named `label`: the same words
// as a box's NotANumber or OutOfRange failure.
QString UnreadNumberMessage(const QString& label, const std::string& text, bool outOfRange,
                            const QLocale& locale);

// The same message as a screen reader should hear it: without the isolate
// that keeps the shown text's direction, whose marks a reader speaks aloud
// ("“⁨abc⁩”"). The text as typed shows its own marks by name, so the only
// ones left to drop are the message's.
QString SpokenFailureMessage(const Failure& failure, const QLocale& locale);

}  // namespace corvale
