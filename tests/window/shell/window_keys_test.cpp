#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// Ctrl+Enter computes and Ctrl+Shift+Enter continues wherever the focus is,
// the keypad's Enter too, and the focus stays; Enter in a box and Alt+C press
// and type nothing; F1 speaks and shows the tooltip.
TEST_F(Window, CommandShortcutsWorkAnywhereAndF1Explains) {
  using M = Qt::KeyboardModifier;
  const std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers, int> cases[] = {
      {"guiKD", Qt::Key_Return, M::NoModifier, 1},  // lines: the header and 100 a run
      {"guiKD", Qt::Key_C, M::AltModifier, 1},
      {"guiKP", Qt::Key_Return, M::ControlModifier, 101},
      {"table", Qt::Key_Enter, M::ControlModifier | M::KeypadModifier, 101},
      {"guiSP", Qt::Key_Return, M::ControlModifier | M::ShiftModifier, 201},
      {"Command1", Qt::Key_Enter, M::ControlModifier | M::ShiftModifier | M::KeypadModifier, 301},
      {"view-switch", Qt::Key_Return, M::ControlModifier, 101},
      {"Loops", Qt::Key_F1, M::NoModifier, 101},
      {"Command2", Qt::Key_F1, M::NoModifier, 101}};
  for (const auto& [name, key, modifiers, lines] : cases) {
    Find(name)->setFocus();
    QTest::keyClick(Find(name), key, modifiers);
    EXPECT_EQ(Lines().size(), lines) << name;
    EXPECT_EQ(QApplication::focusWidget(), Find(name));
    const bool explained = Said() == Find(name)->toolTip() && QToolTip::isVisible();
    EXPECT_TRUE(key != Qt::Key_F1 || explained) << name;
  }
  EXPECT_EQ(Box("guiKD")->text(), ".5");
}

}  // namespace
}  // namespace corvale
