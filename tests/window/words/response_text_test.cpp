#include "window/words/response_text.h"

#include <QRegularExpression>

#include "tests/support/command_runs.h"
#include "window/words/translations.h"

namespace corvale {
namespace {

QString TextOf(const std::vector<std::string>& commands, const QLocale& locale = QLocale::c()) {
  const auto figures = MeasureStep(TraceOf(commands));
  return figures ? ResponseText(*figures, locale) : QString();
}

// A run for each kind of sentence; the figures themselves: step_info_test.cpp, and the
// README's runs: tests/docs/readme_figures_test.cpp.
TEST(ResponseText, SaysWhatTheFiguresAre) {
  // clang-format off
  const std::tuple<std::vector<std::string>, const char*, const char*> cases[] = {
      {{"C .5 .5 .5 5 100"}, "Step response from step 1 to step 100: PV from 0 toward SP 5.\n"
       "Rise time (10–90 % of the change): 4 steps, from step 2 to step 6.\n"
       "Peak: PV 5.2424 at step 14; overshoot 4.8 % of the change, beyond the final value 5.\n"
       "Settling time (±2 % of the change): 27 steps, from step 1 to step 28.\n"
       "Steady-state error (SP − final PV): 0.\n"
       "X at 0 or 255: never.", "settled"},
      // PV never reaches SP: the overshoot is past the final value, printed.
      {{"C 1 0 0 5 30"},
       "Peak: PV 2.5 at step 2; overshoot 50.0 % of the change, beyond the final value 1.6667.\n"
       "Settling time (±2 % of the change): 6 steps, from step 1 to step 7.\n"
       "Steady-state error (SP − final PV): 3.3333.", "Not"},
      {{"C .5 .5 .5 300 10", "+ .5 .5 .5 50 100"},
       "Step response from step 11 to step 110: PV from 127.5 toward SP 50.\n"
       "Fall time (10–90 % of the change): 10 steps, from step 28 to step 38.\n"
       "Lowest point: PV 49.994 at step 70; overshoot 0.0 % of the change, beyond the final "
       "value 50.\n"
       "Settling time (±2 % of the change): 35 steps, from step 11 to step 46.\n"
       "Steady-state error (SP − final PV): 0.00014776.\n"
       "X at 255: 17 steps, from step 11 to step 27.", "Rise"},
      // SP steps down to just where P alone had left PV: a step all the same.
      {{"C 1 0 0 5 30", "+ 1 0 0 1.66667 30"},
       "Step response from step 31 to step 60: PV from 1.6667 toward SP 1.6667.\n"
       "Fall time (10–90 % of the change): under one step, at step 32.\n"
       "Lowest point: PV 1.6674e-6 at step 32; overshoot 50.0 % of the change, beyond the final "
       "value 0.55556.\n", "No step"},
      // PV already where it ends from the step's first row.
      {{"C .5 .5 0 5 1", "+ 1 0 0 7.5 20"},
       "Peak: PV 2.5 at step 2; overshoot 0.0 % of the change, beyond the final value 2.5.\n"
       "Settling time (±2 % of the change): none, PV is within the band from step 2 on.\n", "No "},
      // No steady state, no error of it.
      {{"C 3 0 0 5 100"}, "Not settled: from step 91 on, PV still moves between 0 and 7.5.\n"
       "X at 0: 49 steps between step 3 and step 99, not all consecutive.", "error"},
      {{"C .5 .5 .5 5 100", "+ .5 .5 .5 5.00003 100"},
       "No step: SP changed by less than 0.00005 from its previous value.", "Peak"},
      {{"C .5 .5 .5 5 1"}, "Step response at step 1: PV from 0 toward SP 5.\n"
       "No response to measure: PV stayed at 0.", "Peak"},
      // SP stepped, but without gains PV never moved.
      {{"C 0 0 0 5 20"}, "Step response from step 1 to step 20: PV from 0 toward SP 5.\n"
       "No response to measure: PV stayed at 0.\n"
       "X at 0: 19 steps, from step 2 to step 20.", "No step"},
      // D alone kicks PV up every other step, less each time, back to 0.
      {{"C 0 0 1 5 101"},
       "No change to measure: PV moved, but ended where it started, at 0.", "error"},
      {{"C 100 0 0 5 100"}, "X at 0: 49 steps between step 3 and step 99, not all consecutive; "
       "X at 255: 50 steps between step 2 and step 100, not all consecutive.", "Rise"},
      {{"C .5 .5 .5 300 1000"}, "to step 1,000: PV from 0 toward SP 300.\n", "No step"},
      {{"C .5 .5 .5 -1 10"},
       "SP cannot be reached: X is at least 0, so PV never falls below 0.\n", "No step"},
      {{"C .5 .5 .5 300 100"},
       "SP cannot be reached: with the plant's gain of one half and X at most 255, PV never "
       "passes 127.5.\n"
       "Rise time (10–90 % of the change): under one step, at step 2.\n"
       "Peak: PV 127.5 at step 2; overshoot 0.0 % of the change, beyond the final value 127.5.\n"
       "Settling time (±2 % of the change): one step, from step 1 to step 2.\n"
       "Steady-state error (SP − final PV): 172.5.\n"
       "X at 255: 99 steps, from step 2 to step 100.", "No step"},
  };
  // clang-format on
  for (const auto& [commands, expected, absent] : cases) {
    const QString text = TextOf(commands);
    const QString percent = QString::fromUtf8(expected).replace(" %", "\u00A0%");
    EXPECT_TRUE(text.contains(percent)) << text.toStdString();
    EXPECT_FALSE(text.contains(QString::fromUtf8(absent))) << text.toStdString();
    EXPECT_FALSE(text.contains(" %")) << text.toStdString();
  }
  // The Continue's fresh D moves PV by less than the sentences show.
  EXPECT_EQ(TextOf({"C .5 .5 .5 5 100", "+ .5 .5 .5 5 100"}), TextOf({"C .5 .5 .5 5 200"}));
}

// Every number, those that define the figures too, in the window's locale,
// whatever the language of the words.
TEST(ResponseText, SpeaksTheUsersLanguageWithTheWindowsNumbers) {
  const std::vector<std::string> settled = {"C .5 .5 .5 5 100"},
                                 noStep = {"C .5 .5 .5 5 100", "+ .5 .5 .5 5.00003 100"};
  const QLocale english(QLocale::English, QLocale::UnitedStates),
      egyptian(QLocale::Arabic, QLocale::Egypt);
  {
    const Translations translations{QLocale(QLocale::German)};
    const QString text = TextOf(settled, english) + TextOf(noStep, english);
    for (const char* part : {"(10–90\u00A0% der", "±2\u00A0%", "0.00005", "5.2424", "4.8\u00A0%"})
      EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression("\\d,\\d"))) << text.toStdString();
    const QString german = TextOf({"C 1 0 0 5 30"}, QLocale(QLocale::German));
    EXPECT_TRUE(german.contains("Anstiegszeit") &&
                german.contains(QString::fromUtf8("50,0\u00A0%")))
        << german.toStdString();
  }
  const QString text = TextOf(settled, egyptian) + TextOf(noStep, egyptian);
  const QString zero = egyptian.zeroDigit();
  for (const QString& part :
       {egyptian.toString(10) + u'–' + egyptian.toString(90) + u'\u00A0' + u'%',
        u'±' + egyptian.toString(2) + u'\u00A0' + u'%', egyptian.toString(255),
        zero + egyptian.decimalPoint() + zero + zero + zero + zero + egyptian.toString(5)}) {
    EXPECT_TRUE(text.contains(part)) << part.toStdString() << "\n" << text.toStdString();
  }
  for (char ascii = '0'; ascii <= '9'; ++ascii)
    EXPECT_FALSE(text.contains(QLatin1Char(ascii))) << ascii << "\n" << text.toStdString();
}

}  // namespace
}  // namespace corvale
