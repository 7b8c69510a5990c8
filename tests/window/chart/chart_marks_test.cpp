#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartMarks = ChartFixture;

// The README's first run: rise from step 2 to 6, peak 5.2424 at 14, settled from 28.
TEST_F(ChartMarks, EachMarkStandsAtTheStepItNames) {
  const ChartReport report = Afresh({{".5 .5 .5 5 100"}}, {800, 600}, true);
  const AxesReading axes(report);
  for (const auto& [name, step] :
       {std::pair{"rise from", 2.0}, {"rise to", 6.0}, {"peak", 14.0}, {"settled", 28.0}}) {
    const ChartReport::Mark* mark = MarkNamed(report, name);
    ASSERT_TRUE(mark) << name;
    EXPECT_EQ(std::pair(mark->step, mark->labelled), std::pair(step, true)) << name;
    EXPECT_NEAR(mark->at.x(), axes.StepX(step), 1) << name;
    EXPECT_TRUE(step != 14 || std::abs(mark->at.y() - axes.ValueY(5.2424)) <= 1);
  }
}

// Whether a label at `rect` hides a sample of a line drawn through `points`, looked for every
// quarter of a pixel along it.
bool Hides(const QRectF& rect, const QPolygonF& points) {
  for (qsizetype i = 0; i < points.size(); ++i) {
    const QPointF a = points[i > 0 ? i - 1 : 0], b = points[i];
    const double n = std::ceil(std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())) * 4);
    for (double k = 0; k <= n; ++k)
      if (rect.contains(a + (b - a) * (n > 0 ? k / n : 0))) return true;
  }
  return false;
}

// No label hides a sample of any line; each left out is counted (the rise's one label names
// two marks). The runs, the kept ones first; the chart's size; the text's zoom.
TEST_F(ChartMarks, LabelsHideNoLine) {
  const std::tuple<std::vector<std::vector<std::string>>, QSize, double> cases[] = {
      {{{".5 .5 .5 5 100"}}, {800, 600}, 1},
      // The box at 175 %, Kp 1.5 alone: PV = X / 2 and X = 1.5 (5 - PV) give PV 0, 3.75 and
      // 0.9375 at steps 1 to 3, a dip at step 3. The rise passes 10 % and 90 % of the change at
      // step 2, and its label has no room by the bracket there, where the dip passes: left out.
      {{{"1.5 0 0 5 30"}}, {743, 342}, 1.75},
      {{{"1.5 0 0 5 30"}}, {425, 190}, 1},
      {{{".5 0 0 5 30"}, {"1 0 0 5 30"}, {"1.5 0 0 5 30"}}, {530, 250}, 1},
      {{{"2.5 0 0 5 30"}}, {800, 600}, 1},
      {{{".5 .5 .5 300 100", ".5 .5 .5 5 300"}}, {800, 600}, 1},
      {{{".5 .5 .5 300 100"}, {".5 .5 .5 8 100"}, {".5 .5 .5 5 100"}}, {600, 400}, 1.25}};
  for (const auto& [runs, size, zoom] : cases) {
    const std::string name = runs.back()[0] + " at " + std::to_string(size.width());
    chart.SetZoom(zoom);
    const ChartReport report = Afresh(runs, size, true);
    int labels = 0;
    for (const ChartReport::Text& text : report.texts) {
      if (text.part != ChartReport::Part::kMark) continue;
      ++labels;
      for (const ChartReport::Path& path : report.paths)
        EXPECT_FALSE(Hides(text.rect, path.points))
            << name << ": " << text.text.toStdString() << " over " << path.name.toStdString();
    }
    EXPECT_GT(labels, 0) << name;
    EXPECT_TRUE(zoom != 1.75 || !MarkNamed(report, "rise from")->labelled);
    EXPECT_EQ(std::ranges::count_if(report.marks,
                                    [](const ChartReport::Mark& mark) {
                                      return !mark.labelled && mark.name != "rise to";
                                    }),
              report.droppedLabels)
        << name;
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
