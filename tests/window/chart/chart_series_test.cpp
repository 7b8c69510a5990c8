#include <algorithm>

#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartSeries = ChartFixture;

TEST_F(ChartSeries, APointPerRowThroughEverySample) {
  for (const char* run : {".5 .5 .5 5 100", "1 0 0 5 30", ".5 .5 .5 300 100", "2.5 0 0 5 200"}) {
    const ChartReport report = Afresh({{run}});
    const AxesReading axes(report);
    const ResponseTrace& trace = history.Current();
    const ChartReport::Path* pv = report.PathNamed("PV");
    ASSERT_TRUE(pv && !pv->decimated) << run;
    ASSERT_EQ(std::size_t(pv->points.size()), trace.Size()) << run;
    for (std::size_t r = 0; r < trace.Size(); ++r) {
      EXPECT_NEAR(pv->points[qsizetype(r)].x(), axes.StepX(r + 1.0), 1) << run << " row " << r;
      EXPECT_NEAR(pv->points[qsizetype(r)].y(), axes.ValueY(trace.Sample(r).pv), 1)
          << run << " row " << r;
    }
  }
}

// 200,000 rows at 1, but for one at 9 and one at 0; then as many at 3, drawn anew, not from
// the columns kept from the last drawing.
TEST_F(ChartSeries, ManyRowsAColumnKeepEveryPeak) {
  std::vector<ResponseSample> samples(200'000, ResponseSample{2, 1});
  samples[123'456].pv = 9;
  samples[150'000].pv = 0;
  Made(samples, Gains{1, 0, 0, 1});
  Show({});
  Render(800, 600);
  ChartReport report = chart.Report();
  const AxesReading axes(report);
  const ChartReport::Path* pv = report.PathNamed("PV");
  ASSERT_TRUE(pv && pv->decimated);
  // A stroke in every pixel column of the plot, with no gap between them.
  EXPECT_EQ(pv->points.size(), 2 * qsizetype(report.top.width()));
  const auto [lowest, highest] =
      std::minmax_element(pv->points.begin(), pv->points.end(),
                          [](const QPointF& a, const QPointF& b) { return a.y() > b.y(); });
  EXPECT_NEAR(highest->y(), axes.ValueY(9), 1);
  EXPECT_NEAR(highest->x(), axes.StepX(123'457), 1);
  EXPECT_NEAR(lowest->y(), axes.ValueY(0), 1);
  EXPECT_NEAR(lowest->x(), axes.StepX(150'001), 1);
  Made(std::vector<ResponseSample>(200'000, ResponseSample{6, 3}), Gains{1, 0, 0, 1});
  Show({});
  report = chart.Report();
  EXPECT_NEAR(report.PathNamed("PV")->points[100].y(), report.values.ToPixel(3), 0.5);
}

TEST_F(ChartSeries, AKeptRunKeepsItsLook) {
  const std::vector<std::vector<std::size_t>> looks = {
      {}, {0}, {0, 1}, {0, 1, 2}, {0, 1, 2, 3}, {1, 2, 3, 0}, {2, 3, 0, 1}};
  chart.resize(400, 300);
  for (std::size_t run = 0; run < looks.size(); ++run) {
    Simulate({"1 0 0 5 " + std::to_string(10 + run)});
    std::vector<std::size_t> drawn;
    for (const ChartReport::Path& path : chart.Report().paths)
      if (path.name.startsWith("kept") && !path.name.endsWith("SP")) drawn.push_back(path.look);
    EXPECT_EQ(drawn, looks[run]) << run;
  }
  history.ForgetKept();
  Simulate({"1 0 0 5 10"});
  EXPECT_EQ(chart.Report().PathNamed("kept 0")->look, 0u);  // all free again
}

}  // namespace
}  // namespace corvale
