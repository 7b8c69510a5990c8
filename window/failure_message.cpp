#include "failure_message.h"

#include <QCoreApplication>

#include "commands.h"

namespace corvale {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text as typed, made printable and short enough for a message: control
// characters show as their Unicode pictures, a long text is cut between two
// characters, and the whole stands in a directional isolate so that marks and
// overrides in it cannot turn the message around.
QString Quoted(const std::string& text) {
  constexpr qsizetype kShown = 40;
  QString shown = QString::fromStdString(text);
  const bool cut = shown.size() > kShown;
  if (cut) shown.truncate(shown[kShown - 1].isHighSurrogate() ? kShown - 1 : kShown);
  for (QChar& c : shown) {
    if (c.unicode() < 0x20) c = QChar(0x2400 + c.unicode());
    if (c.unicode() == 0x7f) c = QChar(0x2421);
  }
  return QCoreApplication::translate("FailureMessage", "\u201C%1\u201D",
                                     "the text as typed, in the language's quotation marks")
      .arg(QStringLiteral("\u2068") + shown + QStringLiteral("\u2069") +
           (cut ? QStringLiteral("\u2026") : QString()));
}

QString Million(std::size_t characters) { return QString::number(characters / 1'000'000); }

}  // namespace

QString FailureMessage(const Failure& failure, const NumberFormat& numbers) {
  const QString box = FromUtf8(Describe(failure.box).label);
  const QString text = Quoted(failure.text);
  const QString point = FromUtf8(numbers.decimalSeparator);
  const QString step = QString::number(failure.step);
  switch (failure.reason) {
    case FailureReason::NotANumber:
      if (failure.text.find_first_not_of(" \t") == std::string::npos) {
        return QCoreApplication::translate("FailureMessage", "%1 is empty. Type a number there.")
            .arg(box);
      }
      if (failure.box == Box::Loops) {
        return QCoreApplication::translate("FailureMessage",
                                           "Loops: %1 is not a number.\n\nType how many steps to "
                                           "add, for example 100.")
            .arg(text);
      }
      return QCoreApplication::translate(
                 "FailureMessage",
                 "%1: %2 is not a number.\n\nType digits with at most one decimal separator "
                 "\u201C%3\u201D, an optional sign and an optional exponent, for example %4, -2 "
                 "or %5.")
          .arg(box, text, point, point + QLatin1String("5"), QLatin1String("1") + point + "5e3");
    case FailureReason::NotAWholeNumber:
      return QCoreApplication::translate("FailureMessage",
                                         "Loops: %1 is not a whole number.\n\nType how many steps "
                                         "to add, for example 100.")
          .arg(text);
    case FailureReason::OutOfRange:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "%1: %2 is out of range.\n\nNumbers must lie between -%3 and %3.")
          .arg(box, text, QLatin1String("1") + point + QLatin1String("797e308"));
    case FailureReason::TooManySteps:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Loops: %1 asks for too many steps.\n\nOne run adds at most %2 rows; press "
                 "Continue for more.")
          .arg(text, QString::number(kMaxStepsPerRun));
    case FailureReason::Overflow:
      // A run that fails at step 1 has not begun: nothing of it was kept.
      if (failure.step == 1) {
        return QCoreApplication::translate(
                   "FailureMessage",
                   "Step 1 cannot be computed: with %1 %2 its result leaves the range of "
                   "numbers.\n\nNothing was changed.")
            .arg(box, text);
      }
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 cannot be computed: with %2 %3 its result leaves the range of "
                 "numbers.\n\nNothing was written for step %1; the rows before it stay.")
          .arg(step, box, text);
    case FailureReason::RunTooLong:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 would take this run past %2 million characters, the most one run "
                 "adds.\n\nNothing was written for step %1; the rows before it stay. Press "
                 "Continue for more.")
          .arg(step, Million(kMaxRunText));
    case FailureReason::TranscriptTooLong:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 would take the transcript past %2 million characters, the most it "
                 "keeps.\n\nNothing was written for step %1; the rows before it stay. Press "
                 "Compute to start afresh.")
          .arg(step, Million(kMaxTranscriptText));
    case FailureReason::OutOfMemory:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 cannot be shown: there is not enough memory for the rows.\n\nNo row of "
                 "this run was kept; ask for fewer steps.")
          .arg(step);
  }
  return {};
}

}  // namespace corvale
