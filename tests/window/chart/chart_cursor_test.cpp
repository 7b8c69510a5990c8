// The chart's cursor: where its readout stands, what the keys, the mouse and a screen reader meet.
#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "tests/window/chart/chart_fixture.h"
#include "window/chart/chart_cursor.h"

namespace corvale {
namespace {

using ChartTexts = ChartFixture;

TEST_F(ChartTexts, TheReadoutStandsBesideTheCursor) {
  EXPECT_FALSE(Find(Afresh({{".5 .5 .5 5 100"}}, {800, 600}, true), ChartReport::Part::kReadout))
      << "no cursor, no readout";
  // Tall, and wide with the figures beside the plot.
  for (const QSize size : {QSize(800, 600), QSize(1060, 380)}) {
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_PageDown, Qt::Key_End}) {
      Render(size.width(), size.height());
      QTest::keyClick(&chart, key);
      const ChartReport report = chart.Report();
      const double x = report.steps.ToPixel(chart.Cursor() + 1.0);
      Render(size.width(), size.height());
      for (const QRectF& panel : {report.top, report.bottom}) {
        int dark = 0;
        for (int y = int(panel.top()) + 2; y < int(panel.bottom()) - 2; ++y)
          dark += image.pixelColor(int(x), y).lightness() < 80;
        EXPECT_GT(dark, 0.8 * panel.height()) << chart.Cursor();
      }
      const ChartReport::Text* readout = Find(report, ChartReport::Part::kReadout);
      ASSERT_TRUE(readout);
      EXPECT_EQ(readout->text, chart.RowDescription(chart.Cursor()));
      EXPECT_TRUE(report.top.contains(readout->rect)) << chart.Cursor();
      EXPECT_TRUE(readout->rect.right() < x || readout->rect.left() > x) << chart.Cursor();
      // Close to it, on whichever side: on its left at the last step.
      EXPECT_LT(std::min(std::abs(readout->rect.right() - x), std::abs(readout->rect.left() - x)),
                chart.TextPixelSize())
          << chart.Cursor();
      EXPECT_TRUE(key != Qt::Key_End || readout->rect.right() < x) << chart.Cursor();
      EXPECT_LT(readout->rect.top() - report.top.top(), chart.TextPixelSize());
    }
  }
  // A plot too narrow for a few words a line takes none: a word a line would hide it.
  Made(std::vector<ResponseSample>(30, ResponseSample{0, 0}), Gains{1, 0, 0, 0});
  Show({});
  Render(116, 700);
  QTest::keyClick(&chart, Qt::Key_Home);
  EXPECT_FALSE(Find(chart.Report(), ChartReport::Part::kReadout));
}

// Only a left click on a panel moves the cursor; then the keys. Each move asks for its row.
TEST_F(ChartTexts, ClicksAndKeysMoveTheCursorAndAskForTheRow) {
  Levels();
  Render(800, 600);
  QSignalSpy asked(&chart, &ResponseChart::RowRequested);
  const auto expectAt = [&](int cursor) {
    EXPECT_EQ(chart.Cursor(), cursor);
    EXPECT_EQ(asked.isEmpty() ? -1 : asked.takeFirst().at(0).toInt(), cursor);
  };
  const ChartReport report = chart.Report();
  const double x50 = report.steps.ToPixel(50), middle = report.top.center().y();
  // Over the value axis' labels, left of the panel, too; the lower panel as the upper.
  const std::tuple<Qt::MouseButton, QPointF, int> clicks[] = {
      {Qt::RightButton, {x50, middle}, -1},
      {Qt::LeftButton, {x50, 2}, -1},
      {Qt::LeftButton, {report.top.left() - 20, middle}, -1},
      {Qt::LeftButton, {x50, middle}, 49},
      {Qt::LeftButton, {report.steps.ToPixel(60), report.bottom.center().y()}, 59}};
  for (const auto& [button, at, cursor] : clicks) {
    QTest::mouseClick(&chart, button, {}, at.toPoint());
    expectAt(cursor);
  }
  QAccessibleInterface* chartView = QAccessible::queryAccessibleInterface(&chart);
  ASSERT_TRUE(chartView);
  EXPECT_TRUE(chartView->role() == QAccessible::Chart &&
              chartView->text(QAccessible::Name) == "Step response");
  ASSERT_EQ(chartView->childCount(), 99);
  QAccessibleInterface* row = chartView->child(13);
  EXPECT_EQ(row->text(QAccessible::Name), "Step 14: PV .0000, SP 4, X 10.4848");
  EXPECT_EQ(chartView->indexOfChild(row), 13);
  EXPECT_EQ(chartView->child(13), row);               // the same one, kept by Qt's registry
  EXPECT_EQ(chartView->indexOfChild(chartView), -1);  // not one of its rows
  for (int row : {0, 40}) {                           // the first step too
    QTest::mouseClick(&chart, Qt::LeftButton, {},
                      chart.mapFromGlobal(chartView->child(row)->rect().center()));
    expectAt(row);
  }
  const std::pair<Qt::Key, int> keys[] = {
      {Qt::Key_Right, 41}, {Qt::Key_Left, 40},   {Qt::Key_PageDown, 49}, {Qt::Key_End, 98},
      {Qt::Key_Right, 98}, {Qt::Key_PageUp, 89}, {Qt::Key_Home, 0},      {Qt::Key_Left, 0}};
  for (const auto& [key, cursor] : keys) QTest::keyClick(&chart, key), expectAt(cursor);
  Show("Sentence one.\nSentence two.");  // the keys; F says the figures
  EXPECT_TRUE(chartView->text(QAccessible::Description).startsWith("Keys: Left and Right"));
  Show({});
  EXPECT_TRUE(chartView->text(QAccessible::Description).isEmpty());  // none without a run
}

// A key places the cursor on the first row in view, one row too; with none, on the first.
TEST(ChartCursor, AKeyPlacesItOnTheFirstRowInView) {
  for (const auto& [first, last, row] : {std::tuple{5, 9, 5}, {5, 5, 5}, {9, 5, 0}})
    EXPECT_EQ(CursorAfterKey(Qt::Key_Right, -1, 100, first, last), row) << first << ".." << last;
}

}  // namespace
}  // namespace corvale
