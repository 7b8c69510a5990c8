// The claims the tooltips make are checked against the loop in tests/form/gain_examples_test.cpp.
#include "tests/window/window_fixture.h"

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

}  // namespace
}  // namespace corvale
