#include "window/comparison/run_comparison_view.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "tests/support/command_runs.h"
#include "window/access/announcer.h"
#include "window/comparison/run_comparison_model.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

// The current run's row Delete leaves: SaysItsRowOnEntryAndWhatItsKeysDid.
TEST(RunComparison, DeleteForgetsTheSelectedEarlierRuns) {
  LabBook history = HistoryOf({"C 1 0 0 5 10", "C 2 0 0 5 10", "C 3 0 0 5 10"});
  RunComparisonView view(new C(&history, kEnglish));
  QSignalSpy forget(&view, &RunComparisonView::ForgetRequested);
  // A screen reader hears no cell of it while the focus is elsewhere.
  view.Refresh();
  QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(&view)->tableInterface();
  EXPECT_FALSE(cells->cellAt(2, 0)->state().focused);
  // The menu offers what the selection allows: Copy, Forget this run, Forget earlier runs.
  const auto offered = [&view] {
    const std::unique_ptr<QMenu> menu(view.CreateContextMenu());
    std::vector<bool> enabled;
    for (QAction* action : menu->actions())
      if (!action->isSeparator() && action != menu->actions()[1])
        enabled.push_back(action->isEnabled());
    return enabled;
  };
  EXPECT_EQ(offered(), (std::vector<bool>{false, false, true}));
  view.selectRow(2);
  EXPECT_EQ(offered(), (std::vector<bool>{true, false, true}));
  view.selectAll();
  EXPECT_EQ(offered(), (std::vector<bool>{true, true, true}));
  QTest::keyClick(&view, Qt::Key_Delete);
  ASSERT_EQ(forget.size(), 1);
  EXPECT_EQ(forget[0][0].value<std::vector<RunId>>(),
            (std::vector<RunId>{history.Kept()[0].id, history.Kept()[1].id}));
}

// Entered, the first row is current and read whole with its place; the keys
// that move nothing or forget a run say so.
TEST(RunComparison, SaysItsRowOnEntryAndWhatItsKeysDid) {
  LabBook history = HistoryOf({"C 1 0 0 5 10", "C 2 0 0 5 10", "C 3 0 0 5 10"});
  RunComparisonView view(new C(&history, kEnglish));
  QSignalSpy forget(&view, &RunComparisonView::ForgetRequested);
  QFocusEvent entry(QEvent::FocusIn, Qt::TabFocusReason);
  QApplication::sendEvent(&view, &entry);
  QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(&view)->tableInterface();
  EXPECT_TRUE(cells->cellAt(0, 0)->text(QAccessible::Name).startsWith("Run 1 of 3, Kp 1, Ki 0,"));
  // The key; what is said; the runs asked to be forgotten so far.
  const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, int> keys[] = {
      {Qt::Key_Up, Qt::NoModifier, "First run.", 0},
      {Qt::Key_Delete, Qt::NoModifier, "Run 1 forgotten.", 1},
      {Qt::Key_C, Qt::ControlModifier, "Copied 1 run.", 1},
      {Qt::Key_End, Qt::ControlModifier, "Copied 1 run.", 1},
      {Qt::Key_Down, Qt::NoModifier, "Last run.", 1},
      {Qt::Key_Delete, Qt::NoModifier,
       "The current run stays, as the transcript shows it: Delete forgets earlier runs.", 1},
      {Qt::Key_Up, Qt::ShiftModifier, "Runs 2 to 3 selected.", 1},
      {Qt::Key_A, Qt::ControlModifier, "All 3 runs selected.", 1},
      {Qt::Key_C, Qt::ControlModifier, "Copied 3 runs.", 1},
      {Qt::Key_Delete, Qt::NoModifier, "2 runs forgotten.", 2}};
  for (const auto& [key, modifiers, said, forgotten] : keys) {
    QTest::keyClick(&view, key, modifiers);
    EXPECT_EQ(view.Speech().Said(), said) << said;
    EXPECT_EQ(forget.size(), forgotten) << said;
  }
  EXPECT_EQ(forget[0][0].value<std::vector<RunId>>(), std::vector<RunId>{history.Kept()[0].id});
}

}  // namespace
}  // namespace corvale
