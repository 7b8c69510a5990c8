// The window's words: what the tooltips say each gain does in this loop (the
// claims themselves are checked against the loop in gain_claims_test.cpp),
// the keys that zoom, and every number in the window's own digits, the
// messages' too.
#include <gtest/gtest.h>

#include <QLocale>
#include <QWidget>
#include <memory>

#include "failure_message.h"
#include "form1.h"
#include "translations.h"

namespace corvale {
namespace {

// The window reads the locale once, as it opens.
std::unique_ptr<Form1> OpenIn(const QLocale& locale) {
  const QLocale before;
  QLocale::setDefault(locale);
  auto window = std::make_unique<Form1>();
  QLocale::setDefault(before);
  return window;
}

QString TipOf(const Form1& window, const char* name) {
  return window.findChild<QWidget*>(name)->toolTip();
}

TEST(Tooltips, SayWhatEachGainDoesInThisLoop) {
  const auto window = OpenIn(QLocale(QLocale::English, QLocale::UnitedStates));
  const std::pair<const char*, const char*> tips[] = {
      {"guiKP",
       "Proportional gain: P = Kp × Error. With P alone, PV settles short of SP: the larger Kp, "
       "the nearer to SP, but the more PV overshoots and the later it settles; from Kp 2 on, it "
       "never settles.\n"},
      {"guiKI",
       "Integral gain: I = Ki × the sum of the errors. I keeps growing while PV is below SP, so "
       "it removes the steady-state error that P alone leaves. A larger Ki removes it sooner, up "
       "to a point: beyond that, PV overshoots, rings and settles later.\n"},
      {"guiKD",
       "Derivative gain: D = Kd × the change in the error. In this loop D does not damp: where PV "
       "zigzags around SP, up one step and down the next, the change in the error is twice the "
       "error, so D adds 2 × Kd to Kp. With Kp 0.5 and Ki 0.5, PV settles from step 18 without "
       "overshoot at Kd 0, overshoots by 4.8\u00A0% and settles from step 28 at Kd 0.5, and never "
       "settles at Kd 1.\n"}};
  for (const auto& [name, tip] : tips) {
    EXPECT_TRUE(TipOf(*window, name).startsWith(QString::fromUtf8(tip)))
        << TipOf(*window, name).toStdString();
  }
  // Ctrl with the plus and the minus key, not + and − on their own.
  EXPECT_TRUE(TipOf(*window, "table").contains(QString::fromUtf8("limited to 0–255.\n")));
  EXPECT_TRUE(
      TipOf(*window, "table")
          .endsWith(
              "Ctrl+plus and Ctrl+minus, or Ctrl with the mouse wheel, make the window larger or "
              "smaller; Ctrl+0 restores its original size."))
      << TipOf(*window, "table").toStdString();
}

// The numbers the sentences name, in Egyptian Arabic digits under English
// words; the examples of what to type keep the digits every locale reads,
// and Ctrl+0 names a key.
TEST(Tooltips, WriteEveryNumberInTheWindowsDigits) {
  const QLocale egyptian(QLocale::Arabic, QLocale::Egypt);
  const auto window = OpenIn(egyptian);
  const QString kd = TipOf(*window, "guiKD").section(u'\n', 0, 0);
  for (const QString& number :
       {egyptian.toString(0.5), egyptian.toString(18), egyptian.toString(4.8)}) {
    EXPECT_TRUE(kd.contains(number)) << number.toStdString() << "\n" << kd.toStdString();
  }
  const QString sentences = kd + TipOf(*window, "guiKP").section(u'\n', 0, 0) +
                            TipOf(*window, "table").section(u'\n', 0, 2);
  for (char ascii = '0'; ascii <= '9'; ++ascii) {
    EXPECT_FALSE(sentences.contains(QLatin1Char(ascii))) << ascii << "\n"
                                                         << sentences.toStdString();
  }
  EXPECT_TRUE(sentences.contains(egyptian.toString(0) + u'–' + egyptian.toString(255)));
}

// German and French words with their own separators: "0,5" and "4,8 %".
TEST(Tooltips, SpeakGermanAndFrench) {
  for (const auto& [language, start] :
       {std::pair{QLocale::German,
                  "Differentialbeiwert: D = Kd × Änderung der Regelabweichung. "
                  "In diesem Regelkreis dämpft D nicht"},
        {QLocale::French,
         "Gain dérivé\u00A0: D = Kd × variation de l’erreur. Dans cette "
         "boucle, D n’amortit pas"}}) {
    const Translations translations{QLocale(language)};
    const auto window = OpenIn(QLocale(language));
    const QString kd = TipOf(*window, "guiKD");
    EXPECT_TRUE(kd.startsWith(QString::fromUtf8(start))) << kd.toStdString();
    EXPECT_TRUE(kd.contains("Kp 0,5") && kd.contains(QString::fromUtf8("4,8\u00A0%")))
        << kd.toStdString();
  }
}

// A message's step and the number to aim for, in the window's digits; what
// the user typed stays as typed.
TEST(FailureMessageWords, WriteTheirNumbersInTheWindowsDigits) {
  const QLocale egyptian(QLocale::Arabic, QLocale::Egypt);
  for (std::int64_t step : {1, 12345}) {
    const QString text =
        FailureMessage({Box::Kp, "1e308", step, FailureReason::Overflow}, egyptian);
    EXPECT_TRUE(text.startsWith("Step " + egyptian.toString(static_cast<qlonglong>(step))))
        << text.toStdString();
    EXPECT_TRUE(text.contains("closer to " + egyptian.toString(0))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8("\u20681e308\u2069"))) << text.toStdString();
  }
}

}  // namespace
}  // namespace corvale
