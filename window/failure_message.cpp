#include "failure_message.h"

#include <QCoreApplication>
#include <QLocale>
#include <utility>

#include "commands.h"

namespace corvale {
namespace {

// The names of the direction controls that embed, override or isolate: in
// the user's text they show by name, so that none can end the isolate around
// it and turn the message's own words around.
QString DirectionControl(char16_t c) {
  static constexpr std::pair<char16_t, const char*> kNames[] = {
      {u'\u202A', "LRE"}, {u'\u202B', "RLE"}, {u'\u202C', "PDF"},
      {u'\u202D', "LRO"}, {u'\u202E', "RLO"}, {u'\u2066', "LRI"},
      {u'\u2067', "RLI"}, {u'\u2068', "FSI"}, {u'\u2069', "PDI"}};
  for (const auto& [control, name] : kNames) {
    if (c == control) return u'[' + QLatin1String(name) + u']';
  }
  return {};
}

// The text as typed, made printable and short enough for a message: control
// characters show as their Unicode pictures, direction controls by name, a
// long text is cut between two characters, and the whole stands in a
// directional isolate so that marks in it cannot turn the message around.
QString Quoted(const std::string& text) {
  constexpr qsizetype kShown = 40;
  QString typed = QString::fromStdString(text);
  const bool cut = typed.size() > kShown;
  if (cut) typed.truncate(typed[kShown - 1].isHighSurrogate() ? kShown - 1 : kShown);
  QString shown;
  for (const QChar c : typed) {
    if (const QString name = DirectionControl(c.unicode()); !name.isEmpty()) {
      shown += name;
    } else if (c.unicode() < 0x20) {
      shown += QChar(0x2400 + c.unicode());
    } else {
      shown += c.unicode() == 0x7f ? QChar(0x2421) : c;
    }
  }
  return QCoreApplication::translate("FailureMessage", "\u201C%1\u201D",
                                     "the text as typed, in the language's quotation marks")
      .arg(QStringLiteral("\u2068") + shown + QStringLiteral("\u2069") +
           (cut ? QStringLiteral("\u2026") : QString()));
}

}  // namespace

QString FailureMessage(const Failure& failure, const QLocale& locale) {
  // The program's own numbers, grouped as the user's locale groups them.
  const auto grouped = [&locale](std::int64_t number) { return locale.toString(number); };
  const QString box = QString::fromUtf8(Describe(failure.box).label);
  const QString text = Quoted(failure.text);
  const QString point = locale.decimalPoint();
  const QString step = grouped(failure.step);
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
                 "\u201C%3\u201D, an optional sign and an optional exponent, for example "
                 "\u201C%4\u201D, \u201C-2\u201D or \u201C%5\u201D.")
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
          .arg(box, text, QLatin1String("1") + point + QLatin1String("7976931348623157e308"));
    case FailureReason::TooManySteps:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Loops: %1 asks for too many steps.\n\nOne run adds at most %2 rows: type at "
                 "most %2 in Loops, and press Continue for more.")
          .arg(text, grouped(kMaxStepsPerRun));
    case FailureReason::Overflow:
      // A run that fails at step 1 has not begun: nothing of it was kept.
      if (failure.step == 1) {
        return QCoreApplication::translate(
                   "FailureMessage",
                   "Step 1 cannot be computed: with %1 %2 its result leaves the range of "
                   "numbers.\n\nNothing was changed. Type a number closer to 0 in %1.")
            .arg(box, text);
      }
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 cannot be computed: with %2 %3 its result leaves the range of "
                 "numbers.\n\nNothing was written for step %1; the rows before it stay. Type a "
                 "number closer to 0 in %2.")
          .arg(step, box, text);
    case FailureReason::RunTooLong:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 would take this run past %2 bytes of text, the most one run "
                 "adds.\n\nNothing was written for step %1; the rows before it stay. Press "
                 "Continue for more.")
          .arg(step, grouped(kMaxRunText));
    case FailureReason::TranscriptTooLong:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 would take the transcript past %2 bytes of text, the most it "
                 "keeps.\n\nNothing was written for step %1; the rows before it stay. Press "
                 "Compute to start afresh.")
          .arg(step, grouped(kMaxTranscriptText));
    case FailureReason::OutOfMemory:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 cannot be shown: there is not enough memory for the rows.\n\nNo row of "
                 "this run was kept; type fewer steps in Loops.")
          .arg(step);
  }
  return {};
}

}  // namespace corvale
