#include "window/comparison/run_comparison_view.h"

#include <QAccessible>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "tests/support/command_runs.h"
#include "window/comparison/run_comparison_model.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(RunComparison, DeleteForgetsTheSelectedEarlierRunsButNeverTheCurrentOne) {
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
  view.selectionModel()->clearSelection();
  view.setCurrentIndex(view.model()->index(2, 0));
  view.selectRow(2);
  QTest::keyClick(&view, Qt::Key_Delete);
  EXPECT_EQ(forget.size(), 1);
}

}  // namespace
}  // namespace corvale
