#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartTexts = ChartFixture;

// Here PV runs along the top, and the lower corners are free.
TEST_F(ChartTexts, TheFiguresStandWhereTheyCoverLeast) {
  std::vector<ResponseSample> samples(60, ResponseSample{20, 10});
  samples[0].pv = 0;
  Made(samples, Gains{1, 0, 0, 10});
  Show("First sentence.\nSecond sentence.");
  Render(425, 190);  // the box's room at 100 %: no room of their own
  const ChartReport report = chart.Report();
  QRectF box;
  for (const ChartReport::Text& text : report.texts)
    if (text.part == ChartReport::Part::kFigures) box |= text.rect;
  ASSERT_FALSE(box.isEmpty());
  EXPECT_GT(box.top(), report.top.center().y());   // a lower corner
  EXPECT_GT(box.left(), report.top.center().x());  // the first of them, on the right
  for (const QPointF& p : report.PathNamed("PV")->points) EXPECT_FALSE(box.contains(p));
}

}  // namespace
}  // namespace corvale
