// The chart's texts and its cursor: where each stands, what the keys, the
// mouse and a screen reader meet.
#include <QAccessible>
#include <QFontMetricsF>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "tests/chart_fixture.h"
#include "window/chart/chart_cursor.h"

namespace corvale {
namespace {

using ChartTexts = ChartFixture;

// The first text of a part, of a wording if given.
const ChartReport::Text* Find(const ChartReport& report, ChartReport::Part part,
                              const QString& text = {}) {
  for (const ChartReport::Text& t : report.texts)
    if (t.part == part && (text.isEmpty() || t.text == text)) return &t;
  return nullptr;
}

// Each text in its rectangle, the upper panel twice the lower, at every size.
TEST_F(ChartTexts, EachTextsRectangleHoldsIt) {
  for (const QSize size : {QSize(425, 190), QSize(800, 780), QSize(1060, 380)}) {
    Afresh({{".5 0 0 5 30"}, {".5 .5 .5 300 100", ".5 .5 .5 5 300"}});
    Measure();
    chart.SetVisibleRows(10, 19);
    Render(size.width(), size.height());
    QTest::keyClick(&chart, Qt::Key_End);
    QFont font = chart.font();
    font.setPixelSize(chart.TextPixelSize());
    const QFontMetricsF metrics(font);
    const ChartReport report = chart.Report();
    EXPECT_NEAR(report.top.height(), 2 * report.bottom.height(), 1.5);
    EXPECT_GT(report.bottom.top(), report.top.bottom());
    ASSERT_GT(report.texts.size(), 20u);
    for (const ChartReport::Text& text : report.texts) {
      const bool upright = text.part == ChartReport::Part::kTitle && text.text != "Step";
      const QSizeF room = upright ? text.rect.size().transposed() : text.rect.size();
      const QRectF needed =
          metrics.boundingRect(QRectF(0, 0, room.width(), 1e6), Qt::TextWordWrap, text.text);
      EXPECT_LE(needed.height(), room.height() + 0.5) << text.text.toStdString();
      EXPECT_LE(needed.width(), room.width() + 0.5) << text.text.toStdString();
      EXPECT_GE(room.height(), metrics.height() - 0.5) << text.text.toStdString();
    }
  }
}

TEST_F(ChartTexts, TheReadoutStandsBesideTheCursor) {
  Simulate({".5 .5 .5 5 100"});
  Measure();
  Render(800, 600);
  EXPECT_FALSE(Find(chart.Report(), ChartReport::Part::kReadout)) << "no cursor, no readout";
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
}

TEST_F(ChartTexts, NamesXsLimitAtItsLinesEnd) {
  for (const auto& [run, name] : {std::pair{".5 .5 .5 300 30", "255"}, {"2.5 0 0 5 30", "0"}}) {
    const ChartReport report = Afresh({{run}});
    const ChartReport::Text* label = Find(report, ChartReport::Part::kMark, name);
    ASSERT_TRUE(label) << run;
    EXPECT_LE(label->rect.right(), report.bottom.right());
    EXPECT_GT(label->rect.left(), report.bottom.right() - 3 * chart.TextPixelSize());
    const double y = report.inputs.ToPixel(std::stod(name));
    EXPECT_TRUE(std::string(name) == "255" ? label->rect.top() >= y : label->rect.bottom() <= y);
  }
}

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

// Only a left click on a panel moves the cursor; then the keys.
TEST_F(ChartTexts, ClicksAndKeysMoveTheCursorAndAskForTheRow) {
  Levels();
  Render(800, 600);
  QSignalSpy asked(&chart, &ResponseChart::RowRequested);
  const ChartReport report = chart.Report();
  const QPoint step50(qRound(report.steps.ToPixel(50)), qRound(report.top.center().y()));
  QTest::mouseClick(&chart, Qt::RightButton, {}, step50);
  QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(step50.x(), 2));
  EXPECT_EQ(chart.Cursor(), -1);
  EXPECT_TRUE(asked.isEmpty());
  QTest::mouseClick(&chart, Qt::LeftButton, {}, step50);
  EXPECT_EQ(chart.Cursor(), 49);
  QTest::mouseClick(&chart, Qt::LeftButton, {},
                    QPoint(qRound(report.steps.ToPixel(60)), qRound(report.bottom.center().y())));
  EXPECT_EQ(chart.Cursor(), 59);  // the lower panel too
  EXPECT_EQ(asked.takeFirst().at(0).toInt(), 49);
  EXPECT_EQ(asked.takeFirst().at(0).toInt(), 59);
  Render();
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
