// Expected figures worked by hand and by tests/stepinfo_reference.py.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "command_runs.h"
#include "comparison_cells.h"
#include "comparison_copy.h"
#include "comparison_sentence.h"
#include "run_comparison_model.h"
#include "run_comparison_view.h"
#include "run_history.h"
#include "translations.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QString Cell(const C& model, int row, C::Column column) {
  return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

TEST(RunComparison, ShowsEachRunsGainsAndFiguresWithTheCurrentOneLast) {
  const RunHistory history = HistoryOf({"C 1 0 0 5 30", "C .5 .5 .5 5 100", "C 2.5 0 0 5 100"});
  C model(&history, kEnglish);
  ASSERT_EQ(model.rowCount(), 3);
  // P alone settles at 5/3 after a peak of 2.5; Kp 2.5 rings between 0 and 6.25.
  const C::Column columns[] = {C::kRun,       C::kKp,       C::kSteps,       C::kRise,  C::kPeak,
                               C::kOvershoot, C::kSettling, C::kSettledFrom, C::kError, C::kAtZero};
  const char* const rows[][10] = {
      {"1", "1", "30", "under 1", "2.5", "50.0", "6", "7", "3.3333", "0"},
      {"2", "0.5", "100", "4", "5.2424", "4.8", "27", "28", "0", "0"},
      {"3, current", "2.5", "100", "\u2014", "\u2014", "\u2014", "not settled: PV 0 to 6.25",
       "\u2014", "\u2014", "49"}};
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 10; ++i)
      EXPECT_EQ(Cell(model, row, columns[i]), rows[row][i]) << row << " " << columns[i];
  EXPECT_TRUE(model.IsCurrent(2));
  EXPECT_EQ(model.KeptIndexOf(1), std::optional<std::size_t>(1));
  EXPECT_EQ(model.KeptIndexOf(2), std::nullopt);
  // A number's value for a copy (5/3 to its ninth digit at step 30); a dash has none.
  EXPECT_NEAR(model.data(model.index(0, C::kError), C::kValueRole).toDouble(), 10.0 / 3, 1e-8);
  EXPECT_FALSE(model.data(model.index(2, C::kPeak), C::kValueRole).isValid());
}

// As the figures' sentence: SP 0 from rest is no step; gains of 0 leave PV at 0,
// no response rather than one yet to settle.
TEST(RunComparison, SaysWhyARunHasNothingToMeasure) {
  const RunHistory history = HistoryOf({"C .5 .5 .5 0 10", "C 0 0 0 5 10"});
  C model(&history, kEnglish);
  ASSERT_EQ(model.rowCount(), 2);
  const std::pair<int, const char*> cases[] = {{0, "no step"}, {1, "no response"}};
  for (const auto& [row, rise] : cases) {
    EXPECT_EQ(Cell(model, row, C::kRise), rise) << row;
    for (const C::Column column : {C::kPeak, C::kOvershoot, C::kSettling, C::kSettledFrom})
      EXPECT_EQ(Cell(model, row, column), "\u2014") << row << " " << column;
  }
}

TEST(RunComparison, CopiesRowsUnderTheColumnNamesWithTheirValues) {
  const RunHistory history = HistoryOf({"C 1 0 0 5 30"});
  C model(&history, QLocale(QLocale::German, QLocale::Germany));
  const QString text = QString::fromUtf8(RowsAsText(model, {0}));
  const QStringList lines = text.split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Run\tKp\tKi\tKd\tSP\tSteps\tRise\tPeak\t")));
  EXPECT_TRUE(
      lines[1].startsWith(QStringLiteral("1, current\t1\t0\t0\t5\t30\tunder 1\t2,5\t50,0\t")));
  const QString html = QString::fromUtf8(RowsAsHtml(model, {0}, C::kValueRole));
  // The German window shows 2,5; the spreadsheet gets 2.5 whatever its language.
  for (const char* cell : {"<th>Kp</th>", "<td sdval=\"2.5\" sdnum=\"1033;0;General\">2,5</td>",
                           "<td>1, current</td>"})
    EXPECT_TRUE(html.contains(QString(cell))) << cell;
}

TEST(RunComparison, DeleteForgetsTheSelectedEarlierRunsButNeverTheCurrentOne) {
  RunHistory history = HistoryOf({"C 1 0 0 5 10", "C 2 0 0 5 10", "C 3 0 0 5 10"});
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
  // The later first, so that each index still names its run as they go.
  EXPECT_EQ(forget[0][0].value<std::vector<std::size_t>>(), (std::vector<std::size_t>{1, 0}));
  view.selectionModel()->clearSelection();
  view.setCurrentIndex(view.model()->index(2, 0));
  view.selectRow(2);
  QTest::keyClick(&view, Qt::Key_Delete);
  EXPECT_EQ(forget.size(), 1);
}

StepFigures Unmoved() {  // SP stepped with gains of 0: PV stays at 0
  StepFigures f;
  f.isStep = true;
  f.setPoint = 5;
  return f;
}
StepFigures Settled(double overshoot, std::int64_t from, double error = 0) {
  StepFigures f = Unmoved();
  f.settled = true;
  f.overshootPercent = overshoot;
  f.settledFrom = from;
  f.finalValue = 5 - error;
  return f;
}
StepFigures Ringing() {
  StepFigures f;
  f.isStep = true;
  f.tail = f.range = {0, 6.25};
  return f;
}

TEST(RunComparison, ASentenceSetsTheFiguresAgainstTheRunBefore) {
  const struct {
    StepFigures now, before;
    const char* said;
  } cases[] = {
      {Settled(4.8, 28), Settled(0, 18),
       "overshoot 4.8\u00a0% instead of 0.0\u00a0%; settled from step 28 instead of step 18."},
      {Settled(4.8, 28), Settled(50, 6, 10.0 / 3),
       "overshoot 4.8\u00a0% instead of 50.0\u00a0%; settled from "
       "step 28 instead of step 6; steady-state error 0 instead of 3.3333."},
      {Ringing(), Settled(4.8, 28), "not settled, where before it settled from step 28."},
      {Settled(0, 18), Ringing(), "settled from step 18, where before it did not settle."},
      {Ringing(), Ringing(), "not settled, as before."},
      // Nothing to compare where either run has no response: its figures say why.
      // clang-format off
      {Unmoved(), Settled(4.8, 28), ""}, {Settled(4.8, 28), Unmoved(), ""},
      {Settled(4.8, 28), StepFigures{}, ""}};  // SP 0 from rest: no step
  // clang-format on
  for (const auto& c : cases) {
    const QString said = QString::fromUtf8(c.said);
    EXPECT_EQ(AgainstBefore(c.now, c.before, kEnglish),
              said.isEmpty() ? said : "Compared with the run before: " + said);
  }
}

// A text that lupdate keeps otherwise than the program looks it up
// ("\u00b12" read as one character) would stay English.
TEST(RunComparison, NamesAndExplainsEveryColumnInGermanAndFrench) {
  for (const QLocale::Language language : {QLocale::German, QLocale::French}) {
    for (int c = 0; c < C::kColumnCount; ++c) {
      const auto column = static_cast<C::Column>(c);
      const QString name = ColumnName(column), explanation = ColumnExplanation(column);
      const Translations translations{QLocale(language)};
      const bool kept =
          column == C::kKp || column == C::kKi || column == C::kKd || column == C::kSP;
      EXPECT_EQ(ColumnName(column) == name, kept) << language << " " << name.toStdString();
      EXPECT_NE(ColumnExplanation(column), explanation)
          << language << " " << explanation.toStdString();
    }
  }
}

}  // namespace
}  // namespace corvale
