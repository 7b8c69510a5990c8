// Settling by hand, P alone on PV = X / 2: PV(n) = Kp/2 × (5 − PV(n−1)), so
// PV comes within 2 % of its final value once (Kp/2)^(n−1) < 0.02: from step
// 4 for Kp .5, 7 for Kp 1, 15 for Kp 1.5.
#include "window/comparison/comparison_sort.h"

#include <QTest>

#include "form/sweep_command.h"
#include "tests/support/command_runs.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

TEST(ComparisonSort, PutsRowsInOrderWithTiesKeptAndDashesLast) {
  const SortKey none;
  const std::vector<SortKey> keys = {{3.0, {}}, none, {1.0, {}}, {3.0, {}}, {std::nullopt, "b"}};
  // Numbers before words, rows alike in their order, the dash last either way.
  EXPECT_EQ(SortedOrder(keys, Qt::AscendingOrder), (std::vector<std::size_t>{2, 0, 3, 4, 1}));
  EXPECT_EQ(SortedOrder(keys, Qt::DescendingOrder), (std::vector<std::size_t>{0, 3, 2, 4, 1}));
}

TEST(ComparisonSort, SortsASweepByAnyColumnAndSaysWhichRunComesFirst) {
  Session session;
  session.Press("C .5 0 0 5 30");  // an earlier run of its own, Kp .5 as well
  ASSERT_TRUE(OnSweep(session.history, session.fields, {Box::Kp, ".5", "1.5", 3}).ok());
  C model(&session.history, QLocale(QLocale::English, QLocale::UnitedStates));
  const int settling = model.SectionOf(C::kSettling);
  const auto column = [&model](C::Column column) {
    QStringList cells;
    for (int row = 0; row < model.rowCount(); ++row)
      cells << model.index(row, model.SectionOf(column)).data().toString();
    return cells.join(u'|').toStdString();
  };
  model.sort(settling, Qt::DescendingOrder);
  EXPECT_EQ(column(C::kKp), "1.5|1|0.5|0.5");
  EXPECT_EQ(column(C::kRun), "4, current|3|1|2");  // each keeps its number
  EXPECT_EQ(model.SortedSentence().toStdString(),
            "Sorted by Settling time, longest first: Kp 1.5, Settling time 14 steps.");
  model.sort(settling, Qt::AscendingOrder);
  EXPECT_EQ(column(C::kSettledFrom), "4|4|7|15");
  EXPECT_TRUE(model.SortedSentence().endsWith("Settling time 3 steps; the next run alike."))
      << model.SortedSentence().toStdString();
  EXPECT_TRUE(model.IsCurrent(3));
  // The sweep's rows whole, wherever they stand; the run of its own alone.
  EXPECT_EQ(model.WholeEntries({2}), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(model.WholeEntries({0}), (std::vector<int>{0}));
  session.Press("C 2 0 0 5 30");
  model.Refresh();  // the sort stays
  EXPECT_EQ(column(C::kKp), "0.5|0.5|1|1.5|2");
  model.sort(model.SectionOf(C::kRun), Qt::AscendingOrder);
  EXPECT_EQ(model.SortedSentence().toStdString(), "Sorted by Run, in the order they ran.");
}

}  // namespace
}  // namespace corvale
