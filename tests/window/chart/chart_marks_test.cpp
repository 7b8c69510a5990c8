#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartMarks = ChartFixture;

// The README's first run: rise from step 2 to 6, peak 5.2424 at 14, settled from 28.
TEST_F(ChartMarks, EachMarkStandsAtTheStepItNames) {
  Simulate({".5 .5 .5 5 100"});
  Measure();
  Render(800, 600);
  const ChartReport report = chart.Report();
  const AxesReading axes(report);
  for (const auto& [name, step] :
       {std::pair{"rise from", 2.0}, {"rise to", 6.0}, {"peak", 14.0}, {"settled", 28.0}}) {
    const auto mark = std::ranges::find(report.marks, QString(name), &ChartReport::Mark::name);
    ASSERT_NE(mark, report.marks.end()) << name;
    EXPECT_EQ(std::pair(mark->step, mark->labelled), std::pair(step, true)) << name;
    EXPECT_NEAR(mark->at.x(), axes.StepX(step), 1) << name;
    EXPECT_TRUE(step != 14 || std::abs(mark->at.y() - axes.ValueY(5.2424)) <= 1);
  }
}

using ChartTexts = ChartFixture;

TEST_F(ChartTexts, NamesXsLimitAtItsLinesEnd) {
  for (const auto& [run, name] : {std::pair{".5 .5 .5 300 30", "255"}, {"2.5 0 0 5 30", "0"}}) {
    const ChartReport report = Afresh({{run}});
    const ChartReport::Text* label = Find(report, ChartReport::Part::kMark, name);
    ASSERT_TRUE(label) << run;
    EXPECT_LE(label->rect.right(), report.bottom.right());
    EXPECT_GT(label->rect.left(), report.bottom.right() - 3 * chart.TextPixelSize());
    const double y = report.inputs.ToPixel(std::stod(name));
    EXPECT_TRUE(std::string(name) == "255" ? label->rect.top() >= y : label->rect.bottom() <= y);
  }
}

}  // namespace
}  // namespace corvale
