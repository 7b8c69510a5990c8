#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// Ctrl+Enter computes and Ctrl+Shift+Enter continues from wherever the focus
// is, the keypad's Enter too, and the focus stays; Enter alone in a box and
// Alt+C press nothing, and Alt+C types no "c".
TEST_F(Window, CommandShortcutsWorkAnywhereAndAltTypesNothing) {
  struct Case {
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int lines;  // the header and a row per step after the key, Loops being 100
  };
  const Case cases[] = {{"guiKD", Qt::Key_Return, Qt::NoModifier, 1},
                        {"guiKD", Qt::Key_C, Qt::AltModifier, 1},
                        {"guiKP", Qt::Key_Return, Qt::ControlModifier, 101},
                        {"table", Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, 101},
                        {"guiSP", Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, 201},
                        {"Command1", Qt::Key_Enter,
                         Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier, 301},
                        {"view-switch", Qt::Key_Return, Qt::ControlModifier, 101}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.focus);
    QWidget* focus = Find(c.focus);
    focus->setFocus();
    QTest::keyClick(focus, c.key, c.modifiers);
    EXPECT_EQ(Lines().size(), c.lines);
    EXPECT_EQ(QApplication::focusWidget(), focus);
  }
  EXPECT_EQ(Box("guiKD")->text(), ".5");
}

// F1 speaks the explanation the tooltip shows, whatever the description says.
TEST_F(Window, F1ExplainsTheFocusedControlInFull) {
  for (const char* name : {"guiKI", "Loops", "Command2", "table"}) {
    Find(name)->setFocus();
    QTest::keyClick(Find(name), Qt::Key_F1);
    EXPECT_EQ(Said(), Find(name)->toolTip()) << name;
    EXPECT_TRUE(QToolTip::isVisible()) << name;
  }
}

}  // namespace
}  // namespace corvale
