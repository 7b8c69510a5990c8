// What a screen reader is told of a box: its whole text, under its label.
#include "tests/window/window_fixture.h"

namespace corvale {
namespace {

// Tabbed into, a box is its label, its whole text selected, one attribute run to its end (Qt's
// own gives each character an empty run: Orca read "10" for 100).
TEST_F(Window, EachBoxIsReadWholeUnderItsLabel) {
  // clang-format off
  const std::tuple<const char*, const char*, const char*> cases[] = {{"Loops", "Loops", "100"},
      {"guiSP", "SP", "5"}, {"guiKP", "Kp", ".5"}, {"guiKD", "Kd", ""}, {"guiKI", "Ki", "1.5e3"}};
  // clang-format on
  for (const auto& [name, label, typed] : cases) {
    Box(name)->setText(typed);
    Box(name)->clearFocus();
    Box(name)->setFocus(Qt::TabFocusReason);
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(Box(name));
    QAccessibleTextInterface* text = box->textInterface();
    ASSERT_TRUE(text && box->editableTextInterface()) << name;
    const int length = static_cast<int>(strlen(typed));
    EXPECT_TRUE(box->role() == QAccessible::EditableText && box->state().editable &&
                box->state().focused);
    EXPECT_EQ(std::tuple(box->text(QAccessible::Name), box->text(QAccessible::Value),
                         text->text(0, length)),
              std::tuple(QString(label), QString(typed), QString(typed)));
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(std::tuple(text->characterCount(), text->cursorPosition(), text->selectionCount(),
                         start, end),
              std::tuple(length, length, length > 0 ? 1 : 0, 0, length))
        << name;
    for (int offset = 0; offset < std::max(length, 1); ++offset) {
      text->attributes(offset, &start, &end);
      EXPECT_EQ(std::pair(start, end), std::pair(0, length)) << name << offset;
    }
    EXPECT_EQ(text->textAtOffset(length, QAccessible::LineBoundary, &start, &end), typed);
  }
  // Left, the box keeps no selection; edited through the interface, it takes the text as typed.
  Box("guiKP")->setFocus(Qt::TabFocusReason);
  EXPECT_FALSE(Box("guiKI")->hasSelectedText());
  QAccessibleInterface* loops = QAccessible::queryAccessibleInterface(Box("Loops"));
  loops->editableTextInterface()->replaceText(0, 3, "25");
  EXPECT_EQ(Box("Loops")->text(), "25");
}

}  // namespace
}  // namespace corvale
