// Expected figures worked by hand and by tests/labbook/stepinfo_reference.py.
#include "window/comparison/run_comparison_model.h"

#include <QAccessible>
#include <QTest>

#include "labbook/lab_book.h"
#include "tests/support/command_runs.h"
#include "window/comparison/comparison_copy.h"
#include "window/comparison/run_comparison_view.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QString Cell(const C& model, int row, int column) {
  return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

// A row's cells, each as `cell(section)` gives it, joined by '|'.
template <typename Cell>
std::string Joined(const C& model, const Cell& cell) {
  QStringList cells;
  for (int c = 0; c < model.columnCount(); ++c) cells << cell(c);
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
  view.setCurrentIndex(model.index(0, model.SectionOf(C::kSteps)));
  // clang-format off
  const std::pair<Qt::Key, const char*> moves[] = {
      {Qt::Key_Right, "under 1"}, {Qt::Key_Right, "2.5"},
      {Qt::Key_Down, "Run 2 of 3, Kp 0.5, Ki 0.5, Kd 0.5, SP 5, 100 steps, Rise time 4 steps, Peak "
                     "5.2424, Overshoot 4.8\u00a0%, Settling time 27 steps, Settled from step 28, "
                     "Steady-state error 0, X at 0 for 0 steps, X at 255 for 0 steps"},
      {Qt::Key_Right, "4.8"}, {Qt::Key_Up, "Run 1 of 3, Kp 1, Ki 0, Kd 0, SP 5, 30 steps, Rise "
                     "time under 1 step, Peak 2.5, Overshoot 50.0\u00a0%, Settling time 6 steps, "
                     "Settled from step 7, Steady-state error 3.3333, X at 0 for 0 steps, X at 255 "
                     "for 0 steps"}, {Qt::Key_Right, "6"}};
  // P alone settles at 5/3 after a peak of 2.5; Kp 2.5 rings between 0 and 6.25. Reached
  // by Down or Up, the current cell reads its row whole, every column however narrow the
  // window; along the row, its value alone. Each row shown; the others heard cell by cell
  // with their names, the current row's other cells silent; the headers heard.
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
      {2, "Run 3, current|Kp 2.5|Ki 0|Kd 0|SP 5|100 steps|Rise time in steps: none|Peak of PV: "
          "none|Overshoot in percent: none|Settling time: not settled: PV 0 to 6.25|Settled from "
          "step: none|Steady-state error: none|X at 0 for 49 steps|X at 255 for 0 steps"}};
  // clang-format on
  for (const auto& [key, said] : moves) {
    QTest::keyClick(&view, key);
    EXPECT_EQ(heard(view.currentIndex().row(), view.currentIndex().column()), said) << said;
  }
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(Joined(model, [&](int c) { return Cell(model, rows[i].first, c); }), rows[i].second);
  EXPECT_EQ(Joined(model, [&](int c) { return heard(0, c); }), " | | | | | | | | |6| | | | ");
  view.setCurrentIndex(model.index(1, 0));
  for (int i = 3; i < 6; ++i)
    EXPECT_EQ(Joined(model, [&](int c) { return heard(rows[i].first, c); }), rows[i].second);
  EXPECT_TRUE(model.IsCurrent(2));
  EXPECT_EQ(model.KeptIdOf(1), std::optional(history.Kept()[1].id));
  EXPECT_EQ(model.KeptIdOf(2), std::nullopt);
  // A number's value for a copy (5/3 to its ninth digit at step 30); a dash has none.
  EXPECT_NEAR(model.data(model.index(0, model.SectionOf(C::kError)), C::kValueRole).toDouble(),
              10.0 / 3, 1e-8);
  EXPECT_FALSE(model.data(model.index(2, model.SectionOf(C::kPeak)), C::kValueRole).isValid());
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
    EXPECT_EQ(Joined(model, [&](int c) { return Cell(model, row, c); }), rows[row]) << row;
}

// The plant and the options stand between the run and its figures only where some run differs
// from another in them; a copy takes the columns shown, and a screen reader hears them named.
TEST(RunComparison, ShowsThePlantAndOptionsOnlyWhereSomeRunDiffers) {
  Session session;
  session.Press(std::vector<std::string>{"C 1 0 0 5 30"});
  session.fields.SetBox(Box::PlantLag1, "5");
  session.fields.SetBox(Box::PlantDeadTime, "3");
  session.fields.SetBox(Box::NoiseSeed, "7");  // without noise: no difference
  session.fields.SetChoices({.antiWindup = AntiWindup::BackCalculation, .derivativeOnPv = true});
  session.Press(std::vector<std::string>{"C 1 0 0 5 30"});
  C model(&session.history, kEnglish);
  const auto cells = [&model](int row, int role) {
    return Joined(model, [&](int c) {
      return row < 0 ? model.headerData(c, Qt::Horizontal, role).toString()
                     : model.data(model.index(row, c), role).toString();
    });
  };
  const std::string figures = "|under 1|2.5|50.0|6|7|3.3333|0|0";
  // clang-format off
  EXPECT_EQ(cells(-1, Qt::DisplayRole), "Run|T1|Dead time|Kp|Ki|Kd|SP|Anti-windup|Kb|D on|Steps|"
            "Rise or fall|Peak or lowest|Overshoot\u00a0%|Settling|Settled at|Error|X at 0|X at 255");
  EXPECT_EQ(cells(0, Qt::DisplayRole), "1|0|0|1|0|0|5|none|\u2014|error|30" + figures);
  EXPECT_TRUE(cells(1, Qt::DisplayRole).starts_with("2, current|5|3|1|0|0|5|back-calculation|0.5|PV|30|"));
  EXPECT_TRUE(cells(0, Qt::AccessibleTextRole).starts_with("Run 1|T1 0|Dead time 0 steps|Kp 1|Ki 0|Kd 0|"
              "SP 5|Anti-windup: none|Tracking gain Kb: none|D on error|30 steps|"));
  EXPECT_TRUE(cells(-1, Qt::AccessibleTextRole).starts_with("Run|First lag T1 in steps|Dead time in "
              "steps|Kp|Ki|Kd|SP|Anti-windup|Tracking gain Kb|D acts on|Steps run|"));
  // clang-format on
  EXPECT_TRUE(model.headerData(model.SectionOf(C::kTrackingGain), Qt::Horizontal, Qt::ToolTipRole)
                  .toString()
                  .contains("shown while some run differs from another in it"));
  const QString copied = QString::fromUtf8(RowsAsText(model, {0}));
  EXPECT_TRUE(
      copied.startsWith("Run\tT1\tDead time\tKp\tKi\tKd\tSP\tAnti-windup\tKb\tD on\tSteps\t"));
  EXPECT_EQ(model.SectionOf(C::kNoiseSeed), -1);
  EXPECT_EQ(model.data(model.index(1, model.SectionOf(C::kDeadTime)), C::kValueRole),
            QVariant(3.0));
}

}  // namespace
}  // namespace corvale
