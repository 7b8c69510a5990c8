#include "window/chart/chart_loads.h"

#include <QTest>

#include "tests/window/chart/chart_fixture.h"

namespace corvale {
namespace {

using ChartDisturbances = ChartFixture;

// A load of 20 from step 5 and PV read with noise: the load's step is marked
// through the panels and named over X's, N stops there, and PV as the plant
// made it is drawn under the PV read, and walked by Up and Down after it.
TEST_F(ChartDisturbances, TheLoadIsMarkedAndThePlantsOwnPvDrawn) {
  fields.SetBox(Box::LoadSize, "20");
  fields.SetBox(Box::LoadStep, "5");
  fields.SetBox(Box::Noise, ".5");
  fields.SetBox(Box::NoiseSeed, "3");
  const ChartReport report = Afresh({{"1 0 0 5 10"}});
  const ChartReport::Mark* load = MarkNamed(report, "load");
  ASSERT_TRUE(load);
  EXPECT_EQ(load->step, 5);
  EXPECT_TRUE(load->labelled);
  EXPECT_NE(Find(report, ChartReport::Part::kMark, "load 20"), nullptr);
  EXPECT_NE(chart.RowDescription(4).indexOf("the load on the plant's input becomes 20"), -1);

  const ChartReport::Path* read = report.PathNamed("PV");
  const ChartReport::Path* plant = report.PathNamed("true PV");
  ASSERT_TRUE(read && plant);
  ASSERT_EQ(plant->points.size(), 10);
  const ResponseTrace& trace = history.Current();
  for (int row = 0; row < 10; ++row)
    EXPECT_DOUBLE_EQ(plant->points[row].y(), report.values.ToPixel(trace.TruePv(row)));
  EXPECT_NE(read->points, plant->points);
  chart.setFocus();
  QTest::keyClick(&chart, Qt::Key_Home);
  QTest::keyClick(&chart, Qt::Key_Down);
  EXPECT_EQ(chart.Series().kind, SeriesId::Kind::TruePv);
  EXPECT_TRUE(chart.RowDescription(0).startsWith("Step 1: PV without the noise"));
}

}  // namespace
}  // namespace corvale
