#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartMarks = ChartFixture;

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

struct Marked {
  const char* name;
  double step;
  bool labelled;
};

// No label hides a sample of any line; each left out is counted (the rise's one label names
// two marks). Each mark stands at the step it names; X's limit is named at its line's end, over
// the line at 0, under it at 255. The runs, the kept ones first; the chart's size; the text's
// zoom; marks named; X's limit named.
TEST_F(ChartMarks, EachMarkStandsAtItsStepAndLabelsHideNoLine) {
  // clang-format off
  const std::tuple<std::vector<std::vector<std::string>>, QSize, double, std::vector<Marked>,
                   const char*> cases[] = {
      // The README's first run: rise from step 2 to 6, peak 5.2424 at 14, settled from 28.
      {{{".5 .5 .5 5 100"}}, {800, 600}, 1,
       {{"rise from", 2, true}, {"rise to", 6, true}, {"peak", 14, true}, {"settled", 28, true}},
       nullptr},
      // The box at 175 %, Kp 1.5 alone: PV = X / 2 and X = 1.5 (5 - PV) give PV 0, 3.75 and
      // 0.9375 at steps 1 to 3, a dip at step 3. The rise passes 10 % and 90 % of the change at
      // step 2, and its label has no room by the bracket there, where the dip passes: left out.
      {{{"1.5 0 0 5 30"}}, {743, 342}, 1.75, {{"rise from", 2, false}}, nullptr},
      {{{"1.5 0 0 5 30"}}, {425, 190}, 1, {}, nullptr},
      {{{".5 0 0 5 30"}, {"1 0 0 5 30"}, {"1.5 0 0 5 30"}}, {530, 250}, 1, {}, nullptr},
      {{{"2.5 0 0 5 30"}}, {800, 600}, 1, {}, "0"},
      {{{".5 .5 .5 300 30"}}, {800, 600}, 1, {}, "255"},
      {{{".5 .5 .5 300 100", ".5 .5 .5 5 300"}}, {800, 600}, 1, {}, nullptr},
      {{{".5 .5 .5 300 100"}, {".5 .5 .5 8 100"}, {".5 .5 .5 5 100"}}, {600, 400}, 1.25, {}, nullptr}};
  // clang-format on
  for (const auto& [runs, size, zoom, marked, limit] : cases) {
    SCOPED_TRACE(runs.back()[0] + " at " + std::to_string(size.width()));
    chart.SetZoom(zoom);
    const ChartReport report = Afresh(runs, size, true);
    int labels = 0;
    for (const ChartReport::Text& text : report.texts) {
      if (text.part != ChartReport::Part::kMark) continue;
      ++labels;
      for (const ChartReport::Path& path : report.paths)
        EXPECT_FALSE(Hides(text.rect, path.points))
            << text.text.toStdString() << " over " << path.name.toStdString();
    }
    EXPECT_GT(labels, 0);
    EXPECT_EQ(std::ranges::count_if(report.marks,
                                    [](const ChartReport::Mark& mark) {
                                      return !mark.labelled && mark.name != "rise to";
                                    }),
              report.droppedLabels);
    const AxesReading axes(report);
    for (const auto& [name, step, labelled] : marked) {
      const ChartReport::Mark* mark = MarkNamed(report, name);
      ASSERT_TRUE(mark) << name;
      EXPECT_EQ(std::pair(mark->step, mark->labelled), std::pair(step, labelled)) << name;
      EXPECT_NEAR(mark->at.x(), axes.StepX(step), 1) << name;
      EXPECT_TRUE(step != 14 || std::abs(mark->at.y() - axes.ValueY(5.2424)) <= 1);
    }
    if (!limit) continue;
    const ChartReport::Text* label = Find(report, ChartReport::Part::kMark, limit);
    ASSERT_TRUE(label);
    EXPECT_LE(label->rect.right(), report.bottom.right());
    EXPECT_GT(label->rect.left(), report.bottom.right() - 3 * chart.TextPixelSize());
    const double y = report.inputs.ToPixel(std::stod(limit));
    EXPECT_TRUE(std::string(limit) == "255" ? label->rect.top() >= y : label->rect.bottom() <= y);
  }
}

}  // namespace
}  // namespace corvale
