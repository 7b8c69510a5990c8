// The response chart on the offscreen platform: drawn at a fixed size with a
// palette of plain colours, and looked at pixel by pixel.

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include "chart_fixture.h"

namespace corvale {
namespace {

using Chart = ChartFixture;

TEST_F(Chart, DrawsPvAtItsValueSpDashedAndXBelow) {
  Levels();
  Render();
  const double pv0 = Middle(Rows(0.25, Pv)), pv2 = Middle(Rows(0.5, Pv)),
               pv8 = Middle(Rows(0.85, Pv));
  ASSERT_GT(pv0, pv8 + 40);  // 0 low, 8 high, a panel's height apart
  EXPECT_NEAR(pv2, pv0 + (pv8 - pv0) / 4, 1.5);
  const double sp = Middle(Rows(0.25, Sp));
  EXPECT_NEAR(sp, (pv0 + pv8) / 2, 1.5);
  // Dashes: along SP's row, SP's colour comes and goes.
  int changes = 0;
  for (int x = image.width() / 5; x < image.width() * 4 / 5; ++x)
    changes += Sp(image.pixelColor(x, int(sp))) != Sp(image.pixelColor(x + 1, int(sp)));
  EXPECT_GT(changes, 20);
  // X in a panel of its own, below PV's.
  const std::vector<int> x = Rows(0.5, X);
  ASSERT_FALSE(x.empty());
  EXPECT_GT(x.front(), pv0 + 5);
  EXPECT_LT(x.back(), image.height() - 10);
}

TEST_F(Chart, ShadesTheStepsXSatAtALimit) {
  Levels();
  Render();
  const std::size_t unshaded = Rows(0.5, Gray).size();
  Forget();
  Simulate({".5 .5 .5 300 100"});  // X at 255 from the second step on
  Render();
  EXPECT_LT(unshaded, 20u);  // the grid's lines alone
  // Both panels, their whole height but the lines and marks on them.
  const ChartReport report = chart.Report();
  EXPECT_GT(double(Rows(0.5, Gray).size()), 0.8 * (report.top.height() + report.bottom.height()));
  // X at 255 from step 11 to step 27, then below: shaded to half a step past it.
  Forget();
  Simulate({".5 .5 .5 300 10", ".5 .5 .5 50 100"});
  Render(800, 400);
  const AxesReading axes(chart.Report());
  ASSERT_TRUE(axes.CanRead());
  const int y = qRound(chart.Report().bottom.center().y());
  EXPECT_TRUE(Gray(image.pixelColor(qRound(axes.StepX(27.3)), y)));
  EXPECT_FALSE(Gray(image.pixelColor(qRound(axes.StepX(27.7)), y)));
}

TEST_F(Chart, ExtremeSetPointsDrawPvAcrossThePlot) {
  // A set point of ±1.7e308 overflows the integral at its second step.
  for (const char* run : {"-1.7e308 100", "1.7e308 100", "1e-300 100", "0 100"}) {
    Forget();
    Simulate({".5 .5 .5 5 60", std::string(".5 .5 .5 ") + run});
    ASSERT_GE(history.Current().Size(), 61u) << run;
    Render();
    for (double at : {0.35, 0.6, 0.9}) {
      const std::vector<int> pv = Rows(at, Pv);
      ASSERT_FALSE(pv.empty()) << run << " at " << at;
      EXPECT_LT(pv.back(), image.height() * 3 / 4) << run;  // in PV's panel
    }
  }
  // 1e-300: PV rises and swings about SP, over much of the panel's height.
  Forget();
  Simulate({".5 .5 .5 1e-300 100"});
  Render();
  int high = image.height(), low = 0;
  for (double at = 0.1; at < 0.4; at += 0.02) {
    const std::vector<int> pv = Rows(at, Pv);
    if (!pv.empty()) high = std::min(high, pv.front()), low = std::max(low, pv.back());
  }
  EXPECT_GT(low - high, chart.Report().top.height() / 3);  // a flat line is 3
}

TEST_F(Chart, ClicksAndKeysMoveTheCursorAndAskForTheRow) {
  Levels();
  Render();
  QSignalSpy asked(&chart, &ResponseChart::RowRequested);
  QAccessibleInterface* chartView = QAccessible::queryAccessibleInterface(&chart);
  ASSERT_TRUE(chartView);
  EXPECT_EQ(chartView->role(), QAccessible::Chart);
  EXPECT_EQ(chartView->text(QAccessible::Name), "Step response");
  ASSERT_EQ(chartView->childCount(), 99);
  QAccessibleInterface* row = chartView->child(13);
  EXPECT_EQ(row->text(QAccessible::Name), "Step 14: PV .0000, SP 4, X 10.4848");
  EXPECT_EQ(chartView->indexOfChild(row), 13);
  EXPECT_EQ(chartView->indexOfChild(chartView), -1);  // not one of its rows
  for (int row : {0, 40}) {                           // the first step too
    const QPoint at = chart.mapFromGlobal(chartView->child(row)->rect().center());
    QTest::mouseClick(&chart, Qt::LeftButton, {}, at);
    EXPECT_EQ(asked.takeFirst().at(0).toInt(), row);
  }
  EXPECT_EQ(chart.Cursor(), 40);
  const std::pair<Qt::Key, int> keys[] = {
      {Qt::Key_Right, 41}, {Qt::Key_Left, 40},   {Qt::Key_PageDown, 49}, {Qt::Key_End, 98},
      {Qt::Key_Right, 98}, {Qt::Key_PageUp, 89}, {Qt::Key_Home, 0},      {Qt::Key_Left, 0}};
  for (const auto& [key, cursor] : keys) {
    QTest::keyClick(&chart, key);
    EXPECT_EQ(chart.Cursor(), cursor);
    EXPECT_EQ(asked.takeFirst().at(0).toInt(), cursor);
  }
  chart.Refresh(std::nullopt, "Sentence one.\nSentence two.");
  // The figures, then the keys.
  EXPECT_TRUE(chartView->text(QAccessible::Description)
                  .startsWith("Sentence one.\nSentence two.\nKeys: Left and Right"));
}

TEST_F(Chart, TextAndLinesFollowTheZoomAndALargeChart) {
  Levels();
  Render(800, 770);
  EXPECT_GE(chart.TextPixelSize(), 18);
  Render();
  const int text = chart.TextPixelSize();
  const double line = chart.LineWidth();
  const std::size_t thickness = Rows(0.5, Pv).size();
  chart.SetZoom(2);
  Render();
  EXPECT_NEAR(chart.TextPixelSize(), 2 * text, 1);
  EXPECT_DOUBLE_EQ(chart.LineWidth(), 2 * line);
  EXPECT_GE(Rows(0.5, Pv).size(), thickness * 3 / 2);
}

}  // namespace
}  // namespace corvale
