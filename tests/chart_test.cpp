// The response chart on the offscreen platform: drawn at a fixed size with a
// palette of plain colours, and looked at pixel by pixel.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include "commands.h"
#include "memory_form_fields.h"
#include "response_chart.h"
#include "response_trace.h"

namespace corvale {
namespace {

class Chart : public testing::Test {
 protected:
  void SetUp() override {
    QPalette palette = chart.palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(200, 0, 0));  // SP
    palette.setColor(QPalette::Highlight, QColor(0, 0, 255));   // PV
    chart.setPalette(palette);
  }
  // "Kp Ki Kd SP Loops" for Compute, then for each Continue.
  void Simulate(std::vector<std::string> runs) {
    LoopState state;
    MemoryFormFields fields;
    for (const std::string& run : runs) {
      const QStringList texts = QString::fromStdString(run).split(' ');
      for (Box box : {Box::Kp, Box::Ki, Box::Kd, Box::SP, Box::Loops})
        fields.SetBox(box, texts[int(box)].toStdString());
      RunOutcome outcome =
          &run == &runs.front() ? OnCompute(state, fields) : OnContinue(state, fields);
      trace.Append(std::move(outcome.samples), outcome.gains.SP);
    }
    chart.Refresh(std::nullopt, {});
  }
  // PV at 0, then 2, then 8, a third of 99 rows each; SP 4; X flat.
  void Levels() {
    std::vector<ResponseSample> samples;
    for (int r = 0; r < 99; ++r) samples.push_back({10.48484, r < 33 ? 0.0 : r < 66 ? 2.0 : 8.0});
    trace.Append(samples, 4);
    chart.Refresh(std::nullopt, {});
  }
  QImage Render(int width = 420, int height = 190) {
    chart.resize(width, height);
    image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    return image;
  }
  // The rows, below the legend, where a colour passes in some of the dozen
  // columns from a fraction of the width on (a dash's gap is shorter).
  template <typename Test>
  std::vector<int> Rows(double at, Test test) const {
    std::vector<int> rows;
    for (int y = image.height() / 8; y < image.height(); ++y)
      for (int x = int(at * image.width()); x < int(at * image.width()) + 12; ++x)
        if (test(image.pixelColor(x, y))) {
          rows.push_back(y);
          break;
        }
    return rows;
  }
  static bool Pv(QColor c) { return c.blue() > 200 && c.red() < 60 && c.green() < 60; }
  static bool Sp(QColor c) { return c.red() > 150 && c.green() < 80 && c.blue() < 80; }
  static bool X(QColor c) { return c.blue() > 90 && c.blue() < 140 && c.red() < 30; }
  static bool Gray(QColor c) {
    return c.red() == c.green() && c.green() == c.blue() && c.red() > 190 && c.red() < 250;
  }
  static double Middle(const std::vector<int>& rows) {
    return rows.empty() ? -1 : (rows.front() + rows.back()) / 2.0;
  }

  ResponseTrace trace;
  ResponseChart chart{&trace, QLocale(QLocale::English, QLocale::UnitedStates)};
  QImage image;
};

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
  trace.Clear();
  Simulate({".5 .5 .5 300 100"});  // X at 255 from the second step on
  Render();
  EXPECT_LT(unshaded, 20u);  // the grid's lines alone
  EXPECT_GT(Rows(0.5, Gray).size(), 100u);
}

TEST_F(Chart, ExtremeSetPointsDrawPvAcrossThePlot) {
  // A set point of ±1.7e308 overflows the integral at its second step.
  for (const char* run : {"-1.7e308 100", "1.7e308 100", "1e-300 100", "0 100"}) {
    trace.Clear();
    Simulate({".5 .5 .5 5 60", std::string(".5 .5 .5 ") + run});
    ASSERT_GE(trace.Size(), 61u) << run;
    Render();
    for (double at : {0.35, 0.6, 0.9}) {
      const std::vector<int> pv = Rows(at, Pv);
      ASSERT_FALSE(pv.empty()) << run << " at " << at;
      EXPECT_LT(pv.back(), image.height() * 3 / 4) << run;  // in PV's panel
    }
  }
  // 1e-300: PV rises and swings about SP, over much of the panel's height.
  trace.Clear();
  Simulate({".5 .5 .5 1e-300 100"});
  Render();
  int high = image.height(), low = 0;
  for (double at = 0.1; at < 0.4; at += 0.02) {
    const std::vector<int> pv = Rows(at, Pv);
    if (!pv.empty()) high = std::min(high, pv.front()), low = std::max(low, pv.back());
  }
  EXPECT_GT(low - high, 30);  // a flat line is 3
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
  EXPECT_EQ(row->text(QAccessible::Name), "Step 14: PV 0, SP 4, X 10.485");
  EXPECT_EQ(chartView->indexOfChild(row), 13);
  for (int row : {0, 40}) {  // the first step too
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
  EXPECT_EQ(chartView->text(QAccessible::Description), "Sentence one.\nSentence two.");
  ResponseChart german(&trace, QLocale(QLocale::German));
  EXPECT_TRUE(german.RowDescription(13).endsWith("X 10,485"));
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
