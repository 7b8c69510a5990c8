#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// Enter, on the keypad or not, presses a focused Compute or Continue as Space
// does; in a box it presses nothing (KeysMoveAlongTheTabOrderAndOnlySpaceRuns).
TEST_F(Window, EnterPressesTheFocusedButton) {
  const std::tuple<const char*, Qt::Key, int> cases[] = {{"Command1", Qt::Key_Return, 101},
                                                         {"Command2", Qt::Key_Enter, 201},
                                                         {"Command1", Qt::Key_Enter, 101}};
  for (const auto& [button, key, lines] : cases) {
    Find(button)->setFocus();
    QTest::keyClick(Find(button), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(Lines().size(), lines) << button;
  }
  QTest::keyClick(Find("Command2"), Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(Lines().size(), 101);
}

}  // namespace
}  // namespace corvale
