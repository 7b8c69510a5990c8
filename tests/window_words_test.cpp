// The claims the tooltips make are checked against the loop in gain_claims_test.cpp.
#include <array>

#include "form/commands.h"
#include "labbook/transcript_text.h"
#include "tests/window_fixture.h"
#include "window/shell/widget_form_fields.h"
#include "window/table/transcript_model.h"
#include "window/words/translations.h"

namespace corvale {
namespace {

TEST_F(Window, TooltipsSayWhatEachGainDoesInThisLoop) {
  const std::pair<const char*, const char*> tips[] = {
      {"guiKP",
       "Proportional gain: P = Kp × Error. With P alone, PV settles short of SP, the nearer the "
       "larger Kp. With Loops 100, PV settles up to Kp 1.9; from Kp 2 on, it never settles.\n"},
      {"guiKI",
       "Integral gain: I = Ki × the sum of the errors. I keeps growing while PV is below SP, so "
       "it removes the steady-state error that P alone leaves. A larger Ki removes it sooner, up "
       "to a point: beyond that, PV overshoots, rings and settles later.\n"},
      {"guiKD", "Derivative gain: D = Kd × the change in the error from the step before.\n"}};
  for (const auto& [name, tip] : tips)
    EXPECT_TRUE(Find(name)->toolTip().startsWith(QString::fromUtf8(tip)))
        << Find(name)->toolTip().toStdString();
  EXPECT_TRUE(Find("table")->toolTip().contains(QString::fromUtf8("limited to 0–255.\n")));
  EXPECT_TRUE(Find("table")->toolTip().endsWith(
      "Ctrl+plus and Ctrl+minus, or Ctrl with the mouse wheel, make the window larger or "
      "smaller; Ctrl+0 restores its original size."))
      << Find("table")->toolTip().toStdString();
}

// Examples of what to type keep the digits every locale reads; Ctrl+0 names a key.
TEST_F(Window, TooltipsWriteEveryNumberInTheWindowsDigits) {
  const QLocale egyptian(QLocale::Arabic, QLocale::Egypt);
  Open(egyptian);
  const QString kp = Find("guiKP")->toolTip().section(u'\n', 0, 0);
  for (const QString& number :
       {egyptian.toString(100), egyptian.toString(1.9), egyptian.toString(2)})
    EXPECT_TRUE(kp.contains(number)) << number.toStdString() << "\n" << kp.toStdString();
  const QString sentences = kp + Find("guiKD")->toolTip().section(u'\n', 0, 0) +
                            Find("table")->toolTip().section(u'\n', 0, 2);
  for (char ascii = '0'; ascii <= '9'; ++ascii)
    EXPECT_FALSE(sentences.contains(QLatin1Char(ascii))) << ascii << sentences.toStdString();
  EXPECT_TRUE(sentences.contains(egyptian.toString(0) + u'–' + egyptian.toString(255)));
}

// What a screen reader is given of a message box: the shown text's words,
// without the isolate around the text as typed, which Orca speaks ("“⁨abc⁩”").
void ExpectHeardWithoutMarks(const QString& shown, const QString& heard) {
  EXPECT_TRUE(shown.count(u'\u2068') == 1 && shown.count(u'\u2069') == 1) << shown.toStdString();
  const QString words = QString(shown).remove(u'\u2068').remove(u'\u2069');
  EXPECT_TRUE(heard.contains(words)) << heard.toStdString();
  EXPECT_FALSE(heard.contains(u'\u2068') || heard.contains(u'\u2069')) << heard.toStdString();
}

TEST_F(Window, AMessageIsHeardWithoutTheMarksItIsShownWith) {
  for (const char* button : {"Command1", "Command2"}) {
    Press(button, {{"guiKP", "abc"}});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith("Kp: \u201C\u2068abc\u2069\u201D is not a number."));
    ExpectHeardWithoutMarks(messages[0], heard[0]);  // so "Kp: “abc” is not a number."
    messages.clear();
    heard.clear();
  }
  Press("Command1", {{"guiKP", "1e308"}});  // the text after "=", unquoted
  ASSERT_EQ(messages.size(), 1u);
  ExpectHeardWithoutMarks(messages[0], heard[0]);
  EXPECT_TRUE(heard[0].contains("with Kp = 1e308, its result")) << heard[0].toStdString();
  messages.clear();
}

// Examples quoted, so that the comma cannot run them together.
TEST_F(Window, SpeaksGermanAndFrenchButKeepsItsOwnNames) {
  const std::tuple<QLocale::Language, const char*, const char*, const char*, const char*,
                   const char*>
      languages[] = {
          {QLocale::German,
           "Differentialbeiwert: D = Kd × Änderung der Regelabweichung seit dem vorigen "
           "Schritt.\n",
           "\u201E2\u201C, \u201E0,5\u201C", "&Kopieren",
           "Kp: \u201E\u2068abc\u2069\u201C ist keine Zahl.", "h\u00F6chstens 1.000.000 Zeilen"},
          {QLocale::French,
           "Gain dérivé\u00A0: D = Kd × variation de l’erreur depuis le pas précédent.\n",
           "\u00AB\u202F2\u202F\u00BB, \u00AB\u202F0,5\u202F\u00BB", "Cop&ier",
           "Kp\u00A0: \u00AB\u202F\u2068abc\u2069\u202F\u00BB n\u2019est pas un nombre.",
           "au plus 1\u202F000\u202F000 lignes"}};
  for (const auto& [language, tip, examples, copy, message, grouped] : languages) {
    const Translations translations{QLocale(language)};
    Open(QLocale(language));
    EXPECT_EQ(Box("guiKI")->text(), ",5");  // where the locale writes "0,5", so do the boxes
    const QString kd = Box("guiKD")->toolTip();
    EXPECT_TRUE(kd.startsWith(QString::fromUtf8(tip))) << kd.toStdString();
    EXPECT_TRUE(kd.contains(QString::fromUtf8(examples))) << examples;
    EXPECT_TRUE(Box("guiKP")->toolTip().contains("Kp 1,9"))
        << Box("guiKP")->toolTip().toStdString();
    const std::unique_ptr<QMenu> menu(Table()->CreateContextMenu());
    EXPECT_TRUE(menu->actions()[0]->text().startsWith(copy)) << copy;
    Press("Command1", {{"guiKP", "abc"}});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(message))) << messages[0].toStdString();
    ExpectHeardWithoutMarks(messages[0], heard[0]);
    Press("Command2", {{"guiKP", ".5"}, {"Loops", "1e9"}});
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].contains(QString::fromUtf8(grouped))) << messages[1].toStdString();
    messages.clear();
    heard.clear();
  }
}

// Persian writes its minus as U+200E U+2212, Arabic as U+061C "-", Swedish as
// U+2212. Kp 2, Ki .25, Kd .5, SP 8 and Loops 3 give the ASCII rows. By hand:
// step 1 has Error 8, P 2×8, I .25×8, D .5×8 and so X 22 at step 2, PV 11,
// Error -3, P -6, I .25×5, D .5×(-11); X -10.25 limited to 0 at step 3.
TEST(LocaleDigits, EveryBoxReadsThemAsItReadsAsciiDigits) {
  const std::pair<const char*, std::array<const char*, kBoxCount>> typed[] = {
      {"C", {"2", ".25", "5e-1", "8", "3"}},           {"ar_EG", {"+٢", "٠٫٢٥", "٥اس@١", "٨", "٣"}},
      {"ar_EG", {"2", "0٫25", "۵e\u22121", "۸", "3"}},  // ASCII and Persian digits, U+2212
      {"fa_IR", {"+۲", "۰٫۲۵", "۵×۱۰^@۱", "۸", "۳"}},  {"fa_IR", {"٢", "٫٢٥", "5×10^-١", "8", "۳"}},
      {"sv_SE", {"+2", ",25", "5e@1", "8", "3"}}};
  const std::string rows =
      "Step\tX\tPV\tError\tP\tI\tD\r\n1\t.0000\t.0000\t8.0000\t16.0000\t2.0000\t4.0000\r\n"
      "2\t22.0000\t11.0000\t-3.0000\t-6.0000\t1.2500\t-5.5000\r\n"
      "3\t.0000\t.0000\t8.0000\t16.0000\t3.2500\t5.5000";
  for (const auto& [locale, texts] : typed) {
    std::array<QLineEdit, kBoxCount> boxes;
    const QLocale numbers(locale);
    for (std::size_t i = 0; i < kBoxCount; ++i) {  // "+" and "@": the locale's signs
      QString text = QString::fromUtf8(texts[i]);
      boxes[i].setText(
          text.replace('+', numbers.positiveSign()).replace('@', numbers.negativeSign()));
    }
    const WidgetFormFields fields({&boxes[0], &boxes[1], &boxes[2], &boxes[3], &boxes[4]});
    LabBook book(NumbersOf(QLocale(locale)));
    EXPECT_TRUE(OnCompute(book, fields).ok()) << locale << " " << texts[0];
    std::string expected;  // written with the locale's separator, in ASCII digits
    for (char c : rows)
      expected += c == '.' ? QLocale(locale).decimalPoint().toStdString() : std::string(1, c);
    EXPECT_EQ(TranscriptText(book), expected) << locale << " " << texts[0];
    EXPECT_EQ(book.TextBytes(), expected.size());  // as the run counts
  }
}

}  // namespace
}  // namespace corvale
