#include "window/words/failure_message.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "window/words/translations.h"

namespace corvale {
namespace {

QString Message(std::string text, FailureReason reason = FailureReason::NotANumber,
                Box box = Box::Kd, std::int64_t step = 7,
                QLocale locale = QLocale(QLocale::English)) {
  return FailureMessage({box, text, step, reason}, locale);
}

TEST(FailureMessage, QuotesTheTextIsolatedAndPrintable) {
  // Each kind of control, quoted and after "=": a separator or NEL would end
  // the isolate, a direction control turn the words around.
  // clang-format off
  const std::pair<const char*, const char*> controls[] = {
      {"1\u2029\u05E9\u05DC\u05D5\u05DD", "1[PS]\u05E9\u05DC\u05D5\u05DD"}, {"\u0085", "[NEL]"},
      {"\u009B", "[CSI]"}, {"a\u2028b", "a[LS]b"},
      {"\u0080\u0081\u0099\u009F", "[PAD][HOP][SGCI][APC]"},
      {"\u2069\u202E5x\u202A\u2066", "[PDI][RLO]5x[LRE][LRI]"},
      {"<b>5\t\x01\x1F\x7F", "<b>5\u2409\u2401\u241F\u2421"},
      {"\u00A0\u00E9", "\u00A0\u00E9"},  // just above the C1 controls: as typed
      // Invisible: each would leave a message that calls "5" no number.
      {"5\u200B", "5[ZWSP]"}, {"\u00AD\u034F\u180E\u2060", "[SHY][CGJ][MVS][WJ]"},
      {"\u200C\u200D\u200E\u200F\u061C", "[ZWNJ][ZWJ][LRM][RLM][ALM]"},
      {"\u206A\u206B\u206C\u206D\u206E\u206F", "[ISS][ASS][IAFS][AAFS][NADS][NODS]"},
      {"5\uFEFF\uFFF9\uFFFA\uFFFB", "5[ZWNBSP][IAA][IAS][IAT]"},
      {"1\u2064\u2061", "1[U+2064][U+2061]"},  // format characters without a short name
      {"\u2010\u00B7", "\u2010\u00B7"}};       // visible punctuation: as typed
  // clang-format on
  for (const auto& [typed, shown] : controls) {
    SCOPED_TRACE(typed);
    const QString isolated = "\u2068" + QString::fromUtf8(shown) + "\u2069";
    const QString quoted = Message(typed), computed = Message(typed, FailureReason::Overflow);
    EXPECT_TRUE(quoted.startsWith("Kd: \u201C" + isolated + "\u201D is not a number.\n\nType"))
        << quoted.toStdString();
    EXPECT_TRUE(computed.startsWith("Step 7 cannot be computed: with Kd = " + isolated +
                                    ", its result is too large to represent.\n\nNothing"))
        << computed.toStdString();
    for (const QString& text : {quoted, computed}) {
      EXPECT_TRUE(text.count(u'\u2068') == 1 && text.count(u'\u2069') == 1) << text.toStdString();
      for (const char16_t c : text.toStdU16String())
        EXPECT_FALSE((c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029) << text.toStdString();
    }
  }
  // Every C1 control by its ISO 6429 abbreviation.
  const QStringList c1 = QString(
                             "PAD HOP BPH NBH IND NEL SSA ESA HTS HTJ VTS PLD PLU RI SS2 SS3 "
                             "DCS PU1 PU2 STS CCH MW SPA EPA SOS SGCI SCI CSI ST OSC PM APC")
                             .split(u' ');
  ASSERT_EQ(c1.size(), 32);
  for (char16_t c = 0x80; c <= 0x9F; ++c)
    EXPECT_TRUE(Message(QString(QChar(c)).toStdString())
                    .startsWith("Kd: \u201C\u2068[" + c1[c - 0x80] + "]\u2069\u201D is not"))
        << c1[c - 0x80].toStdString();
}

// 40 UTF-16 units at most, cut between characters; a name counts as one.
TEST(FailureMessage, CutsTheTextBetweenCharacters) {
  const std::pair<std::string, QString> cuts[] = {
      {std::string(39, 'x') + "\U0001F600yz", QString(39, u'x') + "\u2069\u2026\u201D"},
      {std::string(40, 'x'), QString(40, u'x') + "\u2069\u201D"},
      {std::string(41, 'x'), QString(40, u'x') + "\u2069\u2026\u201D"},
      {std::string(39, 'x') + "\u0085", QString(39, u'x') + "[NEL]\u2069\u201D"},
      {std::string(39, 'x') + "\u2029yz", QString(39, u'x') + "[PS]\u2069\u2026\u201D"},
      {std::string(40, 'x') + "\u2029", QString(40, u'x') + "\u2069\u2026\u201D"}};
  for (const auto& [typed, end] : cuts)
    EXPECT_TRUE(Message(typed).contains("\u2068" + end + " is not")) << typed;
  for (int reason = 0; reason <= int(FailureReason::OutOfMemory) * 2 + 1; ++reason) {
    const QString text = Message("x", FailureReason(reason / 2), reason % 2 ? Box::Loops : Box::Kd);
    EXPECT_TRUE(text.contains("\u201C\u2068x\u2069\u201D") || text.contains("= \u2068x\u2069,") ||
                text.contains(" step 7 ") || text.startsWith("Step 7 "));
    EXPECT_FALSE(text.contains('%')) << text.toStdString();
  }
}

// Counts grouped even where the locale would not group them.
TEST(FailureMessage, SaysWhatFailedAndWhatToDoInEachLanguage) {
  QLocale ungrouped(QLocale::English);
  ungrouped.setNumberOptions(QLocale::OmitGroupSeparator);
  const auto english = [&](FailureReason reason, std::int64_t step, QLocale locale) {
    return Message("1e308", reason, Box::Kp, step, locale);
  };
  const std::tuple<QString, QString> wordings[] = {
      {english(FailureReason::NotANumber, 0, ungrouped),
       "Kp: \u201C\u20681e308\u2069\u201D is not a number.\n\nType digits with at most one decimal "
       "point, an optional sign and an optional exponent, for example 0.5, -2 or 1.5e3."},
      {english(FailureReason::NotANumber, 0, QLocale(QLocale::German)),
       "with at most one decimal comma, an optional sign and an optional exponent, for example "
       "0,5, -2 or 1,5e3."},
      {english(FailureReason::NotANumber, 0, QLocale(QLocale::Arabic, QLocale::Egypt)),
       "with at most one decimal separator \u201C\u066B\u201D, "},
      {english(FailureReason::Overflow, 1, ungrouped),
       "Step 1 cannot be computed: with Kp = \u20681e308\u2069, its result is too large to "
       "represent.\n\nNothing was changed. Type a number closer to 0 in Kp."},
      {english(FailureReason::RunTooLong, 12345, ungrouped),
       "Step 12,345 would go beyond the limit of 64,000,000 bytes of text per run.\n\nNothing was "
       "written for step 12,345; the rows before it stay. Press Continue for more. Compute "
       "clears the rows: copy the ones you want to keep first."},
      {english(FailureReason::TranscriptTooLong, 12345, ungrouped),
       "Step 12,345 would go beyond the transcript's limit of 100,000,000 bytes of text.\n\n"
       "Nothing was written for step 12,345; the rows before it stay. Copy the rows you want to "
       "keep, then press Compute to start afresh."},
      {english(FailureReason::OutOfMemory, 12345, ungrouped),
       "The run from step 12,345 cannot be shown: there is not enough memory for the rows."},
      {english(FailureReason::Overflow, 12345, QLocale(QLocale::Arabic, QLocale::Egypt)),
       "Step \u0661\u0662\u066C\u0663\u0664\u0665 cannot be computed: with Kp = "
       "\u20681e308\u2069, its result is too large to represent.\n\nNothing was written for "
       "step \u0661\u0662\u066C\u0663\u0664\u0665; the rows before it stay. Type a number "
       "closer to \u0660 in Kp."}};
  for (const auto& [text, wording] : wordings)
    EXPECT_TRUE(text.contains(wording)) << text.toStdString() << "\n" << wording.toStdString();
  const std::pair<QLocale::Language, QStringList> languages[] = {
      {QLocale::German,
       {"mit h\u00F6chstens einem Komma ein, wahlweise mit Vorzeichen und Exponent, zum Beispiel "
        "0,5; -2 oder 1,5e3.",
        "Schritt 1 l\u00E4sst sich nicht berechnen: Mit Kp = \u20681e308\u2069 verl\u00E4sst das "
        "Ergebnis den darstellbaren Zahlenbereich.",
        "die Grenze von 64.000.000 Byte Text pro Lauf",
        "seine Grenze von 100.000.000 Byte Text \u00FCberschreiten.",
        "Der Lauf ab Schritt 12.345 l\u00E4sst sich nicht anzeigen",
        "h\u00F6chstens 1.000.000 Zeilen"}},
      {QLocale::French,
       {"avec au plus une virgule, \u00E9ventuellement un signe et un exposant, par exemple "
        "0,5\u202F; -2 ou 1,5e3.",
        "Le pas 1 ne peut pas \u00EAtre calcul\u00E9\u00A0: avec Kp = \u20681e308\u2069, le "
        "r\u00E9sultat sort",
        "la limite de 64\u202F000\u202F000 octets de texte par simulation.",
        "sa limite de 100\u202F000\u202F000 octets de texte.",
        "La simulation \u00E0 partir du pas 12\u202F345 ne peut pas \u00EAtre "
        "affich\u00E9e\u00A0:",
        "au plus 1\u202F000\u202F000 lignes"}}};
  using enum FailureReason;
  const FailureReason reasons[] = {NotANumber,        Overflow,    RunTooLong,
                                   TranscriptTooLong, OutOfMemory, TooManySteps};
  for (const auto& [language, expected] : languages) {
    const Translations translations{QLocale(language)};
    for (std::size_t i = 0; i < std::size(reasons); ++i) {
      const QString text =
          Message("1e308", reasons[i], Box::Kp, i == 1 ? 1 : 12345, QLocale(language));
      EXPECT_TRUE(text.contains(expected[qsizetype(i)])) << text.toStdString();
    }
  }
}

// A screen reader speaks the isolate's marks: it is given the words alone,
// with the marks typed still named, in every language.
TEST(FailureMessage, IsSpokenWithoutDirectionMarks) {
  const auto marks = [](const QString& text) {
    using enum QChar::Direction;
    return std::ranges::count_if(text, [](QChar c) {
      const QChar::Direction d = c.direction();
      return d == DirLRE || d == DirLRO || d == DirRLE || d == DirRLO || d == DirPDF ||
             d == DirLRI || d == DirRLI || d == DirFSI || d == DirPDI || c == u'\u200E' ||
             c == u'\u200F' || c == u'\u061C';
    });
  };
  for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
    const Translations translations{QLocale(language)};
    for (int reason = 0; reason <= int(FailureReason::OutOfMemory); ++reason) {
      for (const char* typed : {"abc", "\u2068\u202E5"}) {
        const Failure failure{Box::Kp, typed, 1, FailureReason(reason)};
        const QString shown = FailureMessage(failure, QLocale(language));
        const QString spoken = SpokenFailureMessage(failure, QLocale(language));
        SCOPED_TRACE(shown.toStdString());
        EXPECT_EQ(marks(spoken), 0);
        QString words = shown;
        EXPECT_EQ(words.remove(u'\u2068').remove(u'\u2069'), spoken);
        EXPECT_EQ(spoken.contains("[FSI][RLO]5"), shown.contains(u'\u2068') && typed[0] != 'a');
      }
    }
  }
}

}  // namespace
}  // namespace corvale
