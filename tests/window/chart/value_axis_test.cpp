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
// the axis. The runs, the kept ones first; whether the axis covers every run; the least and
// most its top tick may be; its lowest tick; the marks at the panel's edges.
TEST_F(ValueAxis, CoversTheCurrentRunAndCutsKeptRunsFarBeyondIt) {
  const std::tuple<std::vector<std::vector<std::string>>, bool, double, double, double,
                   std::set<QString>>
      cases[] = {
          {{{".5 .5 .5 300 100"}, {".5 .5 .5 5 100"}}, false, 5.2424, 7.8636, 0, {"kept 0 above"}},
          {{{".5 .5 .5 300 100"}, {".5 .5 .5 5 100"}}, true, 127.5, 350, 0, {}},
          {{{".5 .5 .5 7 60"}, {".5 .5 .5 5 60"}}, false, 7.3394, 10, 0, {}},
          {{{".5 .5 .5 8 60"}, {".5 .5 .5 5 60"}}, false, 5.2424, 7.8636, 0, {"kept 0 above"}},
          {{{".5 .5 .5 -10 60"}, {".5 .5 .5 5 60"}}, false, 5.2424, 7.8636, 0, {"kept 0 below"}},
          {{{".5 .5 .5 -10 60"}, {".5 .5 .5 300 60"}, {".5 .5 .5 7 60"}, {".5 .5 .5 5 60"}},
           false,
           7.3394,
           10,
           0,
           {"kept 0 below", "kept 1 above"}},
          {{{".5 .5 .5 5 30"}, {"0 0 0 0 30"}}, false, 5.2424, 10, 0, {}}};
  for (const auto& [runs, every, least, most, lowest, edges] : cases) {
    const std::string name = runs[0][0] + (every ? ", every run" : "");
    chart.SetValueAxisCoversEveryRun(every);
    const ChartReport report = Afresh(runs);
    const std::vector<double>& ticks = report.values.Scale().ticks;
    EXPECT_TRUE(ticks.back() >= least && ticks.back() <= most) << name << ": " << ticks.back();
    EXPECT_EQ(ticks.front(), lowest) << name;
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
