#include <QSignalSpy>

#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// Told of Tab's selection, Orca spoke the value before the label, and "Text
// unselected" for the box left: the line edit's signals that tell it stay silent.
TEST_F(Window, TabSelectsWithoutTellingOfIt) {
  std::vector<std::unique_ptr<QSignalSpy>> spies;
  for (const char* name : kBoxNames) {
    spies.push_back(std::make_unique<QSignalSpy>(Box(name), &QLineEdit::selectionChanged));
    spies.push_back(std::make_unique<QSignalSpy>(Box(name), &QLineEdit::cursorPositionChanged));
  }
  for (int box = 0; box < 4; ++box) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(Box("Loops")->selectedText(), "100");
  EXPECT_FALSE(Box("guiSP")->hasSelectedText());
  for (const auto& spy : spies) EXPECT_EQ(spy->count(), 0);
  // A click leaves the text as it was, to be edited where it was clicked.
  Box("guiKD")->setFocus(Qt::MouseFocusReason);
  EXPECT_FALSE(Box("guiKD")->hasSelectedText());
}

}  // namespace
}  // namespace corvale
