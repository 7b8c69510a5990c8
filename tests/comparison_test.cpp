// Expected figures worked by hand and by tests/stepinfo_reference.py.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "labbook/lab_book.h"
#include "tests/support/command_runs.h"
#include "window/comparison/comparison_cells.h"
#include "window/comparison/comparison_copy.h"
#include "window/comparison/comparison_sentence.h"
#include "window/comparison/comparison_speech.h"
#include "window/comparison/run_comparison_model.h"
#include "window/comparison/run_comparison_view.h"
#include "window/words/translations.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QString Cell(const C& model, int row, int column) {
  return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

// A row's cells, each as `cell(column)` gives it, joined by '|'.
template <typename Cell>
std::string Joined(const Cell& cell) {
  QStringList cells;
  for (int c = 0; c < C::kColumnCount; ++c) cells << cell(c);
  return cells.join(u'|').toStdString();
}

// Down reads a row whole, each value named by its column with its unit; along a
// row a screen reader says the column's header first, so that cell is its value alone.
TEST(RunComparison, ShowsEachRunsGainsAndFiguresWithTheCurrentOneLastAndSaysThem) {
  const LabBook history = HistoryOf({"C 1 0 0 5 30", "C .5 .5 .5 5 100", "C 2.5 0 0 5 100"});
  RunComparisonView view(new C(&history, kEnglish));
  const C& model = static_cast<const C&>(*view.model());
  ASSERT_EQ(model.rowCount(), 3);
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
  const auto heard = [table](int row, int column) {  // row -1: the header; child 0 is the corner
    return (row < 0 ? table->child(column + 1) : table->tableInterface()->cellAt(row, column))
        ->text(QAccessible::Name);
  };
  view.setCurrentIndex(model.index(0, C::kSteps));
  // clang-format off
  const std::pair<Qt::Key, const char*> moves[] = {
      {Qt::Key_Right, "under 1"}, {Qt::Key_Right, "2.5"}, {Qt::Key_Down, "Peak 5.2424"},
      {Qt::Key_Right, "4.8"}, {Qt::Key_Down, "Overshoot in percent: none"}};
  // P alone settles at 5/3 after a peak of 2.5; Kp 2.5 rings between 0 and 6.25. Reached
  // by Down, no cell is read bare: each row shown, then heard whole; the headers heard.
  const std::pair<int, const char*> rows[] = {
      {0, "1|1|0|0|5|30|under 1|2.5|50.0|6|7|3.3333|0|0"},
      {1, "2|0.5|0.5|0.5|5|100|4|5.2424|4.8|27|28|0|0|0"},
      {2, "3, current|2.5|0|0|5|100|\u2014|\u2014|\u2014|not settled: PV 0 to 6.25|\u2014|"
          "\u2014|49|0"},
      {-1, "Run|Kp|Ki|Kd|SP|Steps run|Rise time in steps|Peak of PV|Overshoot in percent|"
           "Settling time in steps|Settled from step|Steady-state error|Steps X sat at 0|"
           "Steps X sat at 255"},
      {0, "Run 1|Kp 1|Ki 0|Kd 0|SP 5|30 steps|Rise time under 1 step|Peak 2.5|Overshoot "
          "50.0\u00a0%|Settling time 6 steps|Settled from step 7|Steady-state error 3.3333|X at 0 "
          "for 0 steps|X at 255 for 0 steps"},
      {1, "Run 2|Kp 0.5|Ki 0.5|Kd 0.5|SP 5|100 steps|Rise time 4 steps|Peak 5.2424|Overshoot "
          "4.8\u00a0%|Settling time 27 steps|Settled from step 28|Steady-state error 0|X at 0 "
          "for 0 steps|X at 255 for 0 steps"},
      {2, "Run 3, current|Kp 2.5|Ki 0|Kd 0|SP 5|100 steps|Rise time in steps: none|Peak of PV: "
          "none|Overshoot in percent: none|Settling time: not settled: PV 0 to 6.25|Settled from "
          "step: none|Steady-state error: none|X at 0 for 49 steps|X at 255 for 0 steps"}};
  // clang-format on
  for (const auto& [key, said] : moves) {
    QTest::keyClick(&view, key);
    EXPECT_EQ(heard(view.currentIndex().row(), view.currentIndex().column()), said) << said;
  }
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Joined([&](int c) { return Cell(model, rows[i].first, c); }), rows[i].second);
  for (int i = 3; i < 7; ++i)
    EXPECT_EQ(Joined([&](int c) { return heard(rows[i].first, c); }), rows[i].second);
  EXPECT_TRUE(model.IsCurrent(2));
  EXPECT_EQ(model.KeptIdOf(1), std::optional(history.Kept()[1].id));
  EXPECT_EQ(model.KeptIdOf(2), std::nullopt);
  // A number's value for a copy (5/3 to its ninth digit at step 30); a dash has none.
  EXPECT_NEAR(model.data(model.index(0, C::kError), C::kValueRole).toDouble(), 10.0 / 3, 1e-8);
  EXPECT_FALSE(model.data(model.index(2, C::kPeak), C::kValueRole).isValid());
}

// As the figures' sentence: SP 0 from rest is no step; gains of 0 leave PV at 0,
// no response rather than one yet to settle.
TEST(RunComparison, SaysWhyARunHasNothingToMeasure) {
  const LabBook history = HistoryOf({"C .5 .5 .5 0 10", "C 0 0 0 5 10"});
  C model(&history, kEnglish);
  ASSERT_EQ(model.rowCount(), 2);
  // X sits at 0 from step 2 on (step 1's is the loop at rest): no error, or gains of 0.
  const char* const rows[] = {
      "1|0.5|0.5|0.5|0|10|no step|\u2014|\u2014|\u2014|\u2014|\u2014|9|0",
      "2, current|0|0|0|5|10|no response|\u2014|\u2014|\u2014|\u2014|\u2014|9|0"};
  for (int row = 0; row < 2; ++row)
    EXPECT_EQ(Joined([&](int c) { return Cell(model, row, c); }), rows[row]) << row;
}

TEST(RunComparison, CopiesRowsUnderTheColumnNamesWithTheirValues) {
  const LabBook history = HistoryOf({"C 1 0 0 5 30"});
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

StepFigures Unmoved() {  // SP stepped with gains of 0: PV stays at 0
  StepFigures f;
  f.isStep = true;
  f.setPoint = 5;
  return f;
}
StepFigures Settled(double overshoot, std::int64_t from, double error = 0, std::int64_t rise = 4) {
  StepFigures f = Unmoved();
  f.settled = true;
  f.overshootPercent = overshoot;
  f.settledFrom = from;
  f.finalValue = 5 - error;
  f.riseFrom = 2;
  f.riseTo = 2 + rise;
  return f;
}
StepFigures Ringing() {
  StepFigures f;
  f.isStep = true;
  f.tail = f.range = {0, 6.25};
  return f;
}

// What changed in the tuning first, then each figure that reads otherwise.
TEST(RunComparison, ASentenceSetsTheRunAgainstTheRunBefore) {
  const Gains p{1, 0, 0, 5}, pi{.5, .5, 0, 5}, pid{.5, .5, .5, 5}, ringing{2.5, 0, 0, 5};
  const struct {
    StepFigures now, before;
    const char* said;
    Gains nowGains, beforeGains;
  } cases[] = {
      // clang-format off
      {Settled(4.8, 28), Settled(0, 18, 0, 9), "Kd 0.5 instead of 0; rise time 4 steps instead "
       "of 9 steps; overshoot 4.8\u00a0% instead of 0.0\u00a0%; settled from step 28 instead of "
       "step 18.", pid, pi},
      {Settled(4.8, 28, 0, 1), Settled(50, 6, 10.0 / 3, 0), "Kp 0.5 instead of 1; Ki 0.5 instead "
       "of 0; Kd 0.5 instead of 0; rise time 1 step instead of under 1 step; overshoot 4.8\u00a0% "
       "instead of 50.0\u00a0%; settled from step 28 instead of step 6; steady-state error 0 "
       "instead of 3.3333.", pid, p},
      {Settled(4.8, 28), Settled(4.8, 28), "the same gains and SP; the same figures.", pid, pid},
      {Settled(4.8, 28), Settled(4.8, 28), "SP 10 instead of 5; the same figures.",
       {.5, .5, .5, 10}, pid},
      {Ringing(), Settled(50, 6), "Kp 2.5 instead of 1; not settled, where before it settled "
       "from step 6.", ringing, p},
      {Settled(50, 6), Ringing(), "Kp 1 instead of 2.5; settled from step 6, where before it did "
       "not settle.", p, ringing},
      {Ringing(), Ringing(), "the same gains and SP; not settled, as before.", ringing, ringing},
      // Nothing to compare where either run has no response: its figures say why.
      {Unmoved(), Settled(4.8, 28), "", pid, pid}, {Settled(4.8, 28), Unmoved(), "", pid, pid},
      {Settled(4.8, 28), StepFigures{}, "", pid, pid}};  // SP 0 from rest: no step
  // clang-format on
  for (const auto& c : cases) {
    const QString said = QString::fromUtf8(c.said);
    EXPECT_EQ(AgainstBefore(c.nowGains, c.now, c.beforeGains, c.before, kEnglish),
              said.isEmpty() ? said : "Compared with the run before: " + said);
  }
}

// A text that lupdate keeps otherwise than the program looks it up
// ("\u00b12" read as one character) would stay English.
TEST(RunComparison, NamesAndExplainsEveryColumnInGermanAndFrench) {
  for (const QLocale::Language language : {QLocale::German, QLocale::French}) {
    for (int c = 0; c < C::kColumnCount; ++c) {
      const auto column = static_cast<C::Column>(c);
      const QString name = ColumnName(column), explanation = ColumnExplanation(column),
                    spoken = SpokenColumnName(column);
      const Translations translations{QLocale(language)};
      const bool kept =
          column == C::kKp || column == C::kKi || column == C::kKd || column == C::kSP;
      EXPECT_EQ(ColumnName(column) == name, kept) << language << " " << name.toStdString();
      EXPECT_EQ(SpokenColumnName(column) == spoken, kept)
          << language << " " << spoken.toStdString();
      EXPECT_NE(ColumnExplanation(column), explanation)
          << language << " " << explanation.toStdString();
    }
  }
}

}  // namespace
}  // namespace corvale
