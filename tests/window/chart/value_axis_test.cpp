#include <set>

#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ValueAxis = ChartFixture;

// The README's first run, Kp, Ki and Kd .5 at SP 5, peaks at 5.2424 and never falls below 0:
// its axis covers 0 to 5.2424, and a kept run within half that range beyond, 2.6212, widens
// it, up to 7.8636 or down to -2.6212. The loop is linear while X stays within its limits, so
// at SP 7 it peaks at 7 / 5 * 5.2424 = 7.3394 (within), at SP 8 at 8.3878 (beyond); at SP -10
// its SP lies beyond below; at SP 300 X sits at 255 and PV rises to 127.5, far beyond. A
// current run that is 0 throughout (all gains 0, SP 0) has no range to keep: every run widens
// the axis. A kept run is cut at the axis' end, its set point too, and the axis, asked to cover
// every run drawn, does, but not what a longer kept run did past that end. The runs, each a
// Compute and its Continues, the kept ones first; whether the axis covers every run; the first
// kept run's PV points (0: by columns); the least and most its top tick may be; the marks at
// the panel's edges.
TEST_F(ValueAxis, CoversTheCurrentRunAndCutsKeptRunsFarBeyondIt) {
  using Runs = std::vector<std::vector<std::string>>;
  // clang-format off
  const std::tuple<Runs, bool, qsizetype, double, double, std::set<QString>> cases[] = {
      {{{".5 .5 .5 300 100"}, {".5 .5 .5 5 100"}}, false, 100, 5.2424, 7.8636, {"kept 0 above"}},
      {{{".5 .5 .5 300 100"}, {".5 .5 .5 5 100"}}, true, 100, 127.5, 350, {}},
      {{{".5 .5 .5 7 60"}, {".5 .5 .5 5 60"}}, false, 60, 7.3394, 10, {}},
      {{{".5 .5 .5 8 60"}, {".5 .5 .5 5 60"}}, false, 60, 5.2424, 7.8636, {"kept 0 above"}},
      {{{".5 .5 .5 -10 60"}, {".5 .5 .5 5 60"}}, false, 60, 5.2424, 7.8636, {"kept 0 below"}},
      {{{".5 .5 .5 -10 60"}, {".5 .5 .5 300 60"}, {".5 .5 .5 7 60"}, {".5 .5 .5 5 60"}}, false, 60,
       7.3394, 10, {"kept 0 below", "kept 1 above"}},
      {{{".5 .5 .5 5 30"}, {"0 0 0 0 30"}}, false, 30, 5.2424, 10, {}},
      {{{"1 0 0 5 100"}, {".5 0 0 5 30"}}, true, 30, 5, 10, {}},
      {{{"1 0 0 5 10"}, {".5 0 0 5 30"}}, true, 10, 5, 10, {}},
      {{{"1 0 0 5 300000"}, {".5 0 0 5 100000"}}, true, 0, 5, 10, {}},
      {{{".5 .5 .5 100 60"}, {".5 .5 .5 5 60"}}, true, 60, 100, 150, {}},
      {{{".5 .5 .5 5 60"}, {".5 .5 .5 100 60"}}, true, 60, 100, 150, {}},
      {{{".5 .5 .5 5 30", ".5 .5 .5 100 30"}, {".5 .5 .5 5 30"}}, true, 30, 5, 10, {}}};
  // clang-format on
  for (const auto& [runs, every, points, least, most, edges] : cases) {
    const std::string name = runs[0][0] + (every ? ", every run" : "");
    chart.SetValueAxisCoversEveryRun(every);
    const ChartReport report = Afresh(runs);
    const ChartReport::Path* kept = report.PathNamed("kept 0");
    ASSERT_TRUE(kept && report.PathNamed("kept 0 SP")) << name;
    EXPECT_EQ(kept->decimated ? 0 : kept->points.size(), points) << name;
    const std::vector<double>& ticks = report.values.Scale().ticks;
    EXPECT_TRUE(ticks.back() >= least && ticks.back() <= most) << name << ": " << ticks.back();
    EXPECT_EQ(ticks.front(), 0) << name;
    for (const ChartReport::Path& path : report.paths)
      for (const QPointF& p : path.points)
        EXPECT_TRUE(!every ||
                    (p.y() >= report.top.top() - 0.5 && p.x() <= report.top.right() + 0.5))
            << name << ", " << path.name.toStdString();
    std::set<QString> marked;
    for (const ChartReport::Mark& mark : report.marks) {
      if (!mark.name.startsWith("kept")) continue;
      marked.insert(mark.name);
      // At the panel's edge, on the plot.
      const bool above = mark.name.endsWith("above");
      EXPECT_EQ(mark.at.y(), above ? report.top.top() : report.top.bottom()) << name;
      EXPECT_TRUE(mark.at.x() > report.top.left() && mark.at.x() < report.top.right()) << name;
    }
    EXPECT_EQ(marked, edges) << name;
  }
}

// Beside the arrow, the run named as the legend names it; the screen reader hears the same,
// and how to draw it whole.
TEST_F(ValueAxis, SaysWhichRunsAreCut) {
  EXPECT_TRUE(Find(Afresh({{".5 .5 .5 300 100"}, {".5 .5 .5 5 100"}}), ChartReport::Part::kMark,
                   "SP 300 above"));
  EXPECT_TRUE(chart.Description().startsWith(
      "The earlier run SP 300 goes off the axis above: its line is cut at the panel's top. "
      "Value axis covers every run, in the chart's menu, draws every run whole."))
      << chart.Description().toStdString();
  chart.SetValueAxisCoversEveryRun(true);
  EXPECT_FALSE(chart.Description().contains("off the axis"));
  EXPECT_FALSE(Find(chart.Report(), ChartReport::Part::kMark, "SP 300 above"));
}

}  // namespace
}  // namespace corvale
