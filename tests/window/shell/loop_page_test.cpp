#include <QComboBox>

#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// The plant chosen by name on the Loop page runs (its figures: lessons_test.cpp); a bad option
// is named and shown.
TEST_F(Window, TheLoopPagesPlantAndOptionsRunAndABadOneIsShown) {
  auto* plant = window->findChild<QComboBox*>("plantModel");
  plant->setFocus();
  QTest::keyClick(plant, Qt::Key_Down);
  QTest::keyClick(plant, Qt::Key_Down);
  for (const auto& [box, text] : {std::pair{"plantGain", "1"},
                                  {"plantLag1", "5"},
                                  {"plantLag2", "5"},
                                  {"plantDeadTime", "0"}}) {
    EXPECT_EQ(Box(box)->text(), text) << box;
  }
  EXPECT_EQ(Said(), "Two lags: K 1, T1 5, T2 5, and Dead time 0.");
  // Reached by Tab, the choice is read first: Orca finds none in the closed list.
  EXPECT_TRUE(plant->accessibleDescription().startsWith("Two lags. A plant by name"));
  Press("Command1", {{"guiKP", "4"}, {"guiKI", ".2"}, {"guiKD", "0"}, {"Loops", "300"}});
  // By hand: X 21 after step 1; then z = 21 / 6 and PV = z / 6.
  EXPECT_EQ(window->Book().Current().Record(1).PV, 21.0 / 6 / 6);
  // K 1 takes PV up to 255, where the original plant stops at 127.5.
  Press("Command1", {{"guiSP", "200"}});
  EXPECT_TRUE(window->Book().CurrentFigures()->Reachable());

  Box("plantLag1")->setText("4");
  QTest::keyClick(Box("plantLag1"), Qt::Key_0);  // typed: "40", no name has it
  EXPECT_EQ(plant->currentText(), "Own values");

  auto* cure = window->findChild<QComboBox*>("antiWindup");
  EXPECT_FALSE(Box("trackingGain")->isEnabled());
  cure->setCurrentIndex(2);
  EXPECT_TRUE(Box("trackingGain")->isEnabled() && Said() == "Anti-windup: Back-calculation.");
  EXPECT_TRUE(cure->accessibleDescription().startsWith("Back-calculation. "));
  Press("Command1", {{"trackingGain", "-1"}});
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0],
            "Kb: \u201C\u2068-1\u2069\u201D is below 0.\n\nType 0 or a number above it.");
  EXPECT_TRUE(Find("loopPage")->isVisible());
  EXPECT_EQ(window->focusWidget(), Box("trackingGain"));
  messages.clear();
  // With the page shown, Tab passes from Continue to Kp, through no silent stop.
  Find("Command2")->setFocus();
  QTest::keyClick(Find("Command2"), Qt::Key_Tab);
  EXPECT_EQ(window->focusWidget(), Box("guiKP"));
}

}  // namespace
}  // namespace corvale
