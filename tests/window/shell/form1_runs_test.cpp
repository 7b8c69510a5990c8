// The runs kept and compared, and the chart behind the switch or beside the form.
#include "labbook/lab_book.h"
#include "tests/window/window_fixture.h"
#include "window/comparison/run_comparison_view.h"

namespace corvale {
namespace {

// A Compute that cannot start keeps nothing; one that starts, with no steps
// or stopped at a later step, keeps the run before.
TEST_F(Window, ComputeKeepsTheRunBeforeAndContinueExtendsIt) {
  const LabBook& runs = window->Book();
  // The boxes typed, the button; the current run's rows, as the table has them; the runs kept
  // and the current one by their Kp; whether a message came.
  using Boxes = std::vector<std::pair<const char*, const char*>>;
  // clang-format off
  const std::tuple<Boxes, const char*, std::size_t, std::vector<double>, double, bool> steps[] = {
      {{{"Loops", "30"}}, "Command1", 30, {}, .5, false},
      {{{"guiKP", "1"}, {"Loops", "10"}}, "Command2", 40, {}, 1, false},
      {{{"guiKP", "1e308"}}, "Command1", 40, {}, 1, true},               // its first step overflows
      {{{"guiKP", "2"}, {"Loops", "0"}}, "Command1", 0, {1}, 0, false},  // afresh, no steps
      {{{"Loops", "20"}}, "Command1", 20, {1}, 2, false},                // no rows before to keep
      // The integral overflows at step 2: step 1 stays.
      {{{"guiKP", ".5"}, {"guiSP", "1.7e308"}, {"Loops", "100"}}, "Command1", 1, {1, 2}, .5, true}};
  // clang-format on
  for (const auto& [boxes, button, rows, keptKp, currentKp, message] : steps) {
    SCOPED_TRACE(testing::Message() << "step with " << rows << " rows");
    Press(button, boxes);
    std::vector<double> kept;
    for (const KeptRun& run : runs.Kept()) kept.push_back(run.summary.gains.Kp);
    EXPECT_EQ(std::tuple(messages.size(), runs.Current().Size(), Table()->model()->rowCount(), kept,
                         runs.CurrentSummary().gains.Kp),
              std::tuple(message ? 1u : 0u, rows, static_cast<int>(rows), keptKp, currentKp));
    messages.clear();
  }
}

TEST_F(Window, ComparesEachRunWithTheOnesBeforeIt) {
  auto* comparison = window->findChild<RunComparisonView*>();
  Press("Command1", {{"guiKD", "0"}});  // settles from step 18 without overshoot
  EXPECT_FALSE(Said().contains("Compared"));
  Press("Command1", {{"guiKD", ".5"}});
  // The sentence itself: comparison_sentence_test.cpp.
  EXPECT_TRUE(Said().contains("\nCompared with the run before: Kd 0.5 instead of 0; rise"));
  QTest::keyClick(Chart(), Qt::Key_F);  // the figures again, and the comparison with them
  EXPECT_TRUE(Said(Chart()).endsWith("settled from step 28 instead of step 18."));
  Click("Command2");  // the same run, carried on: nothing to set against
  EXPECT_FALSE(Said().contains("Compared"));
  ASSERT_EQ(comparison->model()->rowCount(), 2);
  EXPECT_EQ(comparison->model()->index(1, 5).data().toString(), "200");  // its steps carried on
  comparison->selectRow(0);
  QTest::keyClick(comparison, Qt::Key_Delete);
  EXPECT_TRUE(window->Book().Kept().empty() && comparison->model()->rowCount() == 1);
  Click("Command1");
  const std::unique_ptr<QMenu> menu(comparison->CreateContextMenu());
  menu->actions().last()->trigger();  // Forget earlier runs
  EXPECT_TRUE(window->Book().Kept().empty() && comparison->model()->rowCount() == 1);
  // Gains of 0 leave PV at 0: no response, so nothing to set against the run before.
  Press("Command1", {{"guiKP", "0"}, {"guiKI", "0"}, {"guiKD", "0"}});
  EXPECT_TRUE(Said().contains("No response to measure: PV stayed at 0.") &&
              !Said().contains("Compared"))
      << Said().toStdString();
}

// The chart's cursor, spoken, and a click on it bring its step into view in the table.
TEST_F(Window, ShowsTheChartBehindTheBoxsSwitchOrBesideTheForm) {
  Press("Command1", {{"Loops", "300"}});
  auto* chart = Chart();
  auto* tabs = window->findChild<QTabBar*>("view-switch");
  ASSERT_TRUE(tabs->isVisible());
  EXPECT_TRUE(!tabs->accessibleName().isEmpty() && !chart->isVisible());
  Table()->verticalScrollBar()->setValue(120);
  tabs->setFocus();
  QTest::keyClick(tabs, Qt::Key_Right);
  ASSERT_TRUE(chart->isVisible());
  EXPECT_FALSE(Table()->isVisible());
  EXPECT_TRUE(
      Find("cwin")->geometry().contains(chart->mapTo(window.get(), chart->rect().center())));
  QTest::keyClick(tabs, Qt::Key_Left);
  EXPECT_TRUE(Table()->isVisible());
  EXPECT_EQ(Table()->verticalScrollBar()->value(), 120);

  QTest::keyClick(tabs, Qt::Key_Right);
  chart->setFocus();
  QTest::keyClick(chart, Qt::Key_Home);
  for (int i = 0; i < 4; ++i) QTest::keyClick(chart, Qt::Key_Right);
  EXPECT_EQ(std::pair(chart->Cursor(), Table()->CurrentRow()), std::pair(4, 4));
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chart);
  ASSERT_TRUE(accessible->focusChild());
  EXPECT_TRUE(accessible->focusChild()->text(QAccessible::Name).startsWith("Step 5"));

  window->resize(1280, 800);  // beside the form: window_layout_test.cpp
  const int before = Table()->CurrentRow();
  QTest::mouseClick(chart, Qt::LeftButton, {}, chart->rect().center());
  const int row = Table()->CurrentRow();
  EXPECT_NE(row, before);
  const auto [first, last] = Table()->VisibleRows();
  EXPECT_TRUE(first <= row && row <= last) << row;
  window->resize(454, 310);
  EXPECT_TRUE(tabs->isVisible() && chart->parentWidget() == Find("cwin"));
}

}  // namespace
}  // namespace corvale
