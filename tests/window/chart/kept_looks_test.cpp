#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartSeries = ChartFixture;

TEST_F(ChartSeries, AKeptRunKeepsItsLook) {
  const std::vector<std::vector<std::size_t>> looks = {
      {}, {0}, {0, 1}, {0, 1, 2}, {0, 1, 2, 3}, {1, 2, 3, 0}, {2, 3, 0, 1}};
  for (std::size_t run = 0; run < looks.size(); ++run) {
    Simulate({"1 0 0 5 " + std::to_string(10 + run)});
    Render(400, 300);
    std::vector<std::size_t> drawn;
    for (const ChartReport::Path& path : chart.Report().paths)
      if (path.name.startsWith("kept") && !path.name.endsWith("SP")) drawn.push_back(path.look);
    EXPECT_EQ(drawn, looks[run]) << run;
  }
  history.ForgetKept();
  Simulate({"1 0 0 5 10"});
  Render(400, 300);
  EXPECT_EQ(chart.Report().PathNamed("kept 0")->look, 0u);  // all free again
}

}  // namespace
}  // namespace corvale
