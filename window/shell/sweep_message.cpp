#include "window/shell/sweep_message.h"

#include <string>

#include "simulation/parse_number.h"
#include "window/words/box_label.h"
#include "window/words/contexts.h"
#include "window/words/failure_message.h"
#include "window/words/prose_number.h"

namespace corvale {

QString SweepInputMessage(const SweepInputFailure& failure, const QLocale& locale) {
  using Input = SweepInputFailure::Input;
  using Reason = SweepInputFailure::Reason;
  const auto count = [&locale](std::int64_t n) { return ProseCount(n, locale); };
  const QString label = failure.input == Input::From ? SweepWords::tr("From")
                        : failure.input == Input::To ? SweepWords::tr("To")
                                                     : SweepWords::tr("Runs");
  // The number of runs, written by the sweep as digits alone.
  const QString runs = failure.input == Input::Runs ? count(std::stoll(failure.text)) : QString();
  switch (failure.reason) {
    case Reason::NotANumber:
    case Reason::OutOfRange:
      return UnreadNumberMessage(label, failure.text, failure.reason == Reason::OutOfRange, locale);
    case Reason::OutOfBounds:
      return SweepWords::tr("Runs: %1 is out of range.\n\nType a whole number from %2 to %3.")
          .arg(runs, count(kLeastSweepRuns), count(kMostSweepRuns));
    case Reason::TooManySteps:
      return SweepWords::tr(
                 "%1 runs of the steps in Loops are %2 steps, more than a sweep runs.\n\nA sweep "
                 "runs at most %3 steps in all: choose fewer runs, or type fewer steps in Loops.")
          .arg(runs, count(failure.steps), count(kMaxSweepSteps));
  }
  return {};
}

QString SweepSentence(const SweepRequest& request, int runs, const NumberFormat& numbers,
                      const QLocale& locale) {
  const auto value = [&](const std::string& text) {
    return ProseNumber(ParseNumber(text, numbers).value, locale);
  };
  return SweepWords::tr(
             "Swept %1 from %2 to %3 in %4 runs. The runs compared list them, a row "
             "each; Enter on a column there sorts them by it.")
      .arg(BoxLabel(request.box), value(request.from), value(request.to), ProseCount(runs, locale));
}

QString SpokenMessage(QString message) {
  message.removeIf([](QChar c) {
    const char16_t u = c.unicode();
    return u == u'\u061C' || u == u'\u200E' || u == u'\u200F' ||
           (u >= u'\u202A' && u <= u'\u202E') || (u >= u'\u2066' && u <= u'\u2069');
  });
  return message;
}

}  // namespace corvale
