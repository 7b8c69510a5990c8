// What a screen reader is told: each box's whole text, outcomes unseen, Enter on the buttons.
#include <QSignalSpy>

#include "tests/window_fixture.h"
#include "window/access/announcer.h"

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

// Outcomes that show nothing new are told: no steps, each zoom step.
TEST_F(Window, OutcomesWithoutAChangeToSeeAreSpoken) {
  // A command pressed with no steps, or Ctrl and a key so many times: what is said.
  // clang-format off
  const std::tuple<const char*, int, const char*> cases[] = {
      {"Command1", 1, "No steps run: the table is empty."}, {"Command2", 1, "No steps run."},
      {"+", 1, "Zoom 110\u00A0%."}, {"-", 1, "Zoom 100\u00A0%."}, {"-", 4, "Zoom 50\u00A0%."},
      {"-", 1, "Zoom 50\u00A0%, as small as it goes."}, {"0", 1, "Zoom 100\u00A0%."}};
  // clang-format on
  for (const auto& [act, times, said] : cases) {
    const int spoken = window->findChild<Announcer*>()->Spoken();
    if (act[1]) Press(act, {{"Loops", "0"}});
    for (int i = 0; !act[1] && i < times; ++i)
      QTest::keyClick(QApplication::focusWidget(), act[0], Qt::ControlModifier);
    EXPECT_EQ(window->findChild<Announcer*>()->Spoken(), spoken + times) << said;
    EXPECT_EQ(Said(), QString::fromUtf8(said));
  }
  EXPECT_EQ(Lines(), QStringList({"Step\tX\tPV\tError\tP\tI\tD"}));
}

// Orca reads an empty table's description: what fills it, not the columns' explanation (the
// tooltip's, once there are rows). The switch is read as its page among its choices, each tab too.
TEST_F(Window, TheEmptyTableAndTheSwitchAreDescribedInAFewWords) {
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Table());
  EXPECT_EQ(table->text(QAccessible::Description),
            "No rows yet: Compute fills the table, one row per step.");
  Click("Command1");
  EXPECT_EQ(table->text(QAccessible::Description), Table()->toolTip());
  Press("Command1", {{"Loops", "0"}});
  EXPECT_NE(table->text(QAccessible::Description), Table()->toolTip());
  auto* tabs = qobject_cast<QTabBar*>(Find("view-switch"));
  ASSERT_EQ(tabs->count(), 3);
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(tabs);
  EXPECT_EQ(view->text(QAccessible::Name), "Table (choices: Table, Chart, and Runs)");
  tabs->setCurrentIndex(2);
  EXPECT_EQ(view->text(QAccessible::Name), "Runs (choices: Table, Chart, and Runs)");
  EXPECT_EQ(view->child(1)->text(QAccessible::Name), "Chart (choices: Table, Chart, and Runs)");
}

}  // namespace
}  // namespace corvale
