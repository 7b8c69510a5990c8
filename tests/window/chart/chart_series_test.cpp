#include <algorithm>

#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartSeries = ChartFixture;

TEST_F(ChartSeries, APointPerRowThroughEverySample) {
  for (const char* run : {".5 .5 .5 5 100", "1 0 0 5 30", ".5 .5 .5 300 100", "2.5 0 0 5 200"}) {
    const ChartReport report = Afresh({{run}});
    const AxesReading axes(report);
    ASSERT_TRUE(axes.CanRead()) << run;
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

TEST_F(ChartSeries, ManyRowsAColumnKeepEveryPeak) {
  // 200,000 rows at 1, but for one at 9 and one at 0.
  std::vector<ResponseSample> samples(200'000, ResponseSample{2, 1});
  samples[123'456].pv = 9;
  samples[150'000].pv = 0;
  Made(samples, Gains{1, 0, 0, 1});
  Show({});
  Render(800, 600);
  const ChartReport report = chart.Report();
  const AxesReading axes(report);
  ASSERT_TRUE(axes.CanRead());
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
}

// The columns kept from one drawing serve the next only while the runs are the same.
TEST_F(ChartSeries, ANewRunOfAsManyRowsIsDrawnAnew) {
  for (const double level : {1.0, 3.0}) {
    Made(std::vector<ResponseSample>(100'000, ResponseSample{2 * level, level}), Gains{1, 0, 0, 4});
    Show({});
    Render(800, 600);
    const ChartReport report = chart.Report();
    const ChartReport::Path* pv = report.PathNamed("PV");
    ASSERT_TRUE(pv && pv->decimated);
    EXPECT_NEAR(pv->points[100].y(), report.values.ToPixel(level), 0.5) << level;
  }
}

TEST_F(ChartSeries, KeptRunsAreCutAtTheAxisEnd) {
  // The earlier run, the current one, and the earlier one's PV: its points, or decimated (0).
  // clang-format off
  const std::tuple<const char*, const char*, std::size_t> cases[] = {
      {"1 0 0 5 100", ".5 0 0 5 30", 30}, {"1 0 0 5 10", ".5 0 0 5 30", 10},
      {"1 0 0 5 300000", ".5 0 0 5 100000", 0}};
  // clang-format on
  for (const auto& [earlier, current, points] : cases) {
    const ChartReport report = Afresh({{earlier}, {current}});
    ASSERT_EQ(history.Kept().size(), 1u);
    const ChartReport::Path* kept = report.PathNamed("kept 0");
    ASSERT_TRUE(kept) << earlier;
    EXPECT_EQ(kept->decimated ? 0 : std::size_t(kept->points.size()), points) << earlier;
    const double right =
        std::max_element(kept->points.begin(), kept->points.end(), [](QPointF a, QPointF b) {
          return a.x() < b.x();
        })->x();
    EXPECT_LE(right, report.top.right()) << earlier;
    // Its set point too.
    const ChartReport::Path* sp = report.PathNamed("kept 0 SP");
    ASSERT_TRUE(sp);
    EXPECT_LE(sp->points.back().x(), report.top.right() + 0.5) << earlier;
  }
}

// Not what a longer kept run did past the axis' end.
TEST_F(ChartSeries, TheValueAxisCoversEveryRunDrawn) {
  // Runs, each a Compute and its Continues; the least and most the axis' top tick may be.
  const std::tuple<std::vector<std::vector<std::string>>, double, double> cases[] = {
      {{{".5 .5 .5 100 60"}, {".5 .5 .5 5 60"}}, 100, 150},
      {{{".5 .5 .5 5 60"}, {".5 .5 .5 100 60"}}, 100, 150},
      {{{".5 .5 .5 5 30", ".5 .5 .5 100 30"}, {".5 .5 .5 5 30"}}, 5, 10}};
  for (const auto& [runs, least, most] : cases) {
    const ChartReport report = Afresh(runs);
    const double top = report.values.Scale().ticks.back();
    EXPECT_TRUE(top >= least && top <= most) << top;
    for (const ChartReport::Path& path : report.paths)
      for (const QPointF& p : path.points)
        EXPECT_GE(p.y(), report.top.top() - 0.5) << path.name.toStdString();
  }
}

}  // namespace
}  // namespace corvale
