#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// What each term computes, not what it will do to this loop, which is for
// the class to find out: no gain's tooltip says where PV settles.
TEST_F(Window, TooltipsSayWhatEachTermComputes) {
  const std::pair<const char*, const char*> formulas[] = {
      {"guiKP", "Proportional gain: P = Kp × Error."},
      {"guiKI", "Integral gain: I = Ki × the sum of the errors."},
      {"guiKD", "Derivative gain: D = Kd × the change in the error from the step before."}};
  for (const auto& [name, formula] : formulas) {
    const QString tip = Find(name)->toolTip();
    EXPECT_TRUE(tip.startsWith(QString::fromUtf8(formula))) << tip.toStdString();
    EXPECT_FALSE(tip.contains("settle")) << name;
  }
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
  const QString loops = Find("Loops")->toolTip();
  EXPECT_TRUE(loops.contains(egyptian.toString(1000000))) << loops.toStdString();
  const QString sentences = loops + Find("guiKD")->toolTip().section(u'\n', 0, 0) +
                            Find("table")->toolTip().section(u'\n', 0, 2);
  for (char ascii = '0'; ascii <= '9'; ++ascii)
    EXPECT_FALSE(sentences.contains(QLatin1Char(ascii))) << ascii << sentences.toStdString();
  EXPECT_TRUE(sentences.contains(egyptian.toString(0) + u'–' + egyptian.toString(255)));
}

}  // namespace
}  // namespace corvale
