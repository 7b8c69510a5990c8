#include "window/comparison/comparison_copy.h"

#include <gtest/gtest.h>

#include "tests/support/command_runs.h"
#include "window/comparison/run_comparison_model.h"

namespace corvale {
namespace {

using C = RunComparisonModel;

TEST(RunComparison, CopiesRowsUnderTheColumnNamesWithTheirValues) {
  const LabBook history = HistoryOf({"C 1 0 0 5 30"});
  C model(&history, QLocale(QLocale::German, QLocale::Germany));
  const QString text = QString::fromUtf8(RowsAsText(model, {0}));
  const QStringList lines = text.split(u'\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].startsWith(
      QStringLiteral("Run\tKp\tKi\tKd\tSP\tSteps\tRise or fall\tPeak or lowest\t")));
  EXPECT_TRUE(
      lines[1].startsWith(QStringLiteral("1, current\t1\t0\t0\t5\t30\tunder 1\t2,5\t50,0\t")));
  const QString html = QString::fromUtf8(RowsAsHtml(model, {0}, C::kValueRole));
  // The German window shows 2,5; the spreadsheet gets 2.5 whatever its language. A rise
  // under one step stays text: as a number it would be 0.
  for (const char* cell : {"<th>Kp</th>", "<td sdval=\"2.5\" sdnum=\"1033;0;General\">2,5</td>",
                           "<td>1, current</td>", "<td>under 1</td>"})
    EXPECT_TRUE(html.contains(QString(cell))) << cell;
}

}  // namespace
}  // namespace corvale
