#include "window/words/failure_message.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <utility>

#include "form/commands.h"
#include "form/option_boxes.h"
#include "window/words/box_label.h"
#include "window/words/prose_number.h"

namespace corvale {
namespace {

// Characters that show by name in the user's text. The direction controls
// that embed, override or isolate could end the isolate around it and turn
// the message's own words around; the separators and NEL end its line or
// paragraph, and with it the isolate; the other C1 controls have no picture
// of their own, and a font draws them as nothing or as a box. The invisible
// and format characters (a zero-width space, a soft hyphen, a direction
// mark) are drawn as nothing: where one is all that makes a number
// unreadable, a message that hid it would quote a number it calls none.
constexpr std::pair<char16_t, const char*> kNames[] = {
    {u'\u0080', "PAD"},  {u'\u0081', "HOP"},  {u'\u0082', "BPH"},  {u'\u0083', "NBH"},
    {u'\u0084', "IND"},  {u'\u0085', "NEL"},  {u'\u0086', "SSA"},  {u'\u0087', "ESA"},
    {u'\u0088', "HTS"},  {u'\u0089', "HTJ"},  {u'\u008A', "VTS"},  {u'\u008B', "PLD"},
    {u'\u008C', "PLU"},  {u'\u008D', "RI"},   {u'\u008E', "SS2"},  {u'\u008F', "SS3"},
    {u'\u0090', "DCS"},  {u'\u0091', "PU1"},  {u'\u0092', "PU2"},  {u'\u0093', "STS"},
    {u'\u0094', "CCH"},  {u'\u0095', "MW"},   {u'\u0096', "SPA"},  {u'\u0097', "EPA"},
    {u'\u0098', "SOS"},  {u'\u0099', "SGCI"}, {u'\u009A', "SCI"},  {u'\u009B', "CSI"},
    {u'\u009C', "ST"},   {u'\u009D', "OSC"},  {u'\u009E', "PM"},   {u'\u009F', "APC"},
    {u'\u00AD', "SHY"},  {u'\u034F', "CGJ"},  {u'\u061C', "ALM"},  {u'\u180E', "MVS"},
    {u'\u200B', "ZWSP"}, {u'\u200C', "ZWNJ"}, {u'\u200D', "ZWJ"},  {u'\u200E', "LRM"},
    {u'\u200F', "RLM"},  {u'\u2028', "LS"},   {u'\u2029', "PS"},   {u'\u202A', "LRE"},
    {u'\u202B', "RLE"},  {u'\u202C', "PDF"},  {u'\u202D', "LRO"},  {u'\u202E', "RLO"},
    {u'\u2060', "WJ"},   {u'\u2066', "LRI"},  {u'\u2067', "RLI"},  {u'\u2068', "FSI"},
    {u'\u2069', "PDI"},  {u'\u206A', "ISS"},  {u'\u206B', "ASS"},  {u'\u206C', "IAFS"},
    {u'\u206D', "AAFS"}, {u'\u206E', "NADS"}, {u'\u206F', "NODS"}, {u'\uFEFF', "ZWNBSP"},
    {u'\uFFF9', "IAA"},  {u'\uFFFA', "IAS"},  {u'\uFFFB', "IAT"}};
static_assert(std::ranges::is_sorted(kNames, {}, &std::pair<char16_t, const char*>::first));

QString Named(char16_t c) {
  const auto* const found =
      std::ranges::lower_bound(kNames, c, {}, &std::pair<char16_t, const char*>::first);
  if (found != std::end(kNames) && found->first == c) {
    return u'[' + QLatin1String(found->second) + u']';
  }
  // Any other format character, one a later Unicode adds among them, by its
  // code point: invisible, it would vanish from the message as well.
  if (QChar::category(c) == QChar::Other_Format) {
    return QStringLiteral("[U+%1]").arg(static_cast<unsigned>(c), 4, 16, QChar(u'0')).toUpper();
  }
  return {};
}

// The text as typed, made printable and short enough for a message: C0
// controls show as their Unicode pictures, the characters above by name, a
// long text is cut between two characters, and the whole stands in a
// directional isolate so that marks in it cannot turn the message around.
QString Isolated(const std::string& text) {
  constexpr qsizetype kShown = 40;
  QString typed = QString::fromStdString(text);
  const bool cut = typed.size() > kShown;
  if (cut) typed.truncate(typed[kShown - 1].isHighSurrogate() ? kShown - 1 : kShown);
  QString shown;
  for (const QChar c : typed) {
    if (const QString name = Named(c.unicode()); !name.isEmpty()) {
      shown += name;
    } else if (c.unicode() < 0x20) {
      shown += QChar(0x2400 + c.unicode());
    } else {
      shown += c.unicode() == 0x7f ? QChar(0x2421) : c;
    }
  }
  return u'\u2068' + shown + u'\u2069' + (cut ? QStringLiteral("\u2026") : QString());
}

QString Quoted(const std::string& text) {
  return QCoreApplication::translate("FailureMessage", "\u201C%1\u201D",
                                     "the text as typed, in the language's quotation marks")
      .arg(Isolated(text));
}

// The decimal separator in words: a lone comma or point in quotation marks
// is too small to read.
QString AtMostOneSeparator(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point == u".") {
    return QCoreApplication::translate("FailureMessage", "at most one decimal point",
                                       "as in: Type digits with …");
  }
  if (point == u",") {
    return QCoreApplication::translate("FailureMessage", "at most one decimal comma",
                                       "as in: Type digits with …");
  }
  return QCoreApplication::translate("FailureMessage",
                                     "at most one decimal separator \u201C%1\u201D",
                                     "as in: Type digits with …")
      .arg(point);
}

}  // namespace

QString UnreadNumberMessage(const QString& label, const std::string& typed, bool outOfRange,
                            const QLocale& locale) {
  const QString text = Quoted(typed);
  if (outOfRange) {
    // All the digits of the bound: rounded, it would lie beyond it.
    return QCoreApplication::translate(
               "FailureMessage", "%1: %2 is out of range.\n\nNumbers must lie between -%3 and %3.")
        .arg(label, text,
             QLatin1String("1") + locale.decimalPoint() + QLatin1String("7976931348623157e308"));
  }
  if (typed.find_first_not_of(" \t") == std::string::npos) {
    return QCoreApplication::translate("FailureMessage", "%1 is empty. Type a number there.")
        .arg(label);
  }
  // Examples to type, so in the digits and "e" that every locale reads.
  return QCoreApplication::translate(
             "FailureMessage",
             "%1: %2 is not a number.\n\nType digits with %3, an optional sign and an "
             "optional exponent, for example %4, -2 or %5.")
      .arg(label, text, AtMostOneSeparator(locale),
           QLatin1String("0") + locale.decimalPoint() + QLatin1String("5"),
           QLatin1String("1") + locale.decimalPoint() + QLatin1String("5e3"));
}

QString FailureMessage(const Failure& failure, const QLocale& locale) {
  const auto count = [&locale](std::int64_t n) { return ProseCount(n, locale); };
  const QString box = BoxLabel(failure.box);
  const QString text = Quoted(failure.text);
  const QString step = count(failure.step);
  switch (failure.reason) {
    case FailureReason::NotANumber:
      if (failure.text.find_first_not_of(" \t") == std::string::npos) {
        return QCoreApplication::translate("FailureMessage", "%1 is empty. Type a number there.")
            .arg(box);
      }
      if (failure.box == Box::Loops) {
        return QCoreApplication::translate(
                   "FailureMessage",
                   "Loops: %1 is not a number.\n\nType how many steps to add, for example 100.")
            .arg(text);
      }
      return UnreadNumberMessage(box, failure.text, false, locale);
    case FailureReason::NotAWholeNumber:
    case FailureReason::OutOfBounds:
      if (failure.box != Box::Loops) {
        const WholeBounds bounds = BoundsOf(failure.box);
        return (failure.reason == FailureReason::NotAWholeNumber
                    ? QCoreApplication::translate(
                          "FailureMessage",
                          "%1: %2 is not a whole number.\n\nType a whole number from %3 to %4.")
                    : QCoreApplication::translate(
                          "FailureMessage",
                          "%1: %2 is out of range.\n\nType a whole number from %3 to %4."))
            .arg(box, text, count(bounds.low), count(bounds.high));
      }
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Loops: %1 is not a whole number.\n\nType how many steps to add, for example "
                 "100.")
          .arg(text);
    case FailureReason::Negative:
      return QCoreApplication::translate("FailureMessage",
                                         "%1: %2 is below 0.\n\nType 0 or a number above it.")
          .arg(box, text);
    case FailureReason::OutOfRange:
      return UnreadNumberMessage(box, failure.text, true, locale);
    case FailureReason::TooManySteps:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Loops: %1 asks for too many steps.\n\nOne run adds at most %2 rows: type at "
                 "most %2 in Loops, and press Continue for more.")
          .arg(text, count(kMaxStepsPerRun));
    case FailureReason::Overflow:
      // A run that fails at step 1 has not begun: nothing of it was kept.
      // "=" introduces the text, which needs no quotation marks after it.
      if (failure.step == 1) {
        return QCoreApplication::translate(
                   "FailureMessage",
                   "Step %3 cannot be computed: with %1 = %2, its result is too large to "
                   "represent.\n\nNothing was changed. Type a number closer to %4 in %1.")
            .arg(box, Isolated(failure.text), step, count(0));
      }
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 cannot be computed: with %2 = %3, its result is too large to "
                 "represent.\n\nNothing was written for step %1; the rows before it stay. Type a "
                 "number closer to %4 in %2.")
          .arg(step, box, Isolated(failure.text), count(0));
    case FailureReason::RunTooLong:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 would go beyond the limit of %2 bytes of text per run.\n\nNothing was "
                 "written for step %1; the rows before it stay. Press Continue for more. Compute "
                 "clears the rows: copy the ones you want to keep first.")
          .arg(step, count(static_cast<std::int64_t>(kMaxRunText)));
    case FailureReason::TranscriptTooLong:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "Step %1 would go beyond the transcript's limit of %2 bytes of text.\n\nNothing "
                 "was written for step %1; the rows before it stay. Copy the rows you want to "
                 "keep, then press Compute to start afresh.")
          .arg(step, count(static_cast<std::int64_t>(kMaxTranscriptText)));
    case FailureReason::OutOfMemory:
      return QCoreApplication::translate(
                 "FailureMessage",
                 "The run from step %1 cannot be shown: there is not enough memory for the "
                 "rows.\n\nNo row of this run was kept; type fewer steps in Loops.")
          .arg(step);
  }
  return {};
}

QString SpokenFailureMessage(const Failure& failure, const QLocale& locale) {
  QString spoken = FailureMessage(failure, locale);
  // Every direction mark, not the isolate alone, in case a translation
  // writes one of its own.
  spoken.removeIf([](QChar c) {
    const char16_t u = c.unicode();
    return u == u'\u061C' || u == u'\u200E' || u == u'\u200F' ||
           (u >= u'\u202A' && u <= u'\u202E') || (u >= u'\u2066' && u <= u'\u2069');
  });
  return spoken;
}

}  // namespace corvale
