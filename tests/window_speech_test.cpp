// What a screen reader is told: outcomes unseen, Enter on the buttons.
#include "tests/window/window_fixture.h"
#include "window/access/announcer.h"

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
